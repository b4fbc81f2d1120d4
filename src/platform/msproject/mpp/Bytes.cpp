#include "platform/msproject/mpp/Bytes.h"

namespace msproject::mpp {

namespace {

void AppendUtf8(std::string& text, std::uint32_t code) {
  if (code < 0x80) {
    text += static_cast<char>(code);
  } else if (code < 0x800) {
    text += static_cast<char>(0xC0 | (code >> 6));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    text += static_cast<char>(0xE0 | (code >> 12));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    text += static_cast<char>(0xF0 | (code >> 18));
    text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    text += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// windows-1252's characters 0x80 … 0x9F; 0 where the code page has none (shown as U+FFFD).
constexpr std::uint16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string Utf16Text(std::string_view bytes, std::size_t at, std::size_t maxBytes) {
  std::string_view units = Tail(bytes, at, maxBytes);
  std::string text;
  text.reserve(units.size() / 2);
  for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
    const std::uint32_t unit =
        static_cast<unsigned char>(units[i]) |
        (static_cast<std::uint32_t>(static_cast<unsigned char>(units[i + 1])) << 8);
    if (unit == 0) break;
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < units.size()) {
      const std::uint32_t low =
          static_cast<unsigned char>(units[i + 2]) |
          (static_cast<std::uint32_t>(static_cast<unsigned char>(units[i + 3])) << 8);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(text, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        i += 2;
        continue;
      }
    }
    AppendUtf8(text, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
  }
  return text;
}

std::string AnsiText(std::string_view bytes, std::size_t at, std::size_t* length) {
  const std::string_view rest = Tail(bytes, at);
  std::string text;
  std::size_t i = 0;
  for (; i < rest.size() && rest[i] != '\0'; ++i) {
    const auto byte = static_cast<unsigned char>(rest[i]);
    if (byte >= 0x80 && byte <= 0x9F) {
      const std::uint16_t code = kCp1252High[byte - 0x80];
      AppendUtf8(text, code == 0 ? 0xFFFD : code);
    } else {
      AppendUtf8(text, byte);
    }
  }
  if (length) *length = i;
  return text;
}

}  // namespace msproject::mpp
