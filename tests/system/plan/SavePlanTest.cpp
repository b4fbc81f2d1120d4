// Saving the plan as MSPDI: the refusals a save shares with the workbook's and its own (never
// over a file the plan is made of), the permissions kept, a save killed on the way, and the
// chart made of an edited and saved plan.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "plan/SavePlan.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/Project.h"
#include "platform/vb/Error.h"
#include "support/PlanXml.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

namespace fs = std::filesystem;
using testsupport::ReadFile;
using testsupport::TempDir;

const std::int32_t kResponsible = msproject::TextFieldId(21);

msproject::Task& TaskNamed(msproject::Project& plan, const std::string& strName) {
  for (msproject::Task* task : plan.Tasks()) {
    if (task && task->Name() == strName) return *task;
  }
  throw std::runtime_error("no task " + strName);
}

// A plan with an inserted project, both as XML, in a folder of its own.
struct PlanFolder {
  TempDir dir;
  fs::path plan = testsupport::PlanXml()
                      .Task("Entwurf", 1, {{kResponsible, "Anna"}})
                      .InsertedProject("Teil", "Teil.xml")
                      .Resource("Anna")
                      .Write(dir, "Plan.xml");
  fs::path part = testsupport::PlanXml().Task("Teilaufgabe").Write(dir, "Teil.xml");
};

TEST(SavePlan, RefusedTargetsAreLeftAsTheyWereAndThePlanStaysUnsaved) {
  struct Refusal {
    std::string strName;
    std::function<fs::path(PlanFolder&)> target;  // prepares the target
    std::string strMessage;
  };
  const std::vector<Refusal> colRefusals{
      {"read-only",
       [](PlanFolder& folder) {
         const fs::path target = folder.dir / "Schreibgeschützt.xml";
         testsupport::WriteFile(target, "alt");
         fs::permissions(target, fs::perms::owner_read | fs::perms::group_read);
         return target;
       },
       "ist schreibgeschützt"},
      {"missing folder", [](PlanFolder& folder) { return folder.dir / "fehlt" / "Plan.xml"; },
       "existiert nicht"},
      {"held open by another program",
       [](PlanFolder& folder) {
         const fs::path target = folder.dir / "Offen.xml";
         testsupport::WriteFile(target, "alt");
         testsupport::WriteFile(folder.dir / ".~lock.Offen.xml#", "Anna,host,08.12.2026 10:00,");
         return target;
       },
       "in einem anderen Programm geöffnet"},
      {"inserted project", [](PlanFolder& folder) { return folder.part; },
       "ist ein eingefügtes Projekt des Plans"},
      {"not XML", [](PlanFolder& folder) { return folder.dir / "Plan.mpp"; },
       "wird nicht unterstützt"},
  };
  for (const Refusal& refusal : colRefusals) {
    SCOPED_TRACE(refusal.strName);
    PlanFolder folder;
    msproject::Application app;
    app.FileOpen(folder.plan);
    msproject::Project& plan = app.ActiveProject();
    TaskNamed(plan, "Entwurf").SetField(kResponsible, "Bernd");
    const fs::path target = refusal.target(folder);
    const bool blnExisted = fs::exists(target);
    const std::string strBefore = blnExisted ? ReadFile(target) : "";
    try {
      plan::SavePlanAs(plan, target);
      ADD_FAILURE() << "saved";
    } catch (const vb::Error& error) {
      EXPECT_NE(error.Description().find(refusal.strMessage), std::string::npos)
          << error.Description();
    }
    EXPECT_EQ(fs::exists(target), blnExisted);
    if (blnExisted) {
      EXPECT_EQ(ReadFile(target), strBefore);
    }
    EXPECT_FALSE(plan.Saved());
  }
}

TEST(SavePlan, APlanFromMppIsNotSavedOverItsMppButAsXmlBesideIt) {
  TempDir dir;
  const fs::path mpp = dir / "Plan.mpp";
  fs::copy_file(testsupport::FixturesDir() / "mpp" / "task-text-project2003-mpp9.mpp", mpp);
  const std::string strMpp = ReadFile(mpp);
  msproject::Application app;
  app.FileOpen(mpp);
  msproject::Project& plan = app.ActiveProject();
  try {
    plan::SavePlanAs(plan, mpp);
    ADD_FAILURE() << "saved over the .mpp";
  } catch (const vb::Error& error) {
    EXPECT_NE(error.Description().find("aus der der Plan gelesen wurde"), std::string::npos)
        << error.Description();
  }
  EXPECT_EQ(ReadFile(mpp), strMpp);
  // Saved as XML once, the plan still was read from the .mpp.
  plan::SavePlanAs(plan, dir / "Plan.xml");
  EXPECT_THROW(plan::SavePlanAs(plan, mpp), vb::Error);
  EXPECT_EQ(ReadFile(mpp), strMpp);
  EXPECT_EQ(plan.Name(), "Plan.mpp");

  // Saved as the window's "Speichern unter" saves, the plan is the XML from then on: saved
  // over it again with a further edit, the .mpp still refused and untouched.
  msproject::Task& task = *plan.Tasks().Item(1);
  task.SetField(msproject::TextFieldId(1), "erste");
  plan::SavePlanAs(plan, dir / "Neu.xml", plan::SavedPlan::IsTheNewFile);
  EXPECT_EQ(plan.FullName(), (dir / "Neu.xml").string());
  EXPECT_TRUE(plan.ReadFromXml());
  task.SetField(msproject::TextFieldId(2), "zweite");
  EXPECT_EQ(plan::SavePlanAs(plan, dir / "Neu.xml", plan::SavedPlan::IsTheNewFile),
            dir / "Neu.xml");
  EXPECT_THROW(plan::SavePlanAs(plan, mpp, plan::SavedPlan::IsTheNewFile), vb::Error);
  EXPECT_EQ(ReadFile(mpp), strMpp);
  msproject::Application again;
  again.FileOpen(dir / "Neu.xml");
  const msproject::Task& read = *again.ActiveProject().Tasks().Item(1);
  EXPECT_EQ(read.GetField(msproject::TextFieldId(1)), "erste");
  EXPECT_EQ(read.GetField(msproject::TextFieldId(2)), "zweite");
}

