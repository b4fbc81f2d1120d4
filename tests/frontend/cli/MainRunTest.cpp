// `quorvan PLAN.xml -o CHART.xlsx` on the real binary: the chart written, each way the launch
// or the export stops with its message and exit status, the progress on stderr, and the
// add-in's registration.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "frontend/cli/QuorvanCommand.h"
#include "support/PlanXml.h"
#include "support/RealReaders.h"

namespace {

using testing::EndsWith;
using testing::HasSubstr;
using testing::Not;
using testing::StartsWith;
using testsupport::PlanXml;
using testsupport::ShellQuote;

const std::string kDone = "100 % Kommunikationsdiagramm wurde erfolgreich erstellt.\n";
const std::string kBrokenOff = "100 % Ausgabe wurde abgebrochen.\n";

class MainRunTest : public testing::Test {
 protected:
  clitest::QuorvanCommand quorvan_;
  std::filesystem::path chart_ = quorvan_.Dir() / "Diagramm.xlsx";

  testsupport::CommandResult Run(const std::filesystem::path& plan,
                                 const std::string& strMore = "") {
    return quorvan_.Run(ShellQuote(plan.string()) + " -o " + ShellQuote(chart_.string()) + " " +
                        strMore);
  }
  std::filesystem::path Plan(const PlanXml& objPlan) { return objPlan.Write(quorvan_.Dir()); }

