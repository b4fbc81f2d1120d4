#include "platform/excel/xlsx/DeflatedPart.h"

#include <algorithm>
#include <climits>
#include <cstring>

#include "platform/catalog/Catalog.h"
#include "platform/excel/Error.h"

namespace excel::xlsx {

namespace {

// The deflated stream is kept in chunks, so that it grows without being copied.
constexpr std::size_t kChunk = std::size_t{1} << 20;

}  // namespace

DeflatedPart::DeflatedPart(int level) {
  // A negative window size: raw deflate, without zlib's header and trailer.
  if (deflateInit2(&stream_, level, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw Error(_("Die Datei kann nicht geschrieben werden: zlib kann nicht packen."));
  }
  crc_ = static_cast<std::uint32_t>(crc32(0, nullptr, 0));
}

DeflatedPart::~DeflatedPart() {
  deflateEnd(&stream_);
}

void DeflatedPart::Write(std::string_view piece) {
  while (!piece.empty()) {
    // zlib counts in unsigned int.
    const std::size_t length = std::min<std::size_t>(piece.size(), UINT_MAX / 2);
    const auto* bytes = reinterpret_cast<const unsigned char*>(piece.data());
    crc_ = static_cast<std::uint32_t>(crc32(crc_, bytes, static_cast<uInt>(length)));
    size_ += length;
    stream_.next_in = const_cast<unsigned char*>(bytes);
    stream_.avail_in = static_cast<uInt>(length);
    Deflate(Z_NO_FLUSH);
    piece.remove_prefix(length);
  }
}

void DeflatedPart::Finish() {
  if (finished_) return;
  stream_.next_in = nullptr;
  stream_.avail_in = 0;
  Deflate(Z_FINISH);
  finished_ = true;
}

void DeflatedPart::Deflate(int flush) {
  while (true) {
    if (stream_.avail_out == 0) {
      chunks_.push_back(std::make_unique_for_overwrite<unsigned char[]>(kChunk));
      stream_.next_out = chunks_.back().get();
      stream_.avail_out = static_cast<uInt>(kChunk);
    }
    const uInt before = stream_.avail_out;
    const int result = deflate(&stream_, flush);
    deflatedSize_ += before - stream_.avail_out;
    if (result == Z_STREAM_END) return;
    if (result != Z_OK && result != Z_BUF_ERROR) {
      throw Error(_("Die Datei kann nicht geschrieben werden: zlib kann nicht packen."));
    }
    // Done when the input is used up and zlib had room left over.
    if (flush == Z_NO_FLUSH && stream_.avail_in == 0 && stream_.avail_out != 0) return;
  }
}

std::size_t DeflatedPart::Read(std::uint64_t offset, unsigned char* target,
                               std::size_t length) const {
  std::size_t copied = 0;
  while (copied < length && offset < deflatedSize_) {
    const std::size_t chunk = static_cast<std::size_t>(offset / kChunk);
    const std::size_t within = static_cast<std::size_t>(offset % kChunk);
    const std::size_t n =
        std::min<std::uint64_t>({length - copied, kChunk - within, deflatedSize_ - offset});
    std::memcpy(target + copied, chunks_[chunk].get() + within, n);
    copied += n;
    offset += n;
  }
  return copied;
}

}  // namespace excel::xlsx
