#include "platform/registry/HiveCache.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/registry/RegFileFormat.h"

namespace registry {
namespace {

bool operator==(const timespec& a, const timespec& b) {
  return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

std::int64_t Nanoseconds(const timespec& t) {
  return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

// True when the file changed so shortly before now that another change in the same tick of
// the file system's clock would not show in its times: within 50 ms where the times have
// fractions of a second (the kernel's clock advances in ticks of up to 10 ms), within 2 s where
// they have none (file systems that keep whole or even seconds).
bool ChangedRecently(const struct stat& st) {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  const bool blnWholeSeconds = st.st_mtim.tv_nsec == 0 && st.st_ctim.tv_nsec == 0;
  const std::int64_t nsWindow = blnWholeSeconds ? 2'000'000'000 : 50'000'000;
  const std::int64_t nsChanged = std::max(Nanoseconds(st.st_mtim), Nanoseconds(st.st_ctim));
  return Nanoseconds(now) - nsChanged < nsWindow;
}

enum class ReadResult { kRead, kNotAFile, kUnreadable };

// The whole file, and its status when opened.
ReadResult ReadFile(const std::filesystem::path& path, std::string& bytes, struct stat& st) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) return ReadResult::kUnreadable;
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return ReadResult::kNotAFile;
  }
  bytes.clear();
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t cb = ::read(fd, buf, sizeof buf);
    if (cb < 0 && errno == EINTR) continue;
    if (cb < 0) {
      ::close(fd);
      return ReadResult::kUnreadable;
    }
    if (cb == 0) break;
    bytes.append(buf, static_cast<std::size_t>(cb));
  }
  ::close(fd);
  return ReadResult::kRead;
}

}  // namespace

FileStamp FileStamp::Of(const struct stat& st) {
  return FileStamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

bool FileStamp::operator==(const FileStamp& other) const {
  return dev == other.dev && ino == other.ino && size == other.size && mtime == other.mtime &&
         ctime == other.ctime;
}

std::size_t HashOfBytes(std::string_view bytes) {
  return std::hash<std::string_view>{}(bytes);
}

HiveCache& HiveCache::Process() {
  static HiveCache cache;
  return cache;
}

FileContent HiveCache::Get(const std::filesystem::path& path) {
  FileContent content;
  content.hive = std::make_shared<Hive>();
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) {
    content.kind = errno == ENOENT ? FileKind::kMissing : FileKind::kUnreadable;
    return content;
  }
  content.status = st;
  if (!S_ISREG(st.st_mode)) {
    content.kind = FileKind::kNotAFile;
    return content;
  }

  const std::lock_guard<std::mutex> lock(mutex_);
  const bool blnSameFile = entry_ && entry_->path == path;
  if (blnSameFile && entry_->stamp == FileStamp::Of(st) && !entry_->blnRecent) {
    entry_->content.status = st;
    return entry_->content;
  }

  std::string bytes;
  switch (ReadFile(path, bytes, st)) {
    case ReadResult::kNotAFile:
      content.kind = FileKind::kNotAFile;
      return content;
    case ReadResult::kUnreadable:
      content.kind = FileKind::kUnreadable;
      return content;
    case ReadResult::kRead:
      break;
  }
  content.status = st;
  const FileStamp stamp = FileStamp::Of(st);
  const std::size_t hash = HashOfBytes(bytes);
  if (blnSameFile && entry_->hash == hash) {
    // The same bytes: touched, copied back or written again as they were.
    entry_->stamp = stamp;
    entry_->blnRecent = ChangedRecently(st);
    entry_->content.status = st;
    return entry_->content;
  }

  entry_.reset();  // not kept beside the new one while that is read
  const RegFileStart start = StartOfRegFile(bytes);
  if (start == RegFileStart::kBlank) {
    content.kind = FileKind::kBlank;
  } else if (start == RegFileStart::kOther) {
    content.kind = FileKind::kForeign;
  } else if (auto parsed = ParseRegFile(bytes)) {
    content.kind = FileKind::kRegFile;
    content.hive = std::make_shared<Hive>(std::move(*parsed));
  } else {
    content.kind = FileKind::kDamaged;
  }
  entry_ = Entry{path, stamp, hash, ChangedRecently(st), content};
  return content;
}

std::shared_ptr<Hive> HiveCache::Take(const std::filesystem::path& path,
                                      const FileContent& content) {
  const std::lock_guard<std::mutex> lock(mutex_);
  if (entry_ && entry_->path == path && entry_->content.hive == content.hive) entry_.reset();
  // Held by content and, when someone else reads it, by them too.
  if (content.hive.use_count() == 1) return content.hive;
  return std::make_shared<Hive>(*content.hive);
}

void HiveCache::Put(const std::filesystem::path& path, const FileStamp& stamp, std::size_t hash,
                    std::shared_ptr<Hive> hive) {
  const std::lock_guard<std::mutex> lock(mutex_);
  FileContent content;
  content.kind = FileKind::kRegFile;
  content.hive = std::move(hive);
  entry_ = Entry{path, stamp, hash, true, std::move(content)};
}

}  // namespace registry
