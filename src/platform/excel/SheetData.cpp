#include "platform/excel/SheetData.h"

#include <algorithm>

#include "platform/excel/Error.h"
#include "platform/excel/Geometry.h"

namespace excel {

void CheckFormattable(const CellRect& rect) {
  constexpr std::int64_t kMaxFormattedCells = std::int64_t{1} << 24;
  if (static_cast<std::int64_t>(rect.Rows()) * rect.Columns() > kMaxFormattedCells) {
    throw Error("Der Bereich " + RectName(rect) + " ist zu groß, um ihn zu formatieren.");
  }
}

const CellValue* RowData::Value(std::int32_t lngColumn) const {
  auto it = std::lower_bound(values.begin(), values.end(), lngColumn,
                             [](const auto& entry, std::int32_t c) { return entry.first < c; });
  return it != values.end() && it->first == lngColumn ? &it->second : nullptr;
}

void RowData::SetValue(std::int32_t lngColumn, CellValue value) {
  auto it = std::lower_bound(values.begin(), values.end(), lngColumn,
                             [](const auto& entry, std::int32_t c) { return entry.first < c; });
  bool empty = std::holds_alternative<std::monostate>(value);
  if (it != values.end() && it->first == lngColumn) {
    if (empty) {
      values.erase(it);
    } else {
      it->second = std::move(value);
    }
  } else if (!empty) {
    values.emplace(it, lngColumn, std::move(value));
  }
}

const RowData* SheetData::FindRow(std::int32_t lngRow) const {
  auto it = rows_.find(lngRow);
  return it == rows_.end() ? nullptr : &it->second;
}

double SheetData::ColumnWidth(std::int32_t lngColumn) const {
  auto it = columnWidths_.find(lngColumn);
  return it == columnWidths_.end() ? kDefaultColumnWidth : it->second;
}

double SheetData::RowHeight(std::int32_t lngRow) const {
  const RowData* row = FindRow(lngRow);
  return row == nullptr || row->dblHeight < 0 ? kDefaultRowHeight : row->dblHeight;
}

std::uint32_t SheetData::Format(std::int32_t lngRow, std::int32_t lngColumn) const {
  const RowData* row = FindRow(lngRow);
  return row == nullptr ? 0 : row->Format(lngColumn);
}

void SheetData::Merge(const CellRect& rect) {
  CellRect area = rect;
  // Grow the area over every merged area it touches, until none is left overlapping.
  for (bool grown = true; grown;) {
    grown = false;
    for (auto it = merges_.begin(); it != merges_.end(); ++it) {
      if (it->Overlaps(area)) {
        area.lngTop = std::min(area.lngTop, it->lngTop);
        area.lngLeft = std::min(area.lngLeft, it->lngLeft);
        area.lngBottom = std::max(area.lngBottom, it->lngBottom);
        area.lngRight = std::max(area.lngRight, it->lngRight);
        merges_.erase(it);
        grown = true;
        break;
      }
    }
  }
  if (area.lngTop == area.lngBottom && area.lngLeft == area.lngRight) return;
  merges_.push_back(area);
  // Only the top-left cell keeps its value.
  for (auto& [lngRow, row] : rows_) {
    if (lngRow < area.lngTop) continue;
    if (lngRow > area.lngBottom) break;
    std::erase_if(row.values, [&, lngRow = lngRow](const auto& entry) {
      return entry.first >= area.lngLeft && entry.first <= area.lngRight &&
             !(lngRow == area.lngTop && entry.first == area.lngLeft);
    });
  }
}

void SheetData::Unmerge(const CellRect& rect) {
  std::erase_if(merges_, [&](const CellRect& area) { return area.Overlaps(rect); });
}

bool SheetData::IsMerged(const CellRect& rect) const {
  return std::any_of(merges_.begin(), merges_.end(),
                     [&](const CellRect& area) { return area == rect; });
}

bool SheetData::UsedRect(CellRect& rect) const {
  bool any = false;
  for (const auto& [lngRow, row] : rows_) {
    std::int32_t lngLeft = 0, lngRight = 0;
    for (std::size_t i = 0; i < row.xfs.size(); ++i) {
      if (row.xfs[i] != 0) {
        if (lngLeft == 0) lngLeft = static_cast<std::int32_t>(i) + 1;
        lngRight = static_cast<std::int32_t>(i) + 1;
      }
    }
    if (!row.values.empty()) {
      if (lngLeft == 0 || row.values.front().first < lngLeft) lngLeft = row.values.front().first;
      lngRight = std::max(lngRight, row.values.back().first);
    }
    if (lngLeft == 0) continue;
    if (!any) {
      rect = CellRect{lngRow, lngLeft, lngRow, lngRight};
      any = true;
    } else {
      rect.lngLeft = std::min(rect.lngLeft, lngLeft);
      rect.lngRight = std::max(rect.lngRight, lngRight);
      rect.lngBottom = lngRow;
    }
  }
  return any;
}

}  // namespace excel
