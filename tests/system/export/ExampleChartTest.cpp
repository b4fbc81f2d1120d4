// The example plan's chart end to end: exported into a workbook with the options of a wizard
// at its defaults, read back by openpyxl, compared with the chart model.

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "export/basExcelServer.h"
#include "platform/msproject/Project.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;

class ExampleChartTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testsupport::TempDir();
    run_ = new ChartRun(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
    run_->Export(*dir_ / "Markteinfuehrung.xlsx");
    chart_ = new nlohmann::json(ReadChart(*dir_ / "Markteinfuehrung.xlsx"));
  }
  static void TearDownTestSuite() {
    delete chart_;
    delete run_;
    delete dir_;
  }

  static const clsQuorvan& Model() { return run_->Builder(); }
  static const nlohmann::json& Chart() { return *chart_; }
  static const nlohmann::json& Cell(std::int32_t lngRow, std::int32_t lngColumn) {
    static const nlohmann::json objNone;
    const auto& colCells = Chart()["cells"];
    auto it = colCells.find(CellName(lngRow, lngColumn));
    return it == colCells.end() ? objNone : *it;
  }
  static std::int32_t HeaderRow() { return Model().objTasks.objHeaderTasks.lngHeaderRow; }

  static testsupport::TempDir* dir_;
  static ChartRun* run_;
  static nlohmann::json* chart_;
};

testsupport::TempDir* ExampleChartTest::dir_ = nullptr;
ChartRun* ExampleChartTest::run_ = nullptr;
nlohmann::json* ExampleChartTest::chart_ = nullptr;

TEST_F(ExampleChartTest, TheExportEndsAsWrittenWithoutAMessageAndEndsItsEngine) {
  EXPECT_FALSE(Model().blnFastExit);
  EXPECT_TRUE(run_->Boxes().empty());
  EXPECT_EQ(Model().objXlApp, nullptr);
  EXPECT_EQ(StartedExcelCount(), 0);
  EXPECT_EQ(Chart()["sheets"], 1);
  EXPECT_EQ(run_->Host().StatusBar(), "");
}

TEST_F(ExampleChartTest, TitleInSixteenPointsAboveThreeRowsOf22Points) {
  EXPECT_EQ(Cell(1, 1), "Kommunikationsdiagramm für Markteinfuehrung.xml");
  EXPECT_EQ(Chart()["fonts"]["A1"], 16);
  for (const char* strRow : {"1", "2", "3"}) EXPECT_EQ(Chart()["rows"][strRow]["height"], 22);
}

TEST_F(ExampleChartTest, ResourceHeaderHoldsGroupsNamesHiddenUniqueIdsAndIds) {
  const std::int32_t hr = HeaderRow();
  std::set<std::string> colMerged;
  for (const auto& objGroup : Model().objResources.colResourceGroups) {
    const auto& colResources = objGroup.colResources;
    const std::int32_t lngFirst = colResources.front().lngColumnNumber;
    const std::int32_t lngLast = colResources.back().lngColumnNumber;
    EXPECT_EQ(Cell(hr - 3, lngFirst), objGroup.strName);
    if (lngLast > lngFirst) {
      colMerged.insert(CellName(hr - 3, lngFirst) + ":" + CellName(hr - 3, lngLast));
    }
    for (const auto& objResource : colResources) {
      const std::int32_t col = objResource.lngColumnNumber;
      if (col != lngFirst) {
        EXPECT_TRUE(Cell(hr - 3, col).is_null()) << CellName(hr - 3, col);
      }
      EXPECT_EQ(Cell(hr - 2, col), objResource.objResource->Name());
      EXPECT_EQ(Cell(hr - 1, col), objResource.objResource->UniqueID());
      EXPECT_EQ(Cell(hr, col), objResource.objResource->ID());
      EXPECT_NEAR(Chart()["cols"][CellName(1, col).substr(0, CellName(1, col).size() - 1)]["width"]
                      .get<double>(),
                  8, 0.75);
    }
  }
  EXPECT_EQ(std::set<std::string>(Chart()["merged"].begin(), Chart()["merged"].end()), colMerged);
  // The example has a group of one resource ("(keine)") and groups of several.
  EXPECT_EQ(colMerged.size(), 5U);
  EXPECT_EQ(Chart()["rows"][std::to_string(hr - 2)]["height"], 100);
  EXPECT_EQ(Chart()["rows"][std::to_string(hr - 1)]["height"], 0);
  EXPECT_TRUE(Chart()["rows"][std::to_string(hr - 1)]["hidden"].get<bool>());
}

