#pragma once
// The building blocks of a .mpp's tables, each a stream of the compound file:
//
//   Props      a list of values by key (the project's properties, the field maps)
//   FixedMeta  one entry per row of a table, each of one size: flags and the row's offset in
//   FixedData  the rows' values of known size, one after the other
//   VarMeta    per row (by unique ID) and field key the offset in
//   Var2Data   the values of varying size (texts), each with its length before it
//
// A block is kept as the bytes read; its entries are looked up in place. Every entry that
// points outside its block makes the file damaged, named by the block's path.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace msproject::mpp {

// Throws the failure of a damaged file, naming what is damaged.
[[noreturn]] void Damaged(const std::string& strWhat);

class Props {
 public:
  Props() = default;
  Props(std::string bytes, const std::string& strPath);
  std::optional<std::string_view> Value(std::int32_t key) const;
  std::optional<std::int32_t> Int(std::int32_t key) const;
  std::optional<std::uint16_t> Short(std::int32_t key) const;

 private:
  std::string bytes_;
  std::vector<std::pair<std::int32_t, std::pair<std::size_t, std::size_t>>> values_;  // sorted
};

class FixedMeta {
 public:
  // itemSizes: the sizes an entry may have; the one that divides the block (and, where two
  // do, gives as many entries as `expectedCount`) is taken.
  FixedMeta(std::string bytes, const std::string& strPath, std::vector<std::size_t> itemSizes,
            std::size_t expectedCount = 0);
  std::size_t Count() const { return count_; }
  std::string_view Item(std::size_t index) const;
  // The offset of the row's values in the FixedData block, from the entry's bytes 4 … 7.
  std::optional<std::uint32_t> Offset(std::size_t index) const;
  const std::string& Path() const { return path_; }

 private:
  std::string bytes_;
  std::string path_;
  std::size_t itemSize_ = 1;
  std::size_t count_ = 0;
};

class FixedData {
 public:
  FixedData() = default;
  // Each row from its offset to the next row's offset (the last to the end), at most
  // maxItemSize bytes when that is not 0.
  FixedData(std::string bytes, const std::string& strPath, const FixedMeta& meta,
            std::size_t maxItemSize = 0);
  std::size_t Count() const { return items_.size(); }
  // The row's bytes; empty for a row without values.
  std::string_view Item(std::size_t index) const;

 private:
  std::string bytes_;
  std::vector<std::pair<std::size_t, std::size_t>> items_;  // offset, size
};

class VarData {
 public:
  VarData() = default;
  // blnWideMeta: the meta entries of Project 2007 and later (12 bytes: unique ID, offset, key);
  // else those of Project 2000–2003 (8 bytes: 3 bytes of unique ID, key, offset).
  VarData(std::string meta, std::string data, const std::string& strPath, bool blnWideMeta);
  // The value of the field key of the row with the unique ID; nothing when it has none.
  std::optional<std::string_view> Value(std::int32_t uniqueID, std::int32_t key) const;
  bool HasRow(std::int32_t uniqueID) const;
  // The unique IDs of every row with values, ascending.
  std::vector<std::int32_t> Rows() const;

 private:
  struct Entry {
    std::int32_t uniqueID;
    std::int32_t key;
    std::size_t offset;
    std::size_t size;
  };
  std::string data_;
  std::vector<Entry> entries_;  // sorted by unique ID and key
};

}  // namespace msproject::mpp
