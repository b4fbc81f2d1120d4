#pragma once
// Range.Font: the cells' font, Arial throughout; only the size changes.

#include "platform/excel/Range.h"

namespace excel {

class Font {
 public:
  explicit Font(const Range& range) : range_(range) {}

  double Size() const;
  void Size(double dblSize);  // 1 to 409 points

 private:
  Range range_;
};

}  // namespace excel
