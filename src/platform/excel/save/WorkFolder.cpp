#include "platform/excel/save/WorkFolder.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Error.h"

namespace excel {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kPrefix = ".~quorvan-";
constexpr std::size_t kNameLength = kPrefix.size() + 6;  // mkdtemp's six characters
constexpr int kAttempts = 1000;

// The folders the process holds, for RemoveWorkFoldersNow: fixed slots that a signal handler
// reads without taking a lock or allocating.
struct Slot {
  std::atomic<int> state{0};  // 0 free, 1 being filled, 2 holds a folder
  char path[PATH_MAX] = {};
};
std::array<Slot, 16> gSlots;

int Register(const fs::path& path) {
  const std::string& strPath = path.native();
  if (strPath.size() >= PATH_MAX) return -1;
  for (std::size_t i = 0; i < gSlots.size(); ++i) {
    int expected = 0;
    if (!gSlots[i].state.compare_exchange_strong(expected, 1)) continue;
    std::memcpy(gSlots[i].path, strPath.c_str(), strPath.size() + 1);
    gSlots[i].state.store(2);
    return static_cast<int>(i);
  }
  return -1;  // more folders at once than slots: such a folder is left to the next process
}

void Unregister(int slot) {
  if (slot >= 0) gSlots[static_cast<std::size_t>(slot)].state.store(0);
}

// Removes the entry name of the folder fdParent and, when it is a folder, all it holds; with
// the system's calls only (no allocation, no locks), so that a signal handler may call it.
void RemoveEntry(int fdParent, const char* name, int depth) {
  if (::unlinkat(fdParent, name, 0) == 0 || (errno != EISDIR && errno != EPERM)) return;
  const int fd = ::openat(fdParent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (fd >= 0) {
    // Entries removed while the folder is read may hide others: read it again until a pass
    // finds nothing left to remove.
    for (int pass = 0; pass < 4 && depth < 8; ++pass) {
      bool blnRemoved = false;
      ::lseek(fd, 0, SEEK_SET);
      alignas(dirent64) char buffer[4096];
      for (;;) {
        const long cb = ::syscall(SYS_getdents64, fd, buffer, sizeof buffer);
        if (cb <= 0) break;
        for (long at = 0; at < cb;) {
          const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
          at += entry->d_reclen;
          if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
          }
          RemoveEntry(fd, entry->d_name, depth + 1);
          blnRemoved = true;
        }
      }
      if (!blnRemoved) break;
    }
    ::close(fd);
  }
  ::unlinkat(fdParent, name, AT_REMOVEDIR);
}

// Takes an exclusive flock; false when another process holds one (blnWait false) or the file
// system has none.
bool Lock(int fd, bool blnWait) {
  while (::flock(fd, LOCK_EX | (blnWait ? 0 : LOCK_NB)) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// Holds back SIGINT and SIGTERM while a folder is made and not yet registered, or unregistered
// and not yet removed: a handler that ends the process in between would leave it behind.
class SignalsHeld {
 public:
  SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    sigaddset(&held, SIGINT);
    sigaddset(&held, SIGTERM);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
  }
  ~SignalsHeld() { ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr); }
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t previous_{};
};

}  // namespace

WorkFolder::WorkFolder(const fs::path& folder) {
  // Between making its folder and locking it, a folder looks like a dead one to the processes
  // beside it, which may remove it: then another is made. Each folder lost so is one that
  // another process tidied away, so all get on; the bound only ends one that loses every
  // folder it makes.
  std::error_code ec;
  const fs::path absolute = fs::absolute(folder, ec);
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const SignalsHeld held;
    std::string strPath = ((ec ? folder : absolute) / (std::string(kPrefix) + "XXXXXX")).string();
    if (::mkdtemp(strPath.data()) == nullptr) {
      throw Error(catalog::Format(_("Im Ordner „{}“ kann keine Datei angelegt werden: {}"),
                                  folder.string(), std::strerror(errno)));
    }
    fd_ = ::open(strPath.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd_ < 0) {
      const int intError = errno;
      if (intError == ENOENT) continue;  // removed before it could be opened
      ::rmdir(strPath.c_str());
      throw Error(catalog::Format(_("Im Ordner „{}“ kann keine Datei angelegt werden: {}"),
                                  folder.string(), std::strerror(intError)));
    }
    path_ = strPath;
    // Removed after it was opened, before it was locked: the lock comes when the other process
    // is done with it, on a folder that is no more.
    struct stat st {};
    if (!Lock(fd_, true) || (::fstat(fd_, &st) == 0 && st.st_nlink > 0)) {
      slot_ = Register(path_);
      return;
    }
    ::close(fd_);
    fd_ = -1;
  }
  path_.clear();
  throw Error(
      catalog::Format(_("Im Ordner „{}“ kann keine Datei angelegt werden."), folder.string()));
}

WorkFolder::~WorkFolder() {
  const SignalsHeld held;
  Unregister(slot_);
  std::error_code ignored;
  fs::remove_all(path_, ignored);
  if (fd_ >= 0) ::close(fd_);
}

void RemoveDeadWorkFolders(const fs::path& folder) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string strName = it->path().filename().string();
    if (strName.size() != kNameLength || !strName.starts_with(kPrefix)) continue;
    const int fd = ::open(it->path().c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) continue;
    // Under the lock, so that no process takes it meanwhile; a folder that another process
    // removed while this one waited for it is gone already. Only the user's own folders.
    struct stat st {};
    if (Lock(fd, false) && ::fstat(fd, &st) == 0 && st.st_nlink > 0 && st.st_uid == ::geteuid()) {
      std::error_code ignored;
      fs::remove_all(it->path(), ignored);
    }
    ::close(fd);
  }
}

void RemoveWorkFoldersNow() noexcept {
  for (Slot& slot : gSlots) {
    if (slot.state.load() == 2) RemoveEntry(AT_FDCWD, slot.path, 0);
  }
}

}  // namespace excel
