// `quorvan PLAN.xml --pdf/--svg/--png` on the real binary: the chart built once and written in
// every form asked for, with or without the workbook, and the options and targets refused.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>

#include "frontend/cli/QuorvanCommand.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using testsupport::ShellQuote;

class PicturesTest : public testing::Test {
 protected:
  void SetUp() override {
    fs::copy_file(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml", plan_);
  }
  testsupport::CommandResult Run(const std::string& strMore) {
    return quorvan_.Run(ShellQuote(plan_.string()) + " " + strMore);
  }
  std::string Path(const std::string& strName) { return ShellQuote((Dir() / strName).string()); }
  const fs::path& Dir() const { return quorvan_.Dir().Path(); }
  // The files of the folder besides the plan and the registry.
  std::vector<std::string> Written() const {
    std::vector<std::string> colNames;
    for (const auto& entry : fs::directory_iterator(Dir())) {
      const std::string strName = entry.path().filename().string();
      if (strName != "Markteinfuehrung.xml" && strName.rfind("HKCU", 0) != 0)
        colNames.push_back(strName);
    }
    std::sort(colNames.begin(), colNames.end());
    return colNames;
  }

  clitest::QuorvanCommand quorvan_;
  fs::path plan_ = quorvan_.Dir() / "Markteinfuehrung.xml";
};

// The width and height that a PNG file's header gives.
std::pair<int, int> PngSize(const fs::path& png) {
  const std::string strData = testsupport::ReadFile(png);
  auto big = [&](std::size_t at) {
    return (static_cast<unsigned char>(strData[at]) << 24) |
           (static_cast<unsigned char>(strData[at + 1]) << 16) |
           (static_cast<unsigned char>(strData[at + 2]) << 8) |
           static_cast<unsigned char>(strData[at + 3]);
  };
  if (strData.size() < 24 || strData.compare(1, 3, "PNG") != 0) return {0, 0};
  return {big(16), big(20)};
}

TEST_F(PicturesTest, WithoutOutputOnlyThePicturesAreWrittenEachFromTheSameChart) {
  const auto result = Run("--pdf " + Path("Diagramm.pdf") + " --svg " + Path("Diagramm.svg") +
                          " --png " + Path("Diagramm.png") + " --dpi 72");
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  // The chart is built once: one run of the wizard's progress.
  const std::regex rxSaving("Diagramm wird gespeichert");
  EXPECT_EQ(std::distance(
                std::sregex_iterator(result.strStderr.begin(), result.strStderr.end(), rxSaving),
                std::sregex_iterator()),
            1);
  EXPECT_EQ(Written(), (std::vector<std::string>{"Diagramm.pdf", "Diagramm.png", "Diagramm.svg"}));

  const auto info = testsupport::RunCommand("pdfinfo " + Path("Diagramm.pdf"));
  EXPECT_THAT(info.strStdout, HasSubstr("Pages:           1\n"));
  EXPECT_EQ(PngSize(Dir() / "Diagramm.png"), std::make_pair(842, 595));  // A4 landscape, 72 dpi
  EXPECT_THAT(testsupport::ReadFile(Dir() / "Diagramm.svg"), HasSubstr("<svg"));
}

TEST_F(PicturesTest, QtsNotesForWindowsDoNotReachTheTerminal) {
  // Without a runtime folder, as under cron or ssh: the offscreen platform needs none.
  const auto result = testsupport::RunCommand(
      "unset XDG_RUNTIME_DIR; QUORVAN_REGISTRY=" + ShellQuote(quorvan_.RegistryFile().string()) +
      " " + ShellQuote((testsupport::BinaryDir() / "quorvan").string()) + " " +
      ShellQuote(plan_.string()) + " --png " + Path("Bild.png") + " --dpi 10");
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStderr.find("QStandardPaths"), std::string::npos) << result.strStderr;
}

TEST_F(PicturesTest, WithOutputTheWorkbookIsWrittenBesideThePicture) {
  const auto result = Run("-o " + Path("Diagramm.xlsx") + " --png " + Path("Bild.png"));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(Written(), (std::vector<std::string>{"Bild.png", "Diagramm.xlsx"}));
  EXPECT_EQ(PngSize(Dir() / "Bild.png"), std::make_pair(1754, 1240));  // 150 dpi by default
}

TEST_F(PicturesTest, RefusedOptionsAndTargetsSayWhyInGerman) {
  struct Case {
    std::string strArguments;
    int intExitCode;
    std::string strMessage;
  };
  const std::vector<Case> colCases{
      {"--png x.png --dpi 5", 2, "Die Auflösung muss zwischen 10 und 2400 dpi liegen."},
      {"--dump-model --pdf x.pdf", 2, "Mit --dump-model wird kein Diagramm geschrieben"},
      {"--pdf " + Path("fehlt/Diagramm.pdf"), 1, "existiert nicht."},
      {"--svg " + Path("Diagramm.gif"), 2, "endet nicht auf „.svg“"},
  };
  for (const Case& c : colCases) {
    const auto result = Run(c.strArguments);
    EXPECT_EQ(result.intExitCode, c.intExitCode) << c.strArguments << "\n" << result.strStderr;
    EXPECT_THAT(result.strStderr, HasSubstr(c.strMessage)) << c.strArguments;
  }
  EXPECT_TRUE(Written().empty());
}

TEST_F(PicturesTest, TwoOutputsThatAreOneFileAreRefusedBeforeAnythingIsWritten) {
  // The workbook's name is a link to the PDF: one of the two would be lost.
  testsupport::WriteFile(Dir() / "Bild.pdf", "alt");
  fs::create_symlink(Dir() / "Bild.pdf", Dir() / "Bild.xlsx");
  const auto result = Run("-o " + Path("Bild.xlsx") + " --pdf " + Path("Bild.pdf"));
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_THAT(result.strStderr, HasSubstr("nennen dieselbe Datei"));
  EXPECT_EQ(testsupport::ReadFile(Dir() / "Bild.pdf"), "alt");
  EXPECT_EQ(Written(), (std::vector<std::string>{"Bild.pdf", "Bild.xlsx"}));
}

}  // namespace
