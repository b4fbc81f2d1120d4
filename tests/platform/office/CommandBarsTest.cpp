// The host's command bars: the built-in "Tools" menu, adding and finding controls, deleting,
// stale handles, and click events.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/office/BuiltInBars.h"
#include "platform/office/CommandBars.h"
#include "platform/office/Error.h"

namespace {

using office::CommandBars;
using office::msoControlButton;

std::vector<std::string> Captions(const office::CommandBar& bar) {
  std::vector<std::string> colCaptions;
  for (const auto& ctl : bar.Controls()) colCaptions.push_back(ctl->Caption());
  return colCaptions;
}

TEST(CommandBarsTest, TheToolsMenuHoldsTheHostsGermanEntriesWithTheirIds) {
  CommandBars bars;
  office::CommandBar& tools = bars("Tools");
  EXPECT_EQ(tools.Name(), "Tools");
  EXPECT_TRUE(tools.BuiltIn());
  ASSERT_GE(tools.Controls().Count(), 12);
  EXPECT_THAT(Captions(tools),
              testing::IsSupersetOf({"&Rechtschreibung...", "&Makro", "&Optionen..."}));
  // The four entries that add-ins place their own entries before, in the lower part.
  EXPECT_EQ(tools.FindControl(std::nullopt, office::kIdOrganizer)->Index(), 11);
  EXPECT_EQ(tools.FindControl(std::nullopt, office::kIdCustomize)->Index(), 12);
  EXPECT_EQ(tools.FindControl(std::nullopt, office::kIdOptions)->Index(), 13);
  EXPECT_EQ(tools.FindControl(std::nullopt, office::kIdComAddIns)->Index(), 14);
  for (const auto& ctl : tools.Controls()) {
    EXPECT_TRUE(ctl->BuiltIn());
    EXPECT_NE(ctl->Id(), office::kIdCustom) << ctl->Caption();
  }
  EXPECT_THROW(bars("Extras"), office::Error);
  EXPECT_THROW(bars.Item(0), office::Error);
  EXPECT_EQ(bars.Item(1)->Name(), "Tools");
}

TEST(CommandBarsTest, ControlsAreAddedBeforeAPlaceOrAtTheEnd) {
  CommandBars bars;
  office::CommandBar& tools = bars("Tools");
  const int intCount = tools.Controls().Count();

  auto before = tools.Controls().Add(msoControlButton, office::kIdCustom, "P", 11);
  before->Caption("Vorher");
  EXPECT_EQ(before->Index(), 11);
  EXPECT_EQ(before->Parameter(), "P");
  EXPECT_EQ(before->Id(), office::kIdCustom);
  EXPECT_FALSE(before->BuiltIn());
  EXPECT_FALSE(before->BeginGroup());
  EXPECT_EQ(tools.Controls().Item(12)->Caption(), "&Organisieren...");

  auto last = tools.Controls().Add();
  EXPECT_EQ(last->Index(), intCount + 2);
  auto first = tools.Controls().Add(msoControlButton, office::kIdCustom, "", 1);
  EXPECT_EQ(tools.Controls().Item(1), first);

  const int intNow = tools.Controls().Count();
  EXPECT_THROW(tools.Controls().Add(msoControlButton, 1, "", 0), office::Error);
  EXPECT_THROW(tools.Controls().Add(msoControlButton, 1, "", intNow + 2), office::Error);
  EXPECT_THROW(tools.Controls().Add(office::msoControlPopup), office::Error);
  EXPECT_NO_THROW(tools.Controls().Add(msoControlButton, 1, "", intNow + 1));
}

TEST(CommandBarsTest, FindControlMatchesEveryCriterionGivenOverAllBars) {
  CommandBars bars;
  auto toolbar = bars.Add("Eigene", office::msoBarTop);
  EXPECT_FALSE(toolbar->Visible());
  EXPECT_EQ(toolbar->Position(), office::msoBarTop);
  auto button = toolbar->Controls().Add();
  button->Tag("MeinTag");

  EXPECT_EQ(bars.FindControl(std::nullopt, std::nullopt, std::string("MeinTag")), button);
  EXPECT_EQ(bars.FindControl(msoControlButton, office::kIdCustom, std::string("MeinTag")), button);
  EXPECT_EQ(bars.FindControl(std::nullopt, 2, std::string("MeinTag")), nullptr);
  EXPECT_EQ(bars.FindControl(std::nullopt, std::nullopt, std::string("meintag")), nullptr);
  EXPECT_EQ(bars("Tools").FindControl(std::nullopt, std::nullopt, std::string("MeinTag")), nullptr);
  // Bars come first to last: the menu before the toolbars.
  EXPECT_EQ(bars.FindControl(std::nullopt, 2)->Caption(), "&Rechtschreibung...");
}

TEST(CommandBarsTest, ABarNameIsTakenOnceAndOnlyBarsOfOnesOwnAreDeleted) {
  CommandBars bars;
  const int intCount = bars.Count();
  auto toolbar = bars.Add("Quorvan");
  EXPECT_EQ(bars.Count(), intCount + 1);
  EXPECT_THROW(bars.Add("Quorvan"), office::Error);
  EXPECT_THROW(bars.Add("Tools"), office::Error);
  EXPECT_THROW(bars.Add(""), office::Error);
  EXPECT_THROW(bars("Tools").Delete(), office::Error);
  EXPECT_EQ(bars.Count(), intCount + 1);

  auto button = toolbar->Controls().Add();
  toolbar->Delete();
  EXPECT_EQ(bars.Count(), intCount);
  EXPECT_THROW(bars("Quorvan"), office::Error);
  // Handles that remain are stale: every call through them fails.
  EXPECT_TRUE(toolbar->Deleted());
  EXPECT_THROW(toolbar->Name(), office::Error);
  EXPECT_THROW(toolbar->Controls(), office::Error);
  EXPECT_TRUE(button->Deleted());
  EXPECT_THROW(button->Caption("x"), office::Error);
  // The name is free again.
  EXPECT_NO_THROW(bars.Add("Quorvan"));
}

TEST(CommandBarsTest, ADeletedControlLeavesItsBarAndItsHandlesGoStale) {
  CommandBars bars;
  office::CommandBar& tools = bars("Tools");
  const int intCount = tools.Controls().Count();
  auto ctl = tools.Controls().Add(msoControlButton, 1, "", 3);
  ctl->Tag("weg");
  ctl->Delete();
  EXPECT_EQ(tools.Controls().Count(), intCount);
  EXPECT_EQ(bars.FindControl(std::nullopt, std::nullopt, std::string("weg")), nullptr);
  EXPECT_THROW(ctl->Tag(), office::Error);
  EXPECT_THROW(ctl->Delete(), office::Error);
  EXPECT_THROW(ctl->Execute(), office::Error);
}

TEST(CommandBarsTest, AClickReachesTheConnectedSinksUntilTheyAreReleased) {
  CommandBars bars;
  auto button = bars("Tools").Controls().Add();
  std::vector<std::string> colCalls;
  auto first = button->ConnectClick([&](office::CommandBarButton& Ctrl, bool& CancelDefault) {
    EXPECT_EQ(&Ctrl, button.get());
    colCalls.push_back("erste");
    CancelDefault = true;
  });
  auto second = button->ConnectClick([&](office::CommandBarButton&, bool& CancelDefault) {
    colCalls.push_back(CancelDefault ? "zweite nach Abbruch" : "zweite");
  });
  EXPECT_TRUE(button->Execute());
  EXPECT_EQ(colCalls, (std::vector<std::string>{"erste", "zweite nach Abbruch"}));

  first.reset();
  colCalls.clear();
  EXPECT_FALSE(button->Execute());
  EXPECT_EQ(colCalls, std::vector<std::string>{"zweite"});

  // A sink that deletes its own control while the event runs.
  second.reset();
  auto deleting =
      button->ConnectClick([&](office::CommandBarButton& Ctrl, bool&) { Ctrl.Delete(); });
  EXPECT_NO_THROW(button->Execute());
  EXPECT_TRUE(button->Deleted());
}

TEST(CommandBarsTest, AButtonKeepsItsPropertiesAndRefusesAnUnknownStyle) {
  CommandBars bars;
  auto button = bars("Standard").Controls().Add(msoControlButton, 1, "Param");
  button->Caption("&Quorvan Assistent");
  button->FaceId(1084);
  button->Style(office::msoButtonIconAndCaption);
  button->OnAction("!<Quorvan.Connect>");
  button->BeginGroup(true);
  EXPECT_EQ(button->Caption(), "&Quorvan Assistent");
  EXPECT_EQ(button->FaceId(), 1084);
  EXPECT_EQ(button->Style(), office::msoButtonIconAndCaption);
  EXPECT_EQ(button->OnAction(), "!<Quorvan.Connect>");
  EXPECT_TRUE(button->BeginGroup());
  EXPECT_EQ(&button->Parent(), &bars("Standard"));
  EXPECT_THROW(button->Style(7), office::Error);
  EXPECT_EQ(button->Style(), office::msoButtonIconAndCaption);
}

}  // namespace
