// Saving: the format by extension, the refusals before anything is written, the atomic
// replacement, and the files other programs hold open.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>

#include "OpenpyxlReader.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Font.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace excel {
namespace {

namespace fs = std::filesystem;
using testsupport::FolderListing;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

// Expects the call to throw excel::Error with a description containing strPart.
template <class Call>
void ExpectRefused(Call&& call, const std::string& strPart) {
  try {
    call();
    ADD_FAILURE() << "not refused; expected: " << strPart;
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find(strPart), std::string::npos) << e.what();
  }
}

class SaveAsTest : public ::testing::Test {
 protected:
  SaveAsTest() {
    app.SheetsInNewWorkbook(1);
    book = &app.Workbooks().Add();
    book->Worksheets(1).Range("A1").Value("Inhalt");
  }
  Application app;
  Workbook* book;
  TempDir dir;
};

TEST_F(SaveAsTest, ANameNotEndingInXlsxIsSavedAsAnExcel97WorkbookUnderExactlyThatName) {
  // As the spreadsheet program saves a new workbook under any name in its default format.
  const std::vector<std::string> colNames = {"Stand 05.03",  "Diagramm.alt",
                                             "Diagramm",     "Diagramm.xlsx.bak",
                                             "Diagramm.XLS", "D." + std::string(253, 'x')};
  for (const std::string& strName : colNames) {
    SCOPED_TRACE(strName);
    ASSERT_NO_THROW(book->SaveAs((dir / strName).string()));
    EXPECT_EQ(book->FullName(), (dir / strName).string());
    const auto read = testsupport::RunPythonCode(
        "import sys, xlrd\n"
        "print(xlrd.open_workbook(sys.argv[1]).sheet_by_index(0).cell_value(0, 0))",
        {(dir / strName).string()});
    EXPECT_EQ(read.intExitCode, 0) << read.strStderr;
    EXPECT_EQ(read.strStdout, "Inhalt\n");
  }
  ASSERT_NO_THROW(book->SaveAs((dir / "Groß.XLSX").string())) << "the extension in any case";
  EXPECT_EQ(exceltest::ReadWithOpenpyxl(dir / "Groß.XLSX", "A1")["cells"]["A1"]["value"], "Inhalt");
  std::vector<std::string> colSaved = colNames;
  colSaved.push_back("Groß.XLSX");
  std::sort(colSaved.begin(), colSaved.end());
  EXPECT_EQ(FolderListing(dir.Path()), colSaved) << "nothing else is left";
}

TEST_F(SaveAsTest, AMissingOrUnwritableFolderIsRefused) {
  ExpectRefused([&] { book->SaveAs((dir / "fehlt" / "Diagramm.xlsx").string()); },
                "existiert nicht");
  WriteFile(dir / "Datei", "x");
  ExpectRefused([&] { book->SaveAs((dir / "Datei" / "Diagramm.xlsx").string()); },
                "existiert nicht");
  // /proc/1 is a folder that nobody, root included, can write into.
  ExpectRefused([&] { book->SaveAs("/proc/1/Diagramm.xlsx"); }, "kann nicht geschrieben werden");
  fs::create_directory(dir / "Ordner.xlsx");
  ExpectRefused([&] { book->SaveAs((dir / "Ordner.xlsx").string()); }, "ist ein Ordner");
}

TEST_F(SaveAsTest, ATargetHeldOpenByAnotherProgramIsRefusedAndKept) {
  const fs::path target = dir / "Plan.xlsx";
  WriteFile(target, "alt");
  WriteFile(dir / ".~lock.Plan.xlsx#", ",anna,rechner,08.12.2026 10:00,file:///home/anna/.config;");
  ExpectRefused([&] { book->SaveAs(target.string()); }, "in einem anderen Programm geöffnet");
  EXPECT_EQ(ReadFile(target), "alt");
  fs::remove(dir / ".~lock.Plan.xlsx#");
  WriteFile(dir / "~$Plan.xlsx", "anna");
  ExpectRefused([&] { book->SaveAs(target.string()); }, "in einem anderen Programm geöffnet");
  EXPECT_EQ(ReadFile(target), "alt");
  fs::remove(dir / "~$Plan.xlsx");
  EXPECT_NO_THROW(book->SaveAs(target.string()));
}

TEST_F(SaveAsTest, TheNameOfAnotherOpenWorkbookIsRefused) {
  Workbook& other = app.Workbooks().Add();
  other.SaveAs((dir / "Plan.xlsx").string());
  const std::string before = ReadFile(dir / "Plan.xlsx");
  ExpectRefused([&] { book->SaveAs((dir / "Plan.xlsx").string()); }, "anderen geöffneten Mappe");
  EXPECT_EQ(ReadFile(dir / "Plan.xlsx"), before);
  other.Close();
  EXPECT_NO_THROW(book->SaveAs((dir / "Plan.xlsx").string()));
}

