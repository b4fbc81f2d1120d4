#pragma once
// Cells of the file show palette colours only: a colour is written as the index of the palette
// entry that shows it, or of the nearest entry when no entry has it, as Excel does when it saves
// a colour the palette lacks.

#include <cstdint>

#include "platform/excel/Palette.h"

namespace excel::xls {

// The colour index (8 to 63) of the palette entry nearest to the RGB colour (red in the low
// byte); of equally near entries the first.
std::uint32_t NearestColorIndex(const Palette& palette, std::int32_t color);

}  // namespace excel::xls
