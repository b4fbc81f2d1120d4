#pragma once
// The storage behind a worksheet's shapes: the records in the order they were added and the
// two ends of the drawing order. Shape handles point here, so it stays where it is while the
// Shapes object that owns it is moved.

#include <cstdint>
#include <vector>

#include "platform/excel/ShapeRecord.h"

namespace excel {

struct ShapeStore {
  std::vector<ShapeRecord> records;
  std::int64_t lngFrontZ = 0;  // key of the shape drawn last
  std::int64_t lngBackZ = 0;   // key of the shape drawn first

  ShapeRecord& At(std::int32_t index) { return records[static_cast<std::size_t>(index)]; }
  const ShapeRecord& At(std::int32_t index) const {
    return records[static_cast<std::size_t>(index)];
  }
};

}  // namespace excel
