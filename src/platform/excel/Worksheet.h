#pragma once
// One worksheet of a workbook: its cells, outline settings, page set-up and drawing shapes.

#include <cstdint>
#include <string>

#include "platform/excel/A1Reference.h"
#include "platform/excel/Outline.h"
#include "platform/excel/PageSetup.h"
#include "platform/excel/Range.h"
#include "platform/excel/Shapes.h"
#include "platform/excel/SheetData.h"

namespace excel {

class Workbook;
class FormatTable;

class Worksheet {
 public:
  Worksheet(Workbook& workbook, std::string strName);
  Worksheet(const Worksheet&) = delete;
  Worksheet& operator=(const Worksheet&) = delete;

  const std::string& Name() const;

  // "A1", "A1:C3", "A:C", "5:9"; text that is no range throws.
  excel::Range Range(const std::string& strAddress);
  // The block spanned by two ranges (usually two cells).
  excel::Range Range(const excel::Range& first, const excel::Range& second);
  // One cell, 1-based; outside the sheet throws.
  excel::Range Cells(std::int32_t lngRow, std::int32_t lngColumn);
  // Whole rows: "5:9" or "7".
  excel::Range Rows(const std::string& strRows);
  excel::Range Rows(std::int32_t lngRow);

  excel::Outline& Outline();
  excel::PageSetup& PageSetup();
  excel::Shapes& Shapes();

  // Draws the sheet's first printed page as a picture: SVG (in points) or PNG at lngResolution
  // dots per inch (10 to 2400), by the file's extension. Saved and refused as
  // Workbook::ExportAsFixedFormat.
  void ExportPicture(const std::string& strFilename, std::int32_t lngResolution = 150);

  // Makes the sheet its workbook's active sheet.
  void Activate();

  // Engine side: the state that Range, Window and the file writer work on.
  void CheckUsable() const;  // throws once the workbook is closed or the application quit
  SheetData& Data() { return data_; }
  const SheetData& Data() const { return data_; }
  const excel::Shapes& ShapeList() const { return shapes_; }
  const excel::Outline& OutlineSettings() const { return outline_; }
  const excel::PageSetup& PageSettings() const { return pageSetup_; }
  FormatTable& Formats();
  const FormatTable& Formats() const;
  Workbook& Parent() const { return *workbook_; }

  // The active cell (set by Range.Select) and the frozen split: rows above and columns left of
  // the cell stay in view; 0 and 0 when nothing is frozen.
  void ActiveCell(std::int32_t lngRow, std::int32_t lngColumn);
  std::int32_t ActiveRow() const { return lngActiveRow_; }
  std::int32_t ActiveColumn() const { return lngActiveColumn_; }
  void FreezeAtActiveCell(bool blnFreeze);
  std::int32_t FrozenRows() const { return lngFrozenRows_; }
  std::int32_t FrozenColumns() const { return lngFrozenColumns_; }

  // Geometry in points, as the drawing anchors need it.
  double ColumnWidthPoints(std::int32_t lngColumn) const;
  double RowHeightPoints(std::int32_t lngRow) const;

 private:
  Workbook* workbook_;
  std::string strName_;
  SheetData data_;
  excel::Outline outline_;
  excel::PageSetup pageSetup_;
  excel::Shapes shapes_;
  std::int32_t lngActiveRow_ = 1, lngActiveColumn_ = 1;
  std::int32_t lngFrozenRows_ = 0, lngFrozenColumns_ = 0;
};

}  // namespace excel
