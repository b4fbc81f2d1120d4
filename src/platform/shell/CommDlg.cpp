#include "platform/shell/CommDlg.h"

#include <algorithm>
#include <cstring>

#include "platform/shell/Backend.h"
#include "platform/shell/Error.h"

namespace shell {

namespace {

constexpr DWORD kOpenFileNameSize = sizeof(OPENFILENAME);
constexpr DWORD kChooseColorSize = sizeof(CHOOSECOLOR);

// Reads a filter list (description NUL pattern NUL …, closed by an empty description or an
// empty pattern, that is by two NULs in a row) into its entries. Returns the list's memory up
// to and including the closing NUL.
std::string ReadFilterList(const Buffers& mem, Ptr32 address, std::vector<FilterEntry>& filters) {
  if (address == 0) return {};
  const std::string_view bytes = mem.Read(address);
  std::size_t pos = 0;
  for (;;) {
    const std::size_t descEnd = bytes.find('\0', pos);
    if (descEnd == std::string_view::npos) break;
    if (descEnd == pos) return std::string(bytes.substr(0, pos + 1));
    const std::size_t patternEnd = bytes.find('\0', descEnd + 1);
    if (patternEnd == std::string_view::npos) break;
    filters.push_back({std::string(bytes.substr(pos, descEnd - pos)),
                       std::string(bytes.substr(descEnd + 1, patternEnd - descEnd - 1))});
    pos = patternEnd + 1;
    if (patternEnd == descEnd + 1) return std::string(bytes.substr(0, pos));
  }
  throw Error("Die Filterliste des Dateidialogs endet nicht mit zwei Nullzeichen");
}

std::size_t NameStart(const std::string& strPath) {
  const std::size_t slash = strPath.rfind('/');
  return slash == std::string::npos ? 0 : slash + 1;
}

WORD Offset(std::size_t pos) {
  return static_cast<WORD>(std::min<std::size_t>(pos, 0xFFFF));
}

// The folder of a chosen file; the root folder is "/".
std::string FolderOf(const std::string& strPath) {
  const std::size_t slash = strPath.rfind('/');
  if (slash == std::string::npos) {
    throw Error("Der Dateidialog hat keinen vollständigen Pfad geliefert: " + strPath);
  }
  return slash == 0 ? "/" : strPath.substr(0, slash);
}

// The answer in the form the file buffer takes, and the offsets that describe it.
struct FileAnswer {
  std::string strBuffer;
  WORD nFileOffset = 0;
  WORD nFileExtension = 0;
};

FileAnswer SingleFile(const std::string& strPath, bool blnMultiSelect) {
  FileAnswer answer;
  answer.strBuffer = strPath;
  answer.strBuffer += '\0';
  if (blnMultiSelect) answer.strBuffer += '\0';
  const std::size_t nameStart = NameStart(strPath);
  answer.nFileOffset = Offset(nameStart);
  const std::size_t dot = strPath.rfind('.');
  if (dot != std::string::npos && dot >= nameStart) answer.nFileExtension = Offset(dot + 1);
  return answer;
}

FileAnswer SeveralFiles(const std::vector<std::string>& files) {
  const std::string strFolder = FolderOf(files.front());
  FileAnswer answer;
  answer.strBuffer = strFolder;
  answer.strBuffer += '\0';
  answer.nFileOffset = Offset(answer.strBuffer.size());
  for (const std::string& strPath : files) {
    if (FolderOf(strPath) != strFolder) {
      throw Error("Der Dateidialog hat Dateien aus mehreren Ordnern geliefert");
    }
    answer.strBuffer += strPath.substr(NameStart(strPath));
    answer.strBuffer += '\0';
  }
  answer.strBuffer += '\0';
  return answer;
}

std::string WithDefaultExtension(std::string strPath, const std::string& strDefExt) {
  if (strDefExt.empty()) return strPath;
  if (strPath.find('.', NameStart(strPath)) != std::string::npos) return strPath;
  return strPath + "." + strDefExt;
}

BOOL FileDialog(bool blnSave, OPENFILENAME& ofn, const Buffers& mem) {
  if (ofn.lStructSize != kOpenFileNameSize || ofn.lpstrFile == 0 || ofn.nMaxFile == 0) {
    return FALSE;
  }
  const std::span<char> file = mem.Write(ofn.lpstrFile);
  if (file.size() < ofn.nMaxFile) {
    throw Error("Der Dateinamenpuffer ist kleiner als angegeben");
  }
  const std::string_view proposed(file.data(), ofn.nMaxFile);

  FileDialogRequest request;
  request.blnSave = blnSave;
  request.record = ofn;
  request.strFilterList = ReadFilterList(mem, ofn.lpstrFilter, request.filters);
  request.strFile = std::string(proposed.substr(0, proposed.find('\0')));
  request.strInitialDir = std::string(mem.Text(ofn.lpstrInitialDir));
  request.strTitle = std::string(mem.Text(ofn.lpstrTitle));
  request.strDefExt = std::string(mem.Text(ofn.lpstrDefExt));

  Backend* backend = CurrentBackend();
  if (backend == nullptr) return FALSE;

  const bool blnMultiSelect = (ofn.Flags & OFN_ALLOWMULTISELECT) != 0;
  FileAnswer answer;
  if (blnSave) {
    const std::optional<std::string> path = backend->GetSaveFileName(request);
    if (!path || path->empty()) return FALSE;
    answer = SingleFile(WithDefaultExtension(*path, request.strDefExt), blnMultiSelect);
  } else {
    const std::optional<std::vector<std::string>> files = backend->GetOpenFileName(request);
    if (!files || files->empty()) return FALSE;
    if (files->size() == 1) {
      answer = SingleFile(files->front(), blnMultiSelect);
    } else if (blnMultiSelect) {
      answer = SeveralFiles(*files);
    } else {
      throw Error("Der Dateidialog hat mehrere Dateien ohne Mehrfachauswahl geliefert");
    }
  }
  // A selection that does not fit the buffer is refused, as Windows refuses it.
  if (answer.strBuffer.size() > ofn.nMaxFile) return FALSE;
  std::copy(answer.strBuffer.begin(), answer.strBuffer.end(), file.begin());
  ofn.nFileOffset = answer.nFileOffset;
  ofn.nFileExtension = answer.nFileExtension;
  return TRUE;
}

}  // namespace

BOOL GetOpenFileNameA(OPENFILENAME& ofn, const Buffers& mem) {
  return FileDialog(false, ofn, mem);
}

BOOL GetSaveFileNameA(OPENFILENAME& ofn, const Buffers& mem) {
  return FileDialog(true, ofn, mem);
}

BOOL ChooseColorA(CHOOSECOLOR& cc, const Buffers& mem) {
  if (cc.lStructSize != kChooseColorSize || cc.lpCustColors == 0) return FALSE;
  const std::span<char> table = mem.Write(cc.lpCustColors);
  if (table.size() < kCustomColorCount * sizeof(COLORREF)) {
    throw Error("Die Tabelle der benutzerdefinierten Farben ist zu klein");
  }
  ColorDialogRequest request;
  request.record = cc;
  std::memcpy(request.custColors.data(), table.data(), kCustomColorCount * sizeof(COLORREF));

  Backend* backend = CurrentBackend();
  if (backend == nullptr) return FALSE;
  std::array<COLORREF, kCustomColorCount> custColors = request.custColors;
  const std::optional<COLORREF> color = backend->ChooseColor(request, custColors);
  for (COLORREF& entry : custColors) entry &= 0xFFFFFF;
  std::memcpy(table.data(), custColors.data(), kCustomColorCount * sizeof(COLORREF));
  if (!color) return FALSE;
  cc.rgbResult = *color & 0xFFFFFF;
  return TRUE;
}

}  // namespace shell
