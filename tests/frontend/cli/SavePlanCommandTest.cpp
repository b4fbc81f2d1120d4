// `quorvan PLAN --save-plan OUT.xml` on the real binary: the plan saved as read, alone or with
// a chart, and never over the plan or a project inserted into it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "frontend/cli/QuorvanCommand.h"
#include "support/PlanXml.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testsupport::ShellQuote;

class SavePlanCommandTest : public testing::Test {
 protected:
  clitest::QuorvanCommand quorvan_;
  fs::path saved_ = quorvan_.Dir() / "Gespeichert.xml";

  testsupport::CommandResult Run(const std::string& strArguments) {
    return quorvan_.Run(strArguments);
  }
  // The files of the test's folder but the registry's.
  std::vector<std::string> Files() {
    std::vector<std::string> colFiles = testsupport::FolderListing(quorvan_.Dir().Path());
    std::erase(colFiles, "HKCU.reg");
    return colFiles;
  }
  // What the host reads of a plan, without its file name.
  std::string Dump(const fs::path& plan) {
    const auto result = quorvan_.Run("--dump-plan " + ShellQuote(plan.string()));
    EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
    return result.strStdout.substr(result.strStdout.find('\n', result.strStdout.find("\"file\"")));
  }
};

TEST_F(SavePlanCommandTest, AnMppIsSavedAsXmlThatReadsAsTheSamePlanAndNoChartIsWritten) {
  const fs::path mpp = testsupport::FixturesDir() / "mpp" / "task-links-project2007-mpp12.mpp";
  const auto result = Run(ShellQuote(mpp.string()) + " --save-plan " + ShellQuote(saved_.string()));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStdout, "Der Plan wurde unter „" + saved_.string() + "“ gespeichert.\n");
  EXPECT_EQ(result.strStderr, "");
  EXPECT_EQ(Files(), std::vector<std::string>{"Gespeichert.xml"});
  EXPECT_EQ(Dump(saved_), Dump(mpp));
}

TEST_F(SavePlanCommandTest, AnXmlPlanIsSavedByteForByteBesideItsChart) {
  const fs::path plan = testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml";
  const fs::path chart = quorvan_.Dir() / "Diagramm.xlsx";
  const auto result = Run(ShellQuote(plan.string()) + " --save-plan " +
                          ShellQuote(saved_.string()) + " -o " + ShellQuote(chart.string()));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_TRUE(testsupport::ReadFile(saved_) == testsupport::ReadFile(plan));
  EXPECT_TRUE(fs::exists(chart));
}

TEST_F(SavePlanCommandTest, ThePlanItsInsertedProjectsAndWrongNamesAreRefused) {
  const fs::path plan = testsupport::PlanXml()
                            .Task("Entwurf")
                            .InsertedProject("Teil", "Teil.xml")
                            .Resource("Anna")
                            .Write(quorvan_.Dir(), "Plan.xml");
  const fs::path part =
      testsupport::PlanXml().Task("Teilaufgabe").Write(quorvan_.Dir(), "Teil.xml");
  const std::string strPlan = testsupport::ReadFile(plan);
  struct Refusal {
    std::string strArguments;
    int intExitCode;
    std::string strMessage;
  };
  const std::vector<Refusal> colRefusals{
      {"--save-plan " + ShellQuote(plan.string()), 2, "würde den Projektplan „Plan.xml“"},
      {"--save-plan " + ShellQuote(part.string()), 2, "würde das eingefügte Projekt „Teil.xml“"},
      {"--save-plan " + ShellQuote((quorvan_.Dir() / "fehlt" / "A.xml").string()), 1,
       "existiert nicht"},
      {"--save-plan " + ShellQuote((quorvan_.Dir() / "A.txt").string()), 1,
       "wird nicht unterstützt"},
      {"--save-plan " + ShellQuote(saved_.string()) + " --dump-plan", 2, "schließen einander aus"},
      {"--save-plan " + ShellQuote(saved_.string()) + " " + ShellQuote(part.string()), 2,
       "--save-plan gilt nur für einen Plan."},
  };
  for (const Refusal& refusal : colRefusals) {
    SCOPED_TRACE(refusal.strArguments);
    const auto result = Run(ShellQuote(plan.string()) + " " + refusal.strArguments);
    EXPECT_EQ(result.intExitCode, refusal.intExitCode);
    EXPECT_THAT(result.strStderr, HasSubstr(refusal.strMessage));
    EXPECT_EQ(Files(), (std::vector<std::string>{"Plan.xml", "Teil.xml"}));
    EXPECT_EQ(testsupport::ReadFile(plan), strPlan);
  }
}

}  // namespace
