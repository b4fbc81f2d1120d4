#pragma once
// A part of the package deflated while it is written, as a zip entry holds it (raw deflate),
// with the CRC-32 and the sizes of the entry's directory record. The parts are deflated each
// in its own thread and stored into the archive afterwards as they are.

#include <zlib.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {

class DeflatedPart final : public XmlSink {
 public:
  // level: zlib's, 1 (fastest) to 9. Throws excel::Error when zlib cannot start.
  explicit DeflatedPart(int level);
  ~DeflatedPart() override;
  DeflatedPart(const DeflatedPart&) = delete;
  DeflatedPart& operator=(const DeflatedPart&) = delete;

  void Write(std::string_view piece) override;
  // Ends the deflated stream; nothing may be written after it.
  void Finish();

  std::uint32_t Crc() const { return crc_; }
  std::uint64_t Size() const { return size_; }
  std::uint64_t DeflatedSize() const { return deflatedSize_; }
  // Copies up to length bytes of the deflated stream from offset; returns how many.
  std::size_t Read(std::uint64_t offset, unsigned char* target, std::size_t length) const;

 private:
  void Deflate(int flush);

  z_stream stream_{};
  std::vector<std::unique_ptr<unsigned char[]>> chunks_;  // the deflated stream, kChunk each
  std::uint32_t crc_ = 0;
  std::uint64_t size_ = 0;
  std::uint64_t deflatedSize_ = 0;
  bool finished_ = false;
};

}  // namespace excel::xlsx
