// Resources into groups: the order, the duplicate rule, "(keine)", inserted projects, the limit.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "system/chart/ChartOptions.h"

namespace {

using namespace charttest;

// Each group with the names of its resources, in chart order.
using Layout = std::vector<std::pair<std::string, std::vector<std::string>>>;

Layout LayoutOf(const clsQuorvan& objQuorvan) {
  Layout layout;
  for (const auto& group : objQuorvan.objResources.colResourceGroups) {
    std::vector<std::string> colNames;
    for (const auto& column : group.colResources) colNames.push_back(column.objResource->Name());
    layout.emplace_back(group.strName, colNames);
  }
  return layout;
}

Layout Read(OpenPlan& plan) {
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  return LayoutOf(objQuorvan);
}

TEST(ResourceGroupsTest, GroupsComeInTheOrderOfTheirFirstResource) {
  OpenPlan plan(PlanXml()
                    .Task("Planen")
                    .Resource("Anna", "Vertrieb")
                    .Resource("Ben", "Technik")
                    .BlankResource()
                    .Resource("Carla", "Vertrieb")
                    .Resource("Dirk", "Einkauf"));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  EXPECT_EQ(LayoutOf(objQuorvan),
            (Layout{{"Vertrieb", {"Anna", "Carla"}}, {"Technik", {"Ben"}}, {"Einkauf", {"Dirk"}}}));
  EXPECT_EQ(objQuorvan.objResources.lngResourcesCount, 4);  // the blank row is not counted
}

TEST(ResourceGroupsTest, ANameMetTwiceInOneGroupGivesOneColumn) {
  OpenPlan plan(PlanXml()
                    .Task("Planen")
                    .Resource("Anna", "Technik")
                    .Resource("Anna", "Vertrieb")  // another group: a column of its own
                    .Resource("Anna", "Technik")   // the same group: dropped
                    .Resource("anna", "Technik")   // names differ in case: kept
                    .Resource("Ben", "Technik"));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  EXPECT_EQ(LayoutOf(objQuorvan),
            (Layout{{"Technik", {"Anna", "anna", "Ben"}}, {"Vertrieb", {"Anna"}}}));
  EXPECT_EQ(objQuorvan.objResources.lngResourcesCount, 4);
  // The kept column is the first resource of that name.
  EXPECT_EQ(objQuorvan.objResources.colResourceGroups[0].colResources[0].objResource->ID(), 1);
  // The columns are numbered without a gap where the duplicate was dropped.
  EXPECT_EQ(objQuorvan.objResources.colResourceGroups[1].colResources[0].lngColumnNumber, 8);
}

TEST(ResourceGroupsTest, GroupNamesDifferingInCaseOrEndBlanksAreDifferentGroups) {
  OpenPlan plan(PlanXml()
                    .Task("Planen")
                    .Resource("Anna", "Technik")
                    .Resource("Ben", "technik")
                    .Resource("Carla", " Technik")
                    .Resource("Dirk", "Technik "));
  EXPECT_EQ(Read(plan), (Layout{{"Technik", {"Anna"}},
                                {"technik", {"Ben"}},
                                {" Technik", {"Carla"}},
                                {"Technik ", {"Dirk"}}}));
}

TEST(ResourceGroupsTest, ResourcesWithoutAGroupAreGivenNoneInChartAndProject) {
  OpenPlan plan(PlanXml()
                    .Task("Planen")
                    .Resource("Anna", std::nullopt)
                    .Resource("Ben", "Technik")
                    .Resource("Carla", "   ")
                    .Resource("Dirk", ""));
  EXPECT_EQ(Read(plan), (Layout{{"(keine)", {"Anna", "Carla", "Dirk"}}, {"Technik", {"Ben"}}}));

  std::vector<std::string> colGroups;
  for (const msproject::Resource* r : plan.Project().Resources()) {
    if (r != nullptr) colGroups.push_back(r->Group());
  }
  EXPECT_EQ(colGroups, (std::vector<std::string>{"(keine)", "Technik", "(keine)", "(keine)"}));
}

TEST(ResourceGroupsTest, AProjectWithoutResourcesStillHasItsTaskRows) {
  OpenPlan plan(PlanXml().Task("Planen").Task("Bauen").BlankResource());
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  EXPECT_TRUE(objQuorvan.objResources.colResourceGroups.empty());
  EXPECT_EQ(objQuorvan.objResources.lngResourcesCount, 0);
  EXPECT_EQ(objQuorvan.objTasks.colTasks.size(), 2u);
  EXPECT_EQ(objQuorvan.objTasks.objHeaderTasks.lngColumns, 4);
}

TEST(ResourceGroupsTest, InsertedProjectsFollowTheMainProjectDepthFirst) {
  const PlanXml inner = PlanXml().Task("Innen").Resource("Ines", "Technik");
  const PlanXml first = PlanXml()
                            .Task("Teil A")
                            .InsertedProject("Innen", "Innen.xml")
                            .Resource("Anna", "Technik")  // also in the main plan
                            .Resource("Fritz", "Fertigung");
  const PlanXml second = PlanXml().Task("Teil B").Resource("Gerd", "Vertrieb");
  OpenPlan plan(PlanXml()
                    .Task("Gesamt")
                    .InsertedProject("Teil A", "TeilA.xml")
                    .InsertedProject("Teil B", "TeilB.xml")
                    .InsertedProject("Fehlt", "Fehlt.xml")  // cannot be read: adds nothing
                    .Resource("Anna", "Technik")
                    .Resource("Bea", "Vertrieb"),
                {{"Innen.xml", inner}, {"TeilA.xml", first}, {"TeilB.xml", second}});

  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  // Main plan: Anna, Bea; then Teil A: Fritz (Anna falls under the duplicate rule); then
  // Innen inside Teil A: Ines; then Teil B: Gerd.
  EXPECT_EQ(LayoutOf(objQuorvan), (Layout{{"Technik", {"Anna", "Ines"}},
                                          {"Vertrieb", {"Bea", "Gerd"}},
                                          {"Fertigung", {"Fritz"}}}));
  EXPECT_EQ(objQuorvan.objResources.lngResourcesCount, 5);
  const auto& groups = objQuorvan.objResources.colResourceGroups;
  EXPECT_EQ(groups[0].colResources[1].lngColumnNumber, 6);  // Ines
  EXPECT_EQ(groups[1].colResources[1].lngColumnNumber, 8);  // Gerd
  EXPECT_EQ(groups[2].colResources[0].lngColumnNumber, 9);  // Fritz

  // The rows standing for inserted projects are marked.
  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 4u);
  EXPECT_FALSE(rows[0].blnIsSubProject);
  EXPECT_TRUE(rows[1].blnIsSubProject);
  EXPECT_TRUE(rows[2].blnIsSubProject);
  EXPECT_TRUE(rows[3].blnIsSubProject);
}

