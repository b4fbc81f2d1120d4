// The tab "Rollen" with the example plan, used as a user uses it: clicks, Space, V, B, I and
// Delete on cells and on a selection, Ctrl+Z and Ctrl+Y; the role fields typed into the task
// sheet with the resource names offered; names of no resource in their own column; the row
// of the inserted project shown but not edited. Each step changes exactly the fields it
// should, written as the chart reads them.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QHeaderView>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/gui/HostTesting.h"
#include "gui/roles/RoleEditor.h"
#include "gui/roles/RoleMatrixModel.h"
#include "gui/roles/RoleMatrixView.h"
#include "gui/roles/RoleTab.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "platform/msproject/Project.h"

namespace {

using guitest::ExamplePlan;
using guitest::HostTest;
using roles::Role;

// The example's resource columns and task rows that the tests use.
constexpr int kSabine = 4;
constexpr int kAnna = 6;
constexpr int kJonas = 7;
constexpr int kMarkus = 3;
constexpr int kWettbewerb = 2;  // task 3: Markus Klein, Sabine Roth, Julia Werner
constexpr int kSchulung = 31;   // task 32 stands for the inserted project

// Every custom text field of every task, by task ID and field number.
using Fields = std::map<std::pair<int, int>, std::string>;

class RoleMatrixTest : public HostTest {
 protected:
  RoleMatrixTest() {
    StartHost();
    EXPECT_TRUE(host_->OpenPlan(QString::fromStdString(ExamplePlan().string())));
    host_->Sheets().setCurrentWidget(&host_->Roles());
    host_->activateWindow();
    QApplication::setActiveWindow(host_.get());
    ProcessEvents();
  }

  msproject::Project& Plan() { return host_->Application().ActiveProject(); }
  gui::RoleMatrixView& Matrix() { return host_->Roles().Matrix(); }
  gui::RoleMatrixModel& Model() { return host_->Roles().Model(); }

  Fields Snapshot() {
    Fields colFields;
    for (const msproject::Task* task : Plan().Tasks()) {
      if (task == nullptr) continue;
      for (int n = 1; n <= 30; ++n) {
        colFields[{task->ID(), n}] = task->GetField(msproject::TextFieldId(n));
      }
    }
    return colFields;
  }

  // The fields that differ from the snapshot: (task ID, field number) → text now.
  Fields ChangedSince(const Fields& before) {
    Fields colChanged;
    for (const auto& [key, strText] : Snapshot()) {
      if (before.at(key) != strText) colChanged[key] = strText;
    }
    return colChanged;
  }

  void ClickCell(int intRow, int intColumn) {
    const QModelIndex index = Model().index(intRow, intColumn);
    Matrix().scrollTo(index);
    QTest::mouseClick(Matrix().viewport(), Qt::LeftButton, {}, Matrix().visualRect(index).center());
  }

  void Key(QWidget& widget, int intKey, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&widget, static_cast<Qt::Key>(intKey), modifiers);
    ProcessEvents();
  }

  Role RoleAt(int intRow, int intColumn) {
    return static_cast<Role>(Model().index(intRow, intColumn).data(gui::kRoleOfCell).toInt());
  }
};

