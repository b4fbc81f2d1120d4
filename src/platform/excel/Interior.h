#pragma once
// Range.Interior: the cells' fill. Setting Color makes the fill solid, as in Excel.

#include <cstdint>

#include "platform/excel/Range.h"

namespace excel {

class Interior {
 public:
  explicit Interior(const Range& range) : range_(range) {}

  std::int32_t Color() const;  // RGB, red in the low byte
  void Color(std::int32_t lngColor);
  std::int32_t Pattern() const;
  void Pattern(std::int32_t lngPattern);  // xlPatternSolid, xlPatternNone, the hatchings …

 private:
  Range range_;
};

}  // namespace excel
