#include "platform/registry/HiveFile.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>

#include "platform/registry/RegFileFormat.h"
#include "platform/registry/Registry.h"

namespace registry {
namespace {

enum class FileState { kMissing, kUnreadable, kRead };

// The whole file; kMissing when it does not exist.
FileState ReadBytes(const std::filesystem::path& path, std::string& bytes) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? FileState::kMissing : FileState::kUnreadable;
  bytes.clear();
  char buf[16384];
  for (;;) {
    const ssize_t cb = ::read(fd, buf, sizeof buf);
    if (cb < 0 && errno == EINTR) continue;
    if (cb < 0) {
      ::close(fd);
      return FileState::kUnreadable;
    }
    if (cb == 0) break;
    bytes.append(buf, static_cast<std::size_t>(cb));
  }
  ::close(fd);
  return FileState::kRead;
}

LONG Win32Code(int intErrno) {
  switch (intErrno) {
    case EACCES:
    case EPERM:
    case EROFS:
      return ERROR_ACCESS_DENIED;
    case ENOSPC:
    case EDQUOT:
      return ERROR_DISK_FULL;
    default:
      return ERROR_WRITE_FAULT;
  }
}

// Holds an exclusive flock on the lock file for its lifetime.
class FileLock {
 public:
  explicit FileLock(const std::filesystem::path& pathLock) {
    fd_ = ::open(pathLock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ < 0) {
      lngError_ = Win32Code(errno);
      return;
    }
    while (::flock(fd_, LOCK_EX) != 0) {
      if (errno != EINTR) {
        lngError_ = Win32Code(errno);
        return;
      }
    }
  }
  ~FileLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  LONG Error() const { return lngError_; }

 private:
  int fd_ = -1;
  LONG lngError_ = ERROR_SUCCESS;
};

bool WriteAll(int fd, const std::string& strContent) {
  std::size_t cbDone = 0;
  while (cbDone < strContent.size()) {
    const ssize_t cb = ::write(fd, strContent.data() + cbDone, strContent.size() - cbDone);
    if (cb < 0 && errno == EINTR) continue;
    if (cb <= 0) return false;
    cbDone += static_cast<std::size_t>(cb);
  }
  return true;
}

// Writes the content to a temporary file beside the target and renames it over the target.
LONG WriteAtomically(const std::filesystem::path& path, const std::string& strContent) {
  std::string strTemp = path.string() + ".XXXXXX";
  const int fd = ::mkstemp(strTemp.data());
  if (fd < 0) return Win32Code(errno);
  const bool blnWritten = WriteAll(fd, strContent) && ::fsync(fd) == 0;
  const int intWriteErrno = errno;
  ::close(fd);
  if (!blnWritten || ::rename(strTemp.c_str(), path.c_str()) != 0) {
    const LONG lngError = Win32Code(blnWritten ? errno : intWriteErrno);
    ::unlink(strTemp.c_str());
    return lngError;
  }
  return ERROR_SUCCESS;
}

std::filesystem::path HomeDirectory() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return ".";
}

}  // namespace

std::filesystem::path RegistryFilePath() {
  if (const char* file = std::getenv("QUORVAN_REGISTRY"); file != nullptr && *file != '\0') {
    return file;
  }
  std::filesystem::path dirConfig;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    dirConfig = xdg;
  } else {
    dirConfig = HomeDirectory() / ".config";
  }
  return dirConfig / "quorvan" / "HKCU.reg";
}

Hive ReadHive(const std::filesystem::path& path) {
  std::string bytes;
  if (ReadBytes(path, bytes) != FileState::kRead) return {};
  return ParseRegFile(bytes).value_or(Hive{});
}

std::int32_t UpdateHive(const std::filesystem::path& pathGiven, const HiveChange& change) {
  std::error_code ec;
  // A file that is a link to another (a dotfile manager's) is written where the link points,
  // so that the link survives the rename.
  std::filesystem::path path = pathGiven;
  if (std::filesystem::is_symlink(pathGiven, ec)) {
    const auto target = std::filesystem::weakly_canonical(pathGiven, ec);
    if (ec) return Win32Code(ec.value());
    path = target;
  }
  if (path.has_parent_path()) {
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec) return Win32Code(ec.value());
  }
  FileLock lock(path.string() + ".lock");
  if (lock.Error() != ERROR_SUCCESS) return lock.Error();

  std::string bytes;
  Hive hive;
  bool blnDamaged = false;
  switch (ReadBytes(path, bytes)) {
    case FileState::kUnreadable:
      return ERROR_ACCESS_DENIED;  // never overwrite what could not be read
    case FileState::kMissing:
      break;
    case FileState::kRead:
      if (auto parsed = ParseRegFile(bytes)) {
        hive = std::move(*parsed);
      } else {
        blnDamaged = true;
      }
      break;
  }

  bool blnChanged = false;
  const std::int32_t lngResult = change(hive, blnChanged);
  if (lngResult != ERROR_SUCCESS || !blnChanged) return lngResult;

  if (blnDamaged) {
    // Keep what the user had before it is replaced.
    if (::rename(path.c_str(), (path.string() + ".bak").c_str()) != 0) return Win32Code(errno);
  }
  return WriteAtomically(path, FormatRegFile(hive));
}

}  // namespace registry
