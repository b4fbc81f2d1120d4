// The builder's construction and the append operations of the model.

#include <gtest/gtest.h>

#include "chart/clsQuorvan.h"
#include "system/chart/OpenPlan.h"

namespace {

using charttest::OpenPlan;
using charttest::PlanXml;

TEST(BuilderTest, ConstructionTakesTheProjectAndSetsOnlyTheLimits) {
  OpenPlan plan(PlanXml().Task("Planen").Resource("Anna", "Technik"));
  clsQuorvan objQuorvan(plan.Project());

  EXPECT_EQ(&objQuorvan.objProject, &plan.Project());
  EXPECT_EQ(objQuorvan.lngMaxResourcesCount, 200);
  EXPECT_EQ(objQuorvan.lngMaxTasksCount, 30000);
  EXPECT_EQ(objQuorvan.objXlApp, nullptr);
  EXPECT_TRUE(objQuorvan.objTasks.colTasks.empty());
  EXPECT_TRUE(objQuorvan.objTasks.objHeaderTasks.objFields.colFields.empty());
  EXPECT_TRUE(objQuorvan.objResources.colResourceGroups.empty());
  EXPECT_EQ(objQuorvan.lngFirstRow, 0);
  EXPECT_EQ(objQuorvan.lngFieldResponsible, 0);
  EXPECT_DOUBLE_EQ(objQuorvan.dblRowHeightTasks, 0);
  EXPECT_FALSE(objQuorvan.blnFastExit);
  EXPECT_TRUE(objQuorvan.strTitle.empty());
  EXPECT_FALSE(objQuorvan.arrowSize.has_value());
}

TEST(BuilderTest, EachRunStartsFromAnEmptyModel) {
  OpenPlan plan(PlanXml().Task("Planen").Task("Bauen").Resource("Anna", "Technik"));
  {
    clsQuorvan objFirst(plan.Project());
    objFirst.GetChartData();
    ASSERT_EQ(objFirst.objTasks.colTasks.size(), 2u);
  }
  clsQuorvan objSecond(plan.Project());
  objSecond.GetChartData();
  EXPECT_EQ(objSecond.objTasks.colTasks.size(), 2u);
  EXPECT_EQ(objSecond.objResources.colResourceGroups.size(), 1u);
  EXPECT_EQ(objSecond.objResources.lngResourcesCount, 1);
}

TEST(ModelTest, AppendOperationsKeepOrderAndDuplicates) {
  clsTask objTask;
  objTask.AddResponsible("Anna");
  objTask.AddResponsible("Anna");
  objTask.AddParticipiant("Ben");
  objTask.AddInformed("Carla");
  objTask.AddInformed("");
  EXPECT_EQ(objTask.colResponsibles, (std::vector<std::string>{"Anna", "Anna"}));
  EXPECT_EQ(objTask.colParticipiants, (std::vector<std::string>{"Ben"}));
  EXPECT_EQ(objTask.colInformed, (std::vector<std::string>{"Carla", ""}));

  clsTasks objTasks;
  objTask.lngRowNumber = 7;
  objTasks.AddTask(objTask);
  objTask.lngRowNumber = 8;
  objTasks.AddTask(objTask);
  ASSERT_EQ(objTasks.colTasks.size(), 2u);
  EXPECT_EQ(objTasks.colTasks[0].lngRowNumber, 7);
  EXPECT_EQ(objTasks.colTasks[1].lngRowNumber, 8);

  clsFields objFields;
  clsField objField;
  objField.strFieldName = "B";
  objFields.AddField(objField);
  objField.strFieldName = "A";
  objFields.AddField(objField);
  ASSERT_EQ(objFields.colFields.size(), 2u);
  EXPECT_EQ(objFields.colFields[0].strFieldName, "B");

  clsResources objResources;
  clsResourceGroup objGroup;
  objGroup.strName = "Technik";
  objGroup.AddResource(clsResource{});
  objGroup.AddResource(clsResource{});
  objResources.AddResourceGroup(objGroup);
  objResources.AddResourceGroup(objGroup);
  ASSERT_EQ(objResources.colResourceGroups.size(), 2u);
  EXPECT_EQ(objResources.colResourceGroups[1].colResources.size(), 2u);
}

}  // namespace
