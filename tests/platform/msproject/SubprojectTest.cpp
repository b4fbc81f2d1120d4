// Inserted projects: where their files are found, and what happens when they cannot be read.

#include <gtest/gtest.h>

#include <string>

#include "PlanText.h"
#include "platform/msproject/Application.h"
#include "support/TestSupport.h"

namespace {

using msproject::Application;
using plantext::Inserted;
using plantext::Plan;
using plantext::Resource;
using plantext::Task;

class InsertedProjects : public ::testing::Test {
 protected:
  void Write(const std::string& strName, const std::string& strContent) {
    testsupport::WriteFile(dir_ / strName, strContent);
  }
  msproject::Project& Open(const std::string& strName) {
    app_.FileOpen(dir_ / strName);
    return app_.ActiveProject();
  }

  testsupport::TempDir dir_;
  Application app_;
};

TEST_F(InsertedProjects, WindowsPathIsFoundBesideThePlan) {
  Write("Plan.xml", Plan(Task(1, "A") + Inserted(2, "C:\\Projekte\\Teil.mpp") + Task(3, "B")));
  Write("Teil.xml", Plan(Task(1, "Teilaufgabe"), Resource(1, "Eva", "Schulung")));
  msproject::Project& plan = Open("Plan.xml");
  ASSERT_EQ(plan.Subprojects().size(), 1u);
  const msproject::Subproject& inserted = plan.Subprojects().front();
  EXPECT_EQ(&inserted.InsertedProjectSummary(), plan.Tasks().Item(2));
  EXPECT_EQ(plan.Tasks().Item(2)->Subproject(), "C:\\Projekte\\Teil.mpp");
  EXPECT_EQ(plan.Tasks().Item(1)->Subproject(), "");
  msproject::Project& part = inserted.SourceProject();
  EXPECT_EQ(part.Name(), "Teil.xml");
  EXPECT_EQ(part.Resources().Item(1)->Name(), "Eva");
  EXPECT_EQ(part.Tasks().Item(1)->Name(), "Teilaufgabe");
}

TEST_F(InsertedProjects, StoredPathIsTriedFirst) {
  std::filesystem::create_directory(dir_ / "Teile");
  Write("Teile/Teil.xml", Plan(Task(1, "aus dem Ordner Teile")));
  Write("Teil.xml", Plan(Task(1, "daneben")));
  Write("Plan.xml",
        Plan(Inserted(1, "Teile/Teil.xml") + Inserted(2, (dir_ / "Teil.xml").string())));
  msproject::Project& plan = Open("Plan.xml");
  ASSERT_EQ(plan.Subprojects().size(), 2u);
  EXPECT_EQ(plan.Subprojects()[0].SourceProject().Tasks().Item(1)->Name(), "aus dem Ordner Teile");
  EXPECT_EQ(plan.Subprojects()[1].SourceProject().Tasks().Item(1)->Name(), "daneben");
}

TEST_F(InsertedProjects, UnreadableOnesHaveNoSourceButThePlanOpens) {
  Write("Kaputt.xml", "<Project xmlns=\"http://schemas.microsoft.com/project\"><Tasks>");
  Write("Plan.xml", Plan(Inserted(1, "C:\\Fehlt.mpp") + Inserted(2, "D:\\Kaputt.mpp") +
                         Task(3, "nur ein Name", "<SubprojectName>Teil.xml</SubprojectName>")));
  msproject::Project& plan = Open("Plan.xml");
  ASSERT_EQ(plan.Subprojects().size(), 2u);
  EXPECT_THROW(plan.Subprojects()[0].SourceProject(), msproject::Error);
  EXPECT_THROW(plan.Subprojects()[1].SourceProject(), msproject::Error);
  EXPECT_EQ(plan.Tasks().Item(1)->Subproject(), "C:\\Fehlt.mpp");
  // Without IsSubproject a stored name does not make an inserted project.
  EXPECT_EQ(plan.Tasks().Item(3)->Subproject(), "");
}

TEST_F(InsertedProjects, EveryOneThatCouldNotBeReadIsRecordedInPlanOrder) {
  using Reason = msproject::UnreadSubproject::Reason;
  Write("Kaputt.xml", "<Project xmlns=\"http://schemas.microsoft.com/project\">\n<Tasks>");
  Write("Notiz.xml", "Einkauf;Liste\n");
  std::filesystem::create_directory(dir_ / "Ordner.mpp");
  Write("Mitte.xml", Plan(Task(1, "M") + Inserted(2, "C:\\Tief.mpp")));
  Write("Plan.xml",
        Plan(Inserted(1, "C:\\Fehlt.mpp") + Inserted(2, "Mitte.xml") +
             Inserted(3, "D:\\Kaputt.mpp") + Inserted(4, "Ordner.mpp") + Inserted(5, "Notiz.xml")));
  msproject::Project& plan = Open("Plan.xml");
  const auto& unread = plan.UnreadSubprojects();
  ASSERT_EQ(unread.size(), 5u);
  // Not found: said to be missing beside the plan, under the stored name.
  EXPECT_EQ(unread[0].reason, Reason::NotFound);
  EXPECT_EQ(unread[0].strStoredPath, "C:\\Fehlt.mpp");
  EXPECT_EQ(std::filesystem::path(unread[0].strPath), dir_ / "Fehlt.mpp");
  EXPECT_EQ(unread[0].lngTaskID, 1);
  EXPECT_EQ(unread[0].strTaskName, "Eingefügt 1");
  EXPECT_EQ(unread[0].strProject, "Plan.xml");
  // The one inserted into an inserted project follows it.
  EXPECT_EQ(unread[1].reason, Reason::NotFound);
  EXPECT_EQ(unread[1].strProject, "Mitte.xml");
  EXPECT_EQ(unread[1].lngTaskID, 2);
  // A plan of its own with a fault: its message with the line.
  EXPECT_EQ(unread[2].reason, Reason::Faulty);
  EXPECT_EQ(std::filesystem::path(unread[2].strPath), dir_ / "Kaputt.xml");
  EXPECT_EQ(unread[2].strProblem,
            "Zeile 2: Die Datei endet vorzeitig; sie ist unvollständig (abgeschnitten).");
  EXPECT_EQ(unread[3].reason, Reason::NotReadable);
  EXPECT_EQ(unread[3].strProblem, "Das ist keine Datei.");
  EXPECT_EQ(unread[4].reason, Reason::NotAPlan);
  // Only the plan opened keeps the list; its inserted projects have none of their own.
  EXPECT_TRUE(plan.Subprojects()[1].SourceProject().UnreadSubprojects().empty());
}

TEST_F(InsertedProjects, ProjectsThatInsertEachOtherStop) {
  Write("Plan.xml", Plan(Inserted(1, "C:\\A.mpp") + Inserted(2, "C:\\Plan.mpp")));
  Write("A.xml", Plan(Inserted(1, "C:\\B.mpp")));
  Write("B.xml", Plan(Inserted(1, "C:\\A.mpp") + Inserted(2, "C:\\Plan.mpp")));
  msproject::Project& plan = Open("Plan.xml");
  msproject::Project& a = plan.Subprojects()[0].SourceProject();
  EXPECT_THROW(plan.Subprojects()[1].SourceProject(), msproject::Error);  // itself
  msproject::Project& b = a.Subprojects()[0].SourceProject();
  EXPECT_EQ(b.Name(), "B.xml");
  EXPECT_THROW(b.Subprojects()[0].SourceProject(), msproject::Error);  // A is being read
  EXPECT_THROW(b.Subprojects()[1].SourceProject(), msproject::Error);  // the plan as well
}

TEST_F(InsertedProjects, OneFileInsertedTwiceIsReadOnce) {
  Write("Teil.xml", Plan(Task(1, "T")));
  Write("Mitte.xml", Plan(Inserted(1, "C:\\Teil.mpp")));
  Write("Plan.xml", Plan(Inserted(1, "C:\\Teil.mpp") + Inserted(2, "Mitte.xml")));
  msproject::Project& plan = Open("Plan.xml");
  msproject::Project& direct = plan.Subprojects()[0].SourceProject();
  msproject::Project& nested =
      plan.Subprojects()[1].SourceProject().Subprojects()[0].SourceProject();
  EXPECT_EQ(&direct, &nested);
}

TEST_F(InsertedProjects, HandlesStayValidWhenAnotherPlanOpens) {
  Write("Teil.xml", Plan(Task(1, "T")));
  Write("Plan.xml", Plan(Inserted(1, "Teil.xml")));
  Write("Zwei.xml", Plan(Task(1, "Z")));
  msproject::Project& plan = Open("Plan.xml");
  const msproject::Task* task = plan.Subprojects()[0].SourceProject().Tasks().Item(1);
  Open("Zwei.xml");
  EXPECT_EQ(app_.ActiveProject().Tasks().Item(1)->Name(), "Z");
  EXPECT_EQ(task->Name(), "T");
}

}  // namespace
