#pragma once
// The look of the chart's cells: header cells, task rows, font sizes. Each routine attempts
// every one of its calls and returns true when any of them failed.

#include <cstdint>

namespace excel {
class Range;
}

// The weight of the thinnest border, Excel's xlHairline.
inline constexpr std::int32_t kHairline = 1;

// The height of a row of header cells with upward text, in points.
inline constexpr std::int32_t kVerticalHeaderRowHeight = 100;

// A header cell: hairline edges and inside lines of the given weight, no diagonals, filled
// with lngColor, centred; with blnVertical its text reads upwards and its row is
// kVerticalHeaderRowHeight high.
bool FormatHeaderCell(excel::Range objRange, std::int32_t lngColor, bool blnVertical,
                      std::int32_t lngWeight);

// A task row: edges and inside lines of the given weight, no diagonals, 8-point text, the row
// height in points, the alignments and wrapping, filled with lngColor.
bool FormatTaskRow(excel::Range objRange, bool blnWrap, double dblRowHeight,
                   std::int32_t lngVerticalAlignment, std::int32_t lngHorizontalAlignment,
                   std::int32_t lngColor, std::int32_t lngWeight);

bool SetFontSize(excel::Range objRange, std::int32_t lngSize);
