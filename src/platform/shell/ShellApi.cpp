#include "platform/shell/ShellApi.h"

#include <algorithm>

#include "platform/shell/Backend.h"
#include "platform/shell/Error.h"

namespace shell {

namespace {

std::string Text(const char* psz) {
  return psz == nullptr ? std::string() : std::string(psz);
}

// Writes a text and its NUL into a buffer; false when it does not fit.
bool Put(std::span<char> buffer, std::string_view strText) {
  if (strText.size() + 1 > buffer.size()) return false;
  std::copy(strText.begin(), strText.end(), buffer.begin());
  buffer[strText.size()] = '\0';
  return true;
}

std::string DisplayName(const std::string& strPath) {
  if (strPath == "/") return strPath;
  std::string strTrimmed = strPath;
  while (strTrimmed.size() > 1 && strTrimmed.back() == '/') strTrimmed.pop_back();
  const std::size_t slash = strTrimmed.rfind('/');
  return slash == std::string::npos ? strTrimmed : strTrimmed.substr(slash + 1);
}

}  // namespace

Ptr32 SHBrowseForFolderA(BROWSEINFO& bi, Buffers& mem) {
  FolderDialogRequest request;
  request.record = bi;
  request.strTitle = std::string(mem.Text(bi.lpszTitle));
  Backend* backend = CurrentBackend();
  if (backend == nullptr) return 0;
  const std::optional<std::string> path = backend->BrowseForFolder(request);
  if (!path) return 0;
  if (bi.pszDisplayName != 0) {
    const std::span<char> name = mem.Write(bi.pszDisplayName);
    const std::span<char> limited = name.first(std::min<std::size_t>(name.size(), MAX_PATH));
    const std::string strName = DisplayName(*path);
    if (!limited.empty() && !Put(limited, strName)) limited[0] = '\0';
  }
  return mem.Allocate(*path, Buffers::Kind::ItemIdList);
}

BOOL SHGetPathFromIDListA(Ptr32 pidl, Ptr32 pszPath, const Buffers& mem) {
  if (mem.KindOf(pidl) != Buffers::Kind::ItemIdList) {
    throw Error("Keine Elementliste des Ordnerdialogs");
  }
  const std::string_view strPath = mem.Read(pidl);
  const std::span<char> buffer = mem.Write(pszPath);
  if (buffer.empty()) throw Error("Der Pfadpuffer ist leer");
  if (strPath.empty() || strPath.size() + 1 > MAX_PATH) {
    buffer[0] = '\0';
    return FALSE;
  }
  if (!Put(buffer, strPath)) throw Error("Der Pfadpuffer ist kleiner als MAX_PATH");
  return TRUE;
}

HINSTANCE ShellExecuteA(HWND hwnd, const char* lpOperation, const char* lpFile,
                        const char* lpParameters, const char* lpDirectory, int nShowCmd) {
  ShellExecuteRequest request{
      hwnd, Text(lpOperation), Text(lpFile), Text(lpParameters), Text(lpDirectory), nShowCmd};
  Backend* backend = CurrentBackend();
  if (backend == nullptr) return SE_ERR_NOASSOC;
  return backend->ShellExecute(request);
}

}  // namespace shell
