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

// The changes of one save written to the file at once. While a batch is open for the file at
// path, this process's changes of it (UpdateHive) are made in memory under the file's lock, which
// the batch takes with its first change and holds to its end, and its reads (ReadHive) see them;
// Commit writes the file once. Another process sees all of a save or nothing of it, two saves at
// once follow each other instead of mixing, and a save that is killed leaves the file as it
// was. One batch at a time in a process; a batch that ends without Commit drops its changes.
class HiveBatch {
 public:
  explicit HiveBatch(std::filesystem::path path);
  ~HiveBatch();
  HiveBatch(const HiveBatch&) = delete;
  HiveBatch& operator=(const HiveBatch&) = delete;

  // Writes the changes when there are any and ends the batch. Returns ERROR_SUCCESS, the code
  // by which the file was refused (as UpdateHive), or the Win32 code of the write that failed.
  std::int32_t Commit();
  // The copy of a damaged file kept before Commit replaced it (KeepBackup); empty when none.
  const std::filesystem::path& KeptBackup() const { return backup_; }

  struct State;

 private:
  std::unique_ptr<State> state_;
  std::filesystem::path backup_;
};

// Why UpdateHive refuses to write the file at path, in German for the user and naming the
// file; "" when nothing stands in the way.
std::string DescribeWriteRefusal(const std::filesystem::path& path);

}  // namespace registry
