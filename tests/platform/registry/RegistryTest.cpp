#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/registry/HiveFile.h"
#include "platform/registry/Registry.h"
#include "platform/registry/ScopedRegistryFile.h"
#include "support/TestSupport.h"

namespace {

using namespace registry;
namespace fs = std::filesystem;

constexpr const char* kColors = "Software\\Tevrana\\Quorvan\\Colors";
constexpr const char* kSettings = "Software\\Tevrana\\Quorvan\\Settings";

struct Query {
  LONG lngResult = -1;
  DWORD dwType = 0;
  DWORD cbData = 0;
  std::string strData;  // the bytes returned
};

// Opens the key, queries the value into a buffer of cbBuffer bytes, closes the key.
Query QueryValue(const char* strKey, const char* strName, DWORD cbBuffer = 1024) {
  Query q;
  HKEY hKey = nullptr;
  q.lngResult = RegOpenKeyExA(HKEY_CURRENT_USER, strKey, 0, 0x2003F, &hKey);
  if (q.lngResult != ERROR_SUCCESS) return q;
  std::vector<BYTE> buffer(cbBuffer, 0);
  q.cbData = cbBuffer;
  q.lngResult = RegQueryValueExA(hKey, strName, nullptr, &q.dwType, buffer.data(), &q.cbData);
  if (q.lngResult == ERROR_SUCCESS) q.strData.assign(buffer.begin(), buffer.begin() + q.cbData);
  EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
  return q;
}

LONG SetText(const char* strKey, const char* strName, const std::string& strValue) {
  HKEY hKey = nullptr;
  LONG lngResult =
      RegCreateKeyExA(HKEY_CURRENT_USER, strKey, 0, nullptr, 0, 0x2003F, nullptr, &hKey, nullptr);
  if (lngResult != ERROR_SUCCESS) return lngResult;
  lngResult =
      RegSetValueExA(hKey, strName, 0, REG_SZ, reinterpret_cast<const BYTE*>(strValue.c_str()),
                     static_cast<DWORD>(strValue.size() + 1));
  RegCloseKey(hKey);
  return lngResult;
}

std::string Sz(const std::string& strText) {
  return strText + '\0';
}

// Every entry of the folder with what it holds: a file's bytes and permission bits, a link's
// target.
std::map<std::string, std::string> FolderContents(const fs::path& folder) {
  std::map<std::string, std::string> contents;
  for (const auto& entry : fs::directory_iterator(folder)) {
    std::string& strWhat = contents[entry.path().filename().string()];
    if (entry.is_symlink()) {
      strWhat = "-> " + fs::read_symlink(entry.path()).string();
    } else if (entry.is_regular_file()) {
      strWhat = std::to_string(static_cast<int>(entry.status().permissions())) + " " +
                testsupport::ReadFile(entry.path());
    }
  }
  return contents;
}

class RegistryTest : public ::testing::Test {
 protected:
  testsupport::ScopedRegistryFile file_;
};

TEST_F(RegistryTest, ReadsEveryValueOfTheEditorsExport) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  struct Row {
    const char* strKey;
    const char* strName;
    LONG lngResult;
    DWORD dwType;
    std::string strData;
  };
  const std::string strDword5("\x05\0\0\0", 4);
  const std::string strBinary("\x01\0\0\0", 4);
  const std::vector<Row> rows = {
      {kColors, "ColorHeader", ERROR_SUCCESS, REG_SZ, Sz("14737632")},
      {kColors, "ColorTasksSubproject", ERROR_SUCCESS, REG_SZ, Sz("255")},
      {kColors, "ColorTasksSummary", ERROR_SUCCESS, REG_SZ, Sz("abc")},
      {kColors, "ColorTasksTask", ERROR_SUCCESS, REG_SZ, Sz("12.6")},
      {kColors, "ColorTasksMilestone", ERROR_SUCCESS, REG_SZ, Sz("8421504")},
      {kColors, "ColorArrow", ERROR_FILE_NOT_FOUND, 0, ""},
      {kColors, "ColorArrowShadow", ERROR_SUCCESS, REG_SZ, Sz("")},
      {kColors, "ColorSymbolInformed", ERROR_SUCCESS, REG_SZ, Sz("65535")},
      {"Software\\Tevrana\\Quorvan\\Shadows", "ShadowArrow", ERROR_SUCCESS, REG_SZ, Sz("1")},
      {"Software\\Tevrana\\Quorvan\\Shadows", "ShadowSymbols", ERROR_SUCCESS, REG_SZ, Sz("Ja")},
      {kSettings, "FieldResponsible", ERROR_SUCCESS, REG_SZ, Sz("Text11")},
      {kSettings, "FieldParticipiant", ERROR_SUCCESS, REG_SZ, Sz("Number3")},
      {kSettings, "FieldInformed", ERROR_SUCCESS, REG_SZ, Sz("Enterprise-Text40")},
      {kSettings, "FieldTargets", ERROR_MORE_DATA, REG_SZ, ""},
      {kSettings, "FieldDesc", ERROR_SUCCESS, REG_EXPAND_SZ, Sz("Text26")},
      {kSettings, "UseFieldStatus", ERROR_SUCCESS, REG_SZ, Sz("0")},
      {kSettings, "UseFieldDesc", ERROR_SUCCESS, REG_SZ, Sz("2")},
      {kSettings, "UseFieldStart", ERROR_SUCCESS, REG_DWORD, strDword5},
      {kSettings, "UseFieldFinish", ERROR_SUCCESS, REG_BINARY, strBinary},
      {kSettings, "ArrowLineWeight", ERROR_SUCCESS, REG_SZ, Sz("1,75")},
      {kSettings, "ArrowEndSize", ERROR_SUCCESS, REG_SZ, Sz("Mittel")},
      {kSettings, "GroupTasks", ERROR_SUCCESS, REG_SZ, Sz("0")},
      {kSettings, "FreezePanes", ERROR_FILE_NOT_FOUND, 0, ""},
      {kSettings, "ColumnWidthRessources", ERROR_SUCCESS, REG_SZ, Sz(" ")},
      {kSettings, "RowHeightTasks", ERROR_SUCCESS, REG_SZ, Sz("40")},
      {"Software\\VB and VBA Program Settings\\Quorvan\\Settings", "DisplayOnConnect",
       ERROR_SUCCESS, REG_SZ, Sz("1")},
  };
  for (const Row& row : rows) {
    const Query q = QueryValue(row.strKey, row.strName);
    EXPECT_EQ(q.lngResult, row.lngResult) << row.strName;
    if (row.lngResult != ERROR_FILE_NOT_FOUND) {
      EXPECT_EQ(q.dwType, row.dwType) << row.strName;
    }
    if (row.lngResult == ERROR_SUCCESS) {
      EXPECT_EQ(q.strData, row.strData) << row.strName;
    }
  }
}

