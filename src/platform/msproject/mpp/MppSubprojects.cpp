// The inserted projects of a .mpp: a block of the project's properties lists every project
// ever inserted, each with the unique IDs of the tasks that stand for it and the path of its
// file. The layout of an item depends on its kind (the byte 16 of its header).

#include <array>
#include <optional>

#include "platform/msproject/mpp/Bytes.h"
#include "platform/msproject/mpp/MppPlan.h"

namespace msproject::mpp {

namespace {

// Kinds of the value after a task's unique ID that mark the task as the one standing for an
// inserted project (the other values mark tasks of other plans that tasks here link to).
constexpr std::array<std::uint32_t, 9> kInsertedMarks{0x00000000, 0x0B340000, 0x0ABB0000,
                                                      0x05A10000, 0x0BD50000, 0x03D60000,
                                                      0x067F0000, 0x067D0000, 0x00540000};
constexpr std::array<std::uint32_t, 6> kInsertedMarks9{0x00000000, 0x0B340000, 0x0ABB0000,
                                                       0x05A10000, 0x02F70000, 0x07010000};
constexpr std::uint32_t kPathInUtf16 = 0x0BD50000;
constexpr std::uint32_t kEndOfList9 = 0x00000303;
constexpr std::int32_t kMaxUniqueID = 0x1FFFFF;

template <std::size_t N>
bool IsOneOf(std::uint32_t value, const std::array<std::uint32_t, N>& values) {
  for (const std::uint32_t v : values) {
    if (v == value) return true;
  }
  return false;
}

// The path at `at`: a DOS path (8.3), then, when its length follows, the long path in UTF-16.
std::optional<std::string> PathAt(std::string_view data, std::size_t at) {
  at += 18 + 4;
  if (at >= data.size()) return std::nullopt;
  std::size_t length = 0;
  std::string strDos = AnsiText(data, at, &length);
  at += length + 1 + 24;
  const auto size = I32(data, at);
  if (!size) return std::nullopt;
  if (*size == 0) return strDos;
  const auto bytes = I32(data, at + 4);
  if (!bytes || *bytes < 0) return std::nullopt;
  std::string strPath = Utf16Text(data, at + 4 + 4 + 2, static_cast<std::size_t>(*bytes));
  return strPath.empty() ? std::optional<std::string>(strDos) : strPath;
}

struct Item {
  std::optional<std::size_t> uniqueIDs;  // where the unique IDs begin
  std::size_t path = 0;
  bool blnList = false;  // Project 2007 and later: a unique ID every four bytes up to the path
};

class SubprojectBlock {
 public:
  SubprojectBlock(std::string_view data, int format) : data_(data), format_(format) {}

  std::map<std::int32_t, std::string> Read() {
    const auto end = I32(data_, 8);
    if (!end || *end < 12) return paths_;
    std::size_t at = 12;
    while (at < static_cast<std::size_t>(*end) && at + 4 <= data_.size()) {
      const auto header = Offset(at);
      at += 4;
      const auto kind = header ? U8(data_, *header + 16) : std::nullopt;
      if (!kind) break;
      const std::optional<Item> item =
          format_ == 9 ? Item9(*kind, *header, at) : ItemLater(*kind, *header, at);
      if (item && item->uniqueIDs) Take(*item);
    }
    return paths_;
  }

 private:
  // An offset within the block: two bytes in Project 2000–2003, 17 bits of four later.
  std::optional<std::size_t> Offset(std::size_t at) const {
    if (format_ == 9) return U16(data_, at);
    const auto value = U32(data_, at);
    return value ? std::optional<std::size_t>(*value & 0x1FFFF) : std::nullopt;
  }
  std::optional<std::size_t> Short(std::size_t at) const { return U16(data_, at); }

