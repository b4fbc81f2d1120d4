#include "platform/excel/CellAnchors.h"

#include <algorithm>
#include <cmath>

#include "platform/excel/Constants.h"
#include "platform/excel/DrawingWriter.h"

namespace excel {

CellAnchors::CellAnchors(const SheetGeometry& geometry)
    : columns_(geometry, false, kMaxColumns), rows_(geometry, true, kMaxRows) {}

CellOffset CellAnchors::Column(std::int64_t lngEmu) {
  return columns_.Find(lngEmu);
}

CellOffset CellAnchors::Row(std::int64_t lngEmu) {
  return rows_.Find(lngEmu);
}

CellAnchors::Axis::Axis(const SheetGeometry& geometry, bool blnRows, std::int32_t lngCount)
    : geometry_(geometry), blnRows_(blnRows), lngCount_(lngCount) {}

double CellAnchors::Axis::Size(std::int32_t lngCell) const {
  return blnRows_ ? geometry_.RowHeightPoints(lngCell + 1)
                  : geometry_.ColumnWidthPoints(lngCell + 1);
}

CellOffset CellAnchors::Axis::Find(std::int64_t lngEmu) {
  while ((edges_.empty() || edges_.back() <= lngEmu) &&
         static_cast<std::int32_t>(edges_.size()) < lngCount_) {
    dblSum_ += std::max(0.0, Size(static_cast<std::int32_t>(edges_.size())));
    edges_.push_back(std::llround(dblSum_ * kEmuPerPoint));
  }
  auto cell = static_cast<std::int32_t>(std::upper_bound(edges_.begin(), edges_.end(), lngEmu) -
                                        edges_.begin());
  if (cell == lngCount_) {
    // Beyond the sheet: the last cell with a size.
    cell = lngCount_ - 1;
    while (cell > 0 &&
           edges_[static_cast<std::size_t>(cell)] == edges_[static_cast<std::size_t>(cell - 1)]) {
      --cell;
    }
  }
  const std::int64_t lngLeft = cell == 0 ? 0 : edges_[static_cast<std::size_t>(cell - 1)];
  return {cell, lngEmu - lngLeft};
}

}  // namespace excel
