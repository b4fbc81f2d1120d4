// The communication network found through the index of the rows and the map of the names
// gives the arrows of the plain walk (every linked task against every row, every name against
// every resource), in the same order.

#include <gtest/gtest.h>

#include "export/CommunicationNetwork.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"
#include "system/export/TestPlan.h"

namespace {

using namespace exporttest;

void ExpectSameArrowsInOrder(const std::vector<NetworkArrow>& colActual,
                             const std::vector<Segment>& colExpected) {
  ASSERT_EQ(colActual.size(), colExpected.size());
  for (std::size_t i = 0; i < colActual.size(); ++i) {
    EXPECT_DOUBLE_EQ(colActual[i].dblBeginX, colExpected[i].dblX1) << i;
    EXPECT_DOUBLE_EQ(colActual[i].dblBeginY, colExpected[i].dblY1) << i;
    EXPECT_DOUBLE_EQ(colActual[i].dblEndX, colExpected[i].dblX2) << i;
    EXPECT_DOUBLE_EQ(colActual[i].dblEndY, colExpected[i].dblY2) << i;
  }
}

class CommunicationNetworkTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir_;
};

TEST_F(CommunicationNetworkTest,
       DuplicateNamesInSeveralGroupsAndRepeatedTasksGiveThePlainWalksArrows) {
  // "Anna" is in three groups (twice in the second), "Ben" in two; "Ida" in none.
  const std::vector<PlanResource> colResources{
      {"Anna", "Leitung"}, {"Ben", "Leitung"},  {"Carl", "Technik"},  {"Anna", "Technik"},
      {"Dora", "Technik"}, {"Ben", "Vertrieb"}, {"Anna", "Vertrieb"}, {"Eva", "Vertrieb"}};
  std::vector<PlanTask> colTasks{
      Linked("Start", "1", "Anna", {2, 3}),
      Linked("Bau", "2", "Ben;Carl", {4}),
      Linked("Test", "3", "Ida;Dora;Anna", {4, 6}),
      Linked("Ende", "4", "Eva;Anna", {8}),
      Blank(),
      // The same name and WBS code as "Bau", on the same days: a second row of that task.
      Linked("Bau", "2", "Dora", {7}),
      // The same name and code, on other days: not the same task.
      Linked("Bau", "2", "Carl"),
      // No responsible, but linked.
      Linked("Abnahme", "5", "", {1}),
  };
  colTasks[6].strStart = "2026-04-06T08:00:00";
  colTasks[6].strFinish = "2026-04-10T17:00:00";
  WritePlan(dir_ / "Plan.xml", colTasks, colResources);
  ChartRun run(dir_ / "Plan.xml");
  const auto colExpected = ExpectedArrows(run.Builder());
  EXPECT_GT(colExpected.size(), 8U);
  ExpectSameArrowsInOrder(CommunicationNetwork(run.Builder()), colExpected);
}

TEST_F(CommunicationNetworkTest, ANameHeldByTwoGroupsIsFoundInTheLastOfThemAndFirstWithinIt) {
  WritePlan(dir_ / "Plan.xml", {Linked("A", "1", "Anna", {2}), Linked("B", "2", "Anna")},
            {{"Anna", "Leitung"}, {"Anna", "Technik"}, {"Carl", "Vertrieb"}, {"Anna", "Vertrieb"}});
  ChartRun run(dir_ / "Plan.xml");
  const auto& colGroups = run.Builder().objResources.colResourceGroups;
  ASSERT_EQ(colGroups.size(), 3U);
  const double dblLast = colGroups[2].colResources[1].dblMidX;
  EXPECT_EQ(ResourceXByName(run.Builder().objResources).at("Anna"), dblLast);
  const auto colArrows = CommunicationNetwork(run.Builder());
  ASSERT_EQ(colArrows.size(), 1U);
  EXPECT_DOUBLE_EQ(colArrows[0].dblBeginX, dblLast - 6);
  EXPECT_DOUBLE_EQ(colArrows[0].dblEndX, dblLast - 6);
  EXPECT_LT(colArrows[0].dblBeginY, colArrows[0].dblEndY);
}

TEST_F(CommunicationNetworkTest, NamesDifferingInCaseOrLinksToTasksOutsideTheChartGiveNoArrow) {
  WritePlan(
      dir_ / "Plan.xml",
      {Linked("A", "1", "anna", {2}), Linked("B", "2", "Anna", {3}), Linked("C", "3", "Anna")},
      {{"Anna", "Leitung"}});
  ChartRun run(dir_ / "Plan.xml");
  // The last task is left out of the chart: the link to it leads nowhere.
  run.Builder().objTasks.colTasks.pop_back();
  EXPECT_TRUE(CommunicationNetwork(run.Builder()).empty());
  EXPECT_TRUE(ExpectedArrows(run.Builder()).empty());
}

}  // namespace
