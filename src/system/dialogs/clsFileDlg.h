#pragma once
// The open, save and folder dialogs behind properties and three show operations.
//
//     clsFileDlg dlg;
//     dlg.DefaultDir("/home/anna/Projekte");
//     dlg.Filter("Excel-Arbeitsmappe (*.xls)");
//     dlg.DefaultExt("xls");
//     const std::string strPath = dlg.ShowSave();   // "" after Cancel
//
// Paths use this system's folder separator "/": the folder of a multiple selection and each
// of its names are joined with it.

#include <array>
#include <cstdint>
#include <string>

class clsFileDlg {
 public:
  // Class_Initialize: the initial folder is the current folder of the process.
  clsFileDlg();

  // Properties, write-only unless noted. Texts marked "& NUL" are stored with one NUL appended.
  void hwnd(std::int32_t lngValue) { lngHwnd_ = lngValue; }  // stored; the dialogs have no owner
  void DefaultDir(const std::string& strValue);              // & NUL
  void InitDir(const std::string& strValue) { DefaultDir(strValue); }
  void DefaultFileName(const std::string& strValue) { strDefaultFileName_ = strValue; }
  void DefaultExt(const std::string& strValue);   // without the point; & NUL
  void DialogTitle(const std::string& strValue);  // & NUL
  // Description NUL pattern NUL …; two NULs are appended unless it already ends in two.
  void Filter(const std::string& strValue);
  void Filter1Text(const std::string& strValue) { strFilterText_[0] = strValue; }
  void Filter2Text(const std::string& strValue) { strFilterText_[1] = strValue; }
  void Filter3Text(const std::string& strValue) { strFilterText_[2] = strValue; }
  void Filter4Text(const std::string& strValue) { strFilterText_[3] = strValue; }
  void Filter5Text(const std::string& strValue) { strFilterText_[4] = strValue; }
  void Filter1Suffix(const std::string& strValue) { strFilterSuffix_[0] = strValue; }
  void Filter2Suffix(const std::string& strValue) { strFilterSuffix_[1] = strValue; }
  void Filter3Suffix(const std::string& strValue) { strFilterSuffix_[2] = strValue; }
  void Filter4Suffix(const std::string& strValue) { strFilterSuffix_[3] = strValue; }
  void Filter5Suffix(const std::string& strValue) { strFilterSuffix_[4] = strValue; }
  // Explicit dialog flags; 0 lets the dialog choose them.
  void Flags(std::int32_t lngValue) { lngFlags_ = lngValue; }
  // Several files may be chosen in the open dialog; switching it on enlarges the file name
  // buffer to 2000 characters.
  void MultiSelect(bool blnValue);
  // The open dialog returns a multiple selection as one raw list (folder NUL name NUL …);
  // switching it on also switches multiple selection on.
  void MultiSelectOCXCompatible(bool blnValue);

  // Read: the result of the last show operation.
  const std::string& FileName() const { return strFileName_; }
  // Read: the number of files chosen in the last open dialog (0 after Cancel).
  std::int16_t FileCount() const { return intFileCount_; }
  // Read: the next file of a multiple selection as folder/name; "" when none is left.
  std::string GetNextFile();

  // Each returns the chosen path, or "" after Cancel, and leaves it in FileName. A failure
  // is shown in a message box titled after the operation ("Exit_ShowOpen", "Exit_ShowSave",
  // "ShowFolder") and gives "".
  std::string ShowOpen();
  std::string ShowSave();
  std::string ShowFolder();

 private:
  enum class Intention { Open, Save };
  std::string ShowFileDialog(Intention intention);
  std::string BuildFilter() const;
  std::uint32_t CheckFlags(Intention intention) const;
  std::string ParseAuswahl(const std::string& strBuffer);
  std::int16_t CountFiles() const;

  [[maybe_unused]] std::int32_t lngHwnd_ = 0;  // the dialogs are shown without owner
  std::string strInitDir_;
  std::string strDefaultFileName_;
  std::string strDefaultExt_ = std::string(1, '\0');
  std::string strTitle_;
  std::string strFilter_;
  std::array<std::string, 5> strFilterText_;
  std::array<std::string, 5> strFilterSuffix_;
  std::int32_t lngFlags_ = 0;
  bool blnMultiSelect_ = false;
  bool blnMultiSelectOCX_ = false;
  std::int16_t intBufferSize_ = 512;
  std::string strFileName_;
  std::int16_t intFileCount_ = 0;
  std::string strRest_;
  std::string strFolder_;
};
