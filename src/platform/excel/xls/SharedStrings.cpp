#include "platform/excel/xls/SharedStrings.h"

#include <algorithm>

#include "platform/excel/xls/UnicodeText.h"

namespace excel::xls {

namespace {

constexpr std::uint16_t kSst = 0x00FC;
constexpr std::uint16_t kExtSst = 0x00FF;
constexpr std::size_t kTextHeader = 3;  // count and flags
constexpr std::size_t kMaxBuckets = 128;

struct Bucket {
  std::uint64_t position;  // of the text in the stream
  std::uint16_t offset;    // of the text in its record, header included
};

// Fills SST and CONTINUE records, each up to the limit of a record.
class Records {
 public:
  explicit Records(RecordWriter& out) : out_(out) {}

  std::size_t Room() const { return kMaxRecordData - data_.Size(); }
  Bytes& Data() { return data_; }
  std::uint64_t Position() const { return out_.Position() + kRecordHeader + data_.Size(); }
  std::uint16_t Offset() const { return static_cast<std::uint16_t>(kRecordHeader + data_.Size()); }

  void Next() {
    out_.WriteSingle(first_ ? kSst : kContinue, data_.Data());
    first_ = false;
    data_.Clear();
  }

 private:
  RecordWriter& out_;
  Bytes data_;
  bool first_ = true;
};

}  // namespace

std::uint32_t SharedStrings::Add(const std::string& text) {
  ++total_;
  auto [it, added] = index_.try_emplace(text, static_cast<std::uint32_t>(texts_.size()));
  if (added) texts_.push_back(&it->first);
  return it->second;
}

void SharedStrings::Write(RecordWriter& out) const {
  const std::size_t perBucket = std::max<std::size_t>(8, texts_.size() / kMaxBuckets + 1);
  std::vector<Bucket> buckets;

  Records records(out);
  records.Data().U32(total_).U32(static_cast<std::uint32_t>(texts_.size()));
  for (std::size_t i = 0; i < texts_.size(); ++i) {
    const std::u16string units = Utf16(*texts_[i]);
    const bool high = !FitsInBytes(units);
    const std::size_t unitSize = high ? 2 : 1;
    // The count and flags stay together with at least one character.
    if (records.Room() < kTextHeader + unitSize) records.Next();
    if (i % perBucket == 0) buckets.push_back({records.Position(), records.Offset()});
    records.Data().U16(static_cast<std::uint32_t>(units.size())).U8(high ? 1 : 0);
    std::u16string_view rest(units);
    while (true) {
      const std::size_t fit = std::min(rest.size(), records.Room() / unitSize);
      AppendCharacters(records.Data(), rest.substr(0, fit), high);
      rest.remove_prefix(fit);
      if (rest.empty()) break;
      records.Next();
      records.Data().U8(high ? 1 : 0);  // a text going on repeats its flags
    }
  }
  records.Next();

  Bytes extSst;
  extSst.U16(static_cast<std::uint32_t>(perBucket));
  for (const Bucket& bucket : buckets) {
    extSst.U32(static_cast<std::uint32_t>(bucket.position)).U16(bucket.offset).U16(0);
  }
  out.Write(kExtSst, extSst);
}

}  // namespace excel::xls
