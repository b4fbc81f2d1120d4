// Task rows: the role lists, blank rows, outline levels, the task limit.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/chart/ChartOptions.h"

namespace {

using namespace charttest;
using Names = std::vector<std::string>;

TEST(TaskRowsTest, RoleListsAreSplitFromTheirFields) {
  OpenPlan plan(
      PlanXml()
          .Task("Planen", 1, {{kText21, "Anna"}, {kText22, "Ben;Carla"}, {kText23, "Dirk; Eva;"}})
          .Task("Bauen", 2, {{kText21, "Ben"}}));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();

  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].colResponsibles, (Names{"Anna"}));
  EXPECT_EQ(rows[0].colParticipiants, (Names{"Ben", "Carla"}));
  EXPECT_EQ(rows[0].colInformed, (Names{"Dirk", " Eva"}));
  EXPECT_EQ(rows[0].lngOutlineLevel, 1);
  // Fields without a value give one empty name.
  EXPECT_EQ(rows[1].colResponsibles, (Names{"Ben"}));
  EXPECT_EQ(rows[1].colParticipiants, (Names{""}));
  EXPECT_EQ(rows[1].colInformed, (Names{""}));
  EXPECT_EQ(rows[1].lngOutlineLevel, 2);
  ASSERT_NE(rows[1].objTask, nullptr);
  EXPECT_EQ(rows[1].objTask->Name(), "Bauen");
  EXPECT_FALSE(rows[1].blnIsSubProject);
}

TEST(TaskRowsTest, ARoleFieldThatCannotBeReadLeavesItsListEmpty) {
  OpenPlan plan(
      PlanXml().Task("Planen", 1, {{kText21, "Anna"}, {kText22, "Ben"}, {kText23, "Carla"}}));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.lngFieldParticipiant = -1;
  objQuorvan.lngFieldInformed = 0;
  objQuorvan.GetChartData();
  const auto& row = objQuorvan.objTasks.colTasks.at(0);
  EXPECT_EQ(row.colResponsibles, (Names{"Anna"}));
  EXPECT_TRUE(row.colParticipiants.empty());
  EXPECT_TRUE(row.colInformed.empty());
}

TEST(TaskRowsTest, BlankRowsKeepTheirPlaceWithoutATask) {
  OpenPlan plan(PlanXml()
                    .Task("Planen", 1, {{kText21, "Anna"}})
                    .BlankTask()
                    .Task("Bauen", 3, {{kText21, "Ben"}}));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();

  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 3u);
  const clsTask& blank = rows[1];
  EXPECT_EQ(blank.objTask, nullptr);
  EXPECT_TRUE(blank.colResponsibles.empty());
  EXPECT_TRUE(blank.colParticipiants.empty());
  EXPECT_TRUE(blank.colInformed.empty());
  EXPECT_EQ(blank.lngOutlineLevel, 0);
  EXPECT_FALSE(blank.blnIsSubProject);
  EXPECT_EQ(blank.lngRowNumber, 8);
  EXPECT_DOUBLE_EQ(blank.dblRowHeight, 31.5);
  EXPECT_DOUBLE_EQ(blank.dblMidY, 180 + 31.5 + 15.75);
  EXPECT_EQ(rows[2].lngRowNumber, 9);
  EXPECT_EQ(rows[2].colResponsibles, (Names{"Ben"}));
}

TEST(TaskLimitTest, The20001stTaskIsNotTaken) {
  PlanXml objPlan;
  for (int i = 1; i <= 20001; ++i) {
    if (i % 1000 == 0) {
      objPlan.BlankTask();  // blank rows count as rows
    } else {
      objPlan.Task("Vorgang " + std::to_string(i));
    }
  }
  OpenPlan plan(objPlan);
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.lngMaxTasksCount = 20000;
  objQuorvan.GetChartData();

  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 20000u);
  EXPECT_EQ(rows.back().objTask, nullptr);  // row 20000 is blank
  EXPECT_EQ(rows[19998].objTask->Name(), "Vorgang 19999");
  EXPECT_EQ(rows.back().lngRowNumber, 7 + 19999);
}

TEST(TaskRowsFixtureTest, BlankRowsAndOutlineLevelsOfAPlanSavedByProject) {
  OpenPlan plan(std::string("mspdinulltasks.xml"));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();

  // Task 1, blank, Task 2, Task 3, blank, Task 4, blank, Task 5; the project summary task is
  // not a row.
  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 8u);
  std::vector<std::string> colNames;
  std::vector<std::int32_t> colLevels;
  for (const auto& row : rows) {
    colNames.push_back(row.objTask ? row.objTask->Name() : "-");
    colLevels.push_back(row.lngOutlineLevel);
  }
  EXPECT_EQ(colNames, (Names{"Task 1", "-", "Task 2", "Task 3", "-", "Task 4", "-", "Task 5"}));
  EXPECT_EQ(colLevels, (std::vector<std::int32_t>{1, 0, 2, 2, 0, 1, 0, 2}));
  EXPECT_EQ(rows.back().lngRowNumber, 14);
}

TEST(TaskRowsFixtureTest, RoleFieldsOfAPlanSavedByProject) {
  OpenPlan plan(std::string("task-text-project2019-mspdi.xml"));
  clsQuorvan objQuorvan(plan.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();

  // Task n holds the value "n" in Text n only.
  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 30u);
  EXPECT_EQ(rows[20].colResponsibles, (Names{"21"}));
  EXPECT_EQ(rows[21].colParticipiants, (Names{"22"}));
  EXPECT_EQ(rows[22].colInformed, (Names{"23"}));
  EXPECT_EQ(rows[20].colParticipiants, (Names{""}));
  EXPECT_EQ(rows[0].colResponsibles, (Names{""}));
}

}  // namespace
