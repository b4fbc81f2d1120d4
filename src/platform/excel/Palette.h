#pragma once
// Excel's default 56-colour workbook palette (ColorIndex 1 to 56), as RGB longs with red in the
// low byte.

#include <array>
#include <cstdint>

namespace excel {

using Palette = std::array<std::int32_t, 56>;

const Palette& DefaultPalette();

}  // namespace excel