TEST(ResourceGroupsTest, NoGroupIsWrittenBackInInsertedProjectsToo) {
  OpenPlan plan(PlanXml().Task("Gesamt").InsertedProject("Teil", "Teil.xml"),
                {{"Teil.xml", PlanXml().Task("Teil").Resource("Paul", " ")}});
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  ASSERT_EQ(objQuorvan.objResources.colResourceGroups.size(), 1u);
  EXPECT_EQ(objQuorvan.objResources.colResourceGroups[0].strName, "(keine)");
  EXPECT_EQ(objQuorvan.objResources.colResourceGroups[0].colResources[0].objResource->Group(),
            "(keine)");
}

PlanXml PlanWithResources(int lngCount, const std::string& strPrefix) {
  PlanXml objPlan;
  objPlan.Task("Planen");
  for (int i = 1; i <= lngCount; ++i) {
    objPlan.Resource(strPrefix + std::to_string(i), "Gruppe " + std::to_string(i % 7));
  }
  return objPlan;
}

TEST(ResourceLimitTest, The201stDistinctResourceIsNotTaken) {
  PlanXml objPlan = PlanWithResources(100, "R");
  objPlan.Resource("R1", "Gruppe 1");  // a duplicate, dropped: it does not use up the limit
  for (int i = 101; i <= 200; ++i) objPlan.Resource("R" + std::to_string(i), "Gruppe 0");
  objPlan.Resource("Zuviel", "Gruppe 1");
  OpenPlan plan(objPlan);
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.lngMaxResourcesCount = 200;
  objQuorvan.GetChartData();
  EXPECT_EQ(objQuorvan.objResources.lngResourcesCount, 200);
  std::size_t lngColumns = 0;
  for (const auto& group : objQuorvan.objResources.colResourceGroups) {
    lngColumns += group.colResources.size();
    for (const auto& column : group.colResources) {
      EXPECT_NE(column.objResource->Name(), "Zuviel");
    }
  }
  EXPECT_EQ(lngColumns, 200u);
}

TEST(ResourceLimitTest, TheLimitCountsInsertedProjectsAndStopsEachWalk) {
  OpenPlan plan(PlanXml()
                    .Task("Gesamt")
                    .InsertedProject("Teil A", "A.xml")
                    .InsertedProject("Teil B", "B.xml")
                    .Resource("Anna", "Technik")
                    .Resource("Ben", "Technik"),
                {{"A.xml", PlanWithResources(3, "A")}, {"B.xml", PlanWithResources(3, "B")}});
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.lngMaxResourcesCount = 3;
  objQuorvan.GetChartData();
  EXPECT_EQ(objQuorvan.objResources.lngResourcesCount, 3);
  std::vector<std::string> colNames;
  for (const auto& [strGroup, colGroupNames] : LayoutOf(objQuorvan)) {
    colNames.insert(colNames.end(), colGroupNames.begin(), colGroupNames.end());
  }
  EXPECT_EQ(colNames, (std::vector<std::string>{"Anna", "Ben", "A1"}));
}

TEST(ResourceGroupsFixtureTest, ResourcesOfAPlanSavedByProject) {
  OpenPlan plan(std::string("mspdiresource.xml"));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  EXPECT_EQ(LayoutOf(objQuorvan), (Layout{{"Steelray", {"Wade Golden", "Brian Leach"}},
                                          {"Tapsterrock", {"Jon Iles"}},
                                          {"Mat", {"Concrete"}}}));
}

TEST(ResourceGroupsFixtureTest, ResourcesWithoutGroupInAPlanSavedByProject) {
  OpenPlan plan(std::string("resource-misc-project2019-mspdi.xml"));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  EXPECT_EQ(LayoutOf(objQuorvan),
            (Layout{{"Group1", {"Resource 1"}},
                    {"Group2", {"Resource 2"}},
                    {"(keine)", {"Cost Resource", "Material Resource", "Work Resource"}}}));
}

}  // namespace
