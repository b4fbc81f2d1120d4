#pragma once
// BIFF8 records: a type and a length of two bytes each, then at most 8,224 bytes of data. A
// record with more data goes on in CONTINUE records, as Excel continues it. The records are
// collected in a buffer and handed on to the sink in large pieces, so that a sheet of any size
// is streamed; the writer counts the bytes written, because some records give the position of
// others in the stream.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/excel/xls/Bytes.h"

namespace excel::xls {

// A record's header: its type and the size of its data, two bytes each.
inline constexpr std::size_t kRecordHeader = 4;
inline constexpr std::size_t kMaxRecordData = 8224;
inline constexpr std::uint16_t kContinue = 0x003C;

// What a substream holds, as its BOF record says.
inline constexpr std::uint16_t kWorkbookGlobals = 0x0005;
inline constexpr std::uint16_t kWorksheet = 0x0010;

class RecordWriter {
 public:
  using Sink = std::function<void(std::string_view)>;

  // startPosition: where in the stream the first record lies.
  explicit RecordWriter(Sink sink, std::uint64_t startPosition = 0);
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // The record; data beyond 8,224 bytes goes into CONTINUE records.
  void Write(std::uint16_t type, std::string_view data);
  void Write(std::uint16_t type, const Bytes& data) { Write(type, std::string_view(data.Data())); }
  // A record of at most 8,224 bytes exactly as given (the shared strings split their own).
  void WriteSingle(std::uint16_t type, std::string_view data);

  // The BOF record that opens a substream (BIFF8, the build Excel 97 wrote) and the EOF
  // record that ends it.
  void WriteBof(std::uint16_t substream);
  void WriteEof();

  // Stream position of the next record.
  std::uint64_t Position() const { return position_; }
  // Hands the buffered bytes to the sink.
  void Flush();

 private:
  Sink sink_;
  std::string buffer_;
  std::uint64_t position_;
};

}  // namespace excel::xls