TEST_F(RoleMatrixTest, ClicksAndKeysSetTheRoleAndEachStepIsUndoneAndRedone) {
  // What the example's fields say, as the chart shows it.
  EXPECT_EQ(RoleAt(kWettbewerb, kMarkus), Role::Responsible);
  EXPECT_EQ(RoleAt(kWettbewerb, kSabine), Role::Participant);
  EXPECT_EQ(RoleAt(kWettbewerb, 2), Role::Informed);
  EXPECT_EQ(RoleAt(kWettbewerb, kAnna), Role::None);
  EXPECT_EQ(Model().headerData(kAnna, Qt::Horizontal).toString(), "Anna Lehmann");
  EXPECT_EQ(Model().headerData(kAnna, Qt::Horizontal, gui::kGroupOfColumn).toString(),
            "Entwicklung");

  const Fields original = Snapshot();
  const std::uint64_t lngRevision = Plan().Revision();
  // Each step: what the user does, and the fields changed since the start.
  struct Step {
    const char* strWhat;
    std::function<void()> act;
    Fields changed;
  };
  const std::vector<Step> colSteps = {
      {"a click: none to Verantwortlich, after Markus in the columns' order",
       [&] { ClickCell(kWettbewerb, kAnna); },
       {{{3, 21}, "Markus Klein;Anna Lehmann"}}},
      {"a click: Verantwortlich to Beteiligt, the name leaves Text21",
       [&] { ClickCell(kWettbewerb, kAnna); },
       {{{3, 22}, "Sabine Roth;Anna Lehmann"}}},
      {"I", [&] { Key(Matrix(), Qt::Key_I); }, {{{3, 23}, "Julia Werner;Anna Lehmann"}}},
      {"Delete", [&] { Key(Matrix(), Qt::Key_Delete); }, {}},
      {"Space", [&] { Key(Matrix(), Qt::Key_Space); }, {{{3, 21}, "Markus Klein;Anna Lehmann"}}},
      {"B on the same role's cell of another resource: Sabine stays",
       [&] {
         Matrix().setCurrentIndex(Model().index(kWettbewerb, kSabine));
         Key(Matrix(), Qt::Key_B);
       },
       {{{3, 21}, "Markus Klein;Anna Lehmann"}}},
      {"V for Sabine: Text22 loses her",
       [&] { Key(Matrix(), Qt::Key_V); },
       {{{3, 21}, "Markus Klein;Sabine Roth;Anna Lehmann"}, {{3, 22}, ""}}},
  };
  for (const Step& step : colSteps) {
    step.act();
    EXPECT_EQ(ChangedSince(original), step.changed) << step.strWhat;
  }
  EXPECT_EQ(RoleAt(kWettbewerb, kAnna), Role::Responsible);
  EXPECT_EQ(RoleAt(kWettbewerb, kSabine), Role::Responsible);
  EXPECT_GT(Plan().Revision(), lngRevision);
  EXPECT_FALSE(Plan().Saved());
  // B on a cell that has that role changes nothing, and is no step to undo.
  QUndoStack& stack = host_->RoleEdits().UndoStack();
  EXPECT_EQ(stack.count(), 6);

  // Ctrl+Z takes back one step at a time, Ctrl+Y brings it again.
  for (const std::size_t i : {4, 3, 2, 1, 0}) {
    Key(Matrix(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ChangedSince(original), colSteps[i].changed) << "undone to " << colSteps[i].strWhat;
  }
  Key(Matrix(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ChangedSince(original), Fields{});
  EXPECT_EQ(RoleAt(kWettbewerb, kAnna), Role::None);
  EXPECT_FALSE(host_->UndoAction().isEnabled());
  Key(Matrix(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(ChangedSince(original), colSteps[0].changed);
  EXPECT_EQ(RoleAt(kWettbewerb, kAnna), Role::Responsible);
  EXPECT_THAT(host_->UndoAction().text().toStdString(), testing::StartsWith("&Rückgängig"));
}

TEST_F(RoleMatrixTest, ASelectionIsSetAtOnceAndUndoneAsOneStep) {
  const Fields original = Snapshot();
  // Tasks 2, 3 and 4 for Anna Lehmann and Jonas Becker, chosen by dragging.
  const QModelIndex first = Model().index(1, kAnna);
  const QModelIndex last = Model().index(3, kJonas);
  Matrix().scrollTo(first);
  QTest::mouseClick(Matrix().viewport(), Qt::LeftButton, Qt::ControlModifier,
                    Matrix().visualRect(first).center());
  QTest::mouseClick(Matrix().viewport(), Qt::LeftButton, Qt::ShiftModifier,
                    Matrix().visualRect(last).center());
  ASSERT_EQ(Matrix().selectionModel()->selectedIndexes().size(), 6);
  EXPECT_EQ(ChangedSince(original), Fields{});  // choosing cells changes nothing

  Key(Matrix(), Qt::Key_B);
  EXPECT_EQ(ChangedSince(original), (Fields{{{2, 22}, "Anna Lehmann;Jonas Becker"},
                                            {{3, 22}, "Sabine Roth;Anna Lehmann;Jonas Becker"},
                                            {{4, 22},
                                             "Markus Klein;Anna Lehmann;Jonas Becker;"
                                             "Claudia Fischer"}}));
  for (int intRow = 1; intRow <= 3; ++intRow) {
    EXPECT_EQ(RoleAt(intRow, kAnna), Role::Participant);
    EXPECT_EQ(RoleAt(intRow, kJonas), Role::Participant);
  }
  Key(Matrix(), Qt::Key_Delete);
  EXPECT_EQ(ChangedSince(original), Fields{});
  EXPECT_EQ(host_->RoleEdits().UndoStack().count(), 2);
  Key(Matrix(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ChangedSince(original).size(), 3U);
  Key(Matrix(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ChangedSince(original), Fields{});
}

TEST_F(RoleMatrixTest, TheInsertedProjectsRowIsShownButNotEdited) {
  const Fields original = Snapshot();
  EXPECT_EQ(RoleAt(kSchulung, 8), Role::Responsible);  // Claudia Fischer, as the field says
  ClickCell(kSchulung, 8);
  Matrix().setCurrentIndex(Model().index(kSchulung, 0));
  Key(Matrix(), Qt::Key_V);
  EXPECT_EQ(ChangedSince(original), Fields{});
  EXPECT_EQ(host_->RoleEdits().UndoStack().count(), 0);
  EXPECT_THAT(Model().index(kSchulung, 0).data(Qt::ToolTipRole).toString().toStdString(),
              testing::HasSubstr("eingefügte Projekt „C:\\Projekte\\Aurora\\Schulung.mpp“"));
  // Nor in the task sheet; the next row is.
  QTableView& sheet = host_->TaskSheet();
  int intText21 = -1;
  for (int i = 0; i < sheet.model()->columnCount(); ++i) {
    if (sheet.model()->headerData(i, Qt::Horizontal).toString().startsWith("Text21")) intText21 = i;
  }
  ASSERT_GE(intText21, 0);
  EXPECT_FALSE(sheet.model()->flags(sheet.model()->index(kSchulung, intText21)) &
               Qt::ItemIsEditable);
  EXPECT_TRUE(sheet.model()->flags(sheet.model()->index(kSchulung + 1, intText21)) &
              Qt::ItemIsEditable);
  EXPECT_FALSE(sheet.model()->flags(sheet.model()->index(kSchulung + 1, 1)) & Qt::ItemIsEditable);
}

TEST_F(RoleMatrixTest, TheTaskSheetsRoleFieldsAreTypedWithNamesOfferedAndShareTheUndoStack) {
  const Fields original = Snapshot();
  host_->Sheets().setCurrentWidget(&host_->TaskSheet());
  QTableView& sheet = host_->TaskSheet();
  int intText21 = -1;
  for (int i = 0; i < sheet.model()->columnCount(); ++i) {
    if (sheet.model()->headerData(i, Qt::Horizontal).toString().startsWith("Text21")) intText21 = i;
  }
  ASSERT_GE(intText21, 0);
  sheet.setFocus();
  sheet.setCurrentIndex(sheet.model()->index(kWettbewerb, intText21));
  Key(sheet, Qt::Key_F2);
  auto* line = sheet.findChild<QLineEdit*>(QStringLiteral("roleFieldEditor"));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->text(), "Markus Klein");
  line->selectAll();
  // A name of no resource, one of the Participant field, and one chosen from the offered names.
  QTest::keyClicks(line, "Gast ; Sabine Roth;lehm");
  ProcessEvents();
  QCompleter* completer = line->completer();
  ASSERT_NE(completer, nullptr);
  ASSERT_TRUE(completer->popup()->isVisible());
  EXPECT_EQ(completer->completionCount(), 1);
  // The names typed before are kept.
  EXPECT_EQ(completer->currentCompletion(), "Gast ; Sabine Roth;Anna Lehmann");
  Key(*completer->popup(), Qt::Key_Down);
  Key(*completer->popup(), Qt::Key_Return);
  EXPECT_EQ(line->text(), "Gast ; Sabine Roth;Anna Lehmann");
  Key(*line, Qt::Key_Return);
  // Written as the chart reads it; Sabine leaves Text22.
  EXPECT_EQ(ChangedSince(original),
            (Fields{{{3, 21}, "Sabine Roth;Anna Lehmann;Gast"}, {{3, 22}, ""}}));
  EXPECT_EQ(sheet.model()->index(kWettbewerb, intText21).data().toString(),
            "Sabine Roth;Anna Lehmann;Gast");

  // The matrix shows it, the name of no resource in the column "unbekannt".
  EXPECT_EQ(RoleAt(kWettbewerb, kSabine), Role::Responsible);
  EXPECT_EQ(RoleAt(kWettbewerb, kMarkus), Role::None);
  const int intUnknown = Model().UnknownColumn();
  EXPECT_EQ(Model().headerData(intUnknown, Qt::Horizontal).toString(), "unbekannt");
  EXPECT_EQ(Model().index(kWettbewerb, intUnknown).data().toString(), "Gast (Verantwortlich)");
  EXPECT_EQ(Model().index(kWettbewerb + 1, intUnknown).data().toString(), "");

  // A role set in the matrix keeps the name of no resource.
  host_->Sheets().setCurrentWidget(&host_->Roles());
  Matrix().setFocus();
  Matrix().setCurrentIndex(Model().index(kWettbewerb, kMarkus));
  Key(Matrix(), Qt::Key_V);
  EXPECT_EQ(ChangedSince(original),
            (Fields{{{3, 21}, "Markus Klein;Sabine Roth;Anna Lehmann;Gast"}, {{3, 22}, ""}}));

  // One undo stack: the matrix's step, then the typed one.
  Key(Matrix(), Qt::Key_Z, Qt::ControlModifier);
  Key(Matrix(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(ChangedSince(original), Fields{});
  EXPECT_EQ(Model().index(kWettbewerb, intUnknown).data().toString(), "");
}

TEST_F(RoleMatrixTest, TheTabNamesItsFieldsAndReadsOthersChosenFromTheWizardsList) {
  QComboBox& responsible = host_->Roles().FieldBox(Role::Responsible);
  QComboBox& participant = host_->Roles().FieldBox(Role::Participant);
  EXPECT_EQ(responsible.currentText(), "Text21 – Verantwortlich");
  EXPECT_EQ(participant.currentText(), "Text22 – Beteiligt");
  EXPECT_EQ(responsible.count(), 70);
  // Text22 chosen for Verantwortlich: the two fields change places.
  responsible.setCurrentIndex(responsible.findData("Text22"));
  emit responsible.activated(responsible.currentIndex());
  ProcessEvents();
  EXPECT_EQ(participant.currentData().toString(), "Text21");
  EXPECT_EQ(RoleAt(kWettbewerb, kMarkus), Role::Participant);
  EXPECT_EQ(RoleAt(kWettbewerb, kSabine), Role::Responsible);
  // The task sheet edits the fields chosen.
  const Fields original = Snapshot();
  ClickCell(kWettbewerb, kAnna);
  EXPECT_EQ(ChangedSince(original), (Fields{{{3, 22}, "Sabine Roth;Anna Lehmann"}}));
}

}  // namespace