  // The offsets of the fields of an item, as its kind lays them out; `at` moves past them.
  std::optional<Item> ItemLater(std::uint8_t kind, std::size_t header, std::size_t& at) const {
    Item item;
    item.blnList = true;
    const auto field = [&](std::size_t skipBefore, bool blnShort = false) {
      at += skipBefore;
      const auto value = blnShort ? Short(at) : Offset(at);
      at += 4;
      return value;
    };
    switch (kind) {
      case 0x00:
      case 0x10:
      case 0x02:
        at += 8;
        return std::nullopt;
      case 0x0B:
      case 0x99:
      case 0x09:
      case 0x0D:
        item.uniqueIDs = field(0);
        item.path = field(4).value_or(0);
        field(0);
        return item;
      case 0x03:
      case 0x11:
      case 0x91:
        item.uniqueIDs = field(0);
        item.path = field(0).value_or(0);
        at += 8;
        return item;
      case 0x81:
      case 0x83:
      case 0x41:
      case 0x01:
      case 0x08:
        item.uniqueIDs = field(0);
        item.path = field(0).value_or(0);
        at += kind == 0x01 || kind == 0x08 ? 4 : 8;
        return item;
      case 0xC0:
        item.uniqueIDs = header;
        item.path = field(0).value_or(0);
        at += 8;
        return item;
      case 0x05:
      case 0x45:
        item.uniqueIDs = field(0);
        item.path = field(0).value_or(0);
        at += kind == 0x05 ? 4 : 8;
        item.blnList = false;
        return item;
      case 0x04:
      case 0x44:
        // The resource pool of the plan, no inserted project.
        at += kind == 0x04 ? 8 : 12;
        return std::nullopt;
      case 0x89:
      case 0x8D:
        item.uniqueIDs = field(0, true);
        item.path = field(4, true).value_or(0);
        at += 4;
        field(0, true);
        return item;
      case 0x0A:
        item.uniqueIDs = field(0, true);
        item.path = field(0, true).value_or(0);
        field(0, true);
        return item;
      default:
        at += 12;
        return std::nullopt;
    }
  }

  std::optional<Item> Item9(std::uint8_t kind, std::size_t header, std::size_t& at) const {
    Item item;
    const auto field = [&](std::size_t skipBefore) {
      at += skipBefore;
      std::optional<std::size_t> value = Short(at);
      if (kind == 0x45) {
        const auto wide = U32(data_, at);
        value = wide ? std::optional<std::size_t>(*wide & 0x1FFFF) : std::nullopt;
      }
      at += 4;
      return value;
    };
    switch (kind) {
      case 0x00:
      case 0x10:
        at += 8;
        return std::nullopt;
      case 0x99:
      case 0x09:
      case 0x0D:
        item.uniqueIDs = field(0);
        item.path = field(4).value_or(0);
        field(0);
        return item;
      case 0x91:
      case 0x45:
        item.uniqueIDs = field(0);
        item.path = field(0).value_or(0);
        at += 8;
        return item;
      case 0x01:
      case 0x03:
      case 0x05:
      case 0x08:
      case 0x0A:
      case 0x11:
        item.uniqueIDs = field(0);
        item.path = field(0).value_or(0);
        at += 4;
        return item;
      case 0x81:
      case 0x41:
        item.uniqueIDs = field(0);
        item.path = field(0).value_or(0);
        at += 8;
        return item;
      case 0xC0:
        item.uniqueIDs = header;
        item.path = field(0).value_or(0);
        at += 8;
        return item;
      case 0x02:
      case 0x04:
        at += 8;
        return std::nullopt;
      case 0x44:
        at += 12;
        return std::nullopt;
      case 0x8D:
        item.uniqueIDs = field(0);
        item.path = field(4).value_or(0);
        field(4);
        return item;
      default:
        at += 12;
        return std::nullopt;
    }
  }

  void Take(const Item& item) {
    std::size_t at = *item.uniqueIDs;
    if (format_ == 9) {
      const std::optional<std::string> strPath = PathAt(data_, item.path);
      if (!strPath) return;
      // Unique IDs up to the end mark; one followed by a mark of an inserted project is one.
      std::int32_t previous = 0;
      for (auto value = U32(data_, at); value && *value != kEndOfList9;
           at += 4, value = U32(data_, at)) {
        if (IsOneOf(*value, kInsertedMarks9)) {
          if (previous > 0 && previous <= kMaxUniqueID) paths_[previous] = *strPath;
          previous = 0;
        } else {
          previous = static_cast<std::int32_t>(*value);
        }
      }
      return;
    }
    const auto one = [&](std::size_t place) {
      const auto value = I32(data_, place);
      const auto mark = U32(data_, place + 4);
      if (!value || !mark || *value <= 0 || *value > kMaxUniqueID ||
          !IsOneOf(*mark, kInsertedMarks)) {
        return;
      }
      std::optional<std::string> strPath =
          *mark == kPathInUtf16 ? std::optional<std::string>(Utf16Text(data_, item.path))
                                : PathAt(data_, item.path);
      if (strPath) paths_[*value] = std::move(*strPath);
    };
    if (!item.blnList) {
      one(at);
      return;
    }
    for (; at < item.path && at < data_.size(); at += 4) one(at);
  }

  std::string_view data_;
  int format_;
  std::map<std::int32_t, std::string> paths_;
};

}  // namespace

std::map<std::int32_t, std::string> ReadSubprojects(std::string_view data, int format) {
  return SubprojectBlock(data, format).Read();
}

}  // namespace msproject::mpp
