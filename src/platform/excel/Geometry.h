#pragma once
// Excel's sheet geometry with Arial 10 as the default font: digits 7 pixels wide, 5 pixels of
// padding per column, 96 pixels to the inch.

namespace excel {

inline constexpr double kDefaultRowHeight = 12.75;   // points
inline constexpr double kDefaultColumnWidth = 8.43;  // characters
inline constexpr double kMaxRowHeight = 409.0;       // points
inline constexpr double kMaxColumnWidth = 255.0;     // characters

// Points of a column w characters wide: 5.25 w + 3.75; a hidden column (0) has none.
inline double ColumnWidthToPoints(double dblWidth) {
  return dblWidth <= 0 ? 0.0 : 5.25 * dblWidth + 3.75;
}

}  // namespace excel
