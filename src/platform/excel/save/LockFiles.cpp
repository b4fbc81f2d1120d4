#include "platform/excel/save/LockFiles.h"

#include <algorithm>
#include <system_error>

namespace excel {

namespace fs = std::filesystem;

bool IsHeldOpen(const fs::path& file) {
  std::error_code error;
  const std::string strName = file.filename().string();
  const fs::path folder = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  return fs::exists(folder / (".~lock." + strName + "#"), error) ||
         fs::exists(folder / ("~$" + strName), error);
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
