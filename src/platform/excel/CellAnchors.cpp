#include "platform/excel/CellAnchors.h"

#include <algorithm>
#include <cmath>

#include "platform/excel/Constants.h"

namespace excel {

CellAnchors::CellAnchors(const SheetGeometry& geometry)
    : columns_(geometry, false, kMaxColumns), rows_(geometry, true, kMaxRows) {}

CellOffset CellAnchors::Column(std::int64_t emu) {
  return columns_.Find(emu);
}

CellOffset CellAnchors::Row(std::int64_t emu) {
  return rows_.Find(emu);
}

CellAnchors::Axis::Axis(const SheetGeometry& geometry, bool rows, std::int32_t count)
    : geometry_(geometry), rows_(rows), count_(count) {}

double CellAnchors::Axis::Size(std::int32_t cell) const {
  return rows_ ? geometry_.RowHeightPoints(cell + 1) : geometry_.ColumnWidthPoints(cell + 1);
}

CellOffset CellAnchors::Axis::Find(std::int64_t emu) {
  while ((edges_.empty() || edges_.back() <= emu) &&
         static_cast<std::int32_t>(edges_.size()) < count_) {
    sum_ += std::max(0.0, Size(static_cast<std::int32_t>(edges_.size())));
    edges_.push_back(std::llround(sum_ * kEmuPerPoint));
  }
  auto cell = static_cast<std::int32_t>(std::upper_bound(edges_.begin(), edges_.end(), emu) -
                                        edges_.begin());
  if (cell == count_) {
    // Beyond the sheet: the last cell with a size.
    cell = count_ - 1;
    while (cell > 0 &&
           edges_[static_cast<std::size_t>(cell)] == edges_[static_cast<std::size_t>(cell - 1)]) {
      --cell;
    }
  }
  const std::int64_t left = cell == 0 ? 0 : edges_[static_cast<std::size_t>(cell - 1)];
  return {cell, emu - left};
}

}  // namespace excel
