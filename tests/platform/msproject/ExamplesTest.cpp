// The example plans that ship with Quorvan: they must read and show what the chart is for.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "platform/msproject/Application.h"
#include "support/TestSupport.h"

namespace {

constexpr std::int32_t kText20 = 188744006;  // Ziele
constexpr std::int32_t kText21 = 188744007;  // Verantwortlich
constexpr std::int32_t kText23 = 188744009;  // Wird informiert
constexpr std::int32_t kText24 = 188744010;  // Status
constexpr std::int32_t kText25 = 188744011;  // Bemerkungen

std::set<std::string> Names(const std::string& strRoles) {
  std::set<std::string> names;
  std::size_t start = 0;
  while (start <= strRoles.size()) {
    const std::size_t end = std::min(strRoles.find(';', start), strRoles.size());
    if (end > start) names.insert(strRoles.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

class ExamplePlans : public ::testing::Test {
 protected:
  void SetUp() override {
    app_.FileOpen(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
  }
  msproject::Application app_;
};

TEST_F(ExamplePlans, MainPlanHasEveryKindOfRow) {
  const msproject::Project& plan = app_.ActiveProject();
  EXPECT_EQ(plan.Name(), "Markteinfuehrung.xml");
  int blank = 0, summaries = 0, milestones = 0, links = 0, maxLevel = 0;
  for (const msproject::Task* task : plan.Tasks()) {
    if (!task) {
      ++blank;
      continue;
    }
    summaries += task->Summary();
    milestones += task->Milestone();
    links += task->SuccessorTasks().Count();
    maxLevel = std::max(maxLevel, task->OutlineLevel());
    EXPECT_NE(task->GetField(kText21), "") << task->Name();
  }
  EXPECT_GE(plan.Tasks().Count(), 35);
  EXPECT_LE(plan.Tasks().Count(), 45);
  EXPECT_GE(blank, 2);
  EXPECT_GE(summaries, 5);
  EXPECT_GE(milestones, 4);
  EXPECT_GE(links, 20);
  EXPECT_EQ(maxLevel, 3);
}

TEST_F(ExamplePlans, ResourcesInFourGroupsAndOneWithout) {
  const msproject::Project& plan = app_.ActiveProject();
  std::set<std::string> groups;
  int withoutGroup = 0;
  for (const msproject::Resource* resource : plan.Resources()) {
    ASSERT_NE(resource, nullptr);
    if (resource->Group().empty()) {
      ++withoutGroup;
    } else {
      groups.insert(resource->Group());
    }
  }
  EXPECT_EQ(groups.size(), 4u);
  EXPECT_EQ(withoutGroup, 1);
  EXPECT_GE(plan.Resources().Count(), 12);
}

TEST_F(ExamplePlans, RolesNameResourcesOfThePlanOrItsInsertedProject) {
  const msproject::Project& plan = app_.ActiveProject();
  ASSERT_EQ(plan.Subprojects().size(), 1u);
  const msproject::Project& training = plan.Subprojects().front().SourceProject();
  EXPECT_EQ(training.Name(), "Schulung.xml");
  EXPECT_EQ(plan.Subprojects().front().InsertedProjectSummary().Subproject().rfind("C:\\", 0), 0u);

  std::set<std::string> resources;
  for (const msproject::Project* project : {&plan, &training}) {
    for (const msproject::Resource* resource : project->Resources()) {
      resources.insert(resource->Name());
    }
  }
  std::set<std::string> statuses;
  int targets = 0, remarks = 0;
  for (const msproject::Project* project : {&plan, &training}) {
    for (const msproject::Task* task : project->Tasks()) {
      if (!task) continue;
      for (std::int32_t field = kText21; field <= kText23; ++field) {
        for (const std::string& name : Names(task->GetField(field))) {
          EXPECT_TRUE(resources.count(name)) << task->Name() << ": " << name;
        }
      }
      if (!task->GetField(kText24).empty()) statuses.insert(task->GetField(kText24));
      targets += !task->GetField(kText20).empty();
      remarks += !task->GetField(kText25).empty();
    }
  }
  EXPECT_EQ(statuses,
            (std::set<std::string>{"unkritisch", "planmäßig", "schwierig", "nicht erreichbar"}));
  EXPECT_GE(targets, 10);
  EXPECT_GE(remarks, 5);
  // The inserted project brings people of its own.
  EXPECT_TRUE(std::any_of(training.Resources().begin(), training.Resources().end(),
                          [&](const msproject::Resource* r) { return r->Group() == "Schulung"; }));
}

TEST_F(ExamplePlans, DatesAndDurationsAgree) {
  for (const msproject::Task* task : app_.ActiveProject().Tasks()) {
    if (!task) continue;
    EXPECT_LE(task->Start(), task->Finish()) << task->Name();
    EXPECT_EQ(task->Milestone(), task->Duration() == 0) << task->Name();
    for (const msproject::Task* predecessor : task->PredecessorTasks()) {
      EXPECT_LE(predecessor->Finish(), task->Start()) << task->Name();
    }
  }
}

}  // namespace
