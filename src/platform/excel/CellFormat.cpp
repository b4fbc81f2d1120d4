#include "platform/excel/CellFormat.h"

#include <bit>
#include <functional>

namespace excel {

namespace {

inline void Mix(std::size_t& seed, std::uint64_t value) {
  seed ^= value + 0x9E3779B97F4A7C15ull + (seed << 6) + (seed >> 2);
}

}  // namespace

std::size_t CellFormatHash::operator()(const CellFormat& format) const noexcept {
  std::size_t seed = format.lngNumberFormat;
  Mix(seed, std::bit_cast<std::uint64_t>(format.dblFontSize));
  Mix(seed, static_cast<std::uint32_t>(format.lngPattern));
  Mix(seed, static_cast<std::uint32_t>(format.lngInteriorColor));
  for (const BorderFormat& border : format.borders) {
    Mix(seed, (static_cast<std::uint64_t>(static_cast<std::uint32_t>(border.lngLineStyle)) << 32) ^
                  static_cast<std::uint32_t>(border.lngWeight));
    Mix(seed, static_cast<std::uint32_t>(border.lngColorIndex));
  }
  Mix(seed, static_cast<std::uint32_t>(format.lngHorizontalAlignment));
  Mix(seed, static_cast<std::uint32_t>(format.lngVerticalAlignment));
  Mix(seed, static_cast<std::uint32_t>(format.lngOrientation));
  Mix(seed, format.blnWrapText);
  return seed;
}

}  // namespace excel
