#pragma once
// Conversions between the registry's stored form of text (UTF-16LE code units, as the
// wide-character functions see it) and the byte text that the "A" functions hand out (UTF-8 on
// this platform). Zero units become zero bytes and back, so terminators and the separators of
// multi-string values survive the round trip.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace registry {

// UTF-16LE bytes to UTF-8. A lone trailing byte is dropped; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(const std::uint8_t* data, std::size_t cbData);
inline std::string Utf16LeToUtf8(const std::vector<std::uint8_t>& data) {
  return Utf16LeToUtf8(data.data(), data.size());
}

// UTF-8 to UTF-16LE bytes. Bytes that are not valid UTF-8 become U+FFFD.
std::vector<std::uint8_t> Utf8ToUtf16Le(std::string_view strText);

// True when the text is valid UTF-8.
bool IsValidUtf8(std::string_view strText);

}  // namespace registry
