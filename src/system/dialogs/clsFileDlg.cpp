#include "dialogs/clsFileDlg.h"

#include <filesystem>
#include <system_error>

#include "platform/catalog/Catalog.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/shell/CommDlg.h"
#include "platform/shell/ShellApi.h"
#include "platform/vb/OnError.h"

namespace {

using namespace std::string_literals;

constexpr std::int16_t kMultiSelectBufferSize = 2000;
constexpr std::size_t kFolderBufferSize = 512;

constexpr std::uint32_t kFlagsOpen =
    shell::OFN_FILEMUSTEXIST | shell::OFN_PATHMUSTEXIST | shell::OFN_HIDEREADONLY;  // 0x1804
constexpr std::uint32_t kFlagsMultiSelect =
    shell::OFN_EXPLORER | shell::OFN_ALLOWMULTISELECT;  // 0x80200
constexpr std::uint32_t kFlagsSave =
    shell::OFN_PATHMUSTEXIST | shell::OFN_OVERWRITEPROMPT | shell::OFN_HIDEREADONLY;  // 0x806

// The current folder, as the runtime's CurDir gives it; error 76 when it has gone.
std::string CurDir() {
  std::error_code ec;
  const std::filesystem::path path = std::filesystem::current_path(ec);
  if (ec) throw vb::Error(76, "Pfad nicht gefunden");
  return path.string();
}

std::string UpToFirstNul(const std::string& strText) {
  return strText.substr(0, strText.find('\0'));
}

}  // namespace

clsFileDlg::clsFileDlg() {
  vb::ResumeNext trap;
  if (trap([&] { strInitDir_ = CurDir() + '\0'; })) {
    forms::MsgBox(trap.LastDescription(), forms::vbOKOnly, "Exit_Class_Initialize");
  }
}

void clsFileDlg::DefaultDir(const std::string& strValue) {
  strInitDir_ = strValue + '\0';
}

void clsFileDlg::DefaultExt(const std::string& strValue) {
  strDefaultExt_ = strValue + '\0';
}

void clsFileDlg::DialogTitle(const std::string& strValue) {
  strTitle_ = strValue + '\0';
}

void clsFileDlg::Filter(const std::string& strValue) {
  strFilter_ = strValue;
  if (strFilter_.size() < 2 || !strFilter_.ends_with("\0\0"s)) strFilter_ += "\0\0"s;
}

void clsFileDlg::MultiSelect(bool blnValue) {
  blnMultiSelect_ = blnValue;
  if (blnValue) intBufferSize_ = kMultiSelectBufferSize;
}

void clsFileDlg::MultiSelectOCXCompatible(bool blnValue) {
  blnMultiSelectOCX_ = blnValue;
  if (blnValue) MultiSelect(true);
}

std::string clsFileDlg::ShowOpen() {
  std::string strResult;
  vb::ResumeNext trap;
  if (trap([&] { strResult = ShowFileDialog(Intention::Open); })) {
    forms::MsgBox(trap.LastDescription(), forms::vbOKOnly, "Exit_ShowOpen");
    strResult.clear();
  }
  strFileName_ = strResult;
  return strResult;
}

std::string clsFileDlg::ShowSave() {
  std::string strResult;
  vb::ResumeNext trap;
  if (trap([&] { strResult = ShowFileDialog(Intention::Save); })) {
    forms::MsgBox(trap.LastDescription(), forms::vbOKOnly, "Exit_ShowSave");
    strResult.clear();
  }
  strFileName_ = strResult;
  return strResult;
}

std::string clsFileDlg::ShowFolder() {
  std::string strResult;
  vb::ResumeNext trap;
  const bool blnFailed = trap([&] {
    shell::Buffers mem;
    shell::BROWSEINFO bi;  // no owner, no root, no title, no flags
    const shell::Ptr32 pidl = shell::SHBrowseForFolderA(bi, mem);
    if (pidl == 0) return;
    std::string strPath(kFolderBufferSize, '\0');
    if (shell::SHGetPathFromIDListA(pidl, mem.LendBuffer(strPath), mem)) {
      strResult = UpToFirstNul(strPath);
    }
  });
  if (blnFailed) {
    forms::MsgBox(std::to_string(trap.LastNumber()) + ": " + trap.LastDescription(),
                  forms::vbOKOnly, "ShowFolder");
    strResult.clear();
  }
  strFileName_ = strResult;
  return strResult;
}

