// The add-in's connection: the menu entry and its place, the toolbar and its button, a later
// start of the host, the start from outside, disconnection, the click handlers and the error
// report.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "addin/AddInErr.h"
#include "platform/forms/Constants.h"
#include "platform/office/CommandBars.h"
#include "settings/basRegistry.h"
#include "system/addin/AddinTesting.h"

namespace {

using addintest::AddinTest;
using testing::ElementsAre;
using testsupport::PlanXml;

const std::optional<std::string> kMenuTag = std::string("QuorvanWizard");
const std::optional<std::string> kButtonTag = std::string("QuorvanWizardToolbar");

PlanXml APlan() {
  return PlanXml().Task("Start").Resource("Anna");
}

class ConnectTest : public AddinTest {
 protected:
  office::CommandBars& Bars() { return host_->CommandBars(); }
  office::CommandBar& Tools() { return Bars()("Tools"); }
  office::CommandBarControls::Handle MenuEntry() {
    return Bars().FindControl(std::nullopt, std::nullopt, kMenuTag);
  }
  office::CommandBarControls::Handle ToolbarButton() {
    return Bars().FindControl(std::nullopt, std::nullopt, kButtonTag);
  }
  int CountTagged(const std::string& strTag) {
    int intCount = 0;
    for (const auto& bar : Bars()) {
      for (const auto& ctl : bar->Controls()) intCount += ctl->Tag() == strTag ? 1 : 0;
    }
    return intCount;
  }
  int CountBars(const std::string& strName) {
    int intCount = 0;
    for (const auto& bar : Bars()) intCount += bar->Name() == strName ? 1 : 0;
    return intCount;
  }
};

TEST_F(ConnectTest, AtStartupTheEntryOpensAGroupBeforeTheFirstOfTheBuiltInEntries) {
  StartHost(APlan());
  const int intBuiltIn = Tools().Controls().Count();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);

  EXPECT_EQ(objConnect.AppInstance, host_.get());
  auto entry = MenuEntry();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(objConnect.objMenuButton, entry);
  EXPECT_EQ(&entry->Parent(), &Tools());
  EXPECT_EQ(Tools().Controls().Count(), intBuiltIn + 1);
  // Directly before "&Organisieren..." (Id 2131), the first of the four.
  EXPECT_EQ(entry->Index(), 11);
  EXPECT_EQ(Tools().Controls().Item(12)->Id(), 2131);
  EXPECT_TRUE(entry->BeginGroup());
  EXPECT_EQ(entry->Caption(), "&Quorvan Assistent");
  EXPECT_EQ(entry->FaceId(), 1084);
  EXPECT_EQ(entry->OnAction(), "!<Quorvan.Connect>");
  EXPECT_EQ(entry->Type(), office::msoControlButton);

  office::CommandBar& toolbar = Bars()("Quorvan");
  EXPECT_TRUE(toolbar.Visible());
  EXPECT_EQ(toolbar.Position(), office::msoBarTop);
  ASSERT_EQ(toolbar.Controls().Count(), 1);
  auto button = ToolbarButton();
  EXPECT_EQ(objConnect.objToolbarButton, button);
  EXPECT_EQ(&button->Parent(), &toolbar);
  EXPECT_EQ(button->Caption(), "&Quorvan Assistent");
  EXPECT_EQ(button->Style(), office::msoButtonIconAndCaption);
  EXPECT_EQ(button->FaceId(), 1084);
  EXPECT_EQ(button->OnAction(), "!<Quorvan.Connect>");
  EXPECT_EQ(button->Parameter(), "QuorvanWizardToolbar");
  EXPECT_FALSE(button->BeginGroup());

  EXPECT_EQ(intShown_, 0);
  EXPECT_TRUE(script_.Boxes().empty());
}

TEST_F(ConnectTest, AnEntryOfTheSiblingAddInBeforeTheInsertionPointSharesItsGroup) {
  StartHost(APlan());
  auto sibling = Tools().Controls().Add(office::msoControlButton, 1, "", 10);
  sibling->Caption("LINDORA Assist&ent");
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  auto entry = MenuEntry();
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->Index(), 12);
  EXPECT_EQ(Tools().Controls().Item(10)->Caption(), "LINDORA Assist&ent");
  EXPECT_EQ(Tools().Controls().Item(13)->Id(), 2131);
  EXPECT_FALSE(entry->BeginGroup());
}

TEST_F(ConnectTest, AnEntryOfTheSiblingAddInAfterTheInsertionPointDoesNotCount) {
  StartHost(APlan());
  Tools().Controls().Add()->Caption("Lindora");
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  EXPECT_EQ(MenuEntry()->Index(), 11);
  EXPECT_TRUE(MenuEntry()->BeginGroup());
}