TEST(SavePlan, APlanFromXmlIsSavedOverItselfWithItsPermissions) {
  PlanFolder folder;
  fs::permissions(folder.plan,
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  msproject::Application app;
  app.FileOpen(folder.plan);
  msproject::Project& plan = app.ActiveProject();
  TaskNamed(plan, "Entwurf").SetField(kResponsible, "Bernd & Ärger");
  EXPECT_EQ(plan::SavePlanAs(plan, folder.plan), folder.plan);
  EXPECT_TRUE(plan.Saved());
  EXPECT_EQ(fs::status(folder.plan).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(testsupport::FolderListing(folder.dir.Path()),
            (std::vector<std::string>{"Plan.xml", "Teil.xml"}));
  msproject::Application again;
  again.FileOpen(folder.plan);
  EXPECT_EQ(TaskNamed(again.ActiveProject(), "Entwurf").GetField(kResponsible), "Bernd & Ärger");
}

TEST(SavePlan, AKilledSaveLeavesThePreviousFileByteForByte) {
  TempDir dir;
  const fs::path target = dir / "Dauer.xml";
  fs::copy_file(testsupport::FixturesDir() / "mspdi" / "task-durations-project2019-mspdi.xml",
                target);
  const std::string strPrevious = ReadFile(target);
  // Killed (SIGKILL) as the new file grows past a number of bytes: before the first byte, at
  // the first piece, halfway, past the old file's length (the edits make the new one longer).
  for (const std::uintmax_t cbKill :
       {std::uintmax_t{0}, std::uintmax_t{4096}, strPrevious.size() / 2, strPrevious.size() + 10}) {
    SCOPED_TRACE("killed at byte " + std::to_string(cbKill));
    const pid_t pid = ::fork();
    if (pid == 0) {
      msproject::Application app;
      app.FileOpen(target);
      for (msproject::Task* task : app.ActiveProject().Tasks()) {
        if (task) task->SetField(kResponsible, "Verantwortlich für " + task->Name());
      }
      std::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
      const rlimit limit{cbKill, cbKill};
      ::setrlimit(RLIMIT_FSIZE, &limit);
      plan::SavePlanAs(app.ActiveProject(), target);
      ::_exit(0);
    }
    int intStatus = 0;
    ASSERT_EQ(::waitpid(pid, &intStatus, 0), pid);
    EXPECT_TRUE(WIFSIGNALED(intStatus) && WTERMSIG(intStatus) == SIGKILL);
    EXPECT_TRUE(ReadFile(target) == strPrevious) << "the previous plan, byte for byte";
  }
}

// The chart made of a plan whose responsible was changed and saved shows the new responsible:
// its symbol in the new resource's column, none in the old one's.
TEST(SavePlan, TheChartOfAnEditedPlanShowsTheChangedRole) {
  TempDir dir;
  const fs::path saved = dir / "Geändert.xml";
  std::string strOld;
  std::string strNew;
  {
    msproject::Application app;
    app.FileOpen(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
    msproject::Project& plan = app.ActiveProject();
    msproject::Task& task = TaskNamed(plan, "Wettbewerbsanalyse");
    strOld = task.GetField(kResponsible);
    for (const msproject::Resource* resource : plan.Resources()) {
      if (resource && resource->Name() != strOld) strNew = resource->Name();
    }
    ASSERT_FALSE(strOld.empty());
    task.SetField(kResponsible, strNew);
    plan::SavePlanAs(plan, saved);
  }
  exporttest::ChartRun run(saved);
  run.Export(dir / "Diagramm.xlsx");
  const clsQuorvan& model = run.Builder();
  const exporttest::Drawing drawing =
      exporttest::DrawingOf(exporttest::ReadChart(dir / "Diagramm.xlsx"));
  exporttest::ExpectSameCircles(drawing.colCircles, exporttest::ExpectedCircles(model));

  const clsTask* row = nullptr;
  for (const clsTask& objTask : model.objTasks.colTasks) {
    if (objTask.objTask && objTask.objTask->Name() == "Wettbewerbsanalyse") row = &objTask;
  }
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->colResponsibles, std::vector<std::string>{strNew});
  const auto SymbolAt = [&](const std::string& strResource) {
    for (const clsResourceGroup& group : model.objResources.colResourceGroups) {
      for (const clsResource& resource : group.colResources) {
        if (resource.objResource->Name() != strResource) continue;
        const double dblX = resource.dblMidX + model.dblXOffsetCorrect;
        const double dblY = row->dblMidY + model.dblYOffsetCorrect;
        return std::count_if(drawing.colCircles.begin(), drawing.colCircles.end(),
                             [&](const exporttest::Circle& circle) {
                               return std::abs(circle.dblX - dblX) < 0.5 &&
                                      std::abs(circle.dblY - dblY) < 0.5 &&
                                      circle.lngColor == model.lngSymResponsibleColor;
                             });
      }
    }
    return std::ptrdiff_t{-1};
  };
  EXPECT_EQ(SymbolAt(strNew), 1);
  EXPECT_EQ(SymbolAt(strOld), 0);
}

}  // namespace
