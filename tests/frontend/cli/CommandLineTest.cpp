// The command line of `quorvan`: help, version, and what it refuses, each with its exit status.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

#include "frontend/cli/QuorvanCommand.h"
#include "version/Version.h"

namespace {

using testing::HasSubstr;
using testing::MatchesRegex;
using testsupport::ShellQuote;

const std::string kPlan =
    ShellQuote((testsupport::FixturesDir() / "mspdi" / "mspdiresource.xml").string());

TEST(CommandLineTest, HelpAndVersionAnswerInGermanOnStdout) {
  clitest::QuorvanCommand quorvan;
  auto help = quorvan.Run("--help");
  EXPECT_EQ(help.intExitCode, 0);
  EXPECT_THAT(help.strStdout, HasSubstr("Aufruf: quorvan"));
  EXPECT_THAT(help.strStdout, HasSubstr("--dump-model"));
  EXPECT_THAT(help.strStdout, HasSubstr("Optionen:"));
  EXPECT_EQ(help.strStdout.find("Usage"), std::string::npos);
  EXPECT_EQ(help.strStderr, "");

  auto version = quorvan.Run("--version");
  EXPECT_EQ(version.intExitCode, 0);
  EXPECT_EQ(version.strStdout, "Quorvan " QUORVAN_VERSION_TEXT "\n");
  // The patch level in four digits: 1.1.53 is shown as 1.1.0053.
  EXPECT_THAT(version.strStdout, MatchesRegex("Quorvan [0-9]+\\.[0-9]+\\.[0-9]{4}\n"));
}

struct RefusedCase {
  std::string strArguments;
  std::string strMessage;
};

// Named by its arguments in the test listing.
void PrintTo(const RefusedCase& refused, std::ostream* os) {
  *os << "'" << refused.strArguments << "'";
}

class RefusedCommandLineTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedCommandLineTest, EndsWithStatus2AndAGermanMessageOnly) {
  clitest::QuorvanCommand quorvan;
  const auto result = quorvan.Run(GetParam().strArguments);
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_EQ(result.strStdout, "");
  EXPECT_THAT(result.strStderr, HasSubstr(GetParam().strMessage));
  for (const char* strEnglish : {"required", "not expected", "Run with", "Usage"}) {
    EXPECT_EQ(result.strStderr.find(strEnglish), std::string::npos) << result.strStderr;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedCommandLineTest,
    testing::Values(
        RefusedCase{"", "Es fehlt die Angabe PLAN."},
        RefusedCase{"--dump-model", "Es fehlt die Angabe PLAN."},
        RefusedCase{kPlan + " --dump-model --farbe rot", "Unbekanntes Argument: --farbe"},
        RefusedCase{kPlan + " " + kPlan + " --dump-model",
                    "--dump-model, --dump-plan und --save-defaults gelten nur für einen Plan."},
        RefusedCase{kPlan + " " + kPlan + " -o Diagramm.xlsx",
                    "Für mehrere Pläne nennt -o einen Ordner"},
        // Refused before the plan is read: the plan need not exist.
        RefusedCase{"/nirgends/Plan.xml -o Diagramm.pdf",
                    "„Diagramm.pdf“ kann nicht geschrieben werden: Diagramme werden als .xlsx "
                    "oder .xls gespeichert."},
        RefusedCase{"-o x.xlsx", "Es fehlt die Angabe PLAN."},
        // A file to be written needs a name: not a folder, not only an extension.
        RefusedCase{"/nirgends/Plan.xml -o .xlsx",
                    "-o: „.xlsx“ ist nur eine Endung; es fehlt der Dateiname (zum Beispiel "
                    "„Diagramm.xlsx“)."},
        // Another extension is refused for its format, not sent off to name the file.
        RefusedCase{"/nirgends/Plan.xml -o Ordner/.lor",
                    "„Ordner/.lor“ kann nicht geschrieben werden: Diagramme werden als .xlsx"},
        RefusedCase{"/nirgends/Plan.xml --svg /tmp",
                    "--svg: „/tmp“ ist ein Ordner; es fehlt der Dateiname (zum Beispiel "
                    "„/tmp/Diagramm.svg“)."},
        RefusedCase{"/nirgends/Plan.xml --png Bilder/.png", "--png: „Bilder/.png“ ist nur eine"},
        // Each picture is written in the format its option names, under exactly the name given.
        RefusedCase{"/nirgends/Plan.xml --pdf Q",
                    "--pdf: „Q“ endet nicht auf „.pdf“; --pdf schreibt eine PDF-Datei (zum "
                    "Beispiel „Q.pdf“)."},
        RefusedCase{"/nirgends/Plan.xml --svg u.png", "--svg: „u.png“ endet nicht auf „.svg“"},
        RefusedCase{"/nirgends/Plan.xml --png v.svg", "--png: „v.svg“ endet nicht auf „.png“"},
        RefusedCase{"/nirgends/Plan.xml -o w.xls --pdf w.xls",
                    "--pdf: „w.xls“ endet nicht auf „.pdf“"},
        RefusedCase{"/nirgends/Plan.xml --svg t.svg --png t.svg",
                    "--png: „t.svg“ endet nicht auf „.png“"},
        RefusedCase{"/nirgends/Plan.xml --png ''", "--png: Es fehlt der Dateiname"},
        // No chart of a batch is lost to another or written over one of its plans.
        RefusedCase{"/nirgends/a/Plan.xml /nirgends/b/Plan.xml -o /tmp/",
                    "Die Pläne „/nirgends/a/Plan.xml“ und „/nirgends/b/Plan.xml“ ergäben "
                    "dasselbe Diagramm „/tmp/Plan.xls“"},
        RefusedCase{"/nirgends/Plan.xml /nirgends/./Plan.xml",
                    "Die Pläne „/nirgends/Plan.xml“ und „/nirgends/./Plan.xml“ ergäben"},
        RefusedCase{"/nirgends/b/A.xml /nirgends/b/A.xls",
                    "Das Diagramm „/nirgends/b/A.xls“ des Plans „/nirgends/b/A.xml“ würde den "
                    "Projektplan „/nirgends/b/A.xls“ überschreiben."},
        RefusedCase{"--register --unregister",
                    "Diese Optionen schließen einander aus: --register und --unregister"}),
    [](const testing::TestParamInfo<RefusedCase>& info) {
      return "Case" + std::to_string(info.index);
    });

TEST(CommandLineTest, OutputThatCannotBeWrittenIsAFailure) {
  clitest::QuorvanCommand quorvan;
  for (const std::string& strArguments :
       {std::string("--version"), std::string("--help"), kPlan + " --dump-model"}) {
    const auto result = quorvan.Run(strArguments + " > /dev/full");
    EXPECT_EQ(result.intExitCode, 1) << strArguments;
    EXPECT_EQ(result.strStderr,
              "Die Ausgabe konnte nicht vollständig geschrieben werden (ist der Datenträger "
              "voll?).\n");
  }
}

class UnreadablePlanTest : public testing::Test {
 protected:
  clitest::QuorvanCommand quorvan_;

  void ExpectRefused(const std::filesystem::path& plan, const std::string& strDetail) {
    const auto result = quorvan_.Run(ShellQuote(plan.string()) + " --dump-model");
    EXPECT_EQ(result.intExitCode, 2);
    EXPECT_EQ(result.strStdout, "");
    EXPECT_THAT(result.strStderr,
                HasSubstr("„" + plan.filename().string() + "“ konnte nicht gelesen werden"));
    EXPECT_THAT(result.strStderr, HasSubstr(strDetail));
  }
};

TEST_F(UnreadablePlanTest, AMissingFileIsNamed) {
  ExpectRefused(quorvan_.Dir() / "Fehlt.xml", "nicht gefunden");
}

TEST_F(UnreadablePlanTest, AFileThatIsNotAPlanIsNamed) {
  testsupport::WriteFile(quorvan_.Dir() / "Notiz.xml", "Das ist kein Projektplan.\n");
  ExpectRefused(quorvan_.Dir() / "Notiz.xml", "");
  testsupport::WriteFile(quorvan_.Dir() / "Fremd.xml", "<?xml version=\"1.0\"?><Buch/>\n");
  ExpectRefused(quorvan_.Dir() / "Fremd.xml", "");
}

}  // namespace
