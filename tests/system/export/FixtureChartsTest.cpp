// The charts of the real Microsoft Project plans in tests/data/mspdi, read back by
// openpyxl and compared with the chart model.

#include <gtest/gtest.h>

#include "platform/msproject/Project.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;

class FixtureChartsTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FixtureChartsTest, TheWorkbookShowsTheModelsHeaderRowsAndShapes) {
  testsupport::TempDir dir;
  ChartRun run(testsupport::FixturesDir() / "mspdi" / GetParam());
  run.Export(dir / "Chart.xlsx");
  ASSERT_FALSE(run.Builder().blnFastExit);
  EXPECT_TRUE(run.Boxes().empty());
  const nlohmann::json objChart = ReadChart(dir / "Chart.xlsx");
  ASSERT_TRUE(objChart.contains("cells"));
  const auto& colCells = objChart["cells"];
  auto cell = [&](std::int32_t lngRow, std::int32_t lngColumn) {
    auto it = colCells.find(CellName(lngRow, lngColumn));
    return it == colCells.end() ? nlohmann::json() : *it;
  };
  const clsQuorvan& q = run.Builder();
  const std::int32_t hr = q.objTasks.objHeaderTasks.lngHeaderRow;

  EXPECT_EQ(cell(1, 1), "Kommunikationsdiagramm für " + run.Host().ActiveProject().Name());
  for (const clsField& objField : q.objTasks.objHeaderTasks.objFields.colFields) {
    if (objField.strFieldAlias.empty()) continue;
    EXPECT_EQ(cell(hr, objField.lngFieldColumn), objField.strFieldAlias);
  }
  std::size_t lngMerged = 0;
  for (const clsResourceGroup& objGroup : q.objResources.colResourceGroups) {
    EXPECT_EQ(cell(hr - 3, objGroup.colResources.front().lngColumnNumber), objGroup.strName);
    lngMerged += objGroup.colResources.size() > 1;
    for (const clsResource& objResource : objGroup.colResources) {
      const std::int32_t col = objResource.lngColumnNumber;
      if (objResource.objResource->Name().empty()) {
        EXPECT_TRUE(cell(hr - 2, col).is_null());
      } else {
        EXPECT_EQ(cell(hr - 2, col), objResource.objResource->Name());
      }
      EXPECT_EQ(cell(hr - 1, col), objResource.objResource->UniqueID());
      EXPECT_EQ(cell(hr, col), objResource.objResource->ID());
    }
  }
  EXPECT_EQ(objChart["merged"].size(), lngMerged);
  for (const clsTask& objTask : q.objTasks.colTasks) {
    const std::string strRow = std::to_string(objTask.lngRowNumber);
    EXPECT_DOUBLE_EQ(objChart["rows"][strRow]["height"].get<double>(), 31.5) << strRow;
    if (objTask.objTask != nullptr) {
      EXPECT_EQ(cell(objTask.lngRowNumber, 4), objTask.objTask->Name()) << strRow;
    }
  }

  const Drawing objDrawing = DrawingOf(objChart);
  ExpectSameCircles(objDrawing.colCircles, ExpectedCircles(q));
  ExpectSameSegments(objDrawing.colLines, ExpectedRowLines(q), "row lines");
  ExpectSameSegments(objDrawing.colArrows, ExpectedArrows(q), "arrows");
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, FixtureChartsTest,
    ::testing::Values("mspdinulltasks.xml", "mspdiresource.xml",
                      "resource-misc-project2019-mspdi.xml", "resource-text-project2019-mspdi.xml",
                      "task-dates-project2019-mspdi.xml", "task-durations-project2019-mspdi.xml",
                      "task-links-project2016-mspdi.xml", "task-text-project2003-mspdi.xml",
                      "task-text-project2019-mspdi.xml"));

}  // namespace