TEST_F(ConnectTest, TheEntryGoesBeforeWhicheverOfTheFourEntriesComesFirst) {
  StartHost(APlan());
  // The user has removed "&Organisieren..." and moved "&Optionen..." up.
  Tools().FindControl(std::nullopt, 2131)->Delete();
  Tools().FindControl(std::nullopt, 40196)->Delete();
  Tools().Controls().Append(office::msoControlButton, 40196, true)->Caption("&Optionen...");
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  const int intIndex = MenuEntry()->Index();
  EXPECT_EQ(Tools().Controls().Item(intIndex + 1)->Id(), 40085);
}

TEST_F(ConnectTest, AMenuWithoutAnyOfTheFourGetsTheEntryBeforeItsLastEntry) {
  StartHost(APlan());
  for (int intId : {2131, 40085, 40196, 40092}) Tools().FindControl(std::nullopt, intId)->Delete();
  const int intCount = Tools().Controls().Count();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  EXPECT_EQ(MenuEntry()->Index(), intCount);
  EXPECT_EQ(Tools().Controls().Count(), intCount + 1);
}

TEST_F(ConnectTest, ALaterStartFindsEverythingAgainAndRefreshesTheEntry) {
  StartHost(APlan());
  {
    Connect objConnect;
    ConnectIn(objConnect, office::ext_cm_Startup);
    // Someone changed the entry meanwhile, and moved it into the previous group.
    MenuEntry()->Caption("Alt");
    MenuEntry()->FaceId(0);
    MenuEntry()->OnAction("");
    MenuEntry()->BeginGroup(false);
    ToolbarButton()->Caption("Eigene Beschriftung");
    Disconnect(objConnect, office::ext_dm_HostShutdown);
  }
  EndHost();

  StartHost(APlan());
  const int intTools = Tools().Controls().Count();
  const int intBars = Bars().Count();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  EXPECT_EQ(Tools().Controls().Count(), intTools);
  EXPECT_EQ(Bars().Count(), intBars);
  EXPECT_EQ(CountTagged("QuorvanWizard"), 1);
  EXPECT_EQ(CountTagged("QuorvanWizardToolbar"), 1);
  EXPECT_EQ(CountBars("Quorvan"), 1);

  auto entry = MenuEntry();
  EXPECT_EQ(objConnect.objMenuButton, entry);
  EXPECT_EQ(entry->Index(), 11);
  EXPECT_EQ(entry->Caption(), "&Quorvan Assistent");
  EXPECT_EQ(entry->FaceId(), 1084);
  EXPECT_EQ(entry->OnAction(), "!<Quorvan.Connect>");
  EXPECT_FALSE(entry->BeginGroup());  // a found entry keeps its place and group
  // The toolbar button is reused unchanged.
  EXPECT_EQ(objConnect.objToolbarButton, ToolbarButton());
  EXPECT_EQ(ToolbarButton()->Caption(), "Eigene Beschriftung");

  // The entries found again start the wizard.
  objConnect.objMenuButton->Execute();
  EXPECT_EQ(intShown_, 1);
}

TEST_F(ConnectTest, AStartFromOutsideShowsTheWizardAtOnceAndCreatesNoItems) {
  StartHost(APlan());
  const int intTools = Tools().Controls().Count();
  const int intBars = Bars().Count();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_External);
  EXPECT_EQ(intShown_, 1);
  EXPECT_EQ(Tools().Controls().Count(), intTools);
  EXPECT_EQ(Bars().Count(), intBars);
  EXPECT_EQ(MenuEntry(), nullptr);
  EXPECT_EQ(objConnect.objMenuButton, nullptr);
  EXPECT_EQ(objConnect.objToolbarButton, nullptr);
  EXPECT_TRUE(script_.Boxes().empty());
}

TEST_F(ConnectTest, AConnectionAfterStartupShowsTheWizardOnlyWhenTheUserAskedForIt) {
  StartHost(APlan());
  const std::string strKey = "Software\\VB and VBA Program Settings\\Quorvan\\Settings";
  {
    Connect objConnect;
    ConnectIn(objConnect, office::ext_cm_AfterStartup);
    EXPECT_EQ(intShown_, 0);
    EXPECT_NE(MenuEntry(), nullptr);
  }
  ASSERT_TRUE(WriteRegString(registry::HKEY_CURRENT_USER, strKey, "DisplayOnConnect", "1"));
  {
    Connect objConnect;
    ConnectIn(objConnect, office::ext_cm_Startup);
    EXPECT_EQ(intShown_, 0);
    ConnectIn(objConnect, office::ext_cm_AfterStartup);
    EXPECT_EQ(intShown_, 1);
    EXPECT_EQ(CountTagged("QuorvanWizard"), 1);
  }
  ASSERT_TRUE(WriteRegString(registry::HKEY_CURRENT_USER, strKey, "DisplayOnConnect", "ja"));
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_AfterStartup);
  EXPECT_EQ(intShown_, 1);
}