TEST_F(RegistryTest, ReportsTheSizeNeededWhenTheBufferIsTooSmall) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  HKEY hKey = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettings, 0, KEY_READ, &hKey), ERROR_SUCCESS);
  std::vector<BYTE> buffer(1024, 0);
  DWORD cbData = 1024;
  DWORD dwType = 0;
  EXPECT_EQ(RegQueryValueExA(hKey, "FieldTargets", nullptr, &dwType, buffer.data(), &cbData),
            ERROR_MORE_DATA);
  EXPECT_EQ(cbData, 1107u);  // 1,106 characters and the terminating zero
  EXPECT_EQ(buffer[0], 0);   // the caller's buffer is left alone

  // Without a buffer only type and size come back.
  cbData = 0;
  EXPECT_EQ(RegQueryValueExA(hKey, "FieldDesc", nullptr, &dwType, nullptr, &cbData), ERROR_SUCCESS);
  EXPECT_EQ(dwType, REG_EXPAND_SZ);
  EXPECT_EQ(cbData, 7u);
  // A data pointer without a size is refused.
  EXPECT_EQ(RegQueryValueExA(hKey, "FieldDesc", nullptr, nullptr, buffer.data(), nullptr),
            ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
}

TEST_F(RegistryTest, FindsKeysAndValuesWhateverTheirLetterCase) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  const Query q = QueryValue("SOFTWARE\\tevrana\\QUORVAN\\settings", "fieldresponsible");
  EXPECT_EQ(q.lngResult, ERROR_SUCCESS);
  EXPECT_EQ(q.strData, Sz("Text11"));
}

TEST_F(RegistryTest, MissingFileMeansNoKeys) {
  HKEY hKey = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettings, 0, KEY_READ, &hKey), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(hKey, nullptr);
  EXPECT_FALSE(std::filesystem::exists(file_.Path()));  // reading creates nothing
}