std::string clsFileDlg::ShowFileDialog(Intention intention) {
  const bool blnSave = intention == Intention::Save;
  if (!blnSave) intFileCount_ = 0;
  strRest_.clear();
  strFolder_.clear();

  const std::string strFilterList = BuildFilter();
  const std::uint32_t lngFlags = CheckFlags(intention);
  std::string strTitle = strTitle_;
  if (UpToFirstNul(strTitle).empty()) {
    strTitle = std::string(blnSave ? _("Datei speichern unter") : _("Datei öffnen")) + '\0';
  }
  // The proposed name and at least one NUL must fit the buffer.
  if (strDefaultFileName_.size() >= static_cast<std::size_t>(intBufferSize_)) {
    throw vb::Error(vb::kErrInvalidProcedureCall,
                    "Ungültiger Prozeduraufruf oder ungültiges Argument");
  }
  std::string strBuffer = strDefaultFileName_;
  strBuffer.resize(static_cast<std::size_t>(intBufferSize_), '\0');

  shell::Buffers mem;
  shell::OPENFILENAME ofn;
  ofn.lStructSize = sizeof(shell::OPENFILENAME);
  ofn.hwndOwner = 0;
  ofn.hInstance = 0;
  ofn.lpstrFilter = mem.LendText(strFilterList);
  ofn.lpstrCustomFilter = 0;
  ofn.nMaxCustFilter = 0;
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = mem.LendBuffer(strBuffer);
  ofn.nMaxFile = static_cast<shell::DWORD>(intBufferSize_);
  ofn.lpstrFileTitle = 0;
  ofn.nMaxFileTitle = 0;
  ofn.lpstrInitialDir = mem.LendText(strInitDir_);
  ofn.lpstrTitle = mem.LendText(strTitle);
  ofn.Flags = lngFlags;
  ofn.nFileOffset = 0;
  ofn.nFileExtension = 0;
  ofn.lpstrDefExt = mem.LendText(strDefaultExt_);
  ofn.lCustData = 0;
  ofn.lpfnHook = 0;
  ofn.lpTemplateName = 0;

  if (blnSave) {
    if (!shell::GetSaveFileNameA(ofn, mem)) return "";
    return UpToFirstNul(strBuffer);
  }
  if (!shell::GetOpenFileNameA(ofn, mem)) return "";
  if (!blnMultiSelect_) {
    intFileCount_ = 1;
    return UpToFirstNul(strBuffer);
  }
  std::string strFirst = ParseAuswahl(strBuffer);
  if (blnMultiSelectOCX_) return strBuffer.substr(0, strBuffer.find("\0\0"s));
  return strFirst;
}

std::string clsFileDlg::BuildFilter() const {
  std::string strList;
  for (std::size_t i = 0; i < strFilterText_.size(); ++i) {
    if (!strFilterText_[i].empty() && !strFilterSuffix_[i].empty()) {
      strList += strFilterText_[i] + '\0' + strFilterSuffix_[i] + '\0';
    }
  }
  std::string strFilter = strFilter_;
  while (!strFilter.empty() && strFilter.back() == '\0') strFilter.pop_back();
  if (!strFilter.empty()) strList = strFilter + '\0' + strList;
  if (strList.empty()) strList = _("Alle Dateien") + "\0*.*"s;
  return strList + "\0\0"s;
}

std::uint32_t clsFileDlg::CheckFlags(Intention intention) const {
  if (lngFlags_ != 0) {
    std::uint32_t lngFlags = static_cast<std::uint32_t>(lngFlags_);
    if (blnMultiSelect_) lngFlags |= kFlagsMultiSelect;
    return lngFlags;
  }
  if (intention == Intention::Save) return kFlagsSave;
  return blnMultiSelect_ ? kFlagsOpen | kFlagsMultiSelect : kFlagsOpen;
}

std::string clsFileDlg::ParseAuswahl(const std::string& strBuffer) {
  strRest_ = strBuffer;
  const std::size_t pos = strRest_.find('\0');
  // One file: its full path and two NULs.
  if (pos == std::string::npos || pos + 1 >= strRest_.size() || strRest_[pos + 1] == '\0') {
    intFileCount_ = 1;
    std::string strFile = strRest_.substr(0, pos);
    strRest_.clear();
    return strFile;
  }
  strFolder_ = strRest_.substr(0, pos);
  if (!strFolder_.empty() && strFolder_.back() == '/') strFolder_.pop_back();
  strRest_.erase(0, pos + 1);
  intFileCount_ = CountFiles();
  return GetNextFile();
}

std::int16_t clsFileDlg::CountFiles() const {
  std::int16_t intCount = 0;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t end = strRest_.find('\0', pos);
    if (end == std::string::npos || end == pos) return intCount;
    ++intCount;
    pos = end + 1;
  }
}

std::string clsFileDlg::GetNextFile() {
  const std::size_t pos = strRest_.find('\0');
  // The list ends at the first empty name.
  if (pos == std::string::npos || pos == 0) {
    strRest_.clear();
    return "";
  }
  std::string strFile = strFolder_ + '/' + strRest_.substr(0, pos);
  strRest_.erase(0, pos + 1);
  return strFile;
}