TEST_F(SaveAsTest, ALargeSheetIsStreamedWhole) {
  // Far more than one piece of the streamed worksheet part.
  Worksheet& sheet = book->Worksheets(1);
  for (std::int32_t r = 1; r <= 2000; ++r) {
    for (std::int32_t c = 1; c <= 30; c += 3) {
      sheet.Cells(r, c).Value("Zelle " + std::to_string(r) + "/" + std::to_string(c));
    }
    sheet.Range(sheet.Cells(r, 1), sheet.Cells(r, 30)).Font().Size(8 + r % 5);
  }
  const fs::path target = dir / "Gross.xlsx";
  book->SaveAs(target.string());
  auto read = exceltest::ReadWithOpenpyxl(target, "A1 AB2000 AD1999 J1000");
  ASSERT_TRUE(read.contains("cells"));
  EXPECT_EQ(read["sheets"][0]["maxRow"], 2000);
  EXPECT_EQ(read["sheets"][0]["maxColumn"], 30);
  EXPECT_EQ(read["cells"]["A1"]["value"], "Zelle 1/1");
  EXPECT_EQ(read["cells"]["AB2000"]["value"], "Zelle 2000/28");
  EXPECT_EQ(read["cells"]["AD1999"]["fontSize"], 8 + 1999 % 5);
  EXPECT_EQ(read["cells"]["J1000"]["value"], "Zelle 1000/10");
}

TEST_F(SaveAsTest, ReplacesTheTargetAndLeavesNoTemporaryFile) {
  const fs::path target = dir / "Plan.xlsx";
  WriteFile(target, "alt");
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const bool blnOwnerGiven = ::chown(target.c_str(), 1234, 1234) == 0;  // where the test may
  book->SaveAs(target.string());
  EXPECT_EQ(exceltest::ReadWithOpenpyxl(target, "A1")["cells"]["A1"]["value"], "Inhalt");
  EXPECT_EQ(FolderListing(dir.Path()), std::vector<std::string>{"Plan.xlsx"});
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read)
      << "the replaced file's permissions are kept";
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  if (blnOwnerGiven) {
    EXPECT_EQ(st.st_uid, 1234u) << "and its owner";
  }
  EXPECT_EQ(book->FullName(), target.string());
  EXPECT_EQ(book->Name(), "Plan.xlsx");

  // A new file gets the permissions of any new file.
  mode_t mask = ::umask(022);
  book->SaveAs((dir / "Neu.xlsx").string());
  ::umask(mask);
  EXPECT_EQ(fs::status(dir / "Neu.xlsx").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                fs::perms::others_read);
}

TEST_F(SaveAsTest, ALinkIsSavedThroughAndStaysALink) {
  fs::create_directory(dir / "Ablage");
  WriteFile(dir / "Ablage" / "Plan.xlsx", "alt");
  fs::create_symlink("Ablage/Plan.xlsx", dir / "Plan.xlsx");
  book->SaveAs((dir / "Plan.xlsx").string());
  EXPECT_TRUE(fs::is_symlink(dir / "Plan.xlsx"));
  EXPECT_EQ(exceltest::ReadWithOpenpyxl(dir / "Ablage" / "Plan.xlsx", "A1")["cells"]["A1"]["value"],
            "Inhalt");
  EXPECT_EQ(FolderListing(dir / "Ablage"), std::vector<std::string>{"Plan.xlsx"});
}

TEST_F(SaveAsTest, AFailedWriteRemovesTheTemporaryFileAndKeepsTheOldOne) {
  // A workbook far larger than the room the child process gets.
  Worksheet& sheet = book->Worksheets(1);
  for (std::int32_t r = 1; r <= 3000; ++r) {
    sheet.Range(sheet.Cells(r, 1), sheet.Cells(r, 30)).Font().Size(8 + r % 7);
    sheet.Cells(r, 1).Value("Zeile " + std::to_string(r * 7919));
  }
  struct Row {
    const char* strCase;
    fs::path folder;
    std::function<void()> limitChild;
    const char* strReason;  // what the refusal says, in German
  };
  const std::vector<Row> rows = {
      {"a file size limit", dir.Path(),
       [] {
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{4096, 4096};
         ::setrlimit(RLIMIT_FSIZE, &limit);
       },
       "Die Datei wird größer, als das System einem Programm erlaubt; die bisherige Datei ist "
       "unverändert."},
      {"a full disk (16 KiB)",
       dir / "Platte",
       {},
       "Auf dem Datenträger ist kein Platz mehr frei; die bisherige Datei ist unverändert."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.strCase);
    fs::create_directories(row.folder);
    if (row.folder != dir.Path() &&
        ::mount("tmpfs", row.folder.c_str(), "tmpfs", 0, "size=16k") != 0) {
      GTEST_LOG_(INFO) << "no tmpfs can be mounted here; " << row.strCase << " is not tried";
      continue;
    }
    // Unmounted however the case ends.
    const std::unique_ptr<const fs::path, void (*)(const fs::path*)> mounted(
        row.folder != dir.Path() ? &row.folder : nullptr,
        [](const fs::path* folder) { ::umount2(folder->c_str(), MNT_DETACH); });
    const fs::path target = row.folder / "Plan.xlsx";
    WriteFile(target, "alt");
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      if (row.limitChild) row.limitChild();
      std::string strMessage = "not refused";
      try {
        book->SaveAs(target.string());
      } catch (const Error& e) {
        strMessage = e.what();
      }
      [[maybe_unused]] const ssize_t cb = ::write(fds[1], strMessage.data(), strMessage.size());
      ::_exit(0);
    }
    ::close(fds[1]);
    std::string strMessage;
    char buf[1024];
    for (ssize_t cb; (cb = ::read(fds[0], buf, sizeof buf)) > 0;) strMessage.append(buf, cb);
    ::close(fds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_EQ(strMessage, row.strReason);
    EXPECT_EQ(ReadFile(target), "alt");
    EXPECT_EQ(FolderListing(row.folder), std::vector<std::string>{"Plan.xlsx"});
  }
}

