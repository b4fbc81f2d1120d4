#include "platform/excel/xlsx/XmlWriter.h"

#include <algorithm>
#include <charconv>

namespace excel::xlsx {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Length of the valid UTF-8 sequence of a character XML allows at text[i], or 0 when it is
// broken or names a surrogate, U+FFFE or U+FFFF.
std::size_t Utf8Length(std::string_view text, std::size_t i) {
  auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
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
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  const bool excluded =
      (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF || code == 0xFFFE || code == 0xFFFF;
  return overlong || excluded ? 0 : length;
}

bool IsHex(char ch) {
  return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'F') || (ch >= 'a' && ch <= 'f');
}

// "_xHHHH_" at text[i], which a reader would take for an escape.
bool LooksEscaped(std::string_view text, std::size_t i) {
  return i + 6 < text.size() && text[i + 1] == 'x' && IsHex(text[i + 2]) && IsHex(text[i + 3]) &&
         IsHex(text[i + 4]) && IsHex(text[i + 5]) && text[i + 6] == '_';
}

// Characters that cannot be copied as they are.
constexpr bool IsSpecial(unsigned char ch) {
  return ch < 0x20 || ch >= 0x80 || ch == '&' || ch == '<' || ch == '>' || ch == '"' || ch == '_';
}

}  // namespace

XmlWriter::XmlWriter(XmlSink& sink, std::size_t pieceSize)
    : sink_(sink),
      buffer_(new char[std::max<std::size_t>(pieceSize, 64)]),
      size_(std::max<std::size_t>(pieceSize, 64)) {
  open_.reserve(16);
}

void XmlWriter::Declaration() {
  Put("<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n");
}

XmlWriter& XmlWriter::Attribute(std::string_view name, std::string_view text) {
  AttributeStart(name);
  Escaped(text, true);
  Put('"');
  return *this;
}

XmlWriter& XmlWriter::Attribute(std::string_view name, double value) {
  AttributeStart(name);
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  Put(error == std::errc() ? std::string_view(digits, end) : std::string_view("0"));
  Put('"');
  return *this;
}

XmlWriter& XmlWriter::Attribute(std::string_view name, std::string_view text, std::int64_t number) {
  AttributeStart(name);
  Escaped(text, true);
  PutInteger(number);
  Put('"');
  return *this;
}

XmlWriter& XmlWriter::RgbAttribute(std::string_view name, std::int32_t color) {
  AttributeStart(name);
  PutHex(color);
  Put('"');
  return *this;
}

XmlWriter& XmlWriter::ArgbAttribute(std::string_view name, std::int32_t color) {
  AttributeStart(name);
  Put("FF");
  PutHex(color);
  Put('"');
  return *this;
}

XmlWriter& XmlWriter::Text(std::string_view text) {
  CloseStartTag();
  Escaped(text, false);
  return *this;
}

XmlWriter& XmlWriter::Number(double value) {
  CloseStartTag();
  char digits[32];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
  Put(error == std::errc() ? std::string_view(digits, end) : std::string_view("0"));
  return *this;
}

XmlWriter& XmlWriter::Integer(std::int64_t value) {
  CloseStartTag();
  PutInteger(value);
  return *this;
}

void XmlWriter::Finish() {
  while (!open_.empty()) End();
  Flush();
}

void XmlWriter::PutLong(std::string_view text) {
  Flush();
  if (text.size() >= size_) {
    sink_.Write(text);
  } else {
    std::memcpy(buffer_.get(), text.data(), text.size());
    used_ = text.size();
  }
}

void XmlWriter::PutInteger(std::int64_t value) {
  // 20 characters hold every 64-bit integer; written in place when they fit.
  constexpr std::size_t kDigits = 20;
  if (size_ - used_ < kDigits) Flush();
  char* at = buffer_.get() + used_;
  const auto [end, error] = std::to_chars(at, at + kDigits, value);
  (void)error;
  used_ += static_cast<std::size_t>(end - at);
}

void XmlWriter::PutHex(std::int32_t color) {
  char hex[6];
  for (int channel = 0; channel < 3; ++channel) {
    const std::int32_t value = (color >> (8 * channel)) & 0xFF;
    hex[2 * channel] = kHexDigits[value >> 4];
    hex[2 * channel + 1] = kHexDigits[value & 0xF];
  }
  Put(std::string_view(hex, sizeof hex));
}

void XmlWriter::Escaped(std::string_view text, bool attribute) {
  std::size_t plain = 0;  // start of the run of characters copied as they are
  for (std::size_t i = 0; i < text.size();) {
    const auto ch = static_cast<unsigned char>(text[i]);
    if (!IsSpecial(ch)) {
      ++i;
      continue;
    }
    Put(text.substr(plain, i - plain));
    std::size_t step = 1;
    if (ch >= 0x80) {
      step = Utf8Length(text, i);
      if (step == 0) {
        Put("\xEF\xBF\xBD");
        step = 1;
      } else {
        Put(text.substr(i, step));
      }
    } else if (ch == '&') {
      Put("&amp;");
    } else if (ch == '<') {
      Put("&lt;");
    } else if (ch == '>') {
      Put("&gt;");
    } else if (ch == '"') {
      Put("&quot;");
    } else if (ch == '\r') {
      Put("&#13;");
    } else if (ch == '\t') {
      Put(attribute ? std::string_view("&#9;") : std::string_view("\t"));
    } else if (ch == '\n') {
      Put(attribute ? std::string_view("&#10;") : std::string_view("\n"));
    } else if (ch == '_') {
      Put(LooksEscaped(text, i) ? std::string_view("_x005F_") : std::string_view("_"));
    } else {
      const char escape[] = {'_', 'x', '0', '0', kHexDigits[ch >> 4], kHexDigits[ch & 0xF], '_'};
      Put(std::string_view(escape, sizeof escape));
    }
    i += step;
    plain = i;
  }
  Put(text.substr(plain));
}

void XmlWriter::Flush() {
  if (used_ == 0) return;
  sink_.Write(std::string_view(buffer_.get(), used_));
  used_ = 0;
}

}  // namespace excel::xlsx
