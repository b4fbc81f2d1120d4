#include "platform/excel/AtomicSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/excel/Error.h"
#include "platform/excel/LockFiles.h"
#include "platform/vb/OnError.h"

namespace excel {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return text;
}

// The process's file-creation mask, read without changing it.
mode_t CurrentUmask() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("Umask:", 0) == 0)
      return static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  }
  return 022;
}

void Sync(const fs::path& path, int flags) {
  int fd = ::open(path.c_str(), flags | O_CLOEXEC);
  if (fd < 0)
    throw Error("Die Datei „" + path.string() +
                "“ kann nicht geöffnet werden: " + std::strerror(errno));
  int result = ::fsync(fd);
  int saved = errno;
  ::close(fd);
  if (result != 0 && saved != EINVAL) {
    throw Error("Die Datei „" + path.string() +
                "“ kann nicht auf die Platte geschrieben werden: " + std::strerror(saved));
  }
}

// The temporary file beside the target; removed unless it was renamed over the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(const fs::path& target) {
    std::string strName(1, '.');
    strName += target.filename().string();
    strName += ".XXXXXX";
    std::string pattern = (target.parent_path() / strName).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    int fd = ::mkstemp(name.data());
    if (fd < 0) {
      throw Error("Im Ordner „" + target.parent_path().string() +
                  "“ kann keine Datei angelegt werden: " + std::strerror(errno));
    }
    ::close(fd);
    path_ = name.data();
  }
  ~TemporaryFile() {
    if (!blnKept_) {
      std::error_code ignored;
      fs::remove(path_, ignored);
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  const fs::path& Path() const { return path_; }
  void Keep() { blnKept_ = true; }

 private:
  fs::path path_;
  bool blnKept_ = false;
};

}  // namespace

fs::path SaveAtomically(const fs::path& path, const std::vector<std::string>& colExtensions,
                        const std::string& strFormats,
                        const std::function<void(const fs::path&)>& write) {
  // A link is saved through: the file it points to is replaced, the link stays.
  std::error_code linkError;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, linkError))) {
    target = fs::weakly_canonical(path, linkError);
    if (linkError) throw Error("Die Verknüpfung „" + path.string() + "“ führt ins Leere.");
  }
  std::string strExtension = Lower(target.extension().string());
  if (std::find(colExtensions.begin(), colExtensions.end(), strExtension) == colExtensions.end()) {
    throw Error("Das Dateiformat „" +
                (strExtension.empty() ? target.filename().string() : strExtension) +
                "“ wird nicht unterstützt; " + strFormats);
  }
  const fs::path folder = target.parent_path();
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw Error("Der Ordner „" + folder.string() + "“ existiert nicht.");
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    throw Error("In den Ordner „" + folder.string() + "“ kann nicht geschrieben werden.");
  }
  if (fs::is_directory(target, error)) {
    throw Error("„" + target.string() + "“ ist ein Ordner, keine Datei.");
  }
  if (IsHeldOpen(target)) {
    throw Error("Die Datei „" + target.string() +
                "“ ist in einem anderen Programm geöffnet und kann nicht überschrieben werden.");
  }

  // The new file gets the old one's permissions, or those of a newly created file.
  struct stat old {};
  mode_t mode =
      ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 07777) : (0666 & ~CurrentUmask());

  TemporaryFile temporary(target);
  write(temporary.Path());
  if (::chmod(temporary.Path().c_str(), mode) != 0) {
    throw Error("Die Rechte der Datei „" + target.string() +
                "“ können nicht gesetzt werden: " + std::strerror(errno));
  }
  Sync(temporary.Path(), O_RDONLY);
  if (::rename(temporary.Path().c_str(), target.c_str()) != 0) {
    throw Error("Die Datei „" + target.string() +
                "“ kann nicht ersetzt werden: " + std::strerror(errno));
  }
  temporary.Keep();
  // The rename made the new file the target; making the folder's entry durable is best effort,
  // a failure here must not report the saved file as unsaved.
  vb::TrySkip([&] { Sync(folder, O_RDONLY | O_DIRECTORY); });
  return target;
}

}  // namespace excel
