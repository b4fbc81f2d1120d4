// The add-in in the host window: its entry in "Extras" and its toolbar, the "COM-Add-Ins"
// dialog that removes and connects it, and the next start of the program.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <iterator>
#include <utility>

#include "addin/Registration.h"
#include "frontend/gui/HostTesting.h"
#include "platform/msproject/Application.h"
#include "platform/office/BuiltInBars.h"
#include "platform/office/CommandBars.h"
#include "platform/registry/Registry.h"
#include "settings/basRegistry.h"

namespace {

using guitest::ExamplePlan;
using guitest::HostTest;
using testing::ElementsAre;

class AddInsTest : public HostTest {
 protected:
  // Where the add-in's entry stands on the host's bar "Tools", which keeps the host's
  // entries whether or not the window shows them: the Id of the entry after it and whether
  // it begins a group; {0, false} when the bar has no such entry or several.
  std::pair<int, bool> QuorvanEntryOnToolsBar() const {
    const office::CommandBar& bar = host_->Application().CommandBars()("Tools");
    std::pair<int, bool> where{0, false};
    int intFound = 0;
    for (auto it = bar.Controls().begin(); it != bar.Controls().end(); ++it) {
      if ((*it)->Tag() != "QuorvanWizard") continue;
      ++intFound;
      if (std::next(it) != bar.Controls().end())
        where = {(*std::next(it))->Id(), (*it)->BeginGroup()};
    }
    return intFound == 1 ? where : std::pair<int, bool>{0, false};
  }

  // Ticks or unticks the add-in in the "COM-Add-Ins" dialog, opened from "Extras", and
  // presses OK.
  void TickInComAddIns(bool blnTicked) {
    QAction* entry = nullptr;
    for (QAction* action : host_->ExtrasMenu().actions()) {
      if (action->text() == "COM-Add-&Ins...") entry = action;
    }
    ASSERT_NE(entry, nullptr);
    int intShown = 0;
    host_->OnDialog = [&](QDialog& dialog) {
      ++intShown;
      EXPECT_EQ(dialog.windowTitle(), "COM-Add-Ins");
      auto* list = dialog.findChild<QListWidget*>("addInList");
      ASSERT_NE(list, nullptr);
      ASSERT_EQ(list->count(), 1);
      QListWidgetItem* item = list->item(0);
      EXPECT_EQ(item->text(), "Quorvan");
      EXPECT_EQ(item->checkState(), blnTicked ? Qt::Unchecked : Qt::Checked);
      EXPECT_THAT(dialog.findChild<QLabel*>("addInDescription")->text().toStdString(),
                  testing::HasSubstr(addin::kDescription));
      item->setCheckState(blnTicked ? Qt::Checked : Qt::Unchecked);
      dialog.accept();
    };
    entry->trigger();
    EXPECT_EQ(intShown, 1);
    host_->OnDialog = nullptr;
    ProcessEvents();
  }

  std::string LoadBehavior() const {
    return ReadRegString(registry::HKEY_CURRENT_USER, addin::kAddInKey, "LoadBehavior");
  }
};

TEST_F(AddInsTest, TheFirstStartPutsTheEntryBeforeOrganizerAndTheToolbarWithItsButton) {
  gui::HostWindow& host = StartHost();
  EXPECT_EQ(LoadBehavior(), "3");
  // A group of its own, directly before the first of the host's four entries, which the
  // window does not show; it shows the entry and what it offers of the host's own.
  EXPECT_EQ(QuorvanEntryOnToolsBar(), std::pair(office::kIdOrganizer, true));
  EXPECT_THAT(MenuTexts(host.ExtrasMenu()),
              ElementsAre("&Quorvan Assistent", "-", "COM-Add-&Ins..."));

  QToolBar* toolbar = host.ToolBar("Quorvan");
  ASSERT_NE(toolbar, nullptr);
  ASSERT_EQ(toolbar->actions().size(), 1);
  QAction* button = toolbar->actions().front();
  EXPECT_EQ(button->text(), "&Quorvan Assistent");
  EXPECT_FALSE(button->icon().isNull());
  auto* widget = qobject_cast<QToolButton*>(toolbar->widgetForAction(button));
  ASSERT_NE(widget, nullptr);
  EXPECT_EQ(widget->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
  EXPECT_TRUE(widget->isVisibleTo(&host));
  // Of the host's own toolbars the one with a command the window offers stands as well.
  ASSERT_NE(host.ToolBar("Standard"), nullptr);
  EXPECT_EQ(host.ToolBar("Formatting"), nullptr);
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(AddInsTest, RemovedInTheDialogTheEntriesGoAndStayAwayUntilTheUserTicksItAgain) {
  StartHost();
  TickInComAddIns(false);
  EXPECT_EQ(QuorvanEntryOnToolsBar(), std::pair(0, false));
  EXPECT_THAT(MenuTexts(host_->ExtrasMenu()), ElementsAre("COM-Add-&Ins..."));
  EXPECT_EQ(host_->ToolBar("Quorvan"), nullptr);
  EXPECT_EQ(LoadBehavior(), "2");

  // The next start neither connects the add-in nor registers it anew.
  StartHost();
  EXPECT_EQ(QuorvanEntryOnToolsBar(), std::pair(0, false));
  EXPECT_EQ(host_->ToolBar("Quorvan"), nullptr);
  EXPECT_EQ(LoadBehavior(), "2");

  TickInComAddIns(true);
  EXPECT_EQ(QuorvanEntryOnToolsBar(), std::pair(office::kIdOrganizer, true));
  EXPECT_THAT(MenuTexts(host_->ExtrasMenu()),
              ElementsAre("&Quorvan Assistent", "-", "COM-Add-&Ins..."));
  ASSERT_NE(host_->ToolBar("Quorvan"), nullptr);
  EXPECT_EQ(host_->ToolBar("Quorvan")->actions().size(), 1);
  EXPECT_EQ(LoadBehavior(), "3");
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(AddInsTest, ClosingTheProgramKeepsTheEntriesForItsNextStart) {
  StartHost();
  const std::vector<QString> colExtras = MenuTexts(host_->ExtrasMenu());
  EndHost();
  // Host shutdown removes nothing: the host keeps the add-in's controls with its own.
  const std::string strKept = testsupport::ReadFile(registry_.Dir() / "CommandBars.json");
  EXPECT_THAT(strKept, testing::HasSubstr("\"QuorvanWizard\""));
  EXPECT_THAT(strKept, testing::HasSubstr("\"QuorvanWizardToolbar\""));

  StartHost();
  EXPECT_EQ(MenuTexts(host_->ExtrasMenu()), colExtras);
  ASSERT_NE(host_->ToolBar("Quorvan"), nullptr);
  EXPECT_EQ(host_->ToolBar("Quorvan")->actions().size(), 1);
}

}  // namespace
