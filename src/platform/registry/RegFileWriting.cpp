#include "platform/registry/RegFileWriting.h"

#include <fcntl.h>
#include <limits.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

namespace registry {
namespace {

namespace fs = std::filesystem;

constexpr int kMaxBackups = 1000;
constexpr std::size_t kRandomChars = 6;

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t cb = ::write(fd, content.data(), content.size());
    if (cb < 0 && errno == EINTR) continue;
    if (cb <= 0) return false;
    content.remove_prefix(static_cast<std::size_t>(cb));
  }
  return true;
}

// ".<name>~" with the name cut so that the hidden file's name fits the file system's limit
// whatever the file's own name.
std::string HiddenPrefix(const fs::path& path) {
  std::string strName = path.filename().string();
  const std::size_t cchMaxName = NAME_MAX - 2 - kRandomChars;
  if (strName.size() > cchMaxName) strName.resize(cchMaxName);
  return "." + strName + "~";
}

std::string RandomChars() {
  static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  std::random_device device;
  std::string strChars;
  for (std::size_t i = 0; i < kRandomChars; ++i) strChars += kChars[device() % (sizeof kChars - 1)];
  return strChars;
}

// Removes the hidden files that writers of this file left when they died: no writer is at
// work but the caller, who holds the lock.
void RemoveLeftovers(const fs::path& path) {
  const std::string strPrefix = HiddenPrefix(path);
  std::error_code ec;
  for (fs::directory_iterator it(path.parent_path(), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string strName = it->path().filename().string();
    if (strName.size() == strPrefix.size() + kRandomChars && strName.starts_with(strPrefix) &&
        it->is_regular_file(ec) && !it->is_symlink(ec)) {
      ::unlink(it->path().c_str());
    }
  }
}

// Gives the new file the permission bits and, as far as this process may, the owner of the
// file it replaces. A new file keeps the bits it was made with (read and write for the user).
int TakeOver(int fd, const std::optional<struct stat>& old) {
  if (!old) return 0;
  // The owner first (a change of owner clears some bits); where this process may not give a
  // file away, the file becomes its own, as any new file does.
  [[maybe_unused]] const int intOwner = ::fchown(fd, old->st_uid, old->st_gid);
  return ::fchmod(fd, old->st_mode & 0777) == 0 ? 0 : errno;
}

// Links the unnamed file fd into the folder under a hidden name.
int LinkHidden(int fd, const fs::path& path, std::string& strHidden) {
  const fs::path folder = path.parent_path();
  const std::string strProcPath = "/proc/self/fd/" + std::to_string(fd);
  for (int attempt = 0; attempt < 100; ++attempt) {
    strHidden = (folder / (HiddenPrefix(path) + RandomChars())).string();
    if (::linkat(fd, "", AT_FDCWD, strHidden.c_str(), AT_EMPTY_PATH) == 0) return 0;
    if (errno == EEXIST) continue;
    // Without the right to link by descriptor, through the process's view of it.
    if (::linkat(AT_FDCWD, strProcPath.c_str(), AT_FDCWD, strHidden.c_str(), AT_SYMLINK_FOLLOW) ==
        0) {
      return 0;
    }
    if (errno != EEXIST) break;
  }
  const int error = errno;
  strHidden.clear();  // no name of ours
  return error;
}

// Writes the content, flushed and with the old file's bits and owner, into a new hidden file
// beside path: an unnamed one linked in under a hidden name once complete (blnUnnamed), else a
// hidden named one. Returns 0 with the file open as fd and its name in strHidden, or an errno
// with nothing left behind.
int WriteHidden(const fs::path& path, std::string_view content,
                const std::optional<struct stat>& old, bool blnUnnamed, std::string& strHidden,
                int& fd) {
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  strHidden.clear();
  if (blnUnnamed) {
    fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
  } else {
    std::string strPattern =
        (folder / (HiddenPrefix(path) + std::string(kRandomChars, 'X'))).string();
    fd = ::mkstemp(strPattern.data());
    if (fd >= 0) strHidden = strPattern;
  }
  if (fd < 0) return errno;
  int error = 0;
  if (!WriteAll(fd, content) || ::fsync(fd) != 0) error = errno;
  if (error == 0) error = TakeOver(fd, old);
  if (error == 0 && blnUnnamed) error = LinkHidden(fd, path, strHidden);
  if (error != 0) {
    if (!strHidden.empty()) ::unlink(strHidden.c_str());
    ::close(fd);
    fd = -1;
  }
  return error;
}

}  // namespace

int ReplaceFile(const fs::path& path, std::string_view content,
                const std::optional<struct stat>& old, FileStamp& stamp) {
  RemoveLeftovers(path);
  const fs::path folder = path.parent_path().empty() ? fs::path(".") : path.parent_path();
  std::string strHidden;
  int fd = -1;
  // A file system without unnamed files, or without a way to link one in: a named one.
  int error = WriteHidden(path, content, old, true, strHidden, fd);
  if (error != 0) error = WriteHidden(path, content, old, false, strHidden, fd);
  if (error != 0) return error;
  if (::rename(strHidden.c_str(), path.c_str()) != 0) {
    error = errno;
    ::unlink(strHidden.c_str());
    ::close(fd);
    return error;
  }
  struct stat st {};
  ::fstat(fd, &st);  // after the rename, which changes the file's times
  stamp = FileStamp::Of(st);
  ::close(fd);
  // Making the folder's entry durable is best effort: the file is in place.
  if (const int fdFolder = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      fdFolder >= 0) {
    ::fsync(fdFolder);
    ::close(fdFolder);
  }
  return 0;
}

int KeepBackup(const fs::path& path, fs::path& backup) {
  const int fdFrom = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fdFrom < 0) return errno;
  int fdTo = -1;
  std::string strBackup;
  for (int n = 0; n < kMaxBackups && fdTo < 0; ++n) {
    strBackup = path.string() + ".bak" + (n == 0 ? "" : "." + std::to_string(n));
    fdTo = ::open(strBackup.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fdTo < 0 && errno != EEXIST) break;
  }
  if (fdTo < 0) {
    const int error = errno;
    ::close(fdFrom);
    return error;
  }
  int error = 0;
  char buf[65536];
  for (;;) {
    const ssize_t cb = ::read(fdFrom, buf, sizeof buf);
    if (cb < 0 && errno == EINTR) continue;
    if (cb < 0) {
      error = errno;
      break;
    }
    if (cb == 0) break;
    if (!WriteAll(fdTo, std::string_view(buf, static_cast<std::size_t>(cb)))) {
      error = errno;
      break;
    }
  }
  if (error == 0 && ::fsync(fdTo) != 0) error = errno;
  ::close(fdTo);
  ::close(fdFrom);
  if (error != 0) {
    ::unlink(strBackup.c_str());
  } else {
    backup = strBackup;
  }
  return error;
}

}  // namespace registry
