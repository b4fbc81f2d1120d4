// Saving the plan from the host window: "Speichern" over a plan of XML changing only the edited
// field, "Speichern unter…", a .mpp saved as the XML beside it, the refusals shown with the old
// file intact, the "*" of unsaved changes, and the question before the plan is left.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QFileDialog>
#include <QKeySequence>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "frontend/gui/HostTesting.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/Project.h"
#include "support/PlanXml.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using guitest::ExamplePlan;
using guitest::HostTest;
using testsupport::ReadFile;

QString Q(const fs::path& path) {
  return QString::fromStdString(path.string());
}

// What the save dialog was shown with.
struct SaveDialogSeen {
  QString strTitle;
  QStringList colFiles;
  QStringList colFilters;
};

using Replaced = std::pair<std::string, std::string>;

// The part of after that differs from before, and the part of before that it replaced.
Replaced Difference(const std::string& before, const std::string& after) {
  std::size_t intStart = 0;
  while (intStart < before.size() && intStart < after.size() && before[intStart] == after[intStart])
    ++intStart;
  std::size_t intEnd = 0;
  while (intEnd < before.size() - intStart && intEnd < after.size() - intStart &&
         before[before.size() - 1 - intEnd] == after[after.size() - 1 - intEnd])
    ++intEnd;
  return {before.substr(intStart, before.size() - intStart - intEnd),
          after.substr(intStart, after.size() - intStart - intEnd)};
}

class PlanSavingTest : public HostTest {
 protected:
  // The example plan copied into the test's folder as strName, opened.
  fs::path OpenCopy(const std::string& strName = "Plan.xml") {
    const fs::path plan = dir_ / strName;
    fs::copy_file(ExamplePlan(), plan, fs::copy_options::overwrite_existing);
    StartHost();
    EXPECT_TRUE(host_->OpenPlan(Q(plan)));
    return plan;
  }

  // Edits a custom text field of the plan shown as the sheets will, and tells the window.
  void Edit(std::int32_t intTaskId, std::int32_t fieldId, const std::string& strValue) {
    msproject::Project& plan = host_->Application().ActiveProject();
    plan.Tasks().Item(intTaskId)->SetField(fieldId, strValue);
    host_->PlanChanged();
  }

  // Message boxes are answered with this button (a box without it: its first button).
  void Answer(QMessageBox::StandardButton answer) {
    frontEnd_.OnMessageBox = [this, answer](QWidget& widget) {
      auto& box = dynamic_cast<QMessageBox&>(widget);
      QStringList colButtons;
      for (const QAbstractButton* button : box.buttons()) colButtons.push_back(button->text());
      colButtons.sort();  // in the order the desktop's style lays them out
      boxes_.push_back({box.windowTitle(), box.text(), box.icon()});
      buttons_.push_back(colButtons.join(QLatin1Char('|')));
      QAbstractButton* button = box.button(answer);
      (button != nullptr ? button : box.buttons().front())->click();
    };
  }

  // The save dialog is answered with file (accepted as the user's choice), or cancelled when
  // file is empty; what it showed is kept.
  void ChooseInSaveDialog(const fs::path& file) {
    host_->OnDialog = [this, file](QDialog& dialog) {
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      dialogs_.push_back({files.windowTitle(), files.selectedFiles(), files.nameFilters()});
      if (file.empty()) {
        dialog.reject();
        return;
      }
      files.selectFile(Q(file));
      // As the user's "Speichern": the file named, whether its folder is still there or not.
      dialog.done(QDialog::Accepted);
    };
  }

  std::vector<SaveDialogSeen> dialogs_;
  std::vector<QString> buttons_;  // the buttons of each box in sorted order, "|" between them
};

const std::int32_t kResponsible = msproject::TextFieldId(21);

