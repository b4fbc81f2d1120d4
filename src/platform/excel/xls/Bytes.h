#pragma once
// Little-endian bytes, as every structure of the binary file formats is laid out.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace excel::xls {

class Bytes {
 public:
  Bytes& U8(std::uint32_t value) {
    data_.push_back(static_cast<char>(value & 0xFF));
    return *this;
  }
  Bytes& U16(std::uint32_t value) {
    const char bytes[2] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
    data_.append(bytes, sizeof bytes);
    return *this;
  }
  Bytes& U32(std::uint32_t value) {
    const char bytes[4] = {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF),
                           static_cast<char>((value >> 16) & 0xFF),
                           static_cast<char>((value >> 24) & 0xFF)};
    data_.append(bytes, sizeof bytes);
    return *this;
  }
  Bytes& I32(std::int32_t value) { return U32(static_cast<std::uint32_t>(value)); }
  Bytes& F64(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return U32(static_cast<std::uint32_t>(bits)).U32(static_cast<std::uint32_t>(bits >> 32));
  }
  Bytes& Zeros(std::size_t count) {
    data_.append(count, '\0');
    return *this;
  }
  Bytes& Append(std::string_view bytes) {
    data_.append(bytes);
    return *this;
  }
  // Overwrites four bytes at offset, for a length known only later.
  void PatchU32(std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) data_[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  }

  std::size_t Size() const { return data_.size(); }
  const std::string& Data() const { return data_; }
  std::string& Data() { return data_; }
  void Clear() { data_.clear(); }

 private:
  std::string data_;
};

// The body of a record that holds one 16-bit value (most flags and counts of the globals and
// the sheet).
inline Bytes Word(std::uint32_t value) {
  Bytes bytes;
  bytes.U16(value);
  return bytes;
}

}  // namespace excel::xls
