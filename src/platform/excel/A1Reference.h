#pragma once
// Cell addresses in A1 notation: "B7", "$A$1", "A1:C3", whole columns "A:C", whole rows "5:9".

#include <cstdint>
#include <string>
#include <string_view>

namespace excel {

// A block of cells, 1-based and inclusive on all sides.
struct CellRect {
  std::int32_t lngTop = 1;
  std::int32_t lngLeft = 1;
  std::int32_t lngBottom = 1;
  std::int32_t lngRight = 1;

  std::int32_t Rows() const { return lngBottom - lngTop + 1; }
  std::int32_t Columns() const { return lngRight - lngLeft + 1; }
  bool Contains(std::int32_t lngRow, std::int32_t lngColumn) const {
    return lngRow >= lngTop && lngRow <= lngBottom && lngColumn >= lngLeft && lngColumn <= lngRight;
  }
  bool Overlaps(const CellRect& other) const {
    return lngTop <= other.lngBottom && other.lngTop <= lngBottom && lngLeft <= other.lngRight &&
           other.lngLeft <= lngRight;
  }
  bool operator==(const CellRect&) const = default;
};

// Parses range text; throws excel::Error for text that is no range or lies outside the sheet.
CellRect ParseA1(std::string_view strText);
// Parses "5:9" or "7" as whole rows; throws like ParseA1.
CellRect ParseRows(std::string_view strText);

// Throws excel::Error when the cell lies outside the sheet.
void CheckCell(std::int32_t lngRow, std::int32_t lngColumn);

// "A", "Z", "AA", … "XFD" for 1 … 16384.
std::string ColumnLetters(std::int32_t lngColumn);
// Appends "B7" to out, fast enough for writing millions of cells.
void AppendCellName(std::string& out, std::int32_t lngRow, std::int32_t lngColumn);
// "A1" or "A1:C3".
std::string RectName(const CellRect& rect);

}  // namespace excel