// The example plan of XML: an edit marks the title, "Speichern" (Ctrl+S) writes the file with
// only that field changed and the mark goes; "Speichern unter…" proposes the plan's own file,
// and the copy is the plan from then on.
TEST_F(PlanSavingTest, SpeichernChangesOnlyTheEditedFieldAndSpeichernUnterMakesTheCopyThePlan) {
  const fs::path plan = OpenCopy();
  const std::string strBefore = ReadFile(plan);
  EXPECT_EQ(host_->windowTitle(), "Plan.xml – Quorvan");
  EXPECT_EQ(host_->SaveAction().shortcut(), QKeySequence(QKeySequence::Save));
  EXPECT_FALSE(host_->SaveAsAction().shortcut().isEmpty());
  EXPECT_EQ(host_->SaveAction().text(), "&Speichern");
  EXPECT_EQ(host_->SaveAsAction().text(), "Speichern &unter…");

  ASSERT_EQ(host_->Application().ActiveProject().Tasks().Item(3)->GetField(kResponsible),
            "Markus Klein");
  Edit(3, kResponsible, "Julia Werner");
  EXPECT_EQ(host_->windowTitle(), "Plan.xml* – Quorvan");
  ChooseInSaveDialog(dir_ / "nie.xml");
  host_->activateWindow();
  QTest::keySequence(&host_->TaskSheet(), QKeySequence::Save);
  EXPECT_TRUE(dialogs_.empty());  // its own file, without asking
  EXPECT_EQ(host_->windowTitle(), "Plan.xml – Quorvan");
  EXPECT_EQ(Difference(strBefore, ReadFile(plan)), Replaced("Markus Klein", "Julia Werner"));
  EXPECT_EQ(host_->StatusText(), "Projektplan gespeichert: " + Q(plan));
  EXPECT_FALSE(fs::exists(dir_ / "nie.xml"));

  // An edit after the save: the mark comes back, the confirmation goes.
  Edit(3, kResponsible, "Sabine Roth");
  EXPECT_EQ(host_->windowTitle(), "Plan.xml* – Quorvan");
  EXPECT_THAT(host_->StatusText().toStdString(), testing::Not(testing::HasSubstr("gespeichert")));
  const std::string strSaved = ReadFile(plan);
  ChooseInSaveDialog(dir_ / "Kopie.xml");
  host_->SaveAsAction().trigger();
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].strTitle, "Speichern unter");
  EXPECT_EQ(dialogs_[0].colFiles, QStringList{Q(plan)});
  EXPECT_EQ(dialogs_[0].colFilters, QStringList{"Microsoft Project XML (*.xml)"});
  EXPECT_EQ(host_->windowTitle(), "Kopie.xml – Quorvan");
  EXPECT_EQ(ReadFile(plan), strSaved);
  EXPECT_EQ(Difference(strSaved, ReadFile(dir_ / "Kopie.xml")),
            Replaced("Julia Werner", "Sabine Roth"));
  EXPECT_EQ(host_->RecentActions()[0]->text(), "&1 " + Q(dir_ / "Kopie.xml"));
  // "Speichern" writes the copy now.
  Edit(3, kResponsible, "");
  host_->SaveAction().trigger();
  EXPECT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(ReadFile(plan), strSaved);
  msproject::Application again;
  again.FileOpen(dir_ / "Kopie.xml");
  EXPECT_EQ(again.ActiveProject().Tasks().Item(3)->GetField(kResponsible), "");
  EXPECT_TRUE(boxes_.empty());
}

// A .mpp is never written: "Speichern" asks, proposing the XML beside it; cancelled, nothing is
// written; saved, the window shows the XML, and the next "Speichern" writes it without asking.
TEST_F(PlanSavingTest, AMppIsSavedAsTheXmlBesideItWhichIsThePlanFromThen) {
  fs::copy_file(testsupport::FixturesDir() / "mpp" / "task-text-project2003-mpp9.mpp",
                dir_ / "Texte.mpp");
  const std::string strMpp = ReadFile(dir_ / "Texte.mpp");
  StartHost();
  ASSERT_TRUE(host_->OpenPlan(Q(dir_ / "Texte.mpp")));
  const std::int32_t kText2 = msproject::TextFieldId(2);
  Edit(1, kText2, "geändert");
  EXPECT_EQ(host_->windowTitle(), "Texte.mpp* – Quorvan");

  ChooseInSaveDialog({});
  host_->SaveAction().trigger();
  ASSERT_EQ(dialogs_.size(), 1u);
  EXPECT_EQ(dialogs_[0].colFiles, QStringList{Q(dir_ / "Texte.xml")});
  EXPECT_EQ(host_->windowTitle(), "Texte.mpp* – Quorvan");
  EXPECT_EQ(testsupport::FolderListing(dir_.Path()), std::vector<std::string>{"Texte.mpp"});

  ChooseInSaveDialog(dir_ / "Texte.xml");
  host_->SaveAction().trigger();
  ASSERT_EQ(dialogs_.size(), 2u);
  EXPECT_EQ(dialogs_[1].colFiles, QStringList{Q(dir_ / "Texte.xml")});
  EXPECT_EQ(host_->windowTitle(), "Texte.xml – Quorvan");
  EXPECT_EQ(ReadFile(dir_ / "Texte.mpp"), strMpp);
  EXPECT_EQ(host_->StatusText(), "Projektplan gespeichert: " + Q(dir_ / "Texte.xml"));

  Edit(2, kText2, "auch");
  host_->SaveAction().trigger();
  EXPECT_EQ(dialogs_.size(), 2u);
  EXPECT_EQ(ReadFile(dir_ / "Texte.mpp"), strMpp);
  msproject::Application again;
  again.FileOpen(dir_ / "Texte.xml");
  EXPECT_EQ(again.ActiveProject().Tasks().Item(1)->GetField(kText2), "geändert");
  EXPECT_EQ(again.ActiveProject().Tasks().Item(2)->GetField(kText2), "auch");
  EXPECT_EQ(again.ActiveProject().Tasks().Count(),
            host_->Application().ActiveProject().Tasks().Count());
  EXPECT_TRUE(boxes_.empty());
}

