#pragma once
// Where each field of a table lies in a .mpp: the field map of the project's properties, one
// entry of 28 bytes per field with the field's identifier (the identifier of MSPDI's FieldID),
// its offset in the row's fixed values (or 65535 for a value of varying size) and the key of
// its varying value. The fixed values of a row may come in two blocks (FixedData and
// Fixed2Data): the offsets start again at the second.

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace msproject::mpp {

class Props;

struct FieldPlace {
  enum class Kind { Fixed, Var, Flag, None };
  Kind kind = Kind::None;
  int block = 0;             // 0 FixedData, 1 Fixed2Data
  std::uint16_t offset = 0;  // in the block's row
  std::int32_t varKey = 0;   // the key in VarMeta
};

class FieldMap {
 public:
  // blnKeyIsIndex: Project 2007 and later key varying values by the field's index (the low
  // 16 bits of its identifier); Project 2000–2003 keeps the key in the entry.
  FieldMap(std::string_view entries, bool blnKeyIsIndex);
  // A map of fixed places, for a file without a map of its own.
  FieldMap() = default;
  void Set(std::int32_t fieldIndex, FieldPlace place) { places_[fieldIndex] = place; }

  // The place of a field by its index (188743694 → 14, Name of a task).
  FieldPlace Place(std::int32_t fieldIndex) const;
  // The size a row of the first block has at least when every fixed field is in it.
  std::size_t FixedSize() const { return fixedSize_; }
  void FixedSize(std::size_t size) { fixedSize_ = size; }

 private:
  std::unordered_map<std::int32_t, FieldPlace> places_;
  std::size_t fixedSize_ = 0;
};

}  // namespace msproject::mpp
