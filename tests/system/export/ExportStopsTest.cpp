// How the export ends: written, replacing an older file, handed to a running engine, or broken
// off with its message when the target cannot be written or is held open.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "export/ChartExport.h"
#include "export/basExcelServer.h"
#include "platform/excel/Application.h"
#include "platform/forms/FrontEnd.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"
#include "system/export/TestPlan.h"

namespace {

using namespace exporttest;
namespace fs = std::filesystem;

constexpr const char* kTargetOpen =
    "Die Datei mit dem gewählten Dateinamen ist      \r\nmomentan in Excel geöffnet. Bitte "
    "schließen       \r\nSie zuerst die Datei.";

using Step = std::pair<float, std::string>;

class ExportStopsTest : public ::testing::Test {
 protected:
  ExportStopsTest() {
    WritePlan(dir_ / "Plan.xml",
              {Linked("Entwurf", "1", "Anna", {2}), Linked("Bau", "2", "Ben;Anna", {3}),
               Linked("Abnahme", "3", "Ben")},
              {{"Anna", "Leitung"}, {"Ben", "Technik"}});
    run_ = std::make_unique<ChartRun>(dir_ / "Plan.xml");
    // Every progress step lets the front end repaint: the display is recorded there.
    previous_ = forms::SetDoEventsHandler([this] {
      Step objStep{run_->Wizard().barProgress.Value(), run_->Wizard().lblProgress.Caption()};
      if (colSteps_.empty() || colSteps_.back() != objStep) colSteps_.push_back(objStep);
    });
  }
  ~ExportStopsTest() override { forms::SetDoEventsHandler(previous_); }

  // The one box shown, checked for the export's icon, button and title.
  std::string OnlyPrompt() {
    EXPECT_EQ(run_->Boxes().size(), 1U);
    if (run_->Boxes().empty()) return "";
    EXPECT_EQ(run_->Boxes()[0].intButtons, 48);
    EXPECT_EQ(run_->Boxes()[0].strTitle, "Quorvan");
    return run_->Boxes()[0].strPrompt;
  }

  void ExpectBrokenOff() {
    EXPECT_TRUE(run_->Builder().blnFastExit);
    ASSERT_GE(colSteps_.size(), 9U);
    const std::vector<Step> colLast(colSteps_.end() - 9, colSteps_.end());
    for (int i = 0; i < 9; ++i) {
      EXPECT_EQ(colLast[i], Step(static_cast<float>(20 + 10 * i), "Ausgabe wird beendet..."));
    }
    EXPECT_EQ(StartedExcelCount(), 0);
    EXPECT_EQ(run_->Builder().objXlApp, nullptr);
  }