// Each refusal of the save in the host's message box, the file as it was, the plan still
// unsaved: a read-only plan, a plan another program holds open, a folder gone, the plan's own
// inserted project.
TEST_F(PlanSavingTest, ARefusedSaveIsShownAndLosesNothing) {
  struct Refusal {
    const char* strName;
    bool blnSaveAs;
    std::function<fs::path(const testsupport::TempDir&)> prepare;  // returns the target
    const char* strMessage;
  };
  const std::vector<Refusal> colRefusals{
      {"read-only", false,
       [](const testsupport::TempDir& dir) {
         fs::permissions(dir / "Plan.xml", fs::perms::owner_read | fs::perms::group_read);
         return dir / "Plan.xml";
       },
       "ist schreibgeschützt"},
      {"held open", false,
       [](const testsupport::TempDir& dir) {
         testsupport::WriteFile(dir / ".~lock.Plan.xml#", "Anna,host,09.12.2026 10:00,");
         return dir / "Plan.xml";
       },
       "in einem anderen Programm geöffnet"},
      {"folder gone", true,
       [](const testsupport::TempDir& dir) { return dir / "Ablage" / "Plan.xml"; },
       "existiert nicht"},
      {"inserted project", true, [](const testsupport::TempDir& dir) { return dir / "Teil.xml"; },
       "ist ein eingefügtes Projekt des Plans"},
  };
  for (const Refusal& refusal : colRefusals) {
    SCOPED_TRACE(refusal.strName);
    testsupport::TempDir dir;
    testsupport::PlanXml()
        .Task("Entwurf", 1, {{kResponsible, "Anna"}})
        .InsertedProject("Teil", "Teil.xml")
        .Resource("Anna")
        .Write(dir, "Plan.xml");
    testsupport::PlanXml().Task("Teilaufgabe").Write(dir, "Teil.xml");
    StartHost();
    ASSERT_TRUE(host_->OpenPlan(Q(dir / "Plan.xml")));
    Edit(1, kResponsible, "Bernd");
    const fs::path target = refusal.prepare(dir);
    const std::vector<std::string> colBefore = testsupport::FolderListing(dir.Path());
    const std::string strPlan = ReadFile(dir / "Plan.xml");
    const std::string strPart = ReadFile(dir / "Teil.xml");
    boxes_.clear();
    ChooseInSaveDialog(target);
    EXPECT_FALSE(refusal.blnSaveAs ? host_->SavePlanAs() : host_->SavePlan());
    ASSERT_EQ(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].strTitle, "Quorvan");
    EXPECT_EQ(boxes_[0].icon, QMessageBox::Warning);
    EXPECT_THAT(boxes_[0].strText.toStdString(), testing::HasSubstr(refusal.strMessage));
    EXPECT_EQ(ReadFile(dir / "Plan.xml"), strPlan);
    EXPECT_EQ(ReadFile(dir / "Teil.xml"), strPart);
    EXPECT_EQ(testsupport::FolderListing(dir.Path()), colBefore);
    EXPECT_EQ(host_->windowTitle(), "Plan.xml* – Quorvan");
    EXPECT_THAT(host_->StatusText().toStdString(), testing::Not(testing::HasSubstr("gespeichert")));
    EXPECT_EQ(host_->Application().ActiveProject().Tasks().Item(1)->GetField(kResponsible),
              "Bernd");
    EndHost();
    fs::permissions(dir / "Plan.xml", fs::perms::owner_all);
  }
}

