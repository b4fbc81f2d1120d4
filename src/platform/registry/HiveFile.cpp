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

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/registry/HiveCache.h"
#include "platform/registry/RegFileFormat.h"
#include "platform/registry/RegFileWriting.h"
#include "platform/registry/Registry.h"

namespace registry {
namespace {

namespace fs = std::filesystem;

enum class Refusal { kNone, kForeign, kNotAFile, kUnreadable, kReadOnly };

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
  explicit FileLock(const fs::path& pathLock) {
    fd_ = ::open(pathLock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
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

fs::path HomeDirectory() {
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
    return pw->pw_dir;
  }
  return ".";
}

// The file that writing to path writes: path itself, or the file a symbolic link at path
// points to (through any further links); nothing when the link leads nowhere.
std::optional<fs::path> FileWritten(const fs::path& path) {
  std::error_code ec;
  if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
  fs::path target = fs::canonical(path, ec);
  if (ec) return std::nullopt;
  return target;
}

// Read-only as a spreadsheet program sees it: no write permission for anyone, or none for
// this process's user. A user who may write anything still does not write a read-only file.
bool IsReadOnly(const fs::path& file, const struct stat& st) {
  if ((st.st_mode & 0222) == 0) return true;
  return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 &&
         (errno == EACCES || errno == EPERM || errno == EROFS);
}

// Why the file written for path (file) may not be written; a blank file is ours to fill where
// it lies, not where a link leads.
Refusal Check(const fs::path& path, const fs::path& file, const FileContent& content) {
  switch (content.kind) {
    case FileKind::kBlank:
      if (file != path) return Refusal::kForeign;
      break;
    case FileKind::kForeign:
      return Refusal::kForeign;
    case FileKind::kNotAFile:
      return Refusal::kNotAFile;
    case FileKind::kUnreadable:
      return Refusal::kUnreadable;
    case FileKind::kMissing:
      return Refusal::kNone;
    case FileKind::kRegFile:
    case FileKind::kDamaged:
      break;
  }
  return content.status && IsReadOnly(file, *content.status) ? Refusal::kReadOnly : Refusal::kNone;
}

}  // namespace

fs::path RegistryFilePath() {
  if (const char* file = std::getenv("QUORVAN_REGISTRY"); file != nullptr && *file != '\0') {
    return file;
  }
  fs::path dirConfig;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
    dirConfig = xdg;
  } else {
    dirConfig = HomeDirectory() / ".config";
  }
  return dirConfig / "quorvan" / "HKCU.reg";
}

namespace {

// A file opened for a change: its lock held and its content looked at under the lock.
struct OpenedFile {
  LONG lngError = ERROR_SUCCESS;  // the file is refused or its lock cannot be had
  fs::path file;                  // the file written (a link's target)
  std::unique_ptr<FileLock> lock;
  FileContent content;
};

OpenedFile OpenForChange(const fs::path& path) {
  OpenedFile opened;
  const std::optional<fs::path> file = FileWritten(path);
  if (!file) {
    opened.lngError = ERROR_ACCESS_DENIED;
    return opened;
  }
  opened.file = *file;
  HiveCache& cache = HiveCache::Process();
  // Nothing, not even the lock, is made beside a file that is not ours; under the lock the
  // file is looked at again.
  if (Check(path, *file, cache.Get(path)) != Refusal::kNone) {
    opened.lngError = ERROR_ACCESS_DENIED;
    return opened;
  }
  if (file->has_parent_path()) {
    std::error_code ec;
    fs::create_directories(file->parent_path(), ec);
    if (ec) {
      opened.lngError = Win32Code(ec.value());
      return opened;
    }
  }
  opened.lock = std::make_unique<FileLock>(file->string() + ".lock");
  if (opened.lock->Error() != ERROR_SUCCESS) {
    opened.lngError = opened.lock->Error();
    return opened;
  }
  opened.content = cache.Get(path);
  if (Check(path, *file, opened.content) != Refusal::kNone) opened.lngError = ERROR_ACCESS_DENIED;
  return opened;
}

// Replaces the opened file with the hive, a damaged file kept first as a backup.
LONG WriteHive(const fs::path& path, const OpenedFile& opened, std::shared_ptr<Hive> hive,
               fs::path& backup) {
  if (opened.content.kind == FileKind::kDamaged) {
    // Keep what the user had before it is replaced.
    if (const int error = KeepBackup(opened.file, backup); error != 0) return Win32Code(error);
  }
  const std::string strContent = FormatRegFile(*hive);
  FileStamp stamp;
  if (const int error = ReplaceFile(opened.file, strContent, opened.content.status, stamp);
      error != 0) {
    return Win32Code(error);
  }
  HiveCache::Process().Put(path, stamp, HashOfBytes(strContent), std::move(hive));
  return ERROR_SUCCESS;
}

HiveBatch::State* gBatch = nullptr;  // the open batch of the process

}  // namespace

struct HiveBatch::State {
  fs::path path;
  bool blnOpened = false;  // the first change opened the file
  OpenedFile opened;
  std::shared_ptr<Hive> hive;
  bool blnChanged = false;
};

HiveBatch::HiveBatch(fs::path path) : state_(std::make_unique<State>()) {
  state_->path = std::move(path);
  if (gBatch == nullptr) gBatch = state_.get();
}

HiveBatch::~HiveBatch() {
  if (gBatch == state_.get()) gBatch = nullptr;
}

std::int32_t HiveBatch::Commit() {
  if (gBatch != state_.get()) return ERROR_SUCCESS;
  gBatch = nullptr;
  State& state = *state_;
  if (!state.blnOpened) return ERROR_SUCCESS;
  const LONG lngResult = state.opened.lngError != ERROR_SUCCESS ? state.opened.lngError
                         : state.blnChanged
                             ? WriteHive(state.path, state.opened, state.hive, backup_)
                             : ERROR_SUCCESS;
  state.opened.lock.reset();
  return lngResult;
}

std::shared_ptr<const Hive> ReadHive(const fs::path& path) {
  if (gBatch != nullptr && gBatch->hive && gBatch->path == path) return gBatch->hive;
  return HiveCache::Process().Get(path).hive;
}

std::int32_t UpdateHive(const fs::path& path, const HiveChange& change) {
  if (gBatch != nullptr && gBatch->path == path) {
    HiveBatch::State& batch = *gBatch;
    if (!batch.blnOpened) {
      batch.blnOpened = true;
      batch.opened = OpenForChange(path);
      if (batch.opened.lngError == ERROR_SUCCESS) {
        batch.hive = HiveCache::Process().Take(path, batch.opened.content);
      }
    }
    if (batch.opened.lngError != ERROR_SUCCESS) return batch.opened.lngError;
    bool blnChanged = false;
    const std::int32_t lngResult = change(*batch.hive, blnChanged);
    batch.blnChanged = batch.blnChanged || blnChanged;
    return lngResult;
  }

  const OpenedFile opened = OpenForChange(path);
  if (opened.lngError != ERROR_SUCCESS) return opened.lngError;
  std::shared_ptr<Hive> hive = HiveCache::Process().Take(path, opened.content);
  bool blnChanged = false;
  const std::int32_t lngResult = change(*hive, blnChanged);
  if (lngResult != ERROR_SUCCESS || !blnChanged) return lngResult;
  fs::path backup;
  return WriteHive(path, opened, std::move(hive), backup);
}

std::string DescribeWriteRefusal(const fs::path& path) {
  const std::optional<fs::path> file = FileWritten(path);
  if (!file) {
    return catalog::Format(_("Die Registrierungsdatei „{}“ ist eine Verknüpfung, die ins Leere "
                             "führt; sie wird nicht ersetzt."),
                           path.string());
  }
  const std::string strFile = *file != path ? catalog::Format(_("„{}“ (Ziel der Verknüpfung „{}“)"),
                                                              file->string(), path.string())
                                            : catalog::Format(_("„{}“"), file->string());
  switch (Check(path, *file, HiveCache::Process().Get(path))) {
    case Refusal::kForeign:
      return catalog::Format(
          _("Die Datei {} ist keine Registrierungsdatei; sie wird nicht überschrieben."), strFile);
    case Refusal::kNotAFile:
      return catalog::Format(_("{} ist keine Datei und kann nicht als Registrierungsdatei dienen."),
                             strFile);
    case Refusal::kUnreadable:
      return catalog::Format(
          _("Die Registrierungsdatei {} kann nicht gelesen werden; sie wird nicht überschrieben."),
          strFile);
    case Refusal::kReadOnly:
      return catalog::Format(_("Die Registrierungsdatei {} ist schreibgeschützt."), strFile);
    case Refusal::kNone:
      break;
  }
  const fs::path folder = file->parent_path().empty() ? fs::path(".") : file->parent_path();
  std::error_code ec;
  if (fs::is_directory(folder, ec) &&
      ::faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
    return catalog::Format(_("In den Ordner „{}“ kann nicht geschrieben werden."), folder.string());
  }
  return {};
}

}  // namespace registry
