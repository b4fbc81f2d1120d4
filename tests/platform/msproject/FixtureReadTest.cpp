// Reading the real plans that Microsoft Project 2003 to 2019 saved.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/msproject/Application.h"
#include "support/TestSupport.h"

namespace {

using msproject::Application;
using msproject::Project;

std::filesystem::path Fixture(const std::string& name) {
  return testsupport::FixturesDir() / "mspdi" / name;
}

Project& Open(Application& app, const std::string& name) {
  app.FileOpen(Fixture(name));
  return app.ActiveProject();
}

// Text1 … Text30 in the identifiers the wizard's field lookup gives them.
std::int32_t TextFieldId(int n) {
  if (n <= 5) return 188743731 + 3 * (n - 1);
  if (n <= 10) return 188743746 + (n - 6);
  return 188743997 + (n - 11);
}

TEST(MspdiFixtures, EveryPlanReadsAndIsNamedByItsFile) {
  const std::vector<std::string> names{"mspdinulltasks.xml",
                                       "mspdiresource.xml",
                                       "resource-misc-project2019-mspdi.xml",
                                       "resource-text-project2019-mspdi.xml",
                                       "task-dates-project2019-mspdi.xml",
                                       "task-durations-project2019-mspdi.xml",
                                       "task-links-project2016-mspdi.xml",
                                       "task-text-project2003-mspdi.xml",
                                       "task-text-project2019-mspdi.xml"};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Application app;
    Project& project = Open(app, name);
    EXPECT_EQ(project.Name(), name);
    EXPECT_EQ(std::filesystem::path(project.Path()), Fixture(name).parent_path());
    EXPECT_EQ(std::filesystem::path(project.FullName()), Fixture(name));
    // The project summary task and the placeholder resource (ID 0) are no rows.
    for (const msproject::Task* task : project.Tasks()) {
      if (task) {
        EXPECT_GT(task->ID(), 0);
      }
    }
    for (const msproject::Resource* resource : project.Resources()) {
      if (resource) {
        EXPECT_GT(resource->ID(), 0);
      }
    }
  }
}

TEST(MspdiFixtures, BlankRowsAreElementsWithoutATask) {
  Application app;
  const Project& project = Open(app, "mspdinulltasks.xml");
  std::vector<std::string> rows;
  for (const msproject::Task* task : project.Tasks()) rows.push_back(task ? task->Name() : "-");
  EXPECT_EQ(rows, (std::vector<std::string>{"Task 1", "-", "Task 2", "Task 3", "-", "Task 4", "-",
                                            "Task 5"}));
  EXPECT_EQ(project.Tasks().Item(2), nullptr);
  const msproject::Task& summary = *project.Tasks().Item(1);
  EXPECT_TRUE(summary.Summary());
  EXPECT_EQ(summary.OutlineLevel(), 1);
  const msproject::Task& child = *project.Tasks().Item(3);
  EXPECT_FALSE(child.Summary());
  EXPECT_EQ(child.OutlineLevel(), 2);
  EXPECT_EQ(child.WBS(), "1.1");
  EXPECT_EQ(child.GetField(msproject::pjTaskWBS), "1.1");
  EXPECT_THROW(project.Tasks().Item(0), msproject::Error);
  EXPECT_THROW(project.Tasks().Item(9), msproject::Error);
}

TEST(MspdiFixtures, RowsFollowTheIdNotTheUniqueId) {
  Application app;
  const Project& project = Open(app, "mspdiresource.xml");
  ASSERT_EQ(project.Tasks().Count(), 3);
  const msproject::Task& first = *project.Tasks().Item(1);
  EXPECT_EQ(first.Name(), "Task A");
  EXPECT_EQ(first.ID(), 1);
  EXPECT_EQ(first.UniqueID(), 2);
  EXPECT_EQ(first.GetField(msproject::pjTaskUniqueID), "2");
  EXPECT_EQ(first.GetField(msproject::pjTaskName), "Task A");
}

