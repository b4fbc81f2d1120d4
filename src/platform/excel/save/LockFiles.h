#pragma once
// The lock files that other programs leave beside a file they hold open: LibreOffice's
// ".~lock.NAME#" and Office's "~$NAME".

#include <filesystem>
#include <vector>

namespace excel {

// True when a lock file lies beside the file.
bool IsHeldOpen(const std::filesystem::path& file);

// The files of the folder that a lock file marks as held open, as full paths, sorted. A folder
// that cannot be read has none.
std::vector<std::filesystem::path> FilesHeldOpenIn(const std::filesystem::path& folder);

}  // namespace excel
