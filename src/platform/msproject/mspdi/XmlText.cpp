#include "platform/msproject/mspdi/XmlText.h"

#include <fmt/format.h>

#include <cstdint>

namespace msproject::mspdi {

std::string XmlText(std::string_view text, const PlanEncoding& encoding) {
  std::string strOut;
  strOut.reserve(text.size() + 8);
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    const std::string_view chars = text.substr(at, length);
    at += length;
    switch (lead) {
      case '&':
        strOut += "&amp;";
        continue;
      case '<':
        strOut += "&lt;";
        continue;
      case '>':
        strOut += "&gt;";
        continue;
      case '\r':
        strOut += "&#13;";
        continue;
      case '\t':
      case '\n':
        strOut += static_cast<char>(lead);
        continue;
      default:
        break;
    }
    if (lead < 0x20) continue;
    if (lead < 0x80) {
      strOut += static_cast<char>(lead);
      continue;
    }
    char32_t chCode = lead & (length == 2 ? 0x1Fu : length == 3 ? 0x0Fu : 0x07u);
    for (std::size_t i = 1; i < chars.size(); ++i) {
      chCode = (chCode << 6) | (static_cast<unsigned char>(chars[i]) & 0x3Fu);
    }
    if (EncodingHolds(encoding, chCode)) {
      strOut += chars;
    } else {
      strOut += fmt::format("&#x{:X};", static_cast<std::uint32_t>(chCode));
    }
  }
  return strOut;
}

}  // namespace msproject::mspdi
