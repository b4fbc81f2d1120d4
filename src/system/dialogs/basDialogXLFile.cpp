#include "dialogs/basDialogXLFile.h"

#include <cstddef>

#include "dialogs/clsFileDlg.h"
#include "platform/catalog/Catalog.h"

namespace basDialogXLFile {

namespace {

constexpr std::size_t kExtensionLength = 4;  // ".mpp"

// The number of bytes that the last `count` characters of a UTF-8 text take.
std::size_t LastCharactersBytes(const std::string& strText, std::size_t count) {
  std::size_t pos = strText.size();
  while (count > 0 && pos > 0) {
    --pos;
    // Continuation bytes (10xxxxxx) belong to the character that starts before them.
    if ((static_cast<unsigned char>(strText[pos]) & 0xC0) != 0x80) --count;
  }
  return strText.size() - pos;
}

std::size_t CharacterCount(const std::string& strText) {
  std::size_t count = 0;
  for (const char c : strText) {
    if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace

std::string GetXLFileName(const std::string& strTitle, const std::string& strIntention,
                          const std::string& strDefaultDir, const std::string& strDefaultFileName,
                          const std::string& strDefaultExt, const std::string& strFilter) {
  clsFileDlg dlg;
  if (!strDefaultDir.empty()) dlg.DefaultDir(strDefaultDir);
  dlg.DefaultExt(strDefaultExt);
  dlg.Filter(strFilter);
  dlg.DialogTitle(strTitle);
  dlg.DefaultFileName(strDefaultFileName);
  if (strIntention == "Open") return dlg.ShowOpen();
  if (strIntention == "Save") return dlg.ShowSave();
  return "";
}

std::string ProposeChartFileName(const std::string& strProjectName) {
  std::string strStem;
  if (CharacterCount(strProjectName) >= kExtensionLength) {
    strStem = strProjectName.substr(
        0, strProjectName.size() - LastCharactersBytes(strProjectName, kExtensionLength));
  } else {
    const std::size_t dot = strProjectName.rfind('.');
    strStem = dot == std::string::npos ? strProjectName : strProjectName.substr(0, dot);
  }
  if (strStem.empty()) strStem = _("Kommunikationsdiagramm");
  return strStem + ".xls";
}

std::string GetChartFileName(const std::string& strProjectPath, const std::string& strProjectName) {
  return GetXLFileName(_("Kommunikationsdiagramm speichern"), "Save", strProjectPath,
                       ProposeChartFileName(strProjectName), "xls",
                       _("Excel-Arbeitsmappe (*.xls)"));
}

}  // namespace basDialogXLFile