TEST_F(ConnectTest, RemovalByTheUserTakesTheEntryTheButtonAndTheEmptyToolbar) {
  StartHost(APlan());
  const int intTools = Tools().Controls().Count();
  const int intBars = Bars().Count();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  objConnect.objMenuButton->Execute();  // the wizard is loaded once
  ASSERT_NE(objConnect.mfrmWizard, nullptr);

  Disconnect(objConnect, office::ext_dm_UserClosed);
  EXPECT_EQ(MenuEntry(), nullptr);
  EXPECT_EQ(ToolbarButton(), nullptr);
  EXPECT_EQ(CountBars("Quorvan"), 0);
  EXPECT_EQ(Tools().Controls().Count(), intTools);
  EXPECT_EQ(Bars().Count(), intBars);
  EXPECT_EQ(objConnect.mfrmWizard, nullptr);
  EXPECT_TRUE(script_.Boxes().empty());

  // The host keeps that state for its next start.
  EndHost();
  StartHost(APlan());
  EXPECT_EQ(MenuEntry(), nullptr);
  EXPECT_EQ(CountBars("Quorvan"), 0);
}

TEST_F(ConnectTest, AtHostShutdownEverythingStays) {
  StartHost(APlan());
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  objConnect.objToolbarButton->Execute();
  EXPECT_EQ(intShown_, 1);
  Disconnect(objConnect, office::ext_dm_HostShutdown);
  EXPECT_NE(MenuEntry(), nullptr);
  EXPECT_NE(ToolbarButton(), nullptr);
  EXPECT_EQ(CountBars("Quorvan"), 1);
  EXPECT_EQ(objConnect.mfrmWizard, nullptr);
}

TEST_F(ConnectTest, AToolbarThatStillHoldsAUsersButtonIsKept) {
  StartHost(APlan());
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  auto users = Bars()("Quorvan").Controls().Add(office::msoControlButton, 3);
  users->Caption("&Speichern");
  Disconnect(objConnect, office::ext_dm_UserClosed);
  EXPECT_EQ(ToolbarButton(), nullptr);
  EXPECT_EQ(MenuEntry(), nullptr);
  ASSERT_EQ(CountBars("Quorvan"), 1);
  ASSERT_EQ(Bars()("Quorvan").Controls().Count(), 1);
  EXPECT_EQ(Bars()("Quorvan").Controls().Item(1), users);
}

TEST_F(ConnectTest, ButtonsTheUserMovedAreFoundOnAnyBar) {
  StartHost(APlan());
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  // The user has put the toolbar button onto "Standard" and removed it from "Quorvan".
  auto moved = Bars()("Standard").Controls().Add();
  moved->Tag("QuorvanWizardToolbar");
  objConnect.objToolbarButton->Delete();
  Disconnect(objConnect, office::ext_dm_UserClosed);
  EXPECT_EQ(ToolbarButton(), nullptr);
  EXPECT_TRUE(moved->Deleted());
  EXPECT_EQ(CountBars("Quorvan"), 0);
}

TEST_F(ConnectTest, BothButtonsLaunchTheWizardAndAFailedLaunchStaysQuiet) {
  StartHost();  // no plan open
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  EXPECT_FALSE(objConnect.objMenuButton->Execute());
  EXPECT_FALSE(objConnect.objToolbarButton->Execute());
  EXPECT_EQ(intShown_, 0);
  EXPECT_THAT(Prompts(), ElementsAre("Es ist kein Projekt geöffnet!      ",
                                     "Es ist kein Projekt geöffnet!      "));
}

TEST_F(ConnectTest, AddInErrNamesTheErrorAndTheSupportAddress) {
  StartHost();
  Connect objConnect;
  objConnect.AddInErr(vb::Error(91, "Objektvariable nicht festgelegt"));
  ASSERT_EQ(script_.Boxes().size(), 1u);
  const auto& box = script_.Boxes().front();
  EXPECT_EQ(box.strPrompt,
            "Es ist folgender Fehler aufgetreten:      \r\n"
            "\r\n"
            "Fehlernummer: 91\r\n"
            "Fehlerbeschreibung: Objektvariable nicht festgelegt\r\n"
            "\r\n"
            "Bitte übermitteln Sie diese Informationen an support@tevrana.de      ");
  EXPECT_EQ(box.intButtons, forms::vbExclamation + forms::vbOKOnly);
  EXPECT_EQ(box.strTitle, "Quorvan");
}

