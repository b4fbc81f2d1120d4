// A task's roles read as the chart reads them and an assignment written back: one role per
// resource, the names in the columns' order, names of no resource kept, untouched fields kept
// byte for byte.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "roles/TaskRoles.h"
#include "system/chart/ChartOptions.h"

namespace {

using roles::Role;
using roles::RoleTexts;

const roles::ColumnOrder& Order() {
  static const roles::ColumnOrder order(
      {{"G", "Anna"}, {"G", "Ben"}, {"H", "Carla"}, {"H", "Dirk"}});
  return order;
}

TEST(TaskRolesTest, AssigningARoleWritesWhatTheChartReads) {
  struct Case {
    const char* strWhat;
    RoleTexts before;
    const char* strName;
    Role role;
    RoleTexts after;
  };
  const std::vector<Case> colCases = {
      {"added in the columns' order",
       {"Carla", "", ""},
       "Anna",
       Role::Responsible,
       {"Anna;Carla", "", ""}},
      {"a second role replaces the first",
       {"Anna;Ben", "Carla", "Dirk"},
       "Ben",
       Role::Informed,
       {"Anna", "Carla", "Ben;Dirk"}},
      {"none takes the name out everywhere",
       {"Ben", "Ben", "Anna"},
       "Ben",
       Role::None,
       {"", "", "Anna"}},
      {"names of no resource are kept, after the known ones",
       {"Gast; Dirk", "x", ""},
       "Ben",
       Role::Responsible,
       {"Ben;Gast; Dirk", "x", ""}},
      {"an untouched field keeps its blanks",
       {"Anna", "Carla; Dirk ", ""},
       "Anna",
       Role::Informed,
       {"", "Carla; Dirk ", "Anna"}},
      {"the same role changes nothing",
       {"Dirk;Anna", "", ""},
       "Anna",
       Role::Responsible,
       {"Dirk;Anna", "", ""}},
      {"empty names and repeats go",
       {"", ";Anna;;Anna;", ""},
       "Ben",
       Role::Participant,
       {"", "Anna;Ben", ""}},
  };
  for (const Case& c : colCases) {
    EXPECT_EQ(roles::AssignRole(c.before, c.strName, c.role, Order()), c.after) << c.strWhat;
  }
}

TEST(TaskRolesTest, TheRoleShownIsTheSymbolTheChartDrawsOnTop) {
  // The chart draws participants, then informed, then responsible: the last one is seen.
  const roles::TaskRoles read =
      roles::RolesOf({"Carla;Gast", "Anna;Carla;Dirk", "Dirk;Anna;Gast; Ben"}, Order(), 4);
  EXPECT_EQ(read.colColumns,
            (std::vector<Role>{Role::Informed, Role::None, Role::Responsible, Role::Informed}));
  ASSERT_EQ(read.colUnknown.size(), 2U);
  EXPECT_EQ(read.colUnknown[0].strName, "Gast");
  EXPECT_EQ(read.colUnknown[0].role, Role::Responsible);
  EXPECT_EQ(read.colUnknown[1].strName, " Ben");  // blanks are part of the name, as in the chart
  EXPECT_EQ(read.colUnknown[1].role, Role::Informed);

  // A name in two columns shows in both.
  const roles::ColumnOrder twice({{"G", "Anna"}, {"H", "Anna"}});
  EXPECT_EQ(roles::RolesOf({"", "Anna", ""}, twice, 2).colColumns,
            (std::vector<Role>{Role::Participant, Role::Participant}));
}

TEST(TaskRolesTest, TypingIntoAFieldTakesTheNamesFromTheOthers) {
  EXPECT_EQ(roles::TypeIntoField({"Anna;Ben", "Carla", "Dirk"}, Role::Participant,
                                 " Dirk ; Anna;Gast;", Order()),
            (RoleTexts{"Ben", "Anna;Dirk;Gast", ""}));
  EXPECT_EQ(roles::TypeIntoField({"Anna", "", "Gast"}, Role::Responsible, "", Order()),
            (RoleTexts{"", "", "Gast"}));
  // A name of no resource typed into a field stays in the other too: it is no resource's role.
  EXPECT_EQ(roles::TypeIntoField({"", "", "Gast"}, Role::Responsible, "Gast", Order()),
            (RoleTexts{"Gast", "", "Gast"}));
}

TEST(TaskRolesTest, AClickCyclesAndTheFieldsAreReadFromTheTask) {
  EXPECT_EQ(roles::NextRole(Role::None), Role::Responsible);
  EXPECT_EQ(roles::NextRole(Role::Responsible), Role::Participant);
  EXPECT_EQ(roles::NextRole(Role::Participant), Role::Informed);
  EXPECT_EQ(roles::NextRole(Role::Informed), Role::None);

  charttest::OpenPlan plan(charttest::PlanXml().Task(
      "Planen", 1, {{charttest::kText21, "Anna"}, {charttest::kText23, "Ben;Carla"}}));
  const msproject::Task& task = *plan.Project().Tasks().Item(1);
  EXPECT_EQ(roles::ReadRoleTexts(task, {charttest::kText21, charttest::kText22, -1}),
            (RoleTexts{"Anna", "", ""}));
  EXPECT_EQ(
      roles::ReadRoleTexts(task, {charttest::kText23, charttest::kText22, charttest::kText21}),
      (RoleTexts{"Ben;Carla", "", "Anna"}));
}

}  // namespace
