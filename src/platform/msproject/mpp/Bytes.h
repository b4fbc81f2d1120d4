#pragma once
// Little-endian values and texts read out of the blocks of a .mpp. Every read checks its place
// against the block's size: a value that does not lie wholly inside the block is absent.

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace msproject::mpp {

template <class T>
std::optional<T> Read(std::string_view bytes, std::size_t at) {
  if (at > bytes.size() || bytes.size() - at < sizeof(T)) return std::nullopt;
  T value{};
  std::memcpy(&value, bytes.data() + at, sizeof(T));  // the files and this machine: little-endian
  return value;
}

inline std::optional<std::uint8_t> U8(std::string_view bytes, std::size_t at) {
  return Read<std::uint8_t>(bytes, at);
}
inline std::optional<std::uint16_t> U16(std::string_view bytes, std::size_t at) {
  return Read<std::uint16_t>(bytes, at);
}
inline std::optional<std::int32_t> I32(std::string_view bytes, std::size_t at) {
  return Read<std::int32_t>(bytes, at);
}
inline std::optional<std::uint32_t> U32(std::string_view bytes, std::size_t at) {
  return Read<std::uint32_t>(bytes, at);
}
inline std::optional<std::int64_t> I64(std::string_view bytes, std::size_t at) {
  return Read<std::int64_t>(bytes, at);
}

// The part of the bytes from `at` on, at most `length` of them; empty where `at` lies outside.
inline std::string_view Tail(std::string_view bytes, std::size_t at,
                             std::size_t length = std::string_view::npos) {
  if (at > bytes.size()) return {};
  return bytes.substr(at, length);
}

// A text of UTF-16LE code units from `at` up to the first zero unit or the end of the block
// (or maxBytes), as UTF-8. A half of a surrogate pair without its other half becomes U+FFFD.
std::string Utf16Text(std::string_view bytes, std::size_t at = 0,
                      std::size_t maxBytes = std::string_view::npos);

// A text of single bytes (windows-1252) from `at` up to the first zero byte, as UTF-8; its
// length in bytes, without the zero, in *length when asked.
std::string AnsiText(std::string_view bytes, std::size_t at, std::size_t* length = nullptr);

}  // namespace msproject::mpp