  testsupport::TempDir dir_;
  std::unique_ptr<ChartRun> run_;
  std::vector<Step> colSteps_;
  forms::DoEventsHandler previous_;
};

TEST_F(ExportStopsTest, AWrittenChartShowsEveryProgressStepOfTheTableInOrder) {
  run_->Export(dir_ / "Chart.xlsx");
  EXPECT_FALSE(run_->Builder().blnFastExit);
  const std::string kSettingUp = "Diagramm wird eingerichtet...";
  const std::vector<Step> colExpected{
      {10, "Speicherort des Diagramms festlegen..."},
      {15, "Verbindung mit Excel herstellen..."},
      {20, "Verbindung zu Excel hergestellt..."},
      {25, "Header wird angelegt..."},
      {static_cast<float>(25 + 50.0 / 3), "Vorgang 1 von 3 wird angelegt..."},
      {static_cast<float>(25 + 100.0 / 3), "Vorgang 2 von 3 wird angelegt..."},
      {75, "Vorgang 3 von 3 wird angelegt..."},
      {80, "Kommunikationsnetz wird berechnet..."},
      {85, kSettingUp},
      {86, kSettingUp},
      {87, kSettingUp},
      {88, kSettingUp},
      {89, kSettingUp},
      {90, "Diagramm wird gespeichert..."},
      {95, "Excel wird beendet..."}};
  EXPECT_EQ(colSteps_, colExpected);
  EXPECT_TRUE(run_->Boxes().empty());
  EXPECT_EQ(StartedExcelCount(), 0);
}

TEST_F(ExportStopsTest, AnOlderFileIsReplacedAndNothingElseIsLeftInTheFolder) {
  testsupport::WriteFile(dir_ / "Chart.xlsx", "alt");
  run_->Export(dir_ / "Chart.xlsx");
  EXPECT_FALSE(run_->Builder().blnFastExit);
  EXPECT_EQ(testsupport::ReadFile(dir_ / "Chart.xlsx").substr(0, 2), "PK");
  std::vector<std::string> colNames;
  for (const auto& entry : fs::directory_iterator(dir_.Path())) {
    colNames.push_back(entry.path().filename().string());
  }
  std::sort(colNames.begin(), colNames.end());
  EXPECT_EQ(colNames, (std::vector<std::string>{"Chart.xlsx", "Plan.xml"}));
}

TEST_F(ExportStopsTest, AMissingFolderIsNamedInTheMessageAndBreaksTheExportOff) {
  const fs::path target = dir_ / "fehlt" / "Chart.xlsx";
  run_->Export(target);
  EXPECT_EQ(OnlyPrompt(), "Die Datei „" + target.string() +
                              "“ konnte nicht gespeichert werden.\r\nDer Ordner „" +
                              (dir_ / "fehlt").string() + "“ existiert nicht.");
  ExpectBrokenOff();
  EXPECT_FALSE(fs::exists(dir_ / "fehlt"));
}

TEST_F(ExportStopsTest, AReadOnlyFolderBreaksTheExportOffAndKeepsTheOldFile) {
  fs::path folder = dir_ / "schreibgeschützt";
  std::string strReason;
  if (::geteuid() == 0) {
    // Permissions do not bind the superuser; the kernel's own tree is read-only for everyone.
    folder = "/sys";
  } else {
    fs::create_directory(folder);
    testsupport::WriteFile(folder / "Chart.xlsx", "alt");
    ::chmod(folder.c_str(), 0555);
    strReason = "In den Ordner „" + folder.string() + "“ kann nicht geschrieben werden.";
  }
  const fs::path target = folder / "Chart.xlsx";
  run_->Export(target);
  const std::string strPrompt = OnlyPrompt();
  const std::string strStart =
      "Die Datei „" + target.string() + "“ konnte nicht gespeichert werden.\r\n";
  EXPECT_EQ(strPrompt.substr(0, strStart.size()), strStart);
  EXPECT_GT(strPrompt.size(), strStart.size()) << "no reason given";
  if (!strReason.empty()) {
    EXPECT_EQ(strPrompt, strStart + strReason);
    EXPECT_EQ(testsupport::ReadFile(target), "alt");
    ::chmod(folder.c_str(), 0755);
  } else {
    EXPECT_FALSE(fs::exists(target));
  }
  ExpectBrokenOff();
}

TEST_F(ExportStopsTest, ATargetThatAnotherProgramHoldsOpenIsRefusedAndLeftAsItWas) {
  // Excel's lock keeps Excel's message; LibreOffice's names the program, who holds the file
  // as far as the lock says, and the lock file, which a crashed LibreOffice leaves behind.
  struct Case {
    const char* strLock;
    const char* strContent;
    std::string strWho;  // LibreOffice's message between "geöffnet" and the full stop
  };
  const Case kCases[] = {
      {"~$Chart.xlsx",
       "\x04"
       "anna",
       ""},
      {".~lock.Chart.xlsx#", ",anna,rechner,08.12.2026 10:00,file:///home/anna/.config/lo;",
       ", von anna auf rechner seit 08.12.2026 10:00"},
      {".~lock.Chart.xlsx#", "Anna M\\, Bau,anna,rechner,08.12.2026 10:00,file:///x;",
       ", von Anna M, Bau auf rechner seit 08.12.2026 10:00"},
      {".~lock.Chart.xlsx#", "", ""},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.strLock) + " " + c.strContent);
    testsupport::TempDir folder;
    testsupport::WriteFile(folder / "Chart.xlsx", "alt");
    testsupport::WriteFile(folder / c.strLock, c.strContent);
    colSteps_.clear();
    run_.reset();
    run_ = std::make_unique<ChartRun>(dir_ / "Plan.xml");
    run_->Export(folder / "Chart.xlsx");
    if (std::string(c.strLock).starts_with("~$")) {
      EXPECT_EQ(OnlyPrompt(), kTargetOpen);
    } else {
      EXPECT_EQ(OnlyPrompt(),
                "Die Datei mit dem gewählten Dateinamen ist momentan in LibreOffice\r\ngeöffnet" +
                    c.strWho +
                    ". Bitte schließen Sie zuerst die Datei.\r\n\r\nIst sie nirgends mehr "
                    "geöffnet, löschen Sie die übrig gebliebene\r\nSperrdatei „" +
                    (folder / c.strLock).string() + "“.");
    }
    ExpectBrokenOff();
    // Nothing was drawn: the export went from connecting straight to its end.
    EXPECT_EQ(colSteps_.front(), Step(10, "Speicherort des Diagramms festlegen..."));
    EXPECT_EQ(colSteps_[1], Step(15, "Verbindung mit Excel herstellen..."));
    EXPECT_EQ(colSteps_.size(), 11U);
    EXPECT_EQ(testsupport::ReadFile(folder / "Chart.xlsx"), "alt");
  }
}

