// The host keeps its command bars between its starts in a file beside the registry file.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/msproject/Application.h"
#include "platform/office/CommandBars.h"
#include "platform/office/CommandBarsFile.h"
#include "platform/office/Error.h"
#include "support/TestSupport.h"

namespace {

using office::CommandBars;

TEST(CommandBarsFileTest, BarsAndControlsOfOnesOwnAreFoundAgainAtTheNextStart) {
  testsupport::TempDir dir;
  const auto file = dir / "CommandBars.json";
  {
    CommandBars bars(file);
    auto toolbar = bars.Add("Quorvan");
    toolbar->Visible(true);
    auto button = toolbar->Controls().Add(office::msoControlButton, 1, "QuorvanWizardToolbar");
    button->Caption("&Quorvan Assistent");
    button->Tag("QuorvanWizardToolbar");
    button->Style(office::msoButtonIconAndCaption);
    button->FaceId(1084);
    button->OnAction("!<Quorvan.Connect>");
    auto entry = bars("Tools").Controls().Add(office::msoControlButton, 1, "", 11);
    entry->Tag("QuorvanWizard");
    entry->Caption("Größe „ä“");
    entry->BeginGroup(true);
  }
  ASSERT_TRUE(std::filesystem::exists(file));

  CommandBars bars(file);
  auto toolbar = bars.Item("Quorvan");
  EXPECT_TRUE(toolbar->Visible());
  EXPECT_FALSE(toolbar->BuiltIn());
  ASSERT_EQ(toolbar->Controls().Count(), 1);
  auto button =
      toolbar->FindControl(std::nullopt, std::nullopt, std::string("QuorvanWizardToolbar"));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->Caption(), "&Quorvan Assistent");
  EXPECT_EQ(button->Parameter(), "QuorvanWizardToolbar");
  EXPECT_EQ(button->Style(), office::msoButtonIconAndCaption);
  EXPECT_EQ(button->FaceId(), 1084);
  EXPECT_EQ(button->OnAction(), "!<Quorvan.Connect>");
  auto entry = bars.FindControl(std::nullopt, std::nullopt, std::string("QuorvanWizard"));
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->Index(), 11);
  EXPECT_EQ(entry->Caption(), "Größe „ä“");
  EXPECT_TRUE(entry->BeginGroup());
  EXPECT_FALSE(entry->BuiltIn());
  // The built-in entries keep their Ids and their flag.
  EXPECT_TRUE(bars("Tools").Controls().Item(12)->BuiltIn());
  EXPECT_EQ(bars("Tools").Controls().Item(12)->Id(), 2131);
  EXPECT_THROW(bars("Tools").Delete(), office::Error);
}

TEST(CommandBarsFileTest, UnchangedBarsAreNotWrittenAndDeletionsAreKept) {
  testsupport::TempDir dir;
  const auto file = dir / "sub" / "CommandBars.json";
  { CommandBars bars(file); }
  EXPECT_FALSE(std::filesystem::exists(file));
  {
    CommandBars bars(file);
    bars.Add("Weg");
  }
  ASSERT_TRUE(std::filesystem::exists(file));
  {
    CommandBars bars(file);
    bars("Weg").Delete();
  }
  CommandBars bars(file);
  EXPECT_THROW(bars("Weg"), office::Error);
  EXPECT_NO_THROW(bars("Tools"));
}

TEST(CommandBarsFileTest, AnUnreadableFileGivesTheHostsOwnBars) {
  testsupport::TempDir dir;
  const auto file = dir / "CommandBars.json";
  for (const char* strText :
       {"kaputt", "{}", R"({"Version": 99, "CommandBars": []})",
        R"({"Version": 1, "CommandBars": [{"Name": "A", "Position": 1, "BuiltIn": false,
            "Visible": true, "Controls": [{"Type": 1}]}]})",
        R"({"Version": 1, "CommandBars": [
            {"Name": "A", "Position": 1, "BuiltIn": false, "Visible": true, "Controls": []},
            {"Name": "A", "Position": 1, "BuiltIn": false, "Visible": true, "Controls": []}]})"}) {
    testsupport::WriteFile(file, strText);
    CommandBars bars(file);
    EXPECT_EQ(bars.Item(1)->Name(), "Tools") << strText;
    EXPECT_GE(bars("Tools").Controls().Count(), 12) << strText;
    EXPECT_THROW(bars("A"), office::Error) << strText;
  }
}

TEST(CommandBarsFileTest, TheHostKeepsItsBarsBesideTheRegistryFile) {
  testsupport::TempDir dir;
  ::setenv("QUORVAN_REGISTRY", (dir / "HKCU.reg").c_str(), 1);
  EXPECT_EQ(office::CommandBarsFilePath(), dir / "CommandBars.json");
  {
    msproject::Application objApplication;
    objApplication.CommandBars().Add("Quorvan");
  }
  EXPECT_TRUE(std::filesystem::exists(dir / "CommandBars.json"));
  msproject::Application objApplication;
  EXPECT_NO_THROW(objApplication.CommandBars()("Quorvan"));
  ::unsetenv("QUORVAN_REGISTRY");
}

}  // namespace