TEST_F(RegistryTest, CreatesMissingKeysAndKeepsUtf8Text) {
  HKEY hKey = nullptr;
  DWORD dwDisposition = 0;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettings, 0, nullptr, REG_OPTION_NON_VOLATILE,
                            0x2003F, nullptr, &hKey, &dwDisposition),
            ERROR_SUCCESS);
  EXPECT_EQ(dwDisposition, REG_CREATED_NEW_KEY);
  const std::string strValue = "groß";
  ASSERT_EQ(RegSetValueExA(hKey, "ArrowEndSize", 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(strValue.c_str()),
                           static_cast<DWORD>(strValue.size() + 1)),
            ERROR_SUCCESS);
  const DWORD dw = 5;
  ASSERT_EQ(RegSetValueExA(hKey, "UseFieldStart", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dw),
                           sizeof dw),
            ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);

  // The file is UTF-8 text the editor can import, with every level of the path as a key.
  const std::string strFile = testsupport::ReadFile(file_.Path());
  EXPECT_TRUE(strFile.starts_with("Windows Registry Editor Version 5.00\r\n"));
  EXPECT_NE(strFile.find("[HKEY_CURRENT_USER\\Software\\Tevrana]"), std::string::npos);
  EXPECT_NE(strFile.find("\"ArrowEndSize\"=\"groß\""), std::string::npos);
  EXPECT_NE(strFile.find("\"UseFieldStart\"=dword:00000005"), std::string::npos);

  EXPECT_EQ(QueryValue(kSettings, "ArrowEndSize").strData, Sz("groß"));
  EXPECT_EQ(QueryValue("Software\\Tevrana", "x").lngResult, ERROR_FILE_NOT_FOUND);

  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kSettings, 0, nullptr, 0, 0x2003F, nullptr, &hKey,
                            &dwDisposition),
            ERROR_SUCCESS);
  EXPECT_EQ(dwDisposition, REG_OPENED_EXISTING_KEY);
  EXPECT_EQ(RegCloseKey(hKey), ERROR_SUCCESS);
}

TEST_F(RegistryTest, KeepsEverythingElseInTheFileWhenWriting) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "50"), ERROR_SUCCESS);
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("50"));
  EXPECT_EQ(QueryValue(kSettings, "FieldDesc").dwType, REG_EXPAND_SZ);
  EXPECT_EQ(QueryValue(kSettings, "FieldDesc").strData, Sz("Text26"));
  EXPECT_EQ(QueryValue(kSettings, "FieldTargets", 2048).strData.size(), 1107u);
  EXPECT_EQ(
      QueryValue("Software\\Microsoft\\Office\\MS Project\\Addins\\Quorvan.Connect", "Description")
          .strData,
      Sz("Addin zur Erstellung von Kommunikationsdiagrammen aus Projektplänen."));
  EXPECT_FALSE(std::filesystem::exists(file_.BackupPath()));
}

TEST_F(RegistryTest, RefusesWhatTheHandleMayNotDo) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  HKEY hKey = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettings, 0, KEY_READ, &hKey), ERROR_SUCCESS);
  const BYTE data[] = "x";
  EXPECT_EQ(RegSetValueExA(hKey, "RowHeightTasks", 0, REG_SZ, data, 2), ERROR_ACCESS_DENIED);
  RegCloseKey(hKey);
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "\\Software", 0, KEY_READ, &hKey), ERROR_BAD_PATHNAME);
  EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
  EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
}

TEST_F(RegistryTest, EnumeratesAndDeletes) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  HKEY hKey = nullptr;
  ASSERT_EQ(
      RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Tevrana\\Quorvan", 0, KEY_ALL_ACCESS, &hKey),
      ERROR_SUCCESS);
  std::vector<std::string> names;
  char name[256];
  for (DWORD i = 0;; ++i) {
    DWORD cch = sizeof name;
    const LONG lng = RegEnumKeyExA(hKey, i, name, &cch, nullptr, nullptr, nullptr, nullptr);
    if (lng == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(lng, ERROR_SUCCESS);
    names.emplace_back(name, cch);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Colors", "Shadows", "Settings"}));
  EXPECT_EQ(RegDeleteKeyA(hKey, "Shadows"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteKeyA(hKey, "Shadows"), ERROR_FILE_NOT_FOUND);
  RegCloseKey(hKey);
  EXPECT_EQ(QueryValue("Software\\Tevrana\\Quorvan\\Shadows", "ShadowArrow").lngResult,
            ERROR_FILE_NOT_FOUND);

  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettings, 0, KEY_ALL_ACCESS, &hKey), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(hKey, "RowHeightTasks"), ERROR_SUCCESS);
  EXPECT_EQ(RegDeleteValueA(hKey, "RowHeightTasks"), ERROR_FILE_NOT_FOUND);
  RegCloseKey(hKey);
}

