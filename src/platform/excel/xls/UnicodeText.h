#pragma once
// The file's texts: UTF-16 code units, stored one byte a character when every character fits in
// a byte (the "compressed" form) and two bytes otherwise.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/excel/xls/Bytes.h"

namespace excel::xls {

// UTF-8 to UTF-16; a byte that is no UTF-8 becomes U+FFFD.
std::u16string Utf16(std::string_view text);

// True when every code unit is below 256.
bool FitsInBytes(std::u16string_view text);

// The characters only, compressed when highBytes is false.
void AppendCharacters(Bytes& out, std::u16string_view text, bool highBytes);

// XLUnicodeString: a 16-bit count, the flags byte, the characters.
void AppendText16(Bytes& out, std::string_view text);
// ShortXLUnicodeString: an 8-bit count (texts up to 255 characters), the flags, the characters.
void AppendText8(Bytes& out, std::string_view text);

}  // namespace excel::xls
