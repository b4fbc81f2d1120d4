#include "platform/excel/XmlText.h"

#include <charconv>

namespace excel {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when it is broken.
std::size_t Utf8Length(std::string_view s, std::size_t i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  unsigned char lead = byte(i);
  std::size_t length;
  std::uint32_t code;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  bool invalid =
      (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF || code == 0xFFFE || code == 0xFFFF;
  return overlong || invalid ? 0 : length;
}

void AppendEscape(std::string& out, unsigned value) {
  static const char kHex[] = "0123456789ABCDEF";
  out += "_x00";
  out += kHex[(value >> 4) & 0xF];
  out += kHex[value & 0xF];
  out += '_';
}

bool IsHex(char ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

}  // namespace

void AppendXmlText(std::string& out, std::string_view s) {
  std::size_t plain = 0;  // start of the run of characters copied as they are
  for (std::size_t i = 0; i < s.size();) {
    unsigned char ch = static_cast<unsigned char>(s[i]);
    bool special =
        ch < 0x20 || ch >= 0x80 || ch == '&' || ch == '<' || ch == '>' || ch == '"' || ch == '_';
    if (!special) {
      ++i;
      continue;
    }
    out.append(s.data() + plain, i - plain);
    std::size_t step = 1;
    if (ch >= 0x80) {
      step = Utf8Length(s, i);
      if (step == 0) {
        out += "\xEF\xBF\xBD";
        step = 1;
      } else {
        out.append(s.data() + i, step);
      }
    } else if (ch == '&') {
      out += "&amp;";
    } else if (ch == '<') {
      out += "&lt;";
    } else if (ch == '>') {
      out += "&gt;";
    } else if (ch == '"') {
      out += "&quot;";
    } else if (ch == '\t' || ch == '\n') {
      out += static_cast<char>(ch);
    } else if (ch == '\r') {
      out += "&#13;";
    } else if (ch == '_') {
      // A literal "_xHHHH_" would be read as an escape: escape its underscore.
      bool looksEscaped = i + 6 < s.size() && s[i + 1] == 'x' && IsHex(s[i + 2]) &&
                          IsHex(s[i + 3]) && IsHex(s[i + 4]) && IsHex(s[i + 5]) && s[i + 6] == '_';
      if (looksEscaped) {
        out += "_x005F_";
      } else {
        out += '_';
      }
    } else {
      AppendEscape(out, ch);
    }
    i += step;
    plain = i;
  }
  out.append(s.data() + plain, s.size() - plain);
}

std::string XmlText(std::string_view strText) {
  std::string out;
  AppendXmlText(out, strText);
  return out;
}

void AppendNumber(std::string& out, double dblValue) {
  char buffer[32];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, dblValue);
  if (error != std::errc()) {
    out += '0';
    return;
  }
  out.append(buffer, end);
}

void AppendInteger(std::string& out, std::int64_t lngValue) {
  char buffer[24];
  auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, lngValue);
  out.append(buffer, error == std::errc() ? end : buffer);
}

}  // namespace excel