  // The launch stopped before the wizard: exactly the message, no workbook.
  void ExpectStopped(const testsupport::CommandResult& result, const std::string& strStderr) {
    EXPECT_EQ(result.intExitCode, 1);
    EXPECT_EQ(result.strStdout, "");
    EXPECT_EQ(result.strStderr, strStderr);
    EXPECT_FALSE(std::filesystem::exists(chart_));
  }
};

TEST_F(MainRunTest, TheExamplePlanBecomesAWorkbookThatOpenpyxlOpens) {
  const auto result = Run(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStdout, "");
  // One line per step when stderr is not a terminal, from the first to the last.
  EXPECT_THAT(result.strStderr, StartsWith("  2 % Daten werden für Ausgabe gesammelt...\n"));
  EXPECT_THAT(result.strStderr, HasSubstr(" 26 % Vorgang 1 von 41 wird angelegt...\n"));
  EXPECT_THAT(result.strStderr, HasSubstr(" 90 % Diagramm wird gespeichert...\n"));
  EXPECT_THAT(result.strStderr, EndsWith(kDone));
  EXPECT_THAT(result.strStderr, Not(HasSubstr("\r")));

  const auto read = testsupport::RunPythonCode(
      "import sys, openpyxl\n"
      "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
      "print(ws['A1'].value)\n"
      "print(ws['D6'].value, ws['D7'].value)\n"
      "print(sum(1 for r in ws.iter_rows(min_row=7, max_col=1, values_only=True) if r[0]))\n",
      {chart_.string()});
  ASSERT_EQ(read.intExitCode, 0) << read.strStderr;
  EXPECT_EQ(read.strStdout,
            "Kommunikationsdiagramm für Markteinfuehrung.xml\nAufgaben Projektstart\n37\n");
}

// The language follows the environment as gettext reads it, LANGUAGE first even in the "C"
// locale; German wherever neither German nor English is asked for. The chart's title and
// captions follow it; the stored defaults stay German, so a chart made in one language reads
// its settings back in the other.
TEST_F(MainRunTest, TheRunTheChartAndTheHelpSpeakTheLanguageOfTheEnvironment) {
  const auto plan = testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml";
  const auto english =
      quorvan_.Run(ShellQuote(plan.string()) + " -o " + ShellQuote(chart_.string()) +
                       " --arrow-size large" + " --save-defaults",
                   "LC_ALL=C LANGUAGE=en");
  ASSERT_EQ(english.intExitCode, 0) << english.strStderr;
  EXPECT_THAT(english.strStderr, StartsWith("The current chart settings have been saved.\n"
                                            "  2 % Gathering the data for the output...\n"));
  EXPECT_THAT(english.strStderr, HasSubstr(" 26 % Creating task 1 of 41...\n"));
  EXPECT_THAT(english.strStderr, EndsWith("100 % The communication chart has been created.\n"));
  const auto read = testsupport::RunPythonCode(
      "import sys, openpyxl\n"
      "ws = openpyxl.load_workbook(sys.argv[1]).active\n"
      "print(ws['A1'].value)\n"
      "print(ws['D6'].value, ws['E6'].value)\n",
      {chart_.string()});
  ASSERT_EQ(read.intExitCode, 0) << read.strStderr;
  EXPECT_EQ(read.strStdout, "Communication chart for Markteinfuehrung.xml\nTasks Start\n");
  // The arrow size is stored by its German word.
  EXPECT_THAT(testsupport::ReadFile(quorvan_.RegistryFile()),
              HasSubstr("\"ArrowEndSize\"=\"groß\""));

  const auto help = quorvan_.Run("--help", "LANGUAGE=en:de");
  EXPECT_THAT(help.strStdout, HasSubstr("Usage: "));
  EXPECT_THAT(help.strStdout, HasSubstr("Shows this help"));
  EXPECT_THAT(help.strStdout, Not(HasSubstr("Zeigt")));

  for (const char* strEnvironment :
       {"LANGUAGE= LC_ALL= LANG=fr_FR.UTF-8", "LANGUAGE=fr LANG=en_US.UTF-8",
        "LANGUAGE= LC_ALL= LC_MESSAGES=de_AT LANG=en_GB"}) {
    const auto german = quorvan_.Run(
        ShellQuote(plan.string()) + " -o " + ShellQuote(chart_.string()), strEnvironment);
    ASSERT_EQ(german.intExitCode, 0) << german.strStderr;
    EXPECT_THAT(german.strStderr, StartsWith("  2 % Daten werden für Ausgabe gesammelt...\n"))
        << strEnvironment;
    EXPECT_THAT(german.strStderr, EndsWith(kDone)) << strEnvironment;
  }
}

TEST_F(MainRunTest, OnATerminalTheProgressIsRedrawnInPlace) {
  const std::string strCommand =
      "QUORVAN_REGISTRY=" + ShellQuote(quorvan_.RegistryFile().string()) + " " +
      ShellQuote((testsupport::BinaryDir() / "quorvan").string()) + " " +
      ShellQuote((testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml").string()) +
      " -o " + ShellQuote(chart_.string());
  // script gives the command a terminal and copies what it shows to stdout; it needs an open
  // standard input, which CI does not give.
  const auto result =
      testsupport::RunCommand("script -qec " + ShellQuote(strCommand) + " /dev/null < /dev/null");
  ASSERT_EQ(result.intExitCode, 0) << result.strStdout << result.strStderr;
  EXPECT_THAT(result.strStdout, HasSubstr("\r\033[K  2 % Daten werden für Ausgabe gesammelt..."
                                          "\r\033[K 10 % Speicherort des Diagramms festlegen..."));
  EXPECT_THAT(result.strStdout,
              HasSubstr("\r\033[K100 % Kommunikationsdiagramm wurde erfolgreich erstellt.\r\n"));
  EXPECT_TRUE(std::filesystem::exists(chart_));
}

TEST_F(MainRunTest, APlanWithoutResourcesOrTasksIsStoppedWithItsMessage) {
  ExpectStopped(Run(testsupport::FixturesDir() / "mspdi" / "mspdinulltasks.xml"),
                "Das Projekt enthält keine Ressourcen.\n");
  ExpectStopped(Run(Plan(PlanXml().Task("Start"))), "Das Projekt enthält keine Ressourcen.\n");
  ExpectStopped(Run(Plan(PlanXml().Resource("Anna"))), "Das Projekt enthält keine Vorgänge.\n");
}

TEST_F(MainRunTest, DuplicatesAreAnsweredNoUnlessYesIsGiven) {
  const auto names = Plan(PlanXml().Task("A").Resource("Anna").Resource("Anna"));
  ExpectStopped(Run(names),
                "Das Projekt enthält doppelte Ressourcennamen.\n"
                "Trotzdem fortfahren?\n"
                "→ Nein (mit --yes: Ja)\n");
  auto result = Run(names, "--yes");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_THAT(result.strStderr, StartsWith("Das Projekt enthält doppelte Ressourcennamen.\n"
                                           "Trotzdem fortfahren?\n→ Ja\n  2 % "));
  EXPECT_THAT(result.strStderr, EndsWith(kDone));
  EXPECT_TRUE(std::filesystem::exists(chart_));
  std::filesystem::remove(chart_);

  const auto codes = Plan(PlanXml().Task("A").WBS("1").Task("B").WBS("1").Resource("Anna"));
  ExpectStopped(Run(codes),
                "Das Projekt enthält doppelte PSP-Codes.\n"
                "Trotzdem fortfahren?\n"
                "→ Nein (mit --yes: Ja)\n");
  result = Run(codes, "--yes");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_TRUE(std::filesystem::exists(chart_));
}

TEST_F(MainRunTest, APlanPastTheChartsLimitsIsNamedAfterTheRun) {
  PlanXml objPlan;
  objPlan.Task("A", 1, {{testsupport::kText21, "Person 1"}});
  for (int i = 1; i <= 201; ++i) objPlan.Resource("Person " + std::to_string(i));
  const auto result = Run(Plan(objPlan));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_THAT(
      result.strStderr,
      EndsWith(kDone + "Hinweis: Der Plan hat 1 Vorgang und 201 Ressourcen, das Diagramm zeigt "
                       "davon 1 Vorgang und 200 Ressourcen.\n"));
}

TEST_F(MainRunTest, LongTextsFillTheirCellsUpToWhatACellHoldsAndACutTextIsNamedAfterTheRun) {
  // A cell holds 32,767 characters as Excel counts them (UTF-16 code units), whatever their
  // UTF-8 bytes: 11,000 CJK characters (33,000 bytes) and 17,000 umlauts (34,000 bytes) fit.
  std::string strCjk, strUmlauts;
  for (int i = 0; i < 11000; ++i) strCjk += "漢";
  for (int i = 0; i < 17000; ++i) strUmlauts += "ä";
  const std::string strLong = "Lang" + std::string(40000, '-');
  PlanXml objPlan;
  objPlan.Task(strCjk, 1, {{testsupport::kText21, "Anna"}})
      .Task(strUmlauts)
      .Task(strLong)
      .Resource("Anna");
  chart_ = quorvan_.Dir() / "Diagramm.xls";
  const auto result = Run(Plan(objPlan));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_THAT(result.strStderr,
              EndsWith(kDone + "Hinweis: Der Text der Zelle D9 („Lang" + std::string(36, '-') +
                       "…“) hat 40.004 Zeichen; eine Zelle fasst 32.767, der Rest fehlt im "
                       "Diagramm.\n"));

  const auto read = testsupport::RunPythonCode(
      "import sys, xlrd\n"
      "sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
      "for row in (6, 7, 8):\n"
      "    text = sheet.cell_value(row, 3)\n"
      "    print(len(text), len(set(text)))\n",
      {chart_.string()});
  ASSERT_EQ(read.intExitCode, 0) << read.strStderr;
  EXPECT_EQ(read.strStdout, "11000 1\n17000 1\n32767 5\n");
}

TEST_F(MainRunTest, TheChartNeverOverwritesThePlanOrAnInsertedProject) {
  // Plans saved under a workbook's name: the chart's path may name the same file.
  const auto plan = PlanXml()
                        .Task("A")
                        .InsertedProject("Teil", "Teil.xlsx")
                        .Resource("Anna")
                        .Write(quorvan_.Dir(), "Plan.xlsx");
  const auto part = PlanXml().Task("T").Resource("Bert").Write(quorvan_.Dir(), "Teil.xlsx");
  const std::string strPlan = testsupport::ReadFile(plan);
  const std::string strPart = testsupport::ReadFile(part);
  std::filesystem::create_hard_link(plan, quorvan_.Dir() / "Verweis.xlsx");
  std::filesystem::create_symlink(part, quorvan_.Dir() / "Kopie.xls");
  std::filesystem::create_symlink(part, quorvan_.Dir() / "Kopie.pdf");
  struct Case {
    std::string strOptions;
    std::string strMessage;
  };
  const std::string strDir = (quorvan_.Dir() / "").string();
  for (const Case& c :
       {Case{"-o " + ShellQuote(plan.string()), "würde den Projektplan „Plan.xlsx“ überschreiben"},
        Case{"-o " + ShellQuote(strDir + "Verweis.xlsx"), "den Projektplan „Plan.xlsx“"},
        Case{"-o " + ShellQuote(part.string()), "würde das eingefügte Projekt „Teil.xlsx“"},
        Case{"-o " + ShellQuote(strDir + "Kopie.xls"), "das eingefügte Projekt „Teil.xlsx“"},
        Case{"--pdf " + ShellQuote(strDir + "Kopie.pdf"), "das eingefügte Projekt „Teil.xlsx“"}}) {
    const auto result = quorvan_.Run(ShellQuote(plan.string()) + " " + c.strOptions);
    EXPECT_EQ(result.intExitCode, 2) << c.strOptions;
    EXPECT_THAT(result.strStderr, HasSubstr(c.strMessage)) << c.strOptions;
    EXPECT_EQ(testsupport::ReadFile(plan), strPlan);
    EXPECT_EQ(testsupport::ReadFile(part), strPart);
  }
}

TEST_F(MainRunTest, AnExportThatIsBrokenOffEndsWithStatus1) {
  const auto plan = testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml";
  chart_ = quorvan_.Dir() / "fehlt" / "Diagramm.xlsx";
  const auto result = Run(plan);
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_THAT(result.strStderr,
              HasSubstr("Die Datei „" + chart_.string() + "“ konnte nicht gespeichert werden.\n"));
  EXPECT_THAT(result.strStderr, EndsWith(kBrokenOff));
  EXPECT_FALSE(std::filesystem::exists(chart_));
}

TEST_F(MainRunTest, ATargetThatAnotherProgramHoldsOpenIsLeftAsItWas) {
  testsupport::WriteFile(chart_, "die alte Fassung");
  testsupport::WriteFile(quorvan_.Dir() / ".~lock.Diagramm.xlsx#", "Anna,anna,host,01.03.2026;");
  const auto result = Run(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
  EXPECT_EQ(result.intExitCode, 1);
  // LibreOffice's lock: the program, who and since when, and the lock file to remove when it
  // was left behind.
  EXPECT_THAT(result.strStderr,
              HasSubstr("Die Datei mit dem gewählten Dateinamen ist momentan in LibreOffice\n"
                        "geöffnet, von Anna auf host seit 01.03.2026. Bitte schließen Sie zuerst "
                        "die Datei.\n\nIst sie nirgends mehr geöffnet, löschen Sie die übrig "
                        "gebliebene\nSperrdatei „" +
                        (quorvan_.Dir() / ".~lock.Diagramm.xlsx#").string() + "“.\n"));
  EXPECT_THAT(result.strStderr, EndsWith(kBrokenOff));
  EXPECT_EQ(testsupport::ReadFile(chart_), "die alte Fassung");
}

TEST_F(MainRunTest, ADiskWithoutRoomEndsWithTheReasonAndKeepsTheOldChart) {
  testsupport::WriteFile(chart_, "die alte Fassung");
  // A file size limit (with its signal ignored) fails the write as a full disk does.
  const auto result = testsupport::RunCommand(
      "ulimit -f 8; trap '' XFSZ; QUORVAN_REGISTRY=" +
      ShellQuote(quorvan_.RegistryFile().string()) + " " +
      ShellQuote((testsupport::BinaryDir() / "quorvan").string()) + " " +
      ShellQuote((testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml").string()) +
      " -o " + ShellQuote(chart_.string()));
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_THAT(result.strStderr,
              HasSubstr("Die Datei „" + chart_.string() +
                        "“ konnte nicht gespeichert werden.\nDie Datei wird größer, als das "
                        "System einem Programm erlaubt; die bisherige Datei ist unverändert.\n"));
  EXPECT_THAT(result.strStderr, EndsWith(kBrokenOff));
  EXPECT_EQ(testsupport::ReadFile(chart_), "die alte Fassung");
}

TEST_F(MainRunTest, DefaultsSavedOnTheWayToTheChartAreStored) {
  const auto result = Run(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml",
                          "--save-defaults --column-width 11");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_THAT(result.strStderr,
              StartsWith("Die aktuellen Diagrammeinstellungen wurden gespeichert.\n  2 % "));
  EXPECT_THAT(result.strStderr, EndsWith(kDone));
  EXPECT_TRUE(std::filesystem::exists(chart_));
  EXPECT_THAT(testsupport::ReadFile(quorvan_.RegistryFile()),
              HasSubstr("\"ColumnWidthRessources\"=\"11\""));
}

TEST_F(MainRunTest, ACheckOfTheWizardEndsWithItsMessageAndStatus1) {
  const auto result =
      Run(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml", "--row-height 95");
  ExpectStopped(result, "Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.\n");
}

TEST_F(MainRunTest, APlanThatCannotBeReadIsAUsageError) {
  const auto result = Run(quorvan_.Dir() / "Fehlt.xml");
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_THAT(result.strStderr, HasSubstr("„Fehlt.xml“ konnte nicht gelesen werden"));
  EXPECT_FALSE(std::filesystem::exists(chart_));
}

TEST_F(MainRunTest, RegisteringAndUnregisteringShowInTheRegistryFile) {
  auto result = quorvan_.Run("--register");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStdout,
            "Das Add-In „Quorvan.Connect“ wurde für Microsoft Project registriert.\n");
  const std::string strFile = testsupport::ReadFile(quorvan_.RegistryFile());
  EXPECT_THAT(strFile, HasSubstr("[HKEY_CURRENT_USER\\Software\\Microsoft\\Office\\MS "
                                 "Project\\Addins\\Quorvan.Connect]"));
  EXPECT_THAT(strFile, HasSubstr("\"LoadBehavior\"=dword:00000003"));
  EXPECT_THAT(strFile, HasSubstr("\"FriendlyName\"=\"Quorvan\""));

  result = quorvan_.Run("--unregister");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStdout,
            "Das Add-In „Quorvan.Connect“ wurde aus der Registrierung entfernt.\n");
  EXPECT_THAT(testsupport::ReadFile(quorvan_.RegistryFile()), Not(HasSubstr("Quorvan.Connect")));

  // A registry file that cannot be written is reported.
  std::filesystem::remove(quorvan_.RegistryFile());
  std::filesystem::create_directory(quorvan_.RegistryFile());
  result = quorvan_.Run("--register");
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_THAT(result.strStderr, HasSubstr("konnte nicht angelegt werden"));
}

}  // namespace

namespace {

// Without -o the chart goes where the wizard's save dialog proposes it; several plans are made
// side by side, and one that fails leaves the others alone.
class PlansInOneCallTest : public testing::Test {
 protected:
  clitest::QuorvanCommand quorvan_;

  std::filesystem::path CopyExample(const std::string& strName) {
    const std::filesystem::path plan = quorvan_.Dir() / strName;
    std::filesystem::copy_file(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml",
                               plan);
    return plan;
  }
};

TEST_F(PlansInOneCallTest, WithoutOutputTheChartIsAnXlsBesideThePlanThatXlrdReads) {
  const auto plan = CopyExample("Markteinfuehrung.xml");
  const auto result = quorvan_.Run(ShellQuote(plan.string()));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  const auto chart = quorvan_.Dir() / "Markteinfuehrung.xls";
  const auto read = testsupport::RunPythonCode(
      "import sys, xlrd\n"
      "s = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0)\n"
      "print(s.cell_value(0, 0))\n",
      {chart.string()});
  ASSERT_EQ(read.intExitCode, 0) << read.strStderr;
  EXPECT_EQ(read.strStdout, "Kommunikationsdiagramm für Markteinfuehrung.xml\n");
}

TEST_F(PlansInOneCallTest, EachPlanGetsItsChartAndOneLineAndTheWorstStatusWins) {
  const auto first = CopyExample("Erster.xml");
  const auto second = CopyExample("Zweiter.xml");
  const auto broken = quorvan_.Dir() / "Kaputt.xml";
  testsupport::WriteFile(broken, "kein Plan\n");
  const auto out = quorvan_.Dir() / "Diagramme";
  std::filesystem::create_directory(out);

  const auto result =
      quorvan_.Run(ShellQuote(first.string()) + " " + ShellQuote(broken.string()) + " " +
                   ShellQuote(second.string()) + " -o " + ShellQuote(out.string() + "/"));
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_TRUE(std::filesystem::exists(out / "Erster.xls"));
  EXPECT_TRUE(std::filesystem::exists(out / "Zweiter.xls"));
  EXPECT_THAT(result.strStderr,
              HasSubstr("/3] " + first.string() + " → " + (out / "Erster.xls").string() + "\n"));
  EXPECT_THAT(result.strStderr, HasSubstr("/3] " + broken.string() +
                                          ": kein Diagramm erstellt\n"
                                          "  Die Projektdatei „Kaputt.xml“ konnte nicht gelesen"));
  // No progress of the single runs in between.
  EXPECT_THAT(result.strStderr, Not(HasSubstr("%")));
}

TEST_F(PlansInOneCallTest, PlansThatWouldShareAChartAreRefusedBeforeAnythingIsWritten) {
  std::filesystem::create_directory(quorvan_.Dir() / "a");
  std::filesystem::create_directory(quorvan_.Dir() / "b");
  const auto first = CopyExample("a/Plan.xml");
  const auto second = CopyExample("b/Plan.xml");
  const auto out = quorvan_.Dir() / "Diagramme";
  std::filesystem::create_directory(out);
  const auto result = quorvan_.Run(ShellQuote(first.string()) + " " + ShellQuote(second.string()) +
                                   " -o " + ShellQuote(out.string() + "/"));
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_THAT(result.strStderr,
              HasSubstr("ergäben dasselbe Diagramm „" + (out / "Plan.xls").string() + "“"));
  EXPECT_TRUE(std::filesystem::is_empty(out));
}

}  // namespace
