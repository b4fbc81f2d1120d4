#pragma once
// The file that keeps HKEY_CURRENT_USER: where it lies, reading it, and changing it safely.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/registry/Hive.h"

namespace registry {

// QUORVAN_REGISTRY when set, else $XDG_CONFIG_HOME/quorvan/HKCU.reg, else
// ~/.config/quorvan/HKCU.reg. Asked afresh at every call.
std::filesystem::path RegistryFilePath();

// The keys and values of the file, read once by the process and again only when the file
// changed on disk (HiveCache.h). A missing, unreadable or unparseable file, and anything that
// is not a registry export, reads as empty. The hive is shared: read it, do not keep it.
std::shared_ptr<const Hive> ReadHive(const std::filesystem::path& path);

// A change to the hive: returns a Win32 error code, and sets blnChanged when the hive must be
// written.
using HiveChange = std::function<std::int32_t(Hive& hive, bool& blnChanged)>;

// Applies a change under an exclusive lock on "<file>.lock": looks at the file again under the
// lock (it is read again only when it changed since this process read it), applies the change
// and, when it changed something, replaces the file (RegFileWriting.h).
//
// Refused with ERROR_ACCESS_DENIED, the file left as it is: a file that does not begin like a
// registry export (it is not ours), a file that is read-only for the user (its permission bits,
// whoever the user is), a file that cannot be read, something that is not a file, a symbolic
// link that leads nowhere. A symbolic link to a file is followed: the file it points to is the
// one checked and written. A registry export that cannot be parsed is first copied to a backup
// under a name of its own ("<file>.bak", "<file>.bak.1", …).
// Returns the change's code, or the Win32 code of the file operation that failed.
std::int32_t UpdateHive(const std::filesystem::path& path, const HiveChange& change);

// Why UpdateHive refuses to write the file at path, in German for the user and naming the
// file; "" when nothing stands in the way.
std::string DescribeWriteRefusal(const std::filesystem::path& path);

}  // namespace registry
