#pragma once
// A block of cells of one worksheet, as Excel's Range: a small value that names the cells; every
// property reads the top-left cell and writes all cells of the block.
//
//     excel::Range row = sheet.Range(sheet.Cells(7, 1), sheet.Cells(7, 12));
//     row.Borders(excel::xlEdgeLeft).LineStyle(excel::xlContinuous);
//     row.Interior().Color(0xCCFFFF);
//     row.Font().Size(8);

#include <cstdint>
#include <string>
#include <type_traits>

#include "platform/excel/A1Reference.h"
#include "platform/excel/SheetData.h"

namespace excel {

class Worksheet;
class Border;
class Interior;
class Font;

class Range {
 public:
  Range(Worksheet& sheet, const CellRect& rect) : sheet_(&sheet), rect_(rect) {}

  // The value of the top-left cell; writing sets every cell. Text that reads as a number is
  // stored as a number unless the cell's number format is "@" (text), as Excel does. A text
  // longer than the 32,767 characters a cell holds (UTF-16 code units) is cut to them, as Excel
  // cuts it, and the cut is kept in the workbook's list (Workbook::CutTexts).
  CellValue Value() const;
  void Value(const std::string& strValue);
  void Value(const char* strValue) { Value(std::string(strValue)); }
  void Value(double dblValue);
  // Whole numbers of any integer type (an ID, a count) are stored as numbers.
  template <class Integer>
  requires(std::is_integral_v<Integer> && !std::is_same_v<Integer, bool> &&
           !std::is_same_v<Integer, char>) void Value(Integer lngValue) {
    Value(static_cast<double>(lngValue));
  }

  std::string NumberFormat() const;
  void NumberFormat(const std::string& strFormat);

  // Characters (0 to 255; 0 hides the column), for every column of the range.
  double ColumnWidth() const;
  void ColumnWidth(double dblWidth);
  // Points (0 to 409; 0 hides the row), for every row of the range.
  double RowHeight() const;
  void RowHeight(double dblHeight);

  bool MergeCells() const;
  void MergeCells(bool blnMerge);

  excel::Border Borders(std::int32_t lngIndex) const;
  excel::Interior Interior() const;
  excel::Font Font() const;

  std::int32_t HorizontalAlignment() const;
  void HorizontalAlignment(std::int32_t lngAlignment);
  std::int32_t VerticalAlignment() const;
  void VerticalAlignment(std::int32_t lngAlignment);
  // Degrees from -90 to 90, or xlHorizontal, xlVertical, xlUpward, xlDownward.
  std::int32_t Orientation() const;
  void Orientation(std::int32_t lngOrientation);
  bool WrapText() const;
  void WrapText(bool blnWrap);

  // Makes the range the sheet's selection; its top-left cell becomes the active cell, where
  // Window.FreezePanes splits. The sheet must be the active sheet.
  void Select();
  // Adds one outline level to every row of a range of whole rows (Worksheet.Rows).
  void Group();

  std::int32_t Row() const { return rect_.lngTop; }
  std::int32_t Column() const { return rect_.lngLeft; }
  std::string Address() const { return RectName(rect_); }

  // Engine side.
  Worksheet& Sheet() const { return *sheet_; }
  const CellRect& Rect() const { return rect_; }

 private:
  Worksheet* sheet_;
  CellRect rect_;
};

}  // namespace excel
