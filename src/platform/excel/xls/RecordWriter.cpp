#include "platform/excel/xls/RecordWriter.h"

#include <utility>

namespace excel::xls {

namespace {

constexpr std::size_t kFlushSize = 1 << 20;

}  // namespace

RecordWriter::RecordWriter(Sink sink, std::uint64_t startPosition)
    : sink_(std::move(sink)), position_(startPosition) {}

void RecordWriter::Write(std::uint16_t type, std::string_view data) {
  WriteSingle(type, data.substr(0, kMaxRecordData));
  for (std::size_t offset = kMaxRecordData; offset < data.size(); offset += kMaxRecordData) {
    WriteSingle(kContinue, data.substr(offset, kMaxRecordData));
  }
}

void RecordWriter::WriteSingle(std::uint16_t type, std::string_view data) {
  const auto length = static_cast<std::uint16_t>(data.size());
  const char header[4] = {static_cast<char>(type & 0xFF), static_cast<char>(type >> 8),
                          static_cast<char>(length & 0xFF), static_cast<char>(length >> 8)};
  buffer_.append(header, sizeof header);
  buffer_.append(data);
  position_ += sizeof header + data.size();
  if (buffer_.size() >= kFlushSize) Flush();
}

void RecordWriter::Flush() {
  if (buffer_.empty()) return;
  sink_(buffer_);
  buffer_.clear();
}

void RecordWriter::WriteBof(std::uint16_t substream) {
  constexpr std::uint16_t kBof = 0x0809;
  Bytes bof;
  bof.U16(0x0600).U16(substream).U16(0x0DBB).U16(0x07CC).U32(0x000100C1).U32(0x00000406);
  Write(kBof, bof);
}

void RecordWriter::WriteEof() {
  constexpr std::uint16_t kEof = 0x000A;
  Write(kEof, std::string_view());
}

}  // namespace excel::xls
