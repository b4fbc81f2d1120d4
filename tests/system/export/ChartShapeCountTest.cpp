// The shapes an export will draw, counted before it starts: the count is what the saved
// drawing holds, and a chart past the bound is refused before the engine is reached.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "export/ChartShapeCount.h"
#include "export/basExcelServer.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"
#include "system/export/TestPlan.h"

namespace {

using namespace exporttest;
namespace fs = std::filesystem;

class ChartShapeCountTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir_;
};

TEST_F(ChartShapeCountTest, TheCountIsWhatTheSavedDrawingHolds) {
  // Names in several groups, repeated and unknown names, a status light, a blank row, a task
  // met in two rows, and a link back up.
  std::vector<PlanTask> colTasks{
      Linked("Start", "1", "Anna;Anna;Ida", {2, 3}), Linked("Bau", "2", "Ben;Carl", {4}),
      Linked("Test", "3", "Dora;Anna", {4, 1}),      Blank(),
      Linked("Bau", "2", "Anna;Ben", {3}),
  };
  colTasks[0].strParticipiant = "Ben;Dora;Ben";
  colTasks[1].strInformed = "Anna;Eva";
  colTasks[1].strStatus = "schwierig";
  colTasks[2].strStatus = "gut";
  WritePlan(dir_ / "Plan.xml", colTasks,
            {{"Anna", "Leitung"},
             {"Ben", "Leitung"},
             {"Carl", "Technik"},
             {"Anna", "Technik"},
             {"Dora", "Technik"},
             {"Ben", "Vertrieb"},
             {"Eva", "Vertrieb"}});
  ChartRun run(dir_ / "Plan.xml");
  const std::uint64_t lngCounted = ChartShapeCount(run.Builder());
  run.Export(dir_ / "Chart.xlsx");
  ASSERT_FALSE(run.Builder().blnFastExit);
  const Drawing objDrawing = DrawingOf(ReadChart(dir_ / "Chart.xlsx"));
  EXPECT_GT(objDrawing.colArrows.size(), 10U);
  EXPECT_EQ(lngCounted, objDrawing.colCircles.size() + objDrawing.colLines.size() +
                            objDrawing.colArrows.size());
}

TEST_F(ChartShapeCountTest, AChartPastTheBoundIsRefusedBeforeTheEngineIsReached) {
  // One resource named 710 times in two linked tasks: 710 × 710 arrows and 1,420 symbols.
  std::string strRepeated = "Anna";
  for (int i = 1; i < 710; ++i) strRepeated += ";Anna";
  WritePlan(dir_ / "Plan.xml", {Linked("A", "1", strRepeated, {2}), Linked("B", "2", strRepeated)},
            {{"Anna", "Leitung"}});
  ChartRun run(dir_ / "Plan.xml");
  run.Export(dir_ / "Chart.xlsx");
  EXPECT_TRUE(run.Builder().blnFastExit);
  ASSERT_EQ(run.Boxes().size(), 1U);
  EXPECT_EQ(run.Boxes()[0].intButtons, 48);
  EXPECT_EQ(run.Boxes()[0].strTitle, "Quorvan");
  EXPECT_THAT(run.Boxes()[0].strPrompt, testing::StartsWith("Das Diagramm hätte 505.520 Formen"));
  EXPECT_EQ(StartedExcelCount(), 0);
  EXPECT_FALSE(fs::exists(dir_ / "Chart.xlsx"));
}

}  // namespace
