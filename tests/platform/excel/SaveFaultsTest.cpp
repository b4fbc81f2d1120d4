// Saving a chart's worth of workbook under faults: the process killed while it writes, a
// disk without room, several processes saving the same file at once, many saving into one
// folder at once. The workbook is built once; each save runs in a process of its own (forked),
// as a user's runs do.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "OpenpyxlReader.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "support/ChartShapes.h"
#include "support/TestSupport.h"

namespace excel {
namespace {

namespace fs = std::filesystem;
using testsupport::FolderListing;
using testsupport::ReadFile;
using testsupport::TempDir;

// A quarter of the largest plan the chart takes (20,000 tasks, 200 resources): the same kind
// of workbook and the same steps of saving, in a quarter of the time under the sanitizers.
constexpr int kTasks = 5000;
constexpr int kResources = 200;

// The task rows of a chart of kTasks tasks over kResources resources: the task's columns and
// its role symbols, joining lines and arrows, as the export draws them.
void DrawChart(Worksheet& sheet) {
  Shapes& shapes = sheet.Shapes();
  for (int row = 0; row < kTasks; ++row) {
    const std::int32_t lngRow = row + 6;
    sheet.Cells(lngRow, 1).Value("1." + std::to_string(row / 100 + 1) + "." +
                                 std::to_string(row % 100 + 1));
    sheet.Cells(lngRow, 3).Value("Vorgang " + std::to_string(row + 1));
    sheet.Cells(lngRow, 4).Value("Mo 02.03.26");
    sheet.Cells(lngRow, 5).Value("Fr 06.03.26");
    sheet.Cells(lngRow, 6).Value("5 Tage");
    testsupport::DrawChartRowShapes(shapes, row, kResources);
  }
}

// How a child process that saved ended.
struct Ending {
  bool blnKilled = false;  // by SIGKILL
  int intExitCode = -1;
  std::string strMessage;  // what the failed save said
};

// Runs body(i) for i = 0 … intProcesses - 1, each in a child process; the children wait at a
// gate that opens for all at once. Returns each child's exit code (-1: it did not end normally).
std::vector<int> RunAtOnce(int intProcesses, const std::function<int(int)>& body) {
  int gate[2];
  if (::pipe(gate) != 0) return {};
  std::vector<pid_t> children;
  for (int i = 0; i < intProcesses; ++i) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(gate[1]);
      char ch;
      [[maybe_unused]] const ssize_t cb = ::read(gate[0], &ch, 1);
      ::_exit(body(i));
    }
    children.push_back(pid);
  }
  ::close(gate[0]);
  ::close(gate[1]);
  std::vector<int> colCodes;
  for (const pid_t pid : children) {
    int intStatus = 0;
    const bool blnEnded = pid > 0 && ::waitpid(pid, &intStatus, 0) == pid && WIFEXITED(intStatus);
    colCodes.push_back(blnEnded ? WEXITSTATUS(intStatus) : -1);
  }
  return colCodes;
}

class SaveFaultsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    app_ = std::make_unique<Application>();
    app_->SheetsInNewWorkbook(1);
    book_ = &app_->Workbooks().Add();
    DrawChart(book_->Worksheets(1));
  }
  static void TearDownTestSuite() { app_.reset(); }

  // Saves the chart as target in a child process; before it saves, the child runs prepare.
  // A save that fails ends the child with 1 and its message.
  static Ending SaveInChild(const fs::path& target, const std::function<void()>& prepare = {},
                            const std::string& strA1 = "Kommunikationsdiagramm") {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = ::fork();
    if (pid == 0) {
      ::close(fds[0]);
      if (prepare) prepare();
      int intCode = 0;
      try {
        book_->Worksheets(1).Range("A1").Value(strA1);
        book_->SaveAs(target.string());
      } catch (const Error& e) {
        const std::string strMessage = e.what();
        [[maybe_unused]] const ssize_t cb = ::write(fds[1], strMessage.data(), strMessage.size());
        intCode = 1;
      }
      ::_exit(intCode);
    }
    ::close(fds[1]);
    Ending ending;
    char buf[4096];
    for (ssize_t cb; (cb = ::read(fds[0], buf, sizeof buf)) > 0;) ending.strMessage.append(buf, cb);
    ::close(fds[0]);
    int intStatus = 0;
    ::waitpid(pid, &intStatus, 0);
    ending.blnKilled = WIFSIGNALED(intStatus) && WTERMSIG(intStatus) == SIGKILL;
    if (WIFEXITED(intStatus)) ending.intExitCode = WEXITSTATUS(intStatus);
    return ending;
  }

  static std::unique_ptr<Application> app_;
  static Workbook* book_;
  TempDir dir_;
};