TEST_F(RegistryTest, ADamagedFileIsKeptAsBackupAndTheStoreGoesOn) {
  const std::string strDamaged = "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\A\n";
  testsupport::WriteFile(file_.Path(), strDamaged);

  EXPECT_EQ(QueryValue("A", "x").lngResult, ERROR_FILE_NOT_FOUND);  // reads as empty
  EXPECT_EQ(testsupport::ReadFile(file_.Path()), strDamaged);       // reading changes nothing

  ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "40"), ERROR_SUCCESS);
  EXPECT_EQ(testsupport::ReadFile(file_.BackupPath()), strDamaged);
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("40"));
  ASSERT_EQ(SetText(kSettings, "ColumnWidthRessources", "8"), ERROR_SUCCESS);
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("40"));
  EXPECT_EQ(testsupport::ReadFile(file_.BackupPath()), strDamaged);

  // Damaged again later: kept beside the first backup, never over it.
  const std::string strDamagedAgain = "Windows Registry Editor Version 5.00\n\n\"x\"=\"y\"\n";
  testsupport::WriteFile(file_.Path(), strDamagedAgain);
  ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "50"), ERROR_SUCCESS);
  EXPECT_EQ(testsupport::ReadFile(file_.BackupPath()), strDamaged);
  EXPECT_EQ(testsupport::ReadFile(file_.Dir() / "HKCU.reg.bak.1"), strDamagedAgain);
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("50"));
}

TEST_F(RegistryTest, ABatchWritesAllItsChangesOnceOrNone) {
  ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "40"), ERROR_SUCCESS);
  const std::string strBefore = testsupport::ReadFile(file_.Path());
  auto inode = [&] {
    struct stat st {};
    return ::stat(file_.Path().c_str(), &st) == 0 ? st.st_ino : ino_t{0};
  };
  const ino_t inodeBefore = inode();
  {
    // Dropped: nothing of it reaches the file, and the process reads the file again.
    HiveBatch batch(file_.Path());
    ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "60"), ERROR_SUCCESS);
    EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("60"));
  }
  EXPECT_EQ(testsupport::ReadFile(file_.Path()), strBefore);
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("40"));

  HiveBatch batch(file_.Path());
  ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "50"), ERROR_SUCCESS);
  ASSERT_EQ(SetText(kColors, "ColorArrows", "255"), ERROR_SUCCESS);
  ASSERT_EQ(SetText(kSettings, "ColumnWidthRessources", "8"), ERROR_SUCCESS);
  // Seen by the process, not yet by the file: a save killed now leaves the file as it was.
  EXPECT_EQ(QueryValue(kColors, "ColorArrows").strData, Sz("255"));
  EXPECT_EQ(testsupport::ReadFile(file_.Path()), strBefore);
  EXPECT_EQ(inode(), inodeBefore);
  ASSERT_EQ(batch.Commit(), ERROR_SUCCESS);
  // One new file with every change.
  EXPECT_NE(inode(), inodeBefore);
  const std::string strAfter = testsupport::ReadFile(file_.Path());
  for (const char* strValue : {"\"RowHeightTasks\"=\"50\"", "\"ColorArrows\"=\"255\"",
                               "\"ColumnWidthRessources\"=\"8\""}) {
    EXPECT_NE(strAfter.find(strValue), std::string::npos) << strValue << "\n" << strAfter;
  }
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("50"));
}

