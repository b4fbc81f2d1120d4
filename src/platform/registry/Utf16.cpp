#include "platform/registry/Utf16.h"

namespace registry {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

void AppendUtf16(std::vector<std::uint8_t>& out, char32_t cp) {
  auto unit = [&out](std::uint32_t u) {
    out.push_back(static_cast<std::uint8_t>(u & 0xFF));
    out.push_back(static_cast<std::uint8_t>(u >> 8));
  };
  if (cp < 0x10000) {
    unit(cp);
  } else {
    cp -= 0x10000;
    unit(0xD800 + (cp >> 10));
    unit(0xDC00 + (cp & 0x3FF));
  }
}

// Decodes one UTF-8 sequence at pos; advances pos. Returns nothing for an invalid sequence
// (pos then stands after its first byte).
std::optional<char32_t> DecodeUtf8(std::string_view s, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(s[pos++]);
  if (b0 < 0x80) return b0;
  int intMore = 0;
  char32_t cp = 0;
  char32_t cpMin = 0;
  if ((b0 & 0xE0) == 0xC0) {
    intMore = 1, cp = b0 & 0x1F, cpMin = 0x80;
  } else if ((b0 & 0xF0) == 0xE0) {
    intMore = 2, cp = b0 & 0x0F, cpMin = 0x800;
  } else if ((b0 & 0xF8) == 0xF0) {
    intMore = 3, cp = b0 & 0x07, cpMin = 0x10000;
  } else {
    return std::nullopt;
  }
  std::size_t i = pos;
  for (int k = 0; k < intMore; ++k, ++i) {
    if (i >= s.size()) return std::nullopt;
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < cpMin || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  pos = i;
  return cp;
}

}  // namespace

std::string Utf16LeToUtf8(const std::uint8_t* data, std::size_t cbData) {
  std::string out;
  const std::size_t cUnits = cbData / 2;
  auto unitAt = [data](std::size_t i) -> char32_t {
    return static_cast<char32_t>(data[2 * i] | (data[2 * i + 1] << 8));
  };
  for (std::size_t i = 0; i < cUnits; ++i) {
    const char32_t u = unitAt(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < cUnits) {
      const char32_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
  }
  return out;
}

std::vector<std::uint8_t> Utf8ToUtf16Le(std::string_view strText) {
  std::vector<std::uint8_t> out;
  out.reserve(strText.size() * 2);
  std::size_t pos = 0;
  while (pos < strText.size()) {
    AppendUtf16(out, DecodeUtf8(strText, pos).value_or(kReplacement));
  }
  return out;
}

bool IsValidUtf8(std::string_view strText) {
  std::size_t pos = 0;
  while (pos < strText.size()) {
    if (!DecodeUtf8(strText, pos)) return false;
  }
  return true;
}

}  // namespace registry
