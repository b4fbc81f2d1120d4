#include "platform/excel/save/AtomicSave.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Error.h"
#include "platform/excel/save/LockFiles.h"
#include "platform/excel/save/WorkFolder.h"
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
    throw Error(catalog::Format(_("Die Datei „{}“ kann nicht geöffnet werden: {}"), path.string(),
                                std::strerror(errno)));
  int result = ::fsync(fd);
  int saved = errno;
  ::close(fd);
  if (result != 0 && saved != EINVAL) {
    throw Error(
        catalog::Format(_("Die Datei „{}“ kann nicht auf die Platte geschrieben werden: {}"),
                        path.string(), std::strerror(saved)));
  }
}

// Read-only as the spreadsheet program sees it: no write permission for anyone, or none for
// this process's user. A user who may write anything still does not replace a read-only file.
bool IsReadOnly(const fs::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
  if ((st.st_mode & 0222) == 0) return true;
  return ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0 &&
         (errno == EACCES || errno == EPERM || errno == EROFS);
}

// The text with every occurrence of strFrom replaced.
std::string ReplaceAll(std::string strText, const std::string& strFrom, const std::string& strTo) {
  for (std::size_t pos = strText.find(strFrom); pos != std::string::npos;
       pos = strText.find(strFrom, pos + strTo.size())) {
    strText.replace(pos, strFrom.size(), strTo);
  }
  return strText;
}

// What the user reads of a write that failed: a full disk or a file grown past what the system
// allows said in German (the writers pass on the system's own words), the save folder's file
// named as the target.
Error WriteFailure(const Error& error, const fs::path& written, const fs::path& target,
                   bool blnTargetExists) {
  struct Reason {
    int intErrno;
    const char* strGerman;
  };
  static constexpr Reason kReasons[] = {
      {ENOSPC, N_("Auf dem Datenträger ist kein Platz mehr frei")},
      {EDQUOT, N_("Der Speicherplatz, der Ihnen auf dem Datenträger zusteht, ist aufgebraucht")},
      {EFBIG, N_("Die Datei wird größer, als das System einem Programm erlaubt")},
  };
  const std::string strText = error.Description();
  for (const Reason& reason : kReasons) {
    if (strText.find(std::strerror(reason.intErrno)) == std::string::npos) continue;
    return Error(error.Number(),
                 std::string(_(reason.strGerman)) +
                     (blnTargetExists ? _("; die bisherige Datei ist unverändert.") : "."));
  }
  return Error(error.Number(), ReplaceAll(strText, written.string(), target.string()));
}

}  // namespace

fs::path SaveAtomically(const fs::path& path, const std::vector<std::string>& colExtensions,
                        const std::string& strFormats,
                        const std::function<void(const fs::path&)>& write) {
  // A link is saved through: the file it points to is replaced, the link stays.
  std::error_code linkError;
  fs::path target = path;
  if (fs::is_symlink(fs::symlink_status(path, linkError))) {
    target = fs::weakly_canonical(path, linkError);
    if (linkError)
      throw Error(catalog::Format(_("Die Verknüpfung „{}“ führt ins Leere."), path.string()));
  }
  const std::string strExtension = Lower(target.extension().string());
  const bool blnKnownExtension =
      std::find(colExtensions.begin(), colExtensions.end(), strExtension) != colExtensions.end();
  if (!colExtensions.empty() && !blnKnownExtension) {
    throw Error(catalog::Format(_("Das Dateiformat „{}“ wird nicht unterstützt; {}"),
                                strExtension.empty() ? target.filename().string() : strExtension,
                                strFormats));
  }
  const fs::path folder = target.parent_path();
  std::error_code error;
  if (!fs::is_directory(folder, error)) {
    throw Error(catalog::Format(_("Der Ordner „{}“ existiert nicht."), folder.string()));
  }
  if (::access(folder.c_str(), W_OK | X_OK) != 0) {
    throw Error(
        catalog::Format(_("In den Ordner „{}“ kann nicht geschrieben werden."), folder.string()));
  }
  if (fs::is_directory(target, error)) {
    throw Error(catalog::Format(_("„{}“ ist ein Ordner, keine Datei."), target.string()));
  }
  if (const std::optional<LockFile> lock = LockFileOf(target)) {
    throw Error(catalog::Format(_("Die Datei „{}“ ist in einem anderen Programm geöffnet und kann "
                                  "nicht überschrieben werden (Sperrdatei „{}“)."),
                                target.string(), lock->path.string()));
  }
  if (IsReadOnly(target)) {
    throw Error(catalog::Format(
        _("Die Datei „{}“ ist schreibgeschützt und kann nicht überschrieben werden."),
        target.string()));
  }

  // The new file gets the old one's permission bits and owner, or a new file's permissions.
  struct stat old {};
  const bool blnExists = ::stat(target.c_str(), &old) == 0;
  const mode_t mode = blnExists ? (old.st_mode & 0777) : (0666 & ~CurrentUmask());

  RemoveDeadWorkFolders(folder);
  const WorkFolder saveFolder(folder);
  // Any name's file is written under a short one: a long extension is left off.
  const fs::path written = saveFolder.Path() / ("Mappe" + (blnKnownExtension ? strExtension : ""));
  try {
    write(written);
  } catch (const Error& e) {
    throw WriteFailure(e, written, target, blnExists);
  }
  if (blnExists) {
    // Where this process may not give a file away, the file becomes its own.
    [[maybe_unused]] const int intOwner = ::chown(written.c_str(), old.st_uid, old.st_gid);
  }
  if (::chmod(written.c_str(), mode) != 0) {
    throw Error(catalog::Format(_("Die Rechte der Datei „{}“ können nicht gesetzt werden: {}"),
                                target.string(), std::strerror(errno)));
  }
  Sync(written, O_RDONLY);
  if (::rename(written.c_str(), target.c_str()) != 0) {
    throw Error(catalog::Format(_("Die Datei „{}“ kann nicht ersetzt werden: {}"), target.string(),
                                std::strerror(errno)));
  }
  // The rename made the new file the target; making the folder's entry durable is best effort,
  // a failure here must not report the saved file as unsaved.
  vb::TrySkip([&] { Sync(folder, O_RDONLY | O_DIRECTORY); });
  return target;
}

}  // namespace excel