TEST_F(RegistryTest, AFileThatIsNotOursOrIsReadOnlyIsNeverWritten) {
  const std::string strExport =
      "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n";
  const fs::path dir = file_.Dir();
  const fs::path reg = file_.Path();
  auto readOnly = [](const fs::path& file) {
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  };
  struct Row {
    const char* strCase;
    std::function<void()> setUp;
    fs::path named;      // the file the refusal names
    const char* strWhy;  // the words that say why
  };
  const std::vector<Row> rows = {
      {"a text file of the user's",
       [&] { testsupport::WriteFile(reg, "Einkaufsliste\nMilch\nBrot\n"); }, reg,
       "ist keine Registrierungsdatei"},
      {"a link to a file of the system",
       [&] {
         testsupport::WriteFile(dir / "passwd", "root:x:0:0:root:/root:/bin/bash\n");
         fs::create_symlink(dir / "passwd", reg);
       },
       dir / "passwd", "ist keine Registrierungsdatei"},
      {"a link to an empty file of the system",
       [&] {
         testsupport::WriteFile(dir / "cron.allow", "");
         fs::create_symlink(dir / "cron.allow", reg);
       },
       dir / "cron.allow", "ist keine Registrierungsdatei"},
      {"a link that leads nowhere", [&] { fs::create_symlink(dir / "fehlt" / "HKCU.reg", reg); },
       reg, "ins Leere"},
      {"a read-only export",
       [&] {
         testsupport::WriteFile(reg, strExport);
         readOnly(reg);
       },
       reg, "ist schreibgeschützt"},
      {"a link to a read-only export",
       [&] {
         testsupport::WriteFile(dir / "Ablage.reg", strExport);
         readOnly(dir / "Ablage.reg");
         fs::create_symlink(dir / "Ablage.reg", reg);
       },
       dir / "Ablage.reg", "ist schreibgeschützt"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.strCase);
    for (const auto& entry : fs::directory_iterator(dir)) fs::remove_all(entry.path());
    row.setUp();
    const auto before = FolderContents(dir);

    EXPECT_EQ(SetText(kSettings, "RowHeightTasks", "40"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(FolderContents(dir), before) << "nothing renamed, replaced, backed up or left";
    const std::string strWhy = DescribeWriteRefusal(reg);
    EXPECT_NE(strWhy.find("„" + row.named.string() + "“"), std::string::npos) << strWhy;
    EXPECT_NE(strWhy.find(row.strWhy), std::string::npos) << strWhy;
  }
  EXPECT_FALSE(fs::exists(dir / "fehlt")) << "the link's folder is not made";

  // An empty file where the registry file lies is the user's start of one.
  for (const auto& entry : fs::directory_iterator(dir)) fs::remove_all(entry.path());
  testsupport::WriteFile(reg, "");
  EXPECT_EQ(SetText(kSettings, "RowHeightTasks", "40"), ERROR_SUCCESS);
}

TEST_F(RegistryTest, AWriterKilledOnTheWayLeavesTheFileAndNoTrace) {
  testsupport::WriteFile(file_.Path(),
                         "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]"
                         "\r\n\"Alt\"=\"1\"\r\n");
  fs::permissions(file_.Path(),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const std::string strBefore = testsupport::ReadFile(file_.Path());

  // The child is killed (SIGKILL) as its new file grows past 4 KiB.
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::signal(SIGXFSZ, [](int) { ::raise(SIGKILL); });
    const rlimit limit{4096, 4096};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    SetText("Software", "Gross", std::string(20000, 'x'));
    ::_exit(0);
  }
  int intStatus = 0;
  ASSERT_EQ(::waitpid(pid, &intStatus, 0), pid);
  ASSERT_TRUE(WIFSIGNALED(intStatus) && WTERMSIG(intStatus) == SIGKILL) << intStatus;
  EXPECT_EQ(testsupport::ReadFile(file_.Path()), strBefore);

  // The next write leaves the file and its lock alone beside each other, with the bits the
  // file had.
  ASSERT_EQ(SetText(kSettings, "Neu", "2"), ERROR_SUCCESS);
  EXPECT_EQ(FolderContents(file_.Dir()).size(), 2u);
  EXPECT_TRUE(fs::exists(file_.Dir() / "HKCU.reg.lock"));
  EXPECT_EQ(fs::status(file_.Path()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(QueryValue("Software", "Alt").strData, Sz("1"));
}

TEST_F(RegistryTest, AChangeOnDiskIsSeenByTheNextCall) {
  // Each change keeps the file's size and happens within the same tick of the clock as the
  // read before it.
  auto exportWith = [](int intHeight) {
    return "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n"
           "\"RowHeightTasks\"=\"" +
           std::to_string(intHeight) + "\"\r\n";
  };
  const fs::path reg = file_.Path();
  struct Row {
    const char* strCase;
    std::function<void(const std::string&)> change;
  };
  const std::vector<Row> rows = {
      {"rewritten where it is", [&](const std::string& s) { testsupport::WriteFile(reg, s); }},
      {"replaced by another file",
       [&](const std::string& s) {
         testsupport::WriteFile(file_.Dir() / "neu.reg", s);
         fs::rename(file_.Dir() / "neu.reg", reg);
       }},
      {"rewritten with its old times put back",
       [&](const std::string& s) {
         struct stat st {};
         ::stat(reg.c_str(), &st);
         testsupport::WriteFile(reg, s);
         const timespec times[2] = {st.st_atim, st.st_mtim};
         ::utimensat(AT_FDCWD, reg.c_str(), times, 0);
       }},
  };
  testsupport::WriteFile(reg, exportWith(40));
  int intHeight = 40;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.strCase);
    ASSERT_EQ(QueryValue("Software", "RowHeightTasks").strData, Sz(std::to_string(intHeight)));
    row.change(exportWith(++intHeight));
    EXPECT_EQ(QueryValue("Software", "RowHeightTasks").strData, Sz(std::to_string(intHeight)));
  }
}

TEST_F(RegistryTest, AFileThatCannotBeReadIsNeverOverwritten) {
  // A folder where the file should be cannot be read as a file (whoever runs the test).
  std::filesystem::create_directory(file_.Path());
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").lngResult, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(SetText(kSettings, "RowHeightTasks", "40"), ERROR_ACCESS_DENIED);
  EXPECT_TRUE(std::filesystem::is_directory(file_.Path()));
  EXPECT_FALSE(std::filesystem::exists(file_.BackupPath()));
}

TEST_F(RegistryTest, WritesThroughALinkToTheFile) {
  const auto target = file_.Dir() / "dotfiles" / "HKCU.reg";
  std::filesystem::create_directories(target.parent_path());
  file_.CopyFixture(testsupport::kRegistryFixture);
  std::filesystem::rename(file_.Path(), target);
  std::filesystem::create_symlink(target, file_.Path());

  ASSERT_EQ(SetText(kSettings, "RowHeightTasks", "50"), ERROR_SUCCESS);
  EXPECT_TRUE(std::filesystem::is_symlink(file_.Path()));
  EXPECT_EQ(QueryValue(kSettings, "RowHeightTasks").strData, Sz("50"));
  EXPECT_EQ(QueryValue(kSettings, "FieldResponsible").strData, Sz("Text11"));
  EXPECT_NE(testsupport::ReadFile(target).find("\"RowHeightTasks\"=\"50\""), std::string::npos);
}

TEST_F(RegistryTest, TwoProcessesWritingAtOnceKeepBothValues) {
  constexpr int kWrites = 40;
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  const char* strWriter = pid == 0 ? "Child" : "Parent";
  bool blnAllWritten = true;
  for (int i = 0; i < kWrites; ++i) {
    const std::string strName = std::string(strWriter) + std::to_string(i);
    blnAllWritten &= SetText(kSettings, strName.c_str(), std::to_string(i)) == ERROR_SUCCESS;
  }
  if (pid == 0) ::_exit(blnAllWritten ? 0 : 1);
  int intStatus = 0;
  ASSERT_EQ(::waitpid(pid, &intStatus, 0), pid);
  ASSERT_TRUE(WIFEXITED(intStatus));
  EXPECT_EQ(WEXITSTATUS(intStatus), 0);
  EXPECT_TRUE(blnAllWritten);
  for (const char* strWho : {"Child", "Parent"}) {
    for (int i = 0; i < kWrites; ++i) {
      const std::string strName = std::string(strWho) + std::to_string(i);
      EXPECT_EQ(QueryValue(kSettings, strName.c_str()).strData, Sz(std::to_string(i))) << strName;
    }
  }
}

TEST(RegistryFilePath, FollowsTheEnvironment) {
  testsupport::ScopedRegistryFile file;  // restores QUORVAN_REGISTRY afterwards
  EXPECT_EQ(registry::RegistryFilePath(), file.Path());

  const char* xdgBefore = std::getenv("XDG_CONFIG_HOME");
  const std::string strXdgBefore = xdgBefore != nullptr ? xdgBefore : "";
  ::unsetenv("QUORVAN_REGISTRY");
  ::setenv("XDG_CONFIG_HOME", "/somewhere/config", 1);
  EXPECT_EQ(registry::RegistryFilePath(), "/somewhere/config/quorvan/HKCU.reg");
  ::setenv("XDG_CONFIG_HOME", "relative",
           1);  // not absolute: ignored, as the XDG base directory rules say
  EXPECT_TRUE(registry::RegistryFilePath().string().ends_with("/.config/quorvan/HKCU.reg"));
  if (xdgBefore != nullptr) {
    ::setenv("XDG_CONFIG_HOME", strXdgBefore.c_str(), 1);
  } else {
    ::unsetenv("XDG_CONFIG_HOME");
  }
  ::setenv("QUORVAN_REGISTRY", file.Path().c_str(), 1);
}

}  // namespace