TEST_F(ConnectTest, AnEntryThatCannotBePlacedIsReportedAndTheToolbarStillComes) {
  StartHost(APlan());
  // An empty "Tools" menu: the insertion place 0 is refused by the host.
  while (Tools().Controls().Count() > 0) Tools().Controls().Item(1)->Delete();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  EXPECT_EQ(objConnect.objMenuButton, nullptr);
  ASSERT_EQ(script_.Boxes().size(), 1u);
  EXPECT_THAT(script_.Boxes().front().strPrompt,
              testing::StartsWith("Es ist folgender Fehler aufgetreten:      \r\n\r\n"
                                  "Fehlernummer: -2147467259\r\n"
                                  "Fehlerbeschreibung: Die Methode „Add“"));
  EXPECT_NE(ToolbarButton(), nullptr);
}

TEST_F(ConnectTest, AToolbarThatCannotBeMadeIsReportedTwiceAndTheEntryStays) {
  StartHost(APlan());
  // The user's own toolbar of that name in other letters: the exact search does not find it,
  // and the host refuses a second bar of the name.
  Bars().Add("QUORVAN");
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  // GetToolbar reports its failure and gives nothing; reading the name of nothing is error 91,
  // which the connection reports in turn.
  ASSERT_EQ(script_.Boxes().size(), 2u);
  EXPECT_EQ(
      script_.Boxes()[0].strPrompt,
      addin::AddInErrText(-2147467259,
                          "Die Methode „Add“ des Objekts „CommandBars“ ist fehlgeschlagen: die "
                          "Leiste „Quorvan“ kann nicht angelegt werden."));
  EXPECT_EQ(script_.Boxes()[1].strPrompt,
            addin::AddInErrText(91, "Objektvariable oder With-Blockvariable nicht festgelegt"));
  for (const auto& box : script_.Boxes()) {
    EXPECT_EQ(box.intButtons, forms::vbExclamation + forms::vbOKOnly);
    EXPECT_EQ(box.strTitle, "Quorvan");
  }
  EXPECT_NE(objConnect.objMenuButton, nullptr) << "made before the toolbar";
  EXPECT_EQ(objConnect.objToolbarButton, nullptr);
  EXPECT_EQ(ToolbarButton(), nullptr);
  EXPECT_EQ(Bars()("QUORVAN").Controls().Count(), 0) << "the user's bar is left alone";
  EXPECT_EQ(intShown_, 0);
  // The entry that was made works.
  objConnect.objMenuButton->Execute();
  EXPECT_EQ(intShown_, 1);
}

TEST_F(ConnectTest, AConnectionFromTheCommandLineMakesTheEntriesAndShowsNothing) {
  StartHost(APlan());
  // Mode 3 is neither a start from outside nor a connection after the host's start.
  ASSERT_TRUE(WriteRegString(registry::HKEY_CURRENT_USER,
                             "Software\\VB and VBA Program Settings\\Quorvan\\Settings",
                             "DisplayOnConnect", "1"));
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_CommandLine);
  EXPECT_EQ(intShown_, 0);
  EXPECT_EQ(objConnect.objMenuButton, MenuEntry());
  EXPECT_NE(objConnect.objMenuButton, nullptr);
  EXPECT_EQ(objConnect.objToolbarButton, ToolbarButton());
  EXPECT_NE(objConnect.objToolbarButton, nullptr);
  EXPECT_TRUE(script_.Boxes().empty());
  objConnect.objToolbarButton->Execute();
  EXPECT_EQ(intShown_, 1);
}

TEST_F(ConnectTest, RemovalAfterTheUserDeletedTheToolbarTakesTheEntryQuietly) {
  StartHost(APlan());
  const int intBars = Bars().Count();
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  objConnect.objMenuButton->Execute();
  ASSERT_NE(objConnect.mfrmWizard, nullptr);
  Bars()("Quorvan").Delete();  // with its button

  Disconnect(objConnect, office::ext_dm_UserClosed);
  EXPECT_EQ(MenuEntry(), nullptr);
  EXPECT_EQ(CountBars("Quorvan"), 0);
  EXPECT_EQ(Bars().Count(), intBars);
  EXPECT_EQ(objConnect.mfrmWizard, nullptr);
  EXPECT_TRUE(script_.Boxes().empty());
}

TEST_F(ConnectTest, AHostWithoutAToolsMenuGetsOnlyTheToolbar) {
  testsupport::WriteFile(registry_.Dir() / "CommandBars.json",
                         R"({"Version": 1, "CommandBars": [{"Name": "Standard", "Position": 1,
                             "BuiltIn": true, "Visible": true, "Controls": []}]})");
  StartHost(APlan());
  Connect objConnect;
  ConnectIn(objConnect, office::ext_cm_Startup);
  EXPECT_EQ(objConnect.objMenuButton, nullptr);
  EXPECT_NE(objConnect.objToolbarButton, nullptr);
  EXPECT_TRUE(script_.Boxes().empty());
}

}  // namespace
