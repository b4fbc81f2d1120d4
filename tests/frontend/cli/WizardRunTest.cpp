// `quorvan PLAN.xml` with the wizard's options, on the real binary: the stored defaults, the
// options, the checks, and the defaults saved for the next run.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "frontend/cli/QuorvanCommand.h"

namespace {

using Json = nlohmann::ordered_json;
using testing::HasSubstr;
using testsupport::ShellQuote;

const std::string kPlan =
    ShellQuote((testsupport::FixturesDir() / "mspdi" / "mspdiresource.xml").string());

std::vector<std::string> ColumnNames(const Json& model) {
  std::vector<std::string> colNames;
  for (const auto& field : model["objTasks"]["objHeaderTasks"]["objFields"]["colFields"]) {
    colNames.push_back(field["strFieldName"]);
  }
  return colNames;
}

double ColumnWidth(const Json& model) {
  return model["objResources"]["colResourceGroups"][0]["colResources"][0]["dblColumnWidth"];
}

class WizardRunTest : public testing::Test {
 protected:
  clitest::QuorvanCommand quorvan_;

  Json Dump(const std::string& strOptions) {
    const auto result = quorvan_.Run(kPlan + " --dump-model " + strOptions);
    EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
    EXPECT_EQ(result.strStderr, "");
    return result.intExitCode == 0 ? Json::parse(result.strStdout) : Json();
  }
};

TEST_F(WizardRunTest, OptionsReachTheModel) {
  const Json model = Dump(
      "--no-targets --no-status --remarks Text7 --no-start --column-width 10 --row-height 40 "
      "--color-tasks '#FF0000' --color-headers '#0000FF'");
  EXPECT_EQ(ColumnNames(model), (std::vector<std::string>{"PSP-Code", "UniqueID", "Name", "Ende",
                                                          "Dauer", "Text7", ""}));
  EXPECT_EQ(ColumnWidth(model), 10.0);
  EXPECT_EQ(model["objTasks"]["colTasks"][0]["dblRowHeight"], 39.75);
  EXPECT_EQ(model["objTasks"]["lngTaskColor"], 255);
  EXPECT_EQ(model["objTasks"]["objHeaderTasks"]["lngHeaderColor"], 16711680);
  EXPECT_FALSE(std::filesystem::exists(quorvan_.RegistryFile()));  // nothing saved
}

TEST_F(WizardRunTest, SavedDefaultsShapeTheNextRun) {
  const auto save = quorvan_.Run(kPlan +
                                 " --save-defaults --no-start --column-width 12 "
                                 "--color-tasks '#00FF00' --arrow-size klein");
  EXPECT_EQ(save.intExitCode, 0) << save.strStderr;
  EXPECT_EQ(save.strStdout, "");
  EXPECT_EQ(save.strStderr, "Die aktuellen Diagrammeinstellungen wurden gespeichert.\n");
  const std::string strStore = testsupport::ReadFile(quorvan_.RegistryFile());
  EXPECT_THAT(strStore, HasSubstr("\"ColorTasksTask\"=\"65280\""));
  EXPECT_THAT(strStore, HasSubstr("\"ArrowEndSize\"=\"klein\""));
  EXPECT_THAT(strStore, HasSubstr("\"UseFieldStart\"=\"0\""));

  const Json model = Dump("");
  EXPECT_EQ(ColumnWidth(model), 12.0);
  EXPECT_EQ(model["objTasks"]["lngTaskColor"], 65280);
  EXPECT_EQ(ColumnNames(model),
            (std::vector<std::string>{"PSP-Code", "UniqueID", "Text20", "Name", "Ende", "Dauer",
                                      "Text25", "Text24", ""}));
  // An option given still wins over the stored default.
  EXPECT_EQ(ColumnWidth(Dump("--column-width 6")), 6.0);
}

TEST_F(WizardRunTest, TheStoredDefaultsOfTheEditorsExportAreLoaded) {
  std::filesystem::copy_file(testsupport::FixturesDir() / "registry" / "quorvan-regedit-utf16.reg",
                             quorvan_.RegistryFile());
  // The stored column width " " fails the check; the user has to type another.
  const auto refused = quorvan_.Run(kPlan + " --dump-model");
  EXPECT_EQ(refused.intExitCode, 1);
  EXPECT_EQ(refused.strStderr, "Bitte nur Spaltenbreiten zwischen 4 und 20 eingeben.\n");

  const auto result = quorvan_.Run(kPlan + " --dump-model --column-width 8");
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  const Json loaded = Json::parse(result.strStdout);
  EXPECT_EQ(loaded["objTasks"]["lngTaskColor"], 13);                    // "12.6"
  EXPECT_EQ(loaded["objTasks"]["lngSummaryTaskColor"], 0);              // "abc"
  EXPECT_EQ(loaded["objTasks"]["colTasks"][0]["dblRowHeight"], 39.75);  // "40"
  // Start is not ticked (REG_DWORD 5 keeps the box clear), remarks are greyed (not ticked).
  EXPECT_EQ(ColumnNames(loaded), (std::vector<std::string>{"PSP-Code", "UniqueID", "Text20", "Name",
                                                           "Ende", "Dauer", ""}));
}

TEST_F(WizardRunTest, AFailedCheckEndsWithItsMessageAndStatus1) {
  auto result = quorvan_.Run(kPlan + " --dump-model --row-height 95");
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_EQ(result.strStdout, "");
  EXPECT_EQ(result.strStderr, "Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.\n");

  result = quorvan_.Run(kPlan + " --dump-model --arrow-weight 6,25");
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_EQ(result.strStderr, "Bitte nur Linienstärken zwischen 0,25 und 6 eingeben.\n");

  result = quorvan_.Run(kPlan + " --dump-model -o ''");
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_EQ(result.strStderr, "Legen Sie den Speicherort des Diagramms fest.\n");
}

TEST_F(WizardRunTest, DefaultsTheWizardWouldRefuseAreNotStored) {
  struct Case {
    std::string strOption;
    std::string strMessage;
  };
  for (const Case& c : {Case{"--arrow-weight 99", "Linienstärken zwischen 0,25 und 6"},
                        Case{"--column-width 500", "Spaltenbreiten zwischen 4 und 20"},
                        Case{"--row-height abc", "Zeilenhöhen zwischen 18 und 90"}}) {
    const auto result = quorvan_.Run(kPlan + " --save-defaults " + c.strOption);
    EXPECT_EQ(result.intExitCode, 1) << c.strOption;
    EXPECT_EQ(result.strStderr, "Bitte nur " + c.strMessage + " eingeben.\n");
    EXPECT_FALSE(std::filesystem::exists(quorvan_.RegistryFile())) << c.strOption;
  }
}

TEST_F(WizardRunTest, ASaveThatFailedIsAFailure) {
  std::filesystem::create_directory(quorvan_.RegistryFile());  // cannot be written
  const auto result = quorvan_.Run(kPlan + " --save-defaults");
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_THAT(result.strStderr, HasSubstr("konnten nicht vollständig gespeichert werden"));
}

TEST_F(WizardRunTest, ARegistryFileThatIsNotOursOrIsReadOnlyIsLeftAsItIsAndNamed) {
  struct Row {
    std::string strContent;
    std::filesystem::perms permissions;
    std::string strWhy;
  };
  const auto readWrite = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write;
  const std::vector<Row> rows = {
      {"Einkaufsliste\nMilch\n", readWrite, "ist keine Registrierungsdatei"},
      {"Windows Registry Editor Version 5.00\r\n\r\n", std::filesystem::perms::owner_read,
       "ist schreibgeschützt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.strWhy);
    testsupport::WriteFile(quorvan_.RegistryFile(), row.strContent);
    std::filesystem::permissions(quorvan_.RegistryFile(), row.permissions);
    const auto result = quorvan_.Run(kPlan + " --save-defaults");
    EXPECT_EQ(result.intExitCode, 1);
    EXPECT_THAT(result.strStderr,
                HasSubstr("„" + quorvan_.RegistryFile().string() + "“ " + row.strWhy));
    EXPECT_EQ(testsupport::ReadFile(quorvan_.RegistryFile()), row.strContent);
    EXPECT_FALSE(std::filesystem::exists(quorvan_.RegistryFile().string() + ".bak"));
    std::filesystem::permissions(quorvan_.RegistryFile(), readWrite);
  }
}

TEST_F(WizardRunTest, SavesAtOnceStoreOneSaveWholeAndADamagedFileIsKeptAndNamed) {
  // Four saves of four different settings at the same time: the file holds one of them whole.
  // The registry file's lock is held until all of them wait for it, so that they meet there.
  constexpr int kSaves = 4;
  std::string strCommand = "( flock -x 9; sleep 6 ) 9>" +
                           ShellQuote(quorvan_.RegistryFile().string() + ".lock") +
                           " & sleep 0.5; ";
  for (int i = 0; i < kSaves; ++i) {
    strCommand += "QUORVAN_REGISTRY=" + ShellQuote(quorvan_.RegistryFile().string()) + " " +
                  ShellQuote((testsupport::BinaryDir() / "quorvan").string()) + " " + kPlan +
                  " --save-defaults --column-width " + std::to_string(5 + i) + " --row-height " +
                  std::to_string(20 + i) + " --color-tasks '#00000" + std::to_string(i + 1) +
                  "' --color-headers '#0000" + std::to_string(i + 1) + "0' >/dev/null 2>&1 & ";
  }
  ASSERT_EQ(testsupport::RunCommand(strCommand + "wait").intExitCode, 0);
  const std::string strStore = testsupport::ReadFile(quorvan_.RegistryFile());
  int intWhole = 0;
  for (int i = 0; i < kSaves; ++i) {
    const bool blnAll =
        strStore.find("\"ColumnWidthRessources\"=\"" + std::to_string(5 + i) + "\"") !=
            std::string::npos &&
        strStore.find("\"RowHeightTasks\"=\"" + std::to_string(20 + i) + "\"") !=
            std::string::npos &&
        strStore.find("\"ColorTasksTask\"=\"" + std::to_string((i + 1) << 16) + "\"") !=
            std::string::npos &&
        strStore.find("\"ColorHeader\"=\"" + std::to_string((i + 1) << 20) + "\"") !=
            std::string::npos;
    intWhole += blnAll ? 1 : 0;
  }
  EXPECT_EQ(intWhole, 1) << strStore;

  // A damaged file is replaced by the save, which says where the old one is kept.
  const std::string strDamaged = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A\n";
  testsupport::WriteFile(quorvan_.RegistryFile(), strDamaged);
  const auto result = quorvan_.Run(kPlan + " --save-defaults");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_THAT(result.strStderr,
              HasSubstr("Die aktuellen Diagrammeinstellungen wurden gespeichert.\nDie bisherige "
                        "Registrierungsdatei war beschädigt und wurde ersetzt; sie ist als „" +
                        quorvan_.RegistryFile().string() + ".bak“ aufbewahrt."));
  EXPECT_EQ(testsupport::ReadFile(quorvan_.RegistryFile().string() + ".bak"), strDamaged);
}

TEST_F(WizardRunTest, AMalformedColourIsAUsageError) {
  const auto result = quorvan_.Run(kPlan + " --dump-model --color-arrows '#12G456'");
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_EQ(result.strStdout, "");
  EXPECT_THAT(result.strStderr, HasSubstr("--color-arrows: „#12G456“ ist keine Farbe"));
}

}  // namespace
