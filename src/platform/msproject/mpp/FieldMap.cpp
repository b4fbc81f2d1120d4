#include "platform/msproject/mpp/FieldMap.h"

#include <algorithm>

#include "platform/msproject/mpp/Bytes.h"

namespace msproject::mpp {

namespace {

constexpr std::size_t kEntrySize = 28;
constexpr std::uint16_t kNotFixed = 65535;

// The size of a fixed value by the entry's category of value.
std::size_t SizeOf(std::uint16_t category) {
  switch (category) {
    case 0x02:  // short values: units of durations, kinds, percentages
      return 2;
    case 0x03:  // whole numbers and durations
    case 0x13:  // dates
      return 4;
    case 0x05:  // rates and numbers
    case 0x65:  // work and costs
    case 0x66:  // units
      return 8;
    case 0x48:  // GUIDs
      return 16;
    default:
      return 0;
  }
}

}  // namespace

FieldMap::FieldMap(std::string_view entries, bool blnKeyIsIndex) {
  int block = 0;
  std::uint16_t lastOffset = 0;
  for (std::size_t at = 0; at + kEntrySize <= entries.size(); at += kEntrySize) {
    const std::uint16_t offset = *U16(entries, at + 4);
    const std::uint8_t keyInEntry = *U8(entries, at + 6);
    const std::uint32_t fieldId = *U32(entries, at + 12);
    const std::uint16_t category = *U16(entries, at + 20);
    const auto index = static_cast<std::int32_t>(fieldId & 0xFFFF);
    FieldPlace place;
    place.varKey = blnKeyIsIndex ? index : keyInEntry;
    if (category == 0x0B || category == 0x64) {
      place.kind = FieldPlace::Kind::Flag;  // a bit of the row's meta entry
    } else if (offset != kNotFixed) {
      // The offsets begin anew with the second block of fixed values.
      if (offset < lastOffset) block = std::min(block + 1, 1);
      lastOffset = offset;
      place.kind = FieldPlace::Kind::Fixed;
      place.block = block;
      place.offset = offset;
      if (block == 0) fixedSize_ = std::max(fixedSize_, offset + SizeOf(category));
    } else if (place.varKey != 0) {
      place.kind = FieldPlace::Kind::Var;
    }
    places_[index] = place;
  }
}

FieldPlace FieldMap::Place(std::int32_t fieldIndex) const {
  const auto found = places_.find(fieldIndex);
  return found == places_.end() ? FieldPlace{} : found->second;
}

}  // namespace msproject::mpp
