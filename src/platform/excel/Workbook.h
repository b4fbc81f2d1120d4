#pragma once
// A workbook of the engine: its worksheets, its 56-colour palette, its one window, saving.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/excel/FormatTable.h"
#include "platform/excel/save/LockFiles.h"
#include "platform/excel/Palette.h"
#include "platform/excel/Window.h"
#include "platform/excel/Worksheet.h"

namespace excel {

class Application;

// A text longer than a cell holds (32,767 characters, counted in UTF-16 code units as Excel
// counts them), cut to what the cell holds when it was written, as Excel cuts it. The workbook
// keeps a list of them, so that the program can say so.
struct CutText {
  std::string strSheet;
  std::string strAddress;     // the cell ("C7"), or the block the text was written to
  std::size_t lngLength = 0;  // the whole text's characters
  std::string strStart;       // its first characters, to know it by
};

class Workbook {
 public:
  // A new workbook named strName ("Mappe1") with lngSheets empty worksheets.
  Workbook(Application& application, std::string strName, std::int32_t lngSheets);
  // An entry for a file that another program holds open: only FullName answers.
  Workbook(Application& application, std::filesystem::path heldOpenPath);
  ~Workbook();
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  // "Mappe1" until saved, then the file's full path.
  std::string FullName() const;
  std::string Name() const;

  // The palette entry, 1 to 56, as RGB with red in the low byte.
  std::int32_t Colors(std::int32_t lngIndex) const;
  void Colors(std::int32_t lngIndex, std::int32_t lngColor);

  // 1-based.
  Worksheet& Worksheets(std::int32_t lngIndex);
  std::int32_t WorksheetCount() const;
  Worksheet& ActiveSheet();

  // Only window 1 exists.
  excel::Window& Windows(std::int32_t lngIndex);

  // Saves under path: a name ending in .xlsx as .xlsx, any other as an Excel 97-2003 workbook.
  // See WorkbookFile.h for what is refused. The workbook's FullName becomes the path.
  void SaveAs(const std::string& strPath);
  // Prints every worksheet to a PDF file, as Excel's Save as PDF: Type xlTypePDF (xlTypeXPS is
  // refused), the file name (".pdf" is added when it has no extension), Quality
  // xlQualityStandard or xlQualityMinimum, the workbook's name as the document's title when
  // IncludeDocProperties, the used ranges instead of the print areas when IgnorePrintAreas,
  // the pages From to To (1-based; 0 for the first or the last), and the file opened with the
  // desktop's viewer when OpenAfterPublish. Saved atomically, refused as SaveAs refuses (see
  // AtomicSave.h), and refused when no page painter is installed (PagePainter.h) or there is
  // nothing to print. FullName stays as it was.
  void ExportAsFixedFormat(std::int32_t Type, const std::string& Filename,
                           std::int32_t Quality = xlQualityStandard,
                           bool IncludeDocProperties = true, bool IgnorePrintAreas = false,
                           std::int32_t From = 0, std::int32_t To = 0,
                           bool OpenAfterPublish = false);
  // Closes without saving; every later use of the workbook or its parts throws.
  void Close();

  // Engine side.
  void CheckUsable() const;
  bool IsClosed() const { return blnClosed_; }
  bool IsHeldByOtherProgram() const { return blnHeldOpen_; }
  // The lock file by which another program holds the file open, read afresh; nothing for a
  // workbook of the engine's own.
  std::optional<LockFile> HeldBy() const;
  FormatTable& Formats() { return formats_; }
  const FormatTable& Formats() const { return formats_; }
  const Palette& Colors() const { return palette_; }
  void ActivateSheet(const Worksheet& sheet);
  Application& Parent() const { return *application_; }
  // The texts cut since the workbook was made, in the order they were written.
  const std::vector<CutText>& CutTexts() const { return cutTexts_; }
  void TextCut(CutText cut) { cutTexts_.push_back(std::move(cut)); }

 private:
  Application* application_;
  std::string strName_;
  std::filesystem::path path_;  // empty until saved
  bool blnHeldOpen_ = false;
  bool blnClosed_ = false;
  FormatTable formats_;
  Palette palette_;
  std::vector<std::unique_ptr<Worksheet>> sheets_;
  std::size_t lngActiveSheet_ = 0;
  excel::Window window_;
  std::vector<CutText> cutTexts_;
};

}  // namespace excel
