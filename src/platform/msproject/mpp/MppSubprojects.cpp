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

// How an item lays out its fields after the offset of its header: where its unique IDs are (at
// the offset in its first field, at its header, or none: an item of another kind), the bytes
// before the offset of its path and after it (for an item of another kind: all its bytes), the
// width of its offsets (two bytes, or 17 bits of four) and whether it lists several unique IDs.
enum class Ids : std::uint8_t { None, Field, Header };
struct Layout {
  Ids ids;
  std::uint8_t before;
  std::uint8_t after;
  bool blnWide;
  bool blnList;
};
struct KindLayout {
  std::uint8_t kind;
  Layout layout;
};

constexpr Layout Skip(std::uint8_t size) {
  return {Ids::None, 0, size, false, false};
}
constexpr Layout kUnknownKind = Skip(12);

// Project 2007 and later. 0x04 and 0x44 are the resource pool of the plan.
constexpr Layout kLaterTwoFields{Ids::Field, 0, 8, true, true};
constexpr Layout kLaterThreeFields{Ids::Field, 4, 4, true, true};
constexpr Layout kLaterShortThreeFields{Ids::Field, 4, 8, false, true};
constexpr KindLayout kLaterKinds[] = {
    {0x00, Skip(8)},
    {0x10, Skip(8)},
    {0x02, Skip(8)},
    {0x04, Skip(8)},
    {0x44, Skip(12)},
    {0x0B, kLaterThreeFields},
    {0x99, kLaterThreeFields},
    {0x09, kLaterThreeFields},
    {0x0D, kLaterThreeFields},
    {0x03, kLaterTwoFields},
    {0x11, kLaterTwoFields},
    {0x91, kLaterTwoFields},
    {0x81, kLaterTwoFields},
    {0x83, kLaterTwoFields},
    {0x41, kLaterTwoFields},
    {0x01, {Ids::Field, 0, 4, true, true}},
    {0x08, {Ids::Field, 0, 4, true, true}},
    {0xC0, {Ids::Header, 0, 8, true, true}},
    {0x05, {Ids::Field, 0, 4, true, false}},
    {0x45, {Ids::Field, 0, 8, true, false}},
    {0x89, kLaterShortThreeFields},
    {0x8D, kLaterShortThreeFields},
    {0x0A, {Ids::Field, 0, 4, false, true}},
};

// Project 2000–2003: one unique ID per item, offsets of two bytes but in 0x45.
constexpr Layout k9TwoFields{Ids::Field, 0, 4, false, false};
constexpr Layout k9ThreeFields{Ids::Field, 4, 4, false, false};
constexpr Layout k9TwoFieldsAndMore{Ids::Field, 0, 8, false, false};
constexpr KindLayout k9Kinds[] = {
    {0x00, Skip(8)},
    {0x10, Skip(8)},
    {0x02, Skip(8)},
    {0x04, Skip(8)},
    {0x44, Skip(12)},
    {0x99, k9ThreeFields},
    {0x09, k9ThreeFields},
    {0x0D, k9ThreeFields},
    {0x91, k9TwoFieldsAndMore},
    {0x81, k9TwoFieldsAndMore},
    {0x41, k9TwoFieldsAndMore},
    {0x45, {Ids::Field, 0, 8, true, false}},
    {0x01, k9TwoFields},
    {0x03, k9TwoFields},
    {0x05, k9TwoFields},
    {0x08, k9TwoFields},
    {0x0A, k9TwoFields},
    {0x11, k9TwoFields},
    {0xC0, {Ids::Header, 0, 8, false, false}},
    {0x8D, {Ids::Field, 4, 8, false, false}},
};

template <std::size_t N>
const Layout& LayoutOf(std::uint8_t kind, const KindLayout (&kinds)[N]) {
  for (const KindLayout& k : kinds) {
    if (k.kind == kind) return k.layout;
  }
  return kUnknownKind;
}

class SubprojectBlock {
 public:
  SubprojectBlock(std::string_view data, int format) : data_(data), format_(format) {}

  std::map<std::int32_t, std::string> Read() {
    const auto end = I32(data_, 8);
    if (!end || *end < 12) return paths_;
    std::size_t at = 12;
    while (at < static_cast<std::size_t>(*end) && at + 4 <= data_.size()) {
      const auto header = Offset(at, format_ != 9);
      at += 4;
      const auto kind = header ? U8(data_, *header + 16) : std::nullopt;
      if (!kind) break;
      const Layout& layout = format_ == 9 ? LayoutOf(*kind, k9Kinds) : LayoutOf(*kind, kLaterKinds);
      const std::optional<Item> item = ItemAt(layout, *header, at);
      if (item && item->uniqueIDs) Take(*item);
    }
    return paths_;
  }

 private:
  // An offset within the block: two bytes, or 17 bits of four.
  std::optional<std::size_t> Offset(std::size_t at, bool blnWide) const {
    if (!blnWide) return U16(data_, at);
    const auto value = U32(data_, at);
    return value ? std::optional<std::size_t>(*value & 0x1FFFF) : std::nullopt;
  }

  // The item whose fields begin at `at`, as its layout places them; `at` moves past them.
  std::optional<Item> ItemAt(const Layout& layout, std::size_t header, std::size_t& at) const {
    if (layout.ids == Ids::None) {
      at += layout.after;
      return std::nullopt;
    }
    Item item;
    item.blnList = layout.blnList;
    if (layout.ids == Ids::Field) {
      item.uniqueIDs = Offset(at, layout.blnWide);
      at += 4;
    } else {
      item.uniqueIDs = header;
    }
    at += layout.before;
    item.path = Offset(at, layout.blnWide).value_or(0);
    at += 4 + layout.after;
    return item;
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
