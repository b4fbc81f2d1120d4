// Charts at the edges: a plan without tasks, more tasks than the chart takes, status texts
// that are almost right.

#include <gtest/gtest.h>

#include "support/PlanXml.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"
#include "system/export/TestPlan.h"

namespace {

using namespace exporttest;

class ExportEdgesTest : public ::testing::Test {
 protected:
  nlohmann::json Export(ChartRun& run) {
    run.Export(dir_ / "Chart.xlsx");
    EXPECT_FALSE(run.Builder().blnFastExit);
    return ReadChart(dir_ / "Chart.xlsx");
  }
  testsupport::TempDir dir_;
};

TEST_F(ExportEdgesTest, APlanWithoutTasksGivesTitleAndHeaderAndNothingElse) {
  WritePlan(dir_ / "Plan.xml", {}, {{"Anna", "Leitung"}, {"Ben", "Leitung"}});
  ChartRun run(dir_ / "Plan.xml");
  const nlohmann::json objChart = Export(run);
  EXPECT_EQ(objChart["cells"]["A1"], "Kommunikationsdiagramm für Plan.xml");
  EXPECT_EQ(objChart["cells"]["K4"], "Anna");
  EXPECT_EQ(objChart["cells"]["L6"], 2);
  EXPECT_EQ(objChart["merged"], nlohmann::json::array({"K3:L3"}));
  EXPECT_TRUE(objChart["shapes"].empty());
  EXPECT_FALSE(objChart["rows"].contains("7"));
}

TEST_F(ExportEdgesTest, APlanWhoseResourceRowsAreAllBlankKeepsItsLightsInTheirRows) {
  // No resource column sets the heights of the rows of names and IDs above the task rows; the
  // task rows must still lie where the model draws their lights.
  testsupport::PlanXml()
      .Task("A", 1, {{kText24, "unkritisch"}})
      .Task("B", 1, {{kText24, "schwierig"}})
      .Task("C", 1, {{kText24, "planmäßig"}})
      .BlankResource()
      .Write(dir_);
  ChartRun run(dir_ / "Plan.xml");
  const nlohmann::json objChart = Export(run);
  auto height = [&](std::int32_t lngRow) {
    const auto& objRow = objChart["rows"].value(std::to_string(lngRow), nlohmann::json::object());
    return objRow.value("height", nlohmann::json()).is_number() ? objRow["height"].get<double>()
                                                                : 12.75;  // the sheet's default
  };
  const Drawing objDrawing = DrawingOf(objChart);
  ASSERT_EQ(objDrawing.colCircles.size(), 3U);
  for (std::size_t i = 0; i < 3; ++i) {
    const std::int32_t lngRow = run.Builder().objTasks.colTasks[i].lngRowNumber;
    double dblTop = 0;
    for (std::int32_t r = 1; r < lngRow; ++r) dblTop += height(r);
    EXPECT_GE(objDrawing.colCircles[i].dblY - 6, dblTop) << "light " << i << " above its row";
    EXPECT_LE(objDrawing.colCircles[i].dblY + 6, dblTop + height(lngRow))
        << "light " << i << " below its row";
  }
}

TEST_F(ExportEdgesTest, OnlyAsManyTaskRowsAsTheChartTakesAreWrittenAndDrawn) {
  WritePlan(dir_ / "Plan.xml",
            {Linked("A", "1", "Anna;Ben", {2}), Linked("B", "2", "Ben", {3}),
             Linked("C", "3", "Anna;Ben", {4}),
             // Back to the first row: arrows up, one of them to the left.
             Linked("D", "4", "Ben", {1})},
            {{"Anna", "Leitung"}, {"Ben", "Technik"}});
  ChartRun run(dir_ / "Plan.xml");
  run.Builder().lngMaxTasksCount = 2;
  const nlohmann::json objChart = Export(run);
  EXPECT_EQ(objChart["cells"]["D8"], "B");
  EXPECT_FALSE(objChart["cells"].contains("D9"));
  EXPECT_FALSE(objChart["fills"].contains("A9"));
  EXPECT_DOUBLE_EQ(objChart["rows"]["8"]["height"].get<double>(), 31.5);
  EXPECT_FALSE(objChart["rows"].contains("9"));
  const Drawing objDrawing = DrawingOf(objChart);
  // Symbols and the row line of the first two rows only; the network spans every row.
  EXPECT_EQ(objDrawing.colCircles.size(), 3U);
  EXPECT_EQ(objDrawing.colLines.size(), 1U);
  ExpectSameCircles(objDrawing.colCircles, ExpectedCircles(run.Builder()));
  const auto colArrows = ExpectedArrows(run.Builder());
  EXPECT_TRUE(std::any_of(colArrows.begin(), colArrows.end(),
                          [](const Segment& a) { return a.dblX2 < a.dblX1 && a.dblY2 < a.dblY1; }));
  ExpectSameSegments(objDrawing.colArrows, colArrows, "arrows");
}

TEST_F(ExportEdgesTest, OnlyTheFourStatusTextsAsWrittenShowALight) {
  std::vector<PlanTask> colTasks;
  for (const char* strStatus : {"unkritisch", "planmäßig", "schwierig", "nicht erreichbar",
                                "Unkritisch", "planmässig", "schwierig ", ""}) {
    colTasks.push_back(Linked(std::string("Vorgang ") + strStatus, "1", ""));
    colTasks.back().strStatus = strStatus;
  }
  WritePlan(dir_ / "Plan.xml", colTasks, {{"Anna", "Leitung"}});
  ChartRun run(dir_ / "Plan.xml");
  const nlohmann::json objChart = Export(run);
  const Drawing objDrawing = DrawingOf(objChart);
  const std::int32_t colLights[] = {0xFF0000, 0x00FF00, 0x00FFFF, 0x0000FF};
  ASSERT_EQ(objDrawing.colCircles.size(), 4U);
  const clsField& objStatus = run.Builder().objTasks.objHeaderTasks.objFields.colFields[8];
  ASSERT_EQ(objStatus.strFieldAlias, "Status");
  for (std::size_t i = 0; i < 4; ++i) {
    const Circle& objLight = objDrawing.colCircles[i];
    EXPECT_EQ(objLight.lngColor, colLights[i]) << i;
    EXPECT_NEAR(objLight.dblRadius, 6, 0.01);
    EXPECT_NEAR(objLight.dblX, objStatus.dblFieldMidX - 2, 0.5);
    EXPECT_NEAR(objLight.dblY, run.Builder().objTasks.colTasks[i].dblMidY - 2, 0.5);
  }
  // The status column shows lights only, never the text.
  EXPECT_FALSE(objChart["cells"].contains("I7"));
}

TEST_F(ExportEdgesTest, ACellsSymbolsAreStackedParticipantInformedResponsibleColumnByColumn) {
  PlanTask objTask = Linked("A", "1", "Ben;Anna");
  objTask.strParticipiant = "Ben;Carl";
  objTask.strInformed = "Ben";
  WritePlan(dir_ / "Plan.xml", {objTask},
            {{"Anna", "Leitung"}, {"Ben", "Leitung"}, {"Carl", "Technik"}});
  ChartRun run(dir_ / "Plan.xml");
  run.Builder().lngSymParticipiantColor = 0x000011;
  run.Builder().lngSymInformedColor = 0x000022;
  run.Builder().lngSymResponsibleColor = 0x000033;
  const Drawing objDrawing = DrawingOf(Export(run));
  const auto& colGroups = run.Builder().objResources.colResourceGroups;
  const double dblAnna = colGroups[0].colResources[0].dblMidX - 6;
  const double dblBen = colGroups[0].colResources[1].dblMidX - 6;
  const double dblCarl = colGroups[1].colResources[0].dblMidX - 6;
  const std::vector<std::pair<double, std::int32_t>> colExpected{{dblAnna, 0x000033},
                                                                 {dblBen, 0x000011},
                                                                 {dblBen, 0x000022},
                                                                 {dblBen, 0x000033},
                                                                 {dblCarl, 0x000011}};
  ASSERT_EQ(objDrawing.colCircles.size(), colExpected.size());
  for (std::size_t i = 0; i < colExpected.size(); ++i) {
    EXPECT_NEAR(objDrawing.colCircles[i].dblX, colExpected[i].first, 0.5) << i;
    EXPECT_EQ(objDrawing.colCircles[i].lngColor, colExpected[i].second) << i;
  }
  // Lines from Anna's column to each symbol elsewhere, one per symbol.
  EXPECT_EQ(objDrawing.colLines.size(), 4U);
}

}  // namespace
