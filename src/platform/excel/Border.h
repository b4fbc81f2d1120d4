#pragma once
// Range.Borders(index): one edge of a range (xlEdgeLeft … xlInsideHorizontal) or a diagonal.
// The edges apply to the cells along that side of the range, the inside lines to the cells
// between; a one-row range has no inside horizontal line.

#include <cstdint>

#include "platform/excel/Range.h"

namespace excel {

class Border {
 public:
  Border(const Range& range, std::int32_t lngIndex);  // throws for an unknown index

  std::int32_t LineStyle() const;
  void LineStyle(std::int32_t lngLineStyle);
  std::int32_t Weight() const;
  void Weight(std::int32_t lngWeight);
  // 1 … 56 (the workbook palette), xlColorIndexAutomatic or xlColorIndexNone.
  std::int32_t ColorIndex() const;
  void ColorIndex(std::int32_t lngColorIndex);

 private:
  template <class Set>
  void Change(Set&& set);
  const BorderFormat& Read() const;

  Range range_;
  std::int32_t lngIndex_;
};

}  // namespace excel