TEST_F(SaveAsTest, AReadOnlyFileIsRefusedAndKept) {
  WriteFile(dir / "Plan.xlsx", "alt");
  fs::permissions(dir / "Plan.xlsx",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::create_symlink(dir / "Plan.xlsx", dir / "Verknüpfung.xlsx");
  for (const char* name : {"Plan.xlsx", "Verknüpfung.xlsx"}) {
    ExpectRefused([&] { book->SaveAs((dir / name).string()); },
                  "„" + (dir / "Plan.xlsx").string() + "“ ist schreibgeschützt");
  }
  EXPECT_EQ(ReadFile(dir / "Plan.xlsx"), "alt");
  EXPECT_EQ(FolderListing(dir.Path()), (std::vector<std::string>{"Plan.xlsx", "Verknüpfung.xlsx"}));
}

TEST_F(SaveAsTest, NamesUpToTheLongestTheFileSystemTakesAreSaved) {
  for (const std::size_t cchName : {245u, 255u}) {
    const std::string strName = std::string(cchName - 5, 'D') + ".xlsx";
    EXPECT_NO_THROW(book->SaveAs((dir / strName).string())) << cchName;
    EXPECT_EQ(FolderListing(dir.Path()), std::vector<std::string>{strName});
    fs::remove(dir / strName);
  }
}

TEST_F(SaveAsTest, FilesHeldOpenInAWatchedFolderAreListedAmongTheWorkbooks) {
  app.WatchFolder(dir.Path());
  WriteFile(dir / ".~lock.Plan.xlsx#", "x");
  WriteFile(dir / "~$Bericht.xlsx", "x");
  WriteFile(dir / "Plan.xlsx", "x");
  std::vector<std::string> names;
  for (Workbook& workbook : app.Workbooks()) names.push_back(workbook.FullName());
  EXPECT_EQ(names, (std::vector<std::string>{"Mappe1", (dir / "Bericht.xlsx").string(),
                                             (dir / "Plan.xlsx").string()}));
  Workbook& held = app.Workbooks().Item(3);
  EXPECT_TRUE(held.IsHeldByOtherProgram());
  ExpectRefused([&] { held.Worksheets(1); }, "in einem anderen Programm geöffnet");
  fs::remove(dir / ".~lock.Plan.xlsx#");
  EXPECT_EQ(app.Workbooks().Count(), 2) << "the listing is looked up afresh";
}

TEST_F(SaveAsTest, TheFolderSavedToIsWatched) {
  TempDir other;
  book->SaveAs((other / "Eigen.xlsx").string());
  WriteFile(other / ".~lock.Fremd.xlsx#", "x");
  WriteFile(other / ".~lock.Eigen.xlsx#", "x");
  std::vector<std::string> names;
  for (Workbook& workbook : app.Workbooks()) names.push_back(workbook.FullName());
  EXPECT_EQ(names, (std::vector<std::string>{(other / "Eigen.xlsx").string(),
                                             (other / "Fremd.xlsx").string()}))
      << "a workbook of our own is listed once";
}

TEST_F(SaveAsTest, TheStagesOfEachSaveAreToldInOrderAndTheEndAlsoAfterAFailure) {
  std::vector<std::string> colStages;
  app.OnSaveStage([&](std::string_view strStage) { colStages.emplace_back(strStage); });
  book->SaveAs((dir / "Stufen.xls").string());
  EXPECT_EQ(colStages, (std::vector<std::string>{"view", "strings and styles", "records",
                                                 "compound file", "flush and rename", ""}));
  colStages.clear();
  book->SaveAs((dir / "Stufen.xlsx").string());
  EXPECT_EQ(colStages, (std::vector<std::string>{"view", "styles", "parts (xml and deflate)",
                                                 "zip archive", "flush and rename", ""}));
  colStages.clear();
  EXPECT_THROW(book->SaveAs((dir / "fehlt" / "Stufen.xlsx").string()), Error);
  ASSERT_FALSE(colStages.empty());
  EXPECT_EQ(colStages.back(), "") << "a failed save ends its stages too";
}

}  // namespace
}  // namespace excel
