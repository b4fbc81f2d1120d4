#include "platform/msproject/mpp/Blocks.h"

#include <fmt/format.h>

#include <algorithm>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/PlanFormat.h"
#include "platform/msproject/mpp/Bytes.h"

namespace msproject::mpp {

namespace {

// The first four bytes of FixedMeta and VarMeta blocks.
constexpr std::uint32_t kMetaMagic = 0xFADFADBA;
constexpr std::size_t kFixedMetaHeader = 16;
constexpr std::size_t kVarMetaHeader = 24;

}  // namespace

void Damaged(const std::string& strWhat) {
  throw PlanReadFailure{PlanReadFailure::Kind::Faulty,
                        catalog::Format(_("Die Datei ist beschädigt: {}"), strWhat), std::nullopt,
                        std::nullopt};
}

// 16 bytes of header with the number of values at 12; then per value its size, its key and
// four bytes, the value, and a byte to an even length.
Props::Props(std::string bytes, const std::string& strPath) : bytes_(std::move(bytes)) {
  const std::string_view view(bytes_);
  const std::uint16_t count = U16(view, 12).value_or(0);
  std::size_t at = 16;
  for (std::uint16_t i = 0; i < count; ++i) {
    const auto size = I32(view, at);
    const auto key = I32(view, at + 4);
    if (!size || !key) break;  // the list may end before its count, as MS Project reads it
    at += 12;
    if (*size < 1 || static_cast<std::size_t>(*size) > view.size() - at) {
      Damaged(catalog::Format(_("der Wert {} in „{}“ reicht über das Ende des Blocks hinaus."),
                              *key, strPath));
    }
    values_.emplace_back(*key, std::make_pair(at, static_cast<std::size_t>(*size)));
    at += static_cast<std::size_t>(*size) + (*size % 2);
  }
  // A key met twice: the later value holds.
  std::stable_sort(values_.begin(), values_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
}

std::optional<std::string_view> Props::Value(std::int32_t key) const {
  const auto end =
      std::upper_bound(values_.begin(), values_.end(), key,
                       [](std::int32_t k, const auto& entry) { return k < entry.first; });
  if (end == values_.begin() || std::prev(end)->first != key) return std::nullopt;
  const auto& [offset, size] = std::prev(end)->second;
  return std::string_view(bytes_).substr(offset, size);
}

std::optional<std::int32_t> Props::Int(std::int32_t key) const {
  const auto value = Value(key);
  return value ? I32(*value, 0) : std::nullopt;
}

std::optional<std::uint16_t> Props::Short(std::int32_t key) const {
  const auto value = Value(key);
  return value ? U16(*value, 0) : std::nullopt;
}

FixedMeta::FixedMeta(std::string bytes, const std::string& strPath,
                     std::vector<std::size_t> itemSizes, std::size_t expectedCount)
    : bytes_(std::move(bytes)), path_(strPath) {
  const std::string_view view(bytes_);
  if (view.size() < kFixedMetaHeader || U32(view, 0) != kMetaMagic) {
    Damaged(catalog::Format(_("„{}“ ist kein Verzeichnis einer Tabelle."), strPath));
  }
  const std::size_t available = view.size() - kFixedMetaHeader;
  const std::size_t declared = static_cast<std::size_t>(std::max(0, I32(view, 8).value_or(0)));
  itemSize_ = itemSizes.front();
  // Where several sizes are possible: the one that fills the block exactly and gives the
  // other table's number of rows, else the one that fits the declared count best.
  std::ptrdiff_t bestDistance = PTRDIFF_MIN;
  for (const std::size_t size : itemSizes) {
    if (size == 0 || available % size != 0) continue;
    if (expectedCount != 0 && available / size == expectedCount) {
      itemSize_ = size;
      break;
    }
    const auto distance =
        static_cast<std::ptrdiff_t>(declared * size) - static_cast<std::ptrdiff_t>(available);
    if (distance <= 0 && distance > bestDistance) {
      itemSize_ = size;
      bestDistance = distance;
    }
  }
  count_ = available / itemSize_;
}

std::string_view FixedMeta::Item(std::size_t index) const {
  if (index >= count_) return {};
  return std::string_view(bytes_).substr(kFixedMetaHeader + index * itemSize_, itemSize_);
}

std::optional<std::uint32_t> FixedMeta::Offset(std::size_t index) const {
  return U32(Item(index), 4);
}

FixedData::FixedData(std::string bytes, const std::string& strPath, const FixedMeta& meta,
                     std::size_t maxItemSize)
    : bytes_(std::move(bytes)) {
  const std::size_t size = bytes_.size();
  items_.reserve(meta.Count());
  for (std::size_t index = 0; index < meta.Count(); ++index) {
    const auto offset = meta.Offset(index);
    if (!offset || *offset > size) {
      Damaged(catalog::Format(_("der Eintrag {} von „{}“ zeigt hinter das Ende von „{}“."),
                              index + 1, meta.Path(), strPath));
    }
    // A row ends where the next begins; one that begins earlier (rows out of order) or an
    // entry of no row has what lies before the end of the block.
    std::size_t length = size - *offset;
    if (index + 1 < meta.Count()) {
      if (const auto next = meta.Offset(index + 1); next && *next >= *offset && *next <= size) {
        length = *next - *offset;
      }
    }
    if (maxItemSize != 0) length = std::min(length, maxItemSize);
    items_.emplace_back(*offset, length);
  }
}

std::string_view FixedData::Item(std::size_t index) const {
  if (index >= items_.size()) return {};
  return std::string_view(bytes_).substr(items_[index].first, items_[index].second);
}

VarData::VarData(std::string meta, std::string data, const std::string& strPath, bool blnWideMeta)
    : data_(std::move(data)) {
  const std::string_view view(meta);
  const std::string strMeta = strPath + "/VarMeta";
  const std::string strData = strPath + "/Var2Data";
  // Project writes a block of no entries with a magic of 0 at times.
  const auto magic = U32(view, 0);
  if (view.size() < kVarMetaHeader || (magic != kMetaMagic && magic != 0u)) {
    Damaged(catalog::Format(_("„{}“ ist kein Verzeichnis von Werten."), strMeta));
  }
  const std::size_t entrySize = blnWideMeta ? 12 : 8;
  const std::int32_t count = I32(view, 8).value_or(0);
  if (count < 0 || static_cast<std::size_t>(count) > (view.size() - kVarMetaHeader) / entrySize) {
    Damaged(catalog::Format(_("„{}“ nennt mehr Einträge, als der Block hält."), strMeta));
  }
  entries_.reserve(static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    const std::size_t at = kVarMetaHeader + i * entrySize;
    Entry entry{};
    std::uint32_t offset = 0;
    if (blnWideMeta) {
      entry.uniqueID = *I32(view, at);
      offset = *U32(view, at + 4);
      entry.key = *U16(view, at + 8);
    } else {
      entry.uniqueID = static_cast<std::int32_t>(*U32(view, at) & 0xFFFFFF);
      entry.key = *U8(view, at + 3);
      offset = *U32(view, at + 4);
    }
    const auto length = I32(data_, offset);
    if (!length || *length < 0 ||
        static_cast<std::size_t>(*length) > data_.size() - offset - sizeof(std::int32_t)) {
      Damaged(catalog::Format(_("der Eintrag {} von „{}“ zeigt hinter das Ende von „{}“."), i + 1,
                              strMeta, strData));
    }
    entry.offset = offset + sizeof(std::int32_t);
    entry.size = static_cast<std::size_t>(*length);
    entries_.push_back(entry);
  }
  // An entry met twice: the later one holds.
  std::stable_sort(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
    return a.uniqueID < b.uniqueID || (a.uniqueID == b.uniqueID && a.key < b.key);
  });
}

std::optional<std::string_view> VarData::Value(std::int32_t uniqueID, std::int32_t key) const {
  const auto end =
      std::upper_bound(entries_.begin(), entries_.end(), std::make_pair(uniqueID, key),
                       [](const auto& wanted, const Entry& entry) {
                         return wanted.first < entry.uniqueID ||
                                (wanted.first == entry.uniqueID && wanted.second < entry.key);
                       });
  if (end == entries_.begin()) return std::nullopt;
  const Entry& entry = *std::prev(end);
  if (entry.uniqueID != uniqueID || entry.key != key) return std::nullopt;
  return std::string_view(data_).substr(entry.offset, entry.size);
}

bool VarData::HasRow(std::int32_t uniqueID) const {
  const auto at =
      std::lower_bound(entries_.begin(), entries_.end(), uniqueID,
                       [](const Entry& entry, std::int32_t uid) { return entry.uniqueID < uid; });
  return at != entries_.end() && at->uniqueID == uniqueID;
}

std::vector<std::int32_t> VarData::Rows() const {
  std::vector<std::int32_t> rows;
  for (const Entry& entry : entries_) {
    if (rows.empty() || rows.back() != entry.uniqueID) rows.push_back(entry.uniqueID);
  }
  return rows;
}

}  // namespace msproject::mpp
