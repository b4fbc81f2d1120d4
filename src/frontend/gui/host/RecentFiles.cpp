#include "gui/host/RecentFiles.h"

#include <algorithm>

#include "platform/registry/Registry.h"
#include "settings/basRegistry.h"

namespace gui {

namespace {

std::string ValueName(std::size_t index) {
  return "File" + std::to_string(index + 1);
}

}  // namespace

std::vector<std::string> RecentFiles() {
  std::vector<std::string> colFiles;
  for (std::size_t i = 0; i < kRecentFileCount; ++i) {
    std::string strPath =
        ReadRegString(registry::HKEY_CURRENT_USER, kRecentFileListKey, ValueName(i));
    // An empty value is stored as one blank.
    if (!strPath.empty() && strPath != " ") colFiles.push_back(std::move(strPath));
  }
  return colFiles;
}

void AddRecentFile(const std::string& strPath) {
  std::vector<std::string> colFiles = RecentFiles();
  std::erase(colFiles, strPath);
  colFiles.insert(colFiles.begin(), strPath);
  colFiles.resize(std::min(colFiles.size(), kRecentFileCount));
  for (std::size_t i = 0; i < colFiles.size(); ++i) {
    WriteRegString(registry::HKEY_CURRENT_USER, kRecentFileListKey, ValueName(i), colFiles[i]);
  }
}

}  // namespace gui