TEST(MspdiFixtures, ResourcesWithTheirGroups) {
  Application app;
  Project& project = Open(app, "mspdiresource.xml");
  std::vector<std::string> rows;
  for (const msproject::Resource* resource : project.Resources()) {
    rows.push_back(resource->Name() + "|" + resource->Group());
  }
  EXPECT_EQ(rows, (std::vector<std::string>{"Wade Golden|Steelray", "Jon Iles|Tapsterrock",
                                            "Brian Leach|Steelray", "Concrete|Mat"}));

  const Project& misc = Open(app, "resource-misc-project2019-mspdi.xml");
  ASSERT_EQ(misc.Resources().Count(), 5);
  EXPECT_EQ(misc.Resources().Item(1)->Group(), "Group1");
  EXPECT_EQ(misc.Resources().Item(3)->Name(), "Cost Resource");
  EXPECT_EQ(misc.Resources().Item(3)->Group(), "");
  EXPECT_EQ(misc.Resources().Item(3)->UniqueID(), 3);
}

TEST(MspdiFixtures, GroupIsWritableInMemoryOnly) {
  const std::string before = testsupport::ReadFile(Fixture("mspdiresource.xml"));
  Application app;
  Project& project = Open(app, "mspdiresource.xml");
  project.Resources().Item(2)->Group("(keine)");
  EXPECT_EQ(app.ActiveProject().Resources().Item(2)->Group(), "(keine)");
  EXPECT_EQ(testsupport::ReadFile(Fixture("mspdiresource.xml")), before);
}

TEST(MspdiFixtures, CustomTextFieldsByFieldId) {
  for (const std::string name :
       {"task-text-project2003-mspdi.xml", "task-text-project2019-mspdi.xml"}) {
    SCOPED_TRACE(name);
    Application app;
    const Project& project = Open(app, name);
    ASSERT_EQ(project.Tasks().Count(), 30);
    // Task n carries the value "n" in Text n and nothing in the other text fields.
    for (int n = 1; n <= 30; ++n) {
      const msproject::Task& task = *project.Tasks().Item(n);
      EXPECT_EQ(task.Name(), "Text" + std::to_string(n));
      EXPECT_EQ(task.GetField(TextFieldId(n)), std::to_string(n));
      EXPECT_EQ(task.GetField(TextFieldId(n == 30 ? 1 : n + 1)), "");
      EXPECT_EQ(task.GetField(188744479 + 39), "");  // Enterprise-Text40: known, empty
    }
  }
}

TEST(MspdiFixtures, UnknownFieldIdsThrow) {
  Application app;
  const msproject::Task& task = *Open(app, "task-text-project2019-mspdi.xml").Tasks().Item(1);
  EXPECT_THROW(task.GetField(-1), msproject::Error);
  EXPECT_THROW(task.GetField(0), msproject::Error);
  EXPECT_THROW(task.GetField(188743732), msproject::Error);  // between Text1 and Text2
  EXPECT_THROW(task.GetField(188744519), msproject::Error);  // after Enterprise-Text40
}

TEST(MspdiFixtures, DatesAsTheGermanHostShowsThem) {
  Application app;
  const msproject::Task& task = *Open(app, "task-dates-project2019-mspdi.xml").Tasks().Item(1);
  EXPECT_EQ(task.GetField(msproject::pjTaskStart), "Do 18.10.18");
  EXPECT_EQ(task.GetField(msproject::pjTaskFinish), "Do 18.10.18");
  using namespace std::chrono;
  EXPECT_EQ(task.Start(), sys_days{2018y / October / 18} + 8h);
  EXPECT_EQ(task.Finish(), sys_days{2018y / October / 18} + 17h);

  const Project& nulls = Open(app, "mspdinulltasks.xml");
  EXPECT_EQ(nulls.Tasks().Item(1)->GetField(msproject::pjTaskStart), "Mo 03.11.08");
  EXPECT_EQ(nulls.Tasks().Item(1)->GetField(msproject::pjTaskFinish), "Fr 14.11.08");
}