// Closing the window with unsaved changes asks: Ja saves and closes, Nein closes without
// saving, Abbrechen keeps the window; Ja whose save is refused keeps it too.
TEST_F(PlanSavingTest, ClosingWithUnsavedChangesAsksWhetherToSave) {
  struct Case {
    const char* strName;
    QMessageBox::StandardButton answer;
    bool blnReadOnly;
    bool blnClosed;
    bool blnSaved;
  };
  for (const Case& c : {Case{"Ja", QMessageBox::Yes, false, true, true},
                        Case{"Nein", QMessageBox::No, false, true, false},
                        Case{"Abbrechen", QMessageBox::Cancel, false, false, false},
                        Case{"Ja, refused", QMessageBox::Yes, true, false, false}}) {
    SCOPED_TRACE(c.strName);
    const fs::path plan = OpenCopy("Markteinführung.xml");
    const std::string strBefore = ReadFile(plan);
    // Unchanged, the window closes without a question.
    Answer(c.answer);
    boxes_.clear();
    buttons_.clear();
    EXPECT_TRUE(host_->close());
    EXPECT_TRUE(boxes_.empty());

    StartHost();
    ASSERT_TRUE(host_->OpenPlan(Q(plan)));
    Edit(3, kResponsible, "Julia Werner");
    if (c.blnReadOnly) fs::permissions(plan, fs::perms::owner_read);
    EXPECT_EQ(host_->close(), c.blnClosed);
    ASSERT_GE(boxes_.size(), 1u);
    EXPECT_EQ(boxes_[0].strTitle, "Quorvan");
    EXPECT_EQ(boxes_[0].strText, "Änderungen an „Markteinführung.xml“ speichern?");
    EXPECT_EQ(boxes_[0].icon, QMessageBox::Question);
    EXPECT_EQ(buttons_[0], "&Ja|&Nein|Abbrechen");
    EXPECT_EQ(boxes_.size(), c.blnReadOnly ? 2u : 1u);
    EXPECT_EQ(host_->isVisible(), !c.blnClosed);
    EXPECT_EQ(ReadFile(plan) != strBefore, c.blnSaved);
    if (!c.blnClosed) {
      EXPECT_EQ(host_->windowTitle(), "Markteinführung.xml* – Quorvan");
    }
    fs::permissions(plan, fs::perms::owner_all);
    EndHost();
  }
}

// Opening another plan (from the menu's recent plans, the open dialog, a drop) asks the same:
// Abbrechen keeps the plan, Nein leaves its changes, Ja saves them first.
TEST_F(PlanSavingTest, OpeningAnotherPlanAsksWhetherToSave) {
  const fs::path other = dir_ / "Anderer.xml";
  testsupport::PlanXml().Task("Anderes").Write(dir_, "Anderer.xml");
  const fs::path plan = OpenCopy();
  const std::string strBefore = ReadFile(plan);
  ASSERT_TRUE(host_->OpenPlan(Q(other)));
  ASSERT_TRUE(host_->OpenPlan(Q(plan)));
  ASSERT_EQ(host_->RecentActions()[1]->text(), "&2 " + Q(other));

  Edit(3, kResponsible, "Julia Werner");
  Answer(QMessageBox::Cancel);
  host_->RecentActions()[1]->trigger();
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].strText, "Änderungen an „Plan.xml“ speichern?");
  EXPECT_EQ(host_->windowTitle(), "Plan.xml* – Quorvan");

  Answer(QMessageBox::No);
  EXPECT_TRUE(host_->OpenPlan(Q(other)));
  EXPECT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(host_->windowTitle(), "Anderer.xml – Quorvan");
  EXPECT_EQ(ReadFile(plan), strBefore);

  // Opened again, the plan is as its file says.
  ASSERT_TRUE(host_->OpenPlan(Q(plan)));
  EXPECT_EQ(host_->Application().ActiveProject().Tasks().Item(3)->GetField(kResponsible),
            "Markus Klein");
  Edit(3, kResponsible, "Julia Werner");
  Answer(QMessageBox::Yes);
  EXPECT_TRUE(host_->OpenPlan(Q(other)));
  EXPECT_EQ(boxes_.size(), 3u);
  EXPECT_EQ(Difference(strBefore, ReadFile(plan)), Replaced("Markus Klein", "Julia Werner"));
  EXPECT_EQ(host_->windowTitle(), "Anderer.xml – Quorvan");
}

// Before a plan is open there is nothing to save: both entries say why.
TEST_F(PlanSavingTest, WithoutAPlanTheSaveEntriesSayWhyNot) {
  gui::HostWindow& host = StartHost();
  for (QAction* action : {&host.SaveAction(), &host.SaveAsAction()}) {
    EXPECT_FALSE(action->isEnabled());
    EXPECT_EQ(action->toolTip(), "Erst verfügbar, wenn ein Projektplan offen ist.");
  }
  EXPECT_FALSE(host.SavePlan());
  EXPECT_TRUE(boxes_.empty());
}

}  // namespace
