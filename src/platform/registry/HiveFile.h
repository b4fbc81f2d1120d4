#pragma once
// The file that keeps HKEY_CURRENT_USER: where it lies, reading it, and changing it safely.

#include <cstdint>
#include <filesystem>
#include <functional>

#include "platform/registry/Hive.h"

namespace registry {

// QUORVAN_REGISTRY when set, else $XDG_CONFIG_HOME/quorvan/HKCU.reg, else
// ~/.config/quorvan/HKCU.reg. Asked afresh at every call.
std::filesystem::path RegistryFilePath();

// The keys and values of the file. A missing, unreadable or unparseable file reads as empty.
Hive ReadHive(const std::filesystem::path& path);

// A change to the hive: returns a Win32 error code, and sets blnChanged when the hive must be
// written.
using HiveChange = std::function<std::int32_t(Hive& hive, bool& blnChanged)>;

// Applies a change under an exclusive lock on "<file>.lock": reads the file again under the
// lock, applies the change and, when it changed something, writes the file to a temporary file
// beside it and renames it over the file. A file that cannot be parsed is first renamed to
// "<file>.bak". A file that exists but cannot be read is not overwritten (ERROR_ACCESS_DENIED).
// A symbolic link is followed: the file it points to is the one written.
// Returns the change's code, or the Win32 code of the file operation that failed.
std::int32_t UpdateHive(const std::filesystem::path& path, const HiveChange& change);

}  // namespace registry