TEST_F(ExampleChartTest, FieldCaptionsAndWidthsHideTheUniqueIdAndTheClosingColumn) {
  const std::vector<std::string> colCaptions{"PSP-Code", "UniqueID",    "Ziele",
                                             "Aufgaben", "Anfang",      "Ende",
                                             "Dauer",    "Bemerkungen", "Status"};
  for (std::size_t i = 0; i < colCaptions.size(); ++i) {
    EXPECT_EQ(Cell(HeaderRow(), static_cast<std::int32_t>(i + 1)), colCaptions[i]);
  }
  EXPECT_TRUE(Cell(HeaderRow(), 10).is_null());
  const auto& colColumns = Chart()["cols"];
  EXPECT_TRUE(colColumns["B"]["hidden"].get<bool>());
  EXPECT_TRUE(colColumns["J"]["hidden"].get<bool>());
  EXPECT_NEAR(colColumns["A"]["width"].get<double>(), 12, 0.75);
  EXPECT_NEAR(colColumns["D"]["width"].get<double>(), 24, 0.75);
  EXPECT_NEAR(colColumns["E"]["width"].get<double>(), 18, 0.75);
}

TEST_F(ExampleChartTest, EveryTaskRowHasTheModelsHeightItsFillAndItsFieldsAsText) {
  const auto& colFields = Model().objTasks.objHeaderTasks.objFields.colFields;
  std::map<std::string, int> colFillsSeen;
  for (const clsTask& objTask : Model().objTasks.colTasks) {
    const std::string strRow = std::to_string(objTask.lngRowNumber);
    EXPECT_DOUBLE_EQ(Chart()["rows"][strRow]["height"].get<double>(), 31.5) << strRow;
    std::int32_t lngColor = kTaskColor;
    if (objTask.blnIsSubProject) {
      lngColor = kProjectTaskColor;
    } else if (objTask.objTask != nullptr && objTask.objTask->Summary()) {
      lngColor = kSummaryColor;
    } else if (objTask.objTask != nullptr && objTask.objTask->Milestone()) {
      lngColor = kMilestoneColor;
    }
    char strArgb[9];
    std::snprintf(strArgb, sizeof strArgb, "FF%02X%02X%02X", lngColor & 0xFF,
                  (lngColor >> 8) & 0xFF, (lngColor >> 16) & 0xFF);
    const std::int32_t lngLast =
        Model().objTasks.objHeaderTasks.lngColumns + Model().objResources.lngResourcesCount;
    for (std::int32_t col = 1; col <= lngLast; ++col) {
      EXPECT_EQ(Chart()["fills"].value(CellName(objTask.lngRowNumber, col), ""), strArgb)
          << CellName(objTask.lngRowNumber, col);
    }
    ++colFillsSeen[strArgb];
    for (const clsField& objField : colFields) {
      const std::string strCell = CellName(objTask.lngRowNumber, objField.lngFieldColumn);
      if (objField.blnStatusLights || objField.strFieldAlias.empty() ||
          objTask.objTask == nullptr) {
        EXPECT_TRUE(Cell(objTask.lngRowNumber, objField.lngFieldColumn).is_null()) << strCell;
        continue;
      }
      const std::string strValue = objTask.objTask->GetField(objField.lngField);
      if (strValue.empty()) continue;
      EXPECT_EQ(Cell(objTask.lngRowNumber, objField.lngFieldColumn), strValue) << strCell;
      EXPECT_EQ(Chart()["formats"][strCell], "@") << strCell;
    }
  }
  // Milestones, summaries, ordinary tasks and the inserted project all occur.
  EXPECT_EQ(colFillsSeen.size(), 4U);
  // Dates as the German host shows them, kept as text.
  EXPECT_EQ(Cell(10, 5), "Mo 02.03.26");
}

