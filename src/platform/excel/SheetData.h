#pragma once
// The cells of one worksheet: per row its height, outline level, cell formats and values; the
// column widths; the merged areas. Rows and columns are kept sparsely, a row's formats densely.

#include <cstdint>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <variant>
#include <vector>

#include "platform/excel/A1Reference.h"
#include "platform/excel/FormatTable.h"

namespace excel {

// Empty, a number or a text.
using CellValue = std::variant<std::monostate, double, std::string>;

struct RowData {
  double dblHeight = -1;  // points; below 0 for the default height, 0 hides the row
  std::int32_t lngOutlineLevel = 0;
  std::vector<std::uint32_t> xfs;                          // format of column i + 1
  std::vector<std::pair<std::int32_t, CellValue>> values;  // by column, ascending

  std::uint32_t Format(std::int32_t lngColumn) const {
    return static_cast<std::size_t>(lngColumn) <= xfs.size() ? xfs[lngColumn - 1] : 0;
  }
  const CellValue* Value(std::int32_t lngColumn) const;
  void SetValue(std::int32_t lngColumn, CellValue value);
};

// Where a cell lies in the range a format change is applied to; borders depend on it.
enum RangeEdge : unsigned {
  kEdgeLeft = 1,
  kEdgeRight = 2,
  kEdgeTop = 4,
  kEdgeBottom = 8,
};

// Throws excel::Error when a formatting call would touch more cells than the engine formats
// at once (whole columns, for example).
void CheckFormattable(const CellRect& rect);

class SheetData {
 public:
  RowData& Row(std::int32_t lngRow) { return rows_[lngRow]; }
  const RowData* FindRow(std::int32_t lngRow) const;
  const std::map<std::int32_t, RowData>& Rows() const { return rows_; }

  double ColumnWidth(std::int32_t lngColumn) const;  // characters
  void ColumnWidth(std::int32_t lngColumn, double dblWidth) { columnWidths_[lngColumn] = dblWidth; }
  const std::map<std::int32_t, double>& ColumnWidths() const { return columnWidths_; }
  double RowHeight(std::int32_t lngRow) const;  // points

  std::uint32_t Format(std::int32_t lngRow, std::int32_t lngColumn) const;

  // Changes the format of every cell of the rectangle with change(CellFormat&, edges), where
  // edges tells which sides of the rectangle the cell lies on. Each distinct old format is
  // changed and interned once per kind of position.
  // With onlyEdges, change leaves every cell alone that lies on none of those edges: such cells
  // are not visited (their rows are made and sized all the same).
  template <class Change>
  void ChangeFormats(FormatTable& table, const CellRect& rect, Change&& change,
                     unsigned onlyEdges = 0);

  // Merged areas: merging takes in every area it overlaps; unmerging removes them.
  const std::vector<CellRect>& Merges() const { return merges_; }
  void Merge(const CellRect& rect);
  void Unmerge(const CellRect& rect);
  bool IsMerged(const CellRect& rect) const;

  // The smallest rectangle holding every row, value and format; false for an empty sheet.
  bool UsedRect(CellRect& rect) const;

 private:
  std::map<std::int32_t, RowData> rows_;
  std::map<std::int32_t, double> columnWidths_;
  std::vector<CellRect> merges_;
};

template <class Change>
void SheetData::ChangeFormats(FormatTable& table, const CellRect& rect, Change&& change,
                              unsigned onlyEdges) {
  struct Memo {
    std::uint32_t lngOld = UINT32_MAX;
    std::uint32_t lngNew = 0;
    std::unordered_map<std::uint32_t, std::uint32_t> seen;
  };
  Memo memos[16];
  auto mapped = [&](std::uint32_t lngOld, unsigned edges) {
    Memo& memo = memos[edges];
    if (memo.lngOld == lngOld) return memo.lngNew;
    std::uint32_t lngNew;
    if (auto it = memo.seen.find(lngOld); it != memo.seen.end()) {
      lngNew = it->second;
    } else {
      CellFormat format = table.At(lngOld);
      change(format, edges);
      lngNew = table.Intern(format);
      memo.seen.emplace(lngOld, lngNew);
    }
    memo.lngOld = lngOld;
    memo.lngNew = lngNew;
    return lngNew;
  };
  for (std::int32_t lngRow = rect.lngTop; lngRow <= rect.lngBottom; ++lngRow) {
    RowData& row = rows_[lngRow];
    if (row.xfs.size() < static_cast<std::size_t>(rect.lngRight)) row.xfs.resize(rect.lngRight, 0);
    unsigned rowEdges =
        (lngRow == rect.lngTop ? kEdgeTop : 0u) | (lngRow == rect.lngBottom ? kEdgeBottom : 0u);
    std::uint32_t* xf = row.xfs.data();
    auto visit = [&](std::int32_t lngColumn) {
      unsigned edges = rowEdges | (lngColumn == rect.lngLeft ? kEdgeLeft : 0u) |
                       (lngColumn == rect.lngRight ? kEdgeRight : 0u);
      xf[lngColumn - 1] = mapped(xf[lngColumn - 1], edges);
    };
    if (onlyEdges == 0 || (rowEdges & onlyEdges) != 0) {
      for (std::int32_t lngColumn = rect.lngLeft; lngColumn <= rect.lngRight; ++lngColumn) {
        visit(lngColumn);
      }
      continue;
    }
    if (onlyEdges & kEdgeLeft) visit(rect.lngLeft);
    // A single column is on both edges: visited once.
    if ((onlyEdges & kEdgeRight) && (rect.lngRight != rect.lngLeft || !(onlyEdges & kEdgeLeft))) {
      visit(rect.lngRight);
    }
  }
}

}  // namespace excel
