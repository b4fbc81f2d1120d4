#include "platform/excel/xls/UnicodeText.h"

#include <algorithm>

namespace excel::xls {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void Push(std::u16string& out, char32_t code) {
  if (code >= 0x10000) {
    code -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FF)));
  } else {
    out.push_back(static_cast<char16_t>(code));
  }
}

void AppendText(Bytes& out, std::string_view text, bool wide) {
  const std::u16string units = Utf16(text);
  const bool high = !FitsInBytes(units);
  if (wide) {
    out.U16(static_cast<std::uint32_t>(units.size()));
  } else {
    out.U8(static_cast<std::uint32_t>(std::min<std::size_t>(units.size(), 255)));
  }
  out.U8(high ? 1 : 0);
  AppendCharacters(
      out, wide ? std::u16string_view(units) : std::u16string_view(units).substr(0, 255), high);
}

}  // namespace

std::u16string Utf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = lead < 0x80           ? 0
                : (lead >> 5) == 0x6  ? 1
                : (lead >> 4) == 0xE  ? 2
                : (lead >> 3) == 0x1E ? 3
                                      : -1;
    if (extra < 0 || i + static_cast<std::size_t>(extra) >= text.size()) {
      Push(out, kReplacement);
      ++i;
      continue;
    }
    char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    bool valid = true;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid) {
      Push(out, kReplacement);
      ++i;
      continue;
    }
    Push(out, code);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

bool FitsInBytes(std::u16string_view text) {
  return std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit < 0x100; });
}

void AppendCharacters(Bytes& out, std::u16string_view text, bool highBytes) {
  std::string& data = out.Data();
  if (highBytes) {
    for (char16_t unit : text) {
      data.push_back(static_cast<char>(unit & 0xFF));
      data.push_back(static_cast<char>(unit >> 8));
    }
  } else {
    for (char16_t unit : text) data.push_back(static_cast<char>(unit));
  }
}

void AppendText16(Bytes& out, std::string_view text) {
  AppendText(out, text, true);
}

void AppendText8(Bytes& out, std::string_view text) {
  AppendText(out, text, false);
}

}  // namespace excel::xls
