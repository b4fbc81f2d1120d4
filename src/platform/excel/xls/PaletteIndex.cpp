#include "platform/excel/xls/PaletteIndex.h"

namespace excel::xls {

namespace {

constexpr std::uint32_t kFirstPaletteIndex = 8;  // indexes 0 to 7 are fixed colours

}  // namespace

std::uint32_t NearestColorIndex(const Palette& palette, std::int32_t color) {
  std::size_t best = 0;
  std::int64_t bestDistance = INT64_MAX;
  for (std::size_t i = 0; i < palette.size(); ++i) {
    std::int64_t distance = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const std::int64_t delta = ((color >> shift) & 0xFF) - ((palette[i] >> shift) & 0xFF);
      distance += delta * delta;
    }
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return kFirstPaletteIndex + static_cast<std::uint32_t>(best);
}

}  // namespace excel::xls
