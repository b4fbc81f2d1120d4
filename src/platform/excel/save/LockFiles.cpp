#include "platform/excel/save/LockFiles.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace excel {

namespace fs = std::filesystem;

namespace {

// A LibreOffice lock is one line of fields separated by commas and ended by a semicolon, with
// a backslash before a comma, semicolon or backslash inside a field: the user's name, the login
// name, the computer, the time, the user's profile.
std::vector<std::string> LockFields(const fs::path& lock) {
  // A lock is a short line: what lies beyond its first 4 KB is no lock's.
  std::ifstream in(lock, std::ios::binary);
  std::string strText(4096, '\0');
  in.read(strText.data(), static_cast<std::streamsize>(strText.size()));
  strText.resize(static_cast<std::size_t>(in.gcount()));
  std::vector<std::string> colFields(1);
  for (std::size_t i = 0; i < strText.size(); ++i) {
    const char c = strText[i];
    if (c == '\\' && i + 1 < strText.size()) {
      colFields.back() += strText[++i];
    } else if (c == ',') {
      colFields.emplace_back();
    } else if (c == ';' || c == '\n' || c == '\r' || c == '\0') {
      break;
    } else {
      colFields.back() += c;
    }
  }
  return colFields;
}

}  // namespace

std::optional<LockFile> LockFileOf(const fs::path& file) {
  std::error_code error;
  const std::string strName = file.filename().string();
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  LockFile lock;
  lock.path = folder / ("~$" + strName);
  if (fs::exists(lock.path, error)) {
    lock.blnOffice = true;
    return lock;
  }
  lock.path = folder / (".~lock." + strName + "#");
  if (!fs::exists(lock.path, error)) return std::nullopt;
  const std::vector<std::string> colFields = LockFields(lock.path);
  auto field = [&](std::size_t index) {
    return index < colFields.size() ? colFields[index] : std::string();
  };
  lock.strUser = field(0).empty() ? field(1) : field(0);
  lock.strHost = field(2);
  lock.strTime = field(3);
  return lock;
}

std::vector<fs::path> FilesHeldOpenIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  fs::path base = fs::absolute(folder, error).lexically_normal();
  if (error) return files;
  fs::directory_iterator it(base, error), end;
  for (; !error && it != end; it.increment(error)) {
    const std::string strName = it->path().filename().string();
    if (strName.starts_with(".~lock.") && strName.ends_with("#") && strName.size() > 8) {
      files.push_back(base / strName.substr(7, strName.size() - 8));
    } else if (strName.starts_with("~$") && strName.size() > 2) {
      files.push_back(base / strName.substr(2));
    }
  }
  std::sort(files.begin(), files.end());
  files.erase(std::unique(files.begin(), files.end()), files.end());
  return files;
}

}  // namespace excel