TEST_F(ExampleChartTest, RowsAreGroupedByOutlineLevelWithSummariesAbove) {
  // A row's outline level: the levels L from 2 up for which it lies in a run of rows of level
  // L or deeper that began with a row of level L.
  const auto& colTasks = Model().objTasks.colTasks;
  std::map<std::int32_t, int> colExpected;
  for (std::int32_t L = 2; L <= 8; ++L) {
    bool blnInRun = false;
    std::int32_t P = 0;
    for (const clsTask& objTask : colTasks) {
      const std::int32_t O = objTask.lngOutlineLevel;
      if (O < L) blnInRun = false;
      if (O == L && P < L) blnInRun = true;
      if (blnInRun) ++colExpected[objTask.lngRowNumber];
      P = O;
    }
  }
  int intGrouped = 0;
  for (const clsTask& objTask : colTasks) {
    const int intLevel = Chart()["rows"][std::to_string(objTask.lngRowNumber)]["outline"];
    EXPECT_EQ(intLevel, colExpected[objTask.lngRowNumber]) << "row " << objTask.lngRowNumber;
    intGrouped += intLevel > 0;
  }
  EXPECT_GT(intGrouped, 20);
  EXPECT_EQ(Chart()["summaryBelow"], false);
  EXPECT_EQ(Chart()["summaryRight"], true);
}

TEST_F(ExampleChartTest, HeadingsAreFrozenAboveTheFirstTaskRow) {
  EXPECT_EQ(Chart()["freeze"], "A7");
}

TEST_F(ExampleChartTest, PrintsOnOneLandscapeA4PageWithTwoCentimetreMargins) {
  const auto& objPage = Chart()["page"];
  EXPECT_EQ(objPage["orientation"], "landscape");
  EXPECT_EQ(objPage["paperSize"], 9);
  EXPECT_EQ(objPage["fitToWidth"], 1);
  EXPECT_EQ(objPage["fitToHeight"], 1);
  EXPECT_TRUE(objPage["fitToPage"].get<bool>());
  for (const char* strMargin : {"left", "right", "top", "bottom"}) {
    EXPECT_NEAR(objPage[strMargin].get<double>(), 2 / 2.54, 1e-3) << strMargin;
  }
  EXPECT_NEAR(objPage["header"].get<double>(), 1 / 2.54, 1e-3);
  EXPECT_NEAR(objPage["footer"].get<double>(), 1 / 2.54, 1e-3);
  EXPECT_FALSE(objPage["gridLines"].get<bool>());
  EXPECT_FALSE(objPage["headings"].get<bool>());
}

TEST_F(ExampleChartTest, TheDrawingHoldsExactlyTheLightsSymbolsLinesAndArrowsOfTheModel) {
  const Drawing objDrawing = DrawingOf(Chart());
  const auto colCircles = ExpectedCircles(Model());
  const auto colArrows = ExpectedArrows(Model());
  // The example has all four kinds in numbers.
  EXPECT_GT(colCircles.size(), 100U);
  EXPECT_GT(colArrows.size(), 30U);
  ExpectSameCircles(objDrawing.colCircles, colCircles);
  ExpectSameSegments(objDrawing.colLines, ExpectedRowLines(Model()), "row lines");
  ExpectSameSegments(objDrawing.colArrows, colArrows, "arrows");
}

TEST_F(ExampleChartTest, ArrowsHaveTheChosenWeightHeadAndColourAndLieAboveTheSymbols) {
  const auto& colShapes = Chart()["shapes"];
  bool blnArrowSeen = false;
  for (const auto& objShape : colShapes) {
    if (objShape.contains("tail")) {
      blnArrowSeen = true;
      EXPECT_NEAR(objShape["lineWeight"].get<double>(), 2.5, 0.01);
      EXPECT_EQ(objShape["lineColour"], "0000FF");
      EXPECT_EQ(objShape["tail"]["type"], "triangle");
      EXPECT_EQ(objShape["tail"]["w"], "med");
      EXPECT_EQ(objShape["tail"]["len"], "med");
    } else if (objShape["kind"] == "line") {
      EXPECT_FALSE(blnArrowSeen) << "a row line in front of an arrow";
      EXPECT_NEAR(objShape["lineWeight"].get<double>(), 0.25, 0.01);
    } else {
      EXPECT_FALSE(blnArrowSeen) << "a symbol in front of an arrow";
      EXPECT_NEAR(objShape["lineWeight"].get<double>(), 0.75, 0.01);
    }
  }
}

}  // namespace
