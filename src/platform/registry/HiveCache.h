#pragma once
// What this process knows of the registry file: the keys it holds and the file's stamp on disk
// (device, inode, size, times) when they were read, so that the file is read once and again
// only when it changed. A file changed so shortly before it was read that a second change in
// the same tick of the file system's clock would leave the stamp as it was is checked by its
// content until that tick lies behind.

#include <sys/stat.h>

#include <cstddef>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>

#include "platform/registry/Hive.h"

namespace registry {

// What lies at the registry file's path.
enum class FileKind {
  kMissing,     // nothing
  kBlank,       // a file of nothing but blanks
  kRegFile,     // a registry export that was read
  kDamaged,     // it begins like a registry export but cannot be read as one
  kForeign,     // a file that is not a registry export
  kNotAFile,    // a folder, a device or the like
  kUnreadable,  // a file that cannot be read
};

struct FileStamp {
  dev_t dev = 0;
  ino_t ino = 0;
  off_t size = 0;
  timespec mtime{};
  timespec ctime{};

  static FileStamp Of(const struct stat& st);
  bool operator==(const FileStamp& other) const;
};

struct FileContent {
  FileKind kind = FileKind::kMissing;
  std::shared_ptr<Hive> hive;         // never null: the keys of a registry export, else none
  std::optional<struct stat> status;  // of the file when it exists
};

class HiveCache {
 public:
  // The one copy of the process.
  static HiveCache& Process();

  // What lies at path now: the keys kept when the file is the one read last, else read now.
  // The hive is the cache's own, to be read only, unless taken with Take.
  FileContent Get(const std::filesystem::path& path);

  // The hive of content (got from Get for path) to be changed: the cache lets go of it, and it
  // is a copy when someone else still reads it.
  std::shared_ptr<Hive> Take(const std::filesystem::path& path, const FileContent& content);

  // Keeps the hive as what path holds after this process wrote bytes of the given hash into
  // the file of the given stamp.
  void Put(const std::filesystem::path& path, const FileStamp& stamp, std::size_t hash,
           std::shared_ptr<Hive> hive);

 private:
  struct Entry {
    std::filesystem::path path;
    FileStamp stamp;
    std::size_t hash = 0;    // of the file's bytes
    bool blnRecent = false;  // changed in the last ticks of the clock before it was read
    FileContent content;
  };

  std::mutex mutex_;
  std::optional<Entry> entry_;
};

// The hash by which the cache compares a file's bytes.
std::size_t HashOfBytes(std::string_view bytes);

}  // namespace registry
