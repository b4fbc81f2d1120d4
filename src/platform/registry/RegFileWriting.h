#pragma once
// Writing the registry file: the new content goes into a file that is invisible until it is
// complete (an unnamed file where the file system allows one, else a hidden named one beside
// the file), is flushed to disk and renamed over the file, with the permission bits and the
// owner of the file it replaces. The callers hold the file's lock: a hidden file of a writer
// that died on the way is removed by the next writer.

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <string_view>

#include "platform/registry/HiveCache.h"

namespace registry {

// Replaces (or creates) the file at path with content; old is the status of the file replaced.
// Returns 0 or the errno of the step that failed; stamp receives the stamp of the new file.
int ReplaceFile(const std::filesystem::path& path, std::string_view content,
                const std::optional<struct stat>& old, FileStamp& stamp);

// Copies the file to the first of "<file>.bak", "<file>.bak.1", "<file>.bak.2", … that does
// not exist, so that no earlier copy is ever overwritten. Returns 0 or an errno; backup receives
// the copy's name.
int KeepBackup(const std::filesystem::path& path, std::filesystem::path& backup);

}  // namespace registry
