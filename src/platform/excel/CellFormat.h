#pragma once
// One cell format as the engine keeps it: number format, font size, fill, the six borders and
// the alignment, each in Excel's own constants. Formats are interned (see FormatTable.h).

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/excel/Constants.h"

namespace excel {

struct BorderFormat {
  std::int32_t lngLineStyle = xlLineStyleNone;
  std::int32_t lngWeight = xlThin;
  std::int32_t lngColorIndex = xlColorIndexAutomatic;
  bool operator==(const BorderFormat&) const = default;
};

// Slots of CellFormat::borders.
enum BorderSlot : std::size_t {
  kBorderLeft,
  kBorderTop,
  kBorderBottom,
  kBorderRight,
  kBorderDiagonalDown,
  kBorderDiagonalUp,
  kBorderSlots
};

struct CellFormat {
  std::uint32_t lngNumberFormat = 0;  // index into the workbook's number formats; 0 is "General"
  double dblFontSize = 10;
  std::int32_t lngPattern = xlPatternNone;
  std::int32_t lngInteriorColor = 0xFFFFFF;  // RGB, red in the low byte
  std::array<BorderFormat, kBorderSlots> borders{};
  std::int32_t lngHorizontalAlignment = xlGeneral;
  std::int32_t lngVerticalAlignment = xlBottom;
  std::int32_t lngOrientation = 0;  // degrees -90 … 90, or xlVertical for stacked letters
  bool blnWrapText = false;

  bool operator==(const CellFormat&) const = default;
};

struct CellFormatHash {
  std::size_t operator()(const CellFormat& format) const noexcept;
};

}  // namespace excel