TEST(MspdiFixtures, DurationsInEveryUnit) {
  Application app;
  const Project& project = Open(app, "task-durations-project2019-mspdi.xml");
  ASSERT_EQ(project.Tasks().Count(), 110);
  // The task's own duration: PT8H0M0S with format 53 (estimated, the plan's unit: days).
  const msproject::Task& first = *project.Tasks().Item(1);
  EXPECT_EQ(first.GetField(msproject::pjTaskDuration), "1 Tag?");
  EXPECT_EQ(first.Duration(), 480);
  EXPECT_TRUE(first.Estimated());
  // Duration1 of the tasks "Duration1 - Task 0" … "Task 9" (IDs 11 … 20): one of each unit,
  // working time then elapsed time (PT0H1M0S/3, PT1H0M0S/5, PT8H0M0S/7, PT40H0M0S/9,
  // PT160H0M0S/11, PT0H1M0S/4, PT1H0M0S/6, PT24H0M0S/8, PT168H0M0S/10, PT720H0M0S/12).
  const std::vector<std::string> expected{"1 Min.",  "1 Std.",  "1 Tag",  "1 Woche",  "1 Monat",
                                          "1 fMin.", "1 fStd.", "1 fTag", "1 fWoche", "1 fMonat"};
  constexpr std::int32_t kDuration1 = 188743783;
  for (int i = 0; i < 10; ++i) {
    const msproject::Task& task = *project.Tasks().Item(11 + i);
    EXPECT_EQ(task.Name(), "Duration1 - Task " + std::to_string(i));
    EXPECT_EQ(task.GetField(kDuration1), expected[static_cast<std::size_t>(i)]);
  }
  // Duration2 … Duration10 on the tasks named after them: 16 … 80 hours in days.
  EXPECT_EQ(project.Tasks().Item(2)->GetField(188743784), "2 Tage");
  EXPECT_EQ(project.Tasks().Item(10)->GetField(188743961), "10 Tage");
}

TEST(MspdiFixtures, DurationsUseThePlansHoursPerDay) {
  Application app;
  // 450 minutes a day: PT75H0M0S is 10 days.
  const Project& project = Open(app, "mspdinulltasks.xml");
  EXPECT_EQ(project.MinutesPerDay(), 450);
  EXPECT_EQ(project.Tasks().Item(1)->GetField(msproject::pjTaskDuration), "10 Tage");
  // PT57H8M24S in weeks of 2400 minutes, and an estimated 2 days.
  const Project& resources = Open(app, "mspdiresource.xml");
  EXPECT_EQ(resources.Tasks().Item(2)->GetField(msproject::pjTaskDuration), "1,43 Wochen");
  EXPECT_EQ(resources.Tasks().Item(3)->GetField(msproject::pjTaskDuration), "2 Tage?");
}

TEST(MspdiFixtures, LinksByUniqueId) {
  Application app;
  const Project& project = Open(app, "task-links-project2016-mspdi.xml");
  ASSERT_EQ(project.Tasks().Count(), 16);
  // Pairs of tasks: each second task follows the first one of its pair.
  for (int i = 1; i <= 16; i += 2) {
    const msproject::Task& predecessor = *project.Tasks().Item(i);
    const msproject::Task& successor = *project.Tasks().Item(i + 1);
    ASSERT_EQ(successor.PredecessorTasks().Count(), 1);
    EXPECT_EQ(successor.PredecessorTasks().Item(1), &predecessor);
    ASSERT_EQ(predecessor.SuccessorTasks().Count(), 1);
    EXPECT_EQ(predecessor.SuccessorTasks().Item(1), &successor);
    EXPECT_EQ(predecessor.PredecessorTasks().Count(), 0);
  }
  // UID 2 (ID 1) precedes UID 3 (ID 2) where IDs and unique IDs differ.
  const Project& resources = Open(app, "mspdiresource.xml");
  EXPECT_EQ(resources.Tasks().Item(2)->PredecessorTasks().Item(1), resources.Tasks().Item(1));
}

}  // namespace