TEST_F(ExportStopsTest, WithoutAnEngineToReachTheExportSaysSoAndBreaksOff) {
  // As on a machine without Excel: nothing running, nothing to start.
  SetExcelStartable(false);
  run_->Export(dir_ / "Chart.xlsx");
  SetExcelStartable(true);
  // The blanks before the line break belong to the text.
  EXPECT_EQ(OnlyPrompt(),
            "Es konnte keine Verbindung zu Excel hergestellt      \r\nwerden. Excel ist "
            "vermutlich nicht installiert.");
  ExpectBrokenOff();
  EXPECT_EQ(colSteps_[1], Step(15, "Verbindung mit Excel herstellen..."));
  EXPECT_EQ(colSteps_.size(), 11U) << "nothing was drawn";
  EXPECT_FALSE(fs::exists(dir_ / "Chart.xlsx"));
}

TEST_F(ExportStopsTest, ARunningEngineKeepsTheSavedChartOpenAndIsShown) {
  excel::Application objUsers;
  RegisterRunningExcel(objUsers);
  run_->Export(dir_ / "Chart.xlsx");
  RevokeRunningExcel(objUsers);
  EXPECT_FALSE(run_->Builder().blnFastExit);
  EXPECT_TRUE(objUsers.Visible());
  EXPECT_EQ(objUsers.Cursor(), excel::xlDefault);
  ASSERT_EQ(objUsers.Workbooks().Count(), 1);
  excel::Workbook& objBook = objUsers.Workbooks().Item(1);
  EXPECT_EQ(objBook.FullName(), (dir_ / "Chart.xlsx").string());
  EXPECT_EQ(objBook.WorksheetCount(), 1);
  // The palette carries the chart's colours.
  EXPECT_EQ(objBook.Colors(40), kMilestoneColor);
  EXPECT_EQ(objBook.Colors(44), kProjectTaskColor);
  EXPECT_EQ(objBook.Colors(45), kSummaryColor);
  EXPECT_EQ(objBook.Colors(46), kTaskColor);
  EXPECT_EQ(objBook.Colors(53), kHeaderColor);
  EXPECT_EQ(objBook.Colors(36), kArrowColor);
  EXPECT_EQ(objBook.Colors(6), kShadowColor);
  EXPECT_EQ(objBook.Colors(43), kResponsibleColor);
  EXPECT_EQ(objBook.Colors(12), kParticipiantColor);
  EXPECT_EQ(objBook.Colors(52), kInformedColor);
  EXPECT_EQ(objBook.Colors(35), kShadowColor);
  EXPECT_EQ(StartedExcelCount(), 0);
  // The engine's setting for new workbooks is given back.
  EXPECT_EQ(objUsers.SheetsInNewWorkbook(), 3);
  EXPECT_NE(colSteps_.back().second, "Excel wird beendet...");
}

TEST_F(ExportStopsTest, ATargetOpenInTheRunningEngineIsRefusedAndTheEngineLeftAsItWas) {
  excel::Application objUsers;
  objUsers.Workbooks().Add().SaveAs((dir_ / "Chart.xlsx").string());
  const std::string strBefore = testsupport::ReadFile(dir_ / "Chart.xlsx");
  RegisterRunningExcel(objUsers);
  run_->Export(dir_ / "Chart.xlsx");
  RevokeRunningExcel(objUsers);
  EXPECT_EQ(OnlyPrompt(), kTargetOpen);
  ExpectBrokenOff();
  EXPECT_EQ(objUsers.Workbooks().Count(), 1);
  EXPECT_FALSE(objUsers.Visible());
  EXPECT_EQ(testsupport::ReadFile(dir_ / "Chart.xlsx"), strBefore);
}

TEST_F(ExportStopsTest, TheProgressGoesToTheSinkItIsGivenAndIsRepaintedAtEveryStep) {
  // A sink of its own, as the command line's: the wizard's label stays as it was.
  struct Recorder : ProgressSink {
    std::vector<std::string> colTexts;
    int intEnded = 0;
    void Progress(double, const std::string& strText) override { colTexts.push_back(strText); }
    void ExportEnded() override { ++intEnded; }
  } sink;
  int intRepaints = 0;
  forms::SetDoEventsHandler([&] { ++intRepaints; });
  const std::string strLabel = run_->Wizard().lblProgress.Caption();
  ChartExport objExport(run_->Builder(), (dir_ / "Chart.xlsx").string(), sink);
  objExport.Run();
  forms::SetDoEventsHandler(nullptr);
  EXPECT_FALSE(run_->Builder().blnFastExit);
  ASSERT_FALSE(sink.colTexts.empty());
  EXPECT_EQ(sink.colTexts.front(), "Speicherort des Diagramms festlegen...");
  EXPECT_NE(
      std::find(sink.colTexts.begin(), sink.colTexts.end(), "Vorgang 2 von 3 wird angelegt..."),
      sink.colTexts.end());
  EXPECT_GE(intRepaints, static_cast<int>(sink.colTexts.size()));
  EXPECT_EQ(sink.intEnded, 1);
  EXPECT_EQ(run_->Wizard().lblProgress.Caption(), strLabel);
  EXPECT_TRUE(std::filesystem::exists(dir_ / "Chart.xlsx"));
}

}  // namespace
