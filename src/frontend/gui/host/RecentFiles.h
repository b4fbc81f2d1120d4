#pragma once
// The plans the host opened last, newest first, kept in the registry of the current user below
// the host's key as the values File1 … File4 of "Recent File List".

#include <string>
#include <vector>

namespace gui {

inline constexpr const char* kRecentFileListKey =
    "Software\\Microsoft\\Office\\MS Project\\Recent File List";
inline constexpr std::size_t kRecentFileCount = 4;

// The stored plans, newest first; empty values are skipped.
std::vector<std::string> RecentFiles();

// Puts the plan at the front of the list; a plan already listed moves there, the oldest
// beyond the fourth drops out.
void AddRecentFile(const std::string& strPath);

}  // namespace gui
