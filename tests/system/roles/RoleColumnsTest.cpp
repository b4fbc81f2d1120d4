// The matrix's columns are the chart's: the same groups, names and order, for the example plan
// (inserted project included) and for plans with the rules' edge cases, and the chart's limit.

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "roles/RoleColumns.h"
#include "support/TestSupport.h"
#include "system/chart/ChartOptions.h"

namespace {

using namespace charttest;
using Layout = std::vector<std::pair<std::string, std::string>>;

Layout ChartLayout(msproject::Project& objProject, std::int32_t lngMax) {
  clsQuorvan objQuorvan(objProject);
  SetRolesOnly(objQuorvan);
  objQuorvan.lngMaxResourcesCount = lngMax;
  objQuorvan.GetChartData();
  Layout layout;
  for (const auto& group : objQuorvan.objResources.colResourceGroups) {
    for (const auto& column : group.colResources) {
      layout.emplace_back(group.strName, column.objResource->Name());
    }
  }
  return layout;
}

Layout MatrixLayout(const msproject::Project& objProject, std::int32_t lngMax) {
  Layout layout;
  for (const roles::RoleColumn& column : roles::ChartColumns(objProject, lngMax)) {
    layout.emplace_back(column.strGroup, column.strName);
  }
  return layout;
}

TEST(RoleColumnsTest, TheColumnsAreTheChartsWithoutChangingThePlan) {
  struct Case {
    const char* strWhat;
    PlanXml plan;
    std::int32_t lngMax;
  };
  const std::vector<Case> colCases = {
      {"groups, blanks, no group, duplicates",
       PlanXml()
           .Task("Planen")
           .Resource("Anna", "Vertrieb")
           .Resource("Ben", std::nullopt)
           .BlankResource()
           .Resource("Anna", "Technik")
           .Resource("Anna", "Vertrieb")
           .Resource("Carla", " ")
           .Resource("Dora", "(keine)"),
       200},
      {"the limit, a duplicate at it",
       PlanXml()
           .Task("Planen")
           .Resource("A", "G")
           .Resource("B", "G")
           .Resource("B", "G")
           .Resource("C", "H")
           .Resource("D", "G"),
       2},
  };
  for (const Case& c : colCases) {
    OpenPlan matrixPlan(c.plan);
    const Layout matrix = MatrixLayout(matrixPlan.Project(), c.lngMax);
    // The matrix leaves a resource without a group as it is; the chart gives it "(keine)".
    for (const msproject::Resource* resource : matrixPlan.Project().Resources()) {
      if (resource != nullptr && resource->Name() == "Ben") {
        EXPECT_EQ(resource->Group(), "");
      }
    }
    OpenPlan chartPlan(c.plan);
    EXPECT_EQ(matrix, ChartLayout(chartPlan.Project(), c.lngMax)) << c.strWhat;
  }
}

TEST(RoleColumnsTest, TheExamplePlanWithItsInsertedProject) {
  msproject::Application objHost;
  objHost.FileOpen(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
  const Layout matrix = MatrixLayout(objHost.ActiveProject(), 200);
  EXPECT_EQ(matrix, ChartLayout(objHost.ActiveProject(), 200));
  ASSERT_FALSE(matrix.empty());
  EXPECT_EQ(matrix.back().first, "Schulung");  // the inserted project's resources come last

  const roles::ColumnOrder order(roles::ChartColumns(objHost.ActiveProject(), 200));
  EXPECT_EQ(order.Position(matrix.front().second), 0U);
  EXPECT_FALSE(order.Position("niemand").has_value());
}

TEST(RoleColumnsTest, ANameInTwoGroupsHasTwoColumns) {
  const roles::ColumnOrder order({{"G", "Anna"}, {"G", "Ben"}, {"H", "Anna"}});
  EXPECT_EQ(order.Positions("Anna"), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(order.Position("Ben"), 1U);
  EXPECT_TRUE(order.Positions("anna").empty());  // matched exactly, as the chart does
}

}  // namespace