std::unique_ptr<Application> SaveFaultsTest::app_;
Workbook* SaveFaultsTest::book_ = nullptr;

TEST_F(SaveFaultsTest, AKilledSaveKeepsThePreviousWorkbookAndTheNextSaveLeavesNothingElse) {
  const fs::path target = dir_ / "Diagramm.xlsx";
  ASSERT_EQ(SaveInChild(dir_ / "Probe.xlsx").intExitCode, 0);
  const std::uintmax_t cbFile = fs::file_size(dir_ / "Probe.xlsx");  // of the save to be killed
  fs::remove(dir_ / "Probe.xlsx");
  ASSERT_EQ(SaveInChild(target, {}, "Vorige Fassung").intExitCode, 0);
  const std::string strPrevious = ReadFile(target);

  // Killed (SIGKILL) as the new file grows past a number of bytes: before the first byte, at
  // the first piece, halfway, one byte before its end.
  for (const std::uintmax_t cbKill :
       {std::uintmax_t{0}, std::uintmax_t{65536}, cbFile / 2, cbFile - 1}) {
    SCOPED_TRACE("killed at byte " + std::to_string(cbKill));
    const Ending ending = SaveInChild(target, [cbKill] {
      std::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
      const rlimit limit{cbKill, cbKill};
      ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    EXPECT_TRUE(ending.blnKilled) << ending.strMessage;
    EXPECT_EQ(ReadFile(target), strPrevious) << "the previous workbook, byte for byte";
  }
  EXPECT_GT(FolderListing(dir_.Path()).size(), 1u) << "the killed saves left their work behind";

  ASSERT_EQ(SaveInChild(target).intExitCode, 0);
  EXPECT_EQ(FolderListing(dir_.Path()), std::vector<std::string>{"Diagramm.xlsx"});
  EXPECT_EQ(exceltest::ReadWithOpenpyxl(target, "A1")["cells"]["A1"]["value"],
            "Kommunikationsdiagramm");
}

TEST_F(SaveFaultsTest, FourProcessesSavingTheSameFileLeaveOneWholeWorkbook) {
  const fs::path target = dir_ / "Diagramm.xlsx";
  const std::vector<int> colCodes = RunAtOnce(4, [&](int i) {
    try {
      book_->Worksheets(1).Range("A1").Value("Prozess " + std::to_string(i + 1));
      book_->SaveAs(target.string());
    } catch (const Error&) {
      return 1;
    }
    return 0;
  });
  EXPECT_EQ(colCodes, std::vector<int>(4, 0));

  EXPECT_EQ(FolderListing(dir_.Path()), std::vector<std::string>{"Diagramm.xlsx"});
  const std::string strLast = "F" + std::to_string(kTasks + 5);
  const auto read = exceltest::ReadWithOpenpyxl(target, "A1 " + strLast);
  EXPECT_TRUE(std::string(read["cells"]["A1"]["value"]).starts_with("Prozess ")) << read;
  EXPECT_EQ(read["cells"][strLast]["value"], "5 Tage");
}

TEST_F(SaveFaultsTest, ManyProcessesSavingIntoOneFolderAllSucceed) {
  // Each save tidies the folder of the save folders that dead saves left behind; a folder just
  // made by another save must not be taken for one of them. Small workbooks, so that the saves
  // of the processes overlap as often as they can.
  constexpr int kProcesses = 24;
  constexpr int kSaves = 12;
  const std::vector<int> colFailed = RunAtOnce(kProcesses, [&](int i) {
    int intFailed = 0;
    Application app;
    Workbook& book = app.Workbooks().Add();
    for (int n = 0; n < kSaves; ++n) {
      try {
        book.Worksheets(1).Range("A1").Value("Plan " + std::to_string(i) + "." + std::to_string(n));
        book.SaveAs((dir_ / ("Plan" + std::to_string(i) + (n % 2 ? ".xls" : ".xlsx"))).string());
      } catch (const Error& e) {
        ++intFailed;
        std::fprintf(stderr, "process %d, save %d: %s\n", i, n, e.what());
      }
    }
    return intFailed;
  });
  ASSERT_EQ(colFailed.size(), static_cast<std::size_t>(kProcesses));
  int intFailed = 0;
  for (const int intCode : colFailed) {
    ASSERT_GE(intCode, 0) << "a process did not end normally";
    intFailed += intCode;
  }
  EXPECT_EQ(intFailed, 0) << "saves that failed (their reasons above)";
  EXPECT_EQ(FolderListing(dir_.Path()).size(), 2u * kProcesses) << "nothing but the workbooks";
}

}  // namespace
}  // namespace excel
