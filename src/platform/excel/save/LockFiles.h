#pragma once
// The lock files that other programs leave beside a file they hold open: LibreOffice's
// ".~lock.NAME#" and Office's "~$NAME". A program that crashed leaves its lock file behind; the
// file then counts as held open until the user removes the lock file, so the lock file is named
// with what it says of its owner.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace excel {

// A lock file beside a file, and who holds the file open as far as the lock file says.
struct LockFile {
  std::filesystem::path path;  // the lock file itself
  bool blnOffice = false;      // Office's "~$NAME"; else LibreOffice's ".~lock.NAME#"
  // From LibreOffice's lock ("" where it does not say): the user's name as LibreOffice knows
  // it (else the login name), the computer, and since when, as the lock writes it
  // ("08.12.2026 10:00").
  std::string strUser;
  std::string strHost;
  std::string strTime;
};

// The lock file beside the file, Office's before LibreOffice's; nothing when none lies there.
std::optional<LockFile> LockFileOf(const std::filesystem::path& file);

// The files of the folder that a lock file marks as held open, as full paths, sorted. A folder
// that cannot be read has none.
std::vector<std::filesystem::path> FilesHeldOpenIn(const std::filesystem::path& folder);

}  // namespace excel
