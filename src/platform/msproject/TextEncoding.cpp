#include "platform/msproject/TextEncoding.h"

#include <fmt/format.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"

namespace msproject {

namespace {

constexpr const char* kReadable = N_("lesbar sind UTF-8, UTF-16, ISO-8859-1 und windows-1252");
// The XML declaration stands at the very beginning and is short.
constexpr std::size_t kDeclarationLimit = 1024;

std::string Lower(std::string_view text) {
  std::string strLower(text);
  for (char& c : strLower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strLower;
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The value of the encoding in the XML declaration at the start of the text; "" without one.
std::string DeclaredEncoding(std::string_view text) {
  if (StartsWith(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
  if (!StartsWith(text, "<?xml")) return "";
  text = text.substr(0, std::min(text.size(), kDeclarationLimit));
  text = text.substr(0, text.find("?>"));
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  std::size_t at = text.find("encoding");
  if (at == std::string_view::npos) return "";
  at += 8;
  while (at < text.size() && blank(text[at])) ++at;
  if (at >= text.size() || text[at] != '=') return "";
  ++at;
  while (at < text.size() && blank(text[at])) ++at;
  if (at >= text.size() || (text[at] != '"' && text[at] != '\'')) return "";
  const char chQuote = text[at++];
  const std::size_t end = text.find(chQuote, at);
  if (end == std::string_view::npos) return "";
  return std::string(text.substr(at, end - at));
}

// The iconv name of a declared encoding of a text in bytes of eight bits; "" for UTF-8 (the
// text is read as it is), nothing for an encoding the reader does not know.
std::optional<std::string> EightBitEncoding(const std::string& strDeclared) {
  const std::string strName = Lower(strDeclared);
  // UTF-16 declared in a text of single bytes is a declaration written before the text was
  // saved as UTF-8 (as .NET's writers do); the bytes tell.
  for (const char* strUtf : {"", "utf-8", "utf8", "utf-16", "utf-16le", "utf-16be"}) {
    if (strName == strUtf) return "";
  }
  for (const char* strLatin1 : {"iso-8859-1", "iso_8859-1", "iso8859-1", "latin1", "latin-1"}) {
    if (strName == strLatin1) return "ISO-8859-1";
  }
  if (strName == "windows-1252" || strName == "cp1252") return "WINDOWS-1252";
  if (strName == "us-ascii" || strName == "ascii") return "ASCII";
  return std::nullopt;
}

class Converter {
 public:
  explicit Converter(const char* strFrom) : cd_(::iconv_open("UTF-8", strFrom)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) ::iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool Open() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t Handle() const { return cd_; }

 private:
  iconv_t cd_;
};

// The text converted from the encoding strFrom (iconv's name, strShown the user's) to UTF-8,
// skipping the first lngSkip bytes (a byte order mark).
std::string Convert(const std::string& bytes, std::size_t lngSkip, const char* strFrom,
                    const std::string& strShown) {
  Converter converter(strFrom);
  if (!converter.Open()) {
    throw TextEncodingError(
        catalog::Format(_("Die Zeichenkodierung „{}“ wird nicht unterstützt; {}."), strShown,
                        _(kReadable)),
        std::nullopt);
  }
  std::string text(bytes.size() + bytes.size() / 4 + 16, '\0');
  char* in = const_cast<char*>(bytes.data()) + lngSkip;
  std::size_t lngIn = bytes.size() - lngSkip;
  std::size_t lngDone = 0;
  while (lngIn > 0) {
    char* out = text.data() + lngDone;
    std::size_t lngOut = text.size() - lngDone;
    const std::size_t result = ::iconv(converter.Handle(), &in, &lngIn, &out, &lngOut);
    lngDone = static_cast<std::size_t>(out - text.data());
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      text.resize(text.size() + std::max<std::size_t>(lngIn * 2, 64));
      continue;
    }
    const auto lngLine = std::count(text.begin(), text.begin() + static_cast<long>(lngDone), '\n');
    throw TextEncodingError(
        catalog::Format(
            _("Die Datei enthält Bytes, die in der Zeichenkodierung „{}“ kein Zeichen sind."),
            strShown),
        lngLine + 1);
  }
  text.resize(lngDone);
  return text;
}

// The length of the UTF-8 sequence at text[at], or 0 when the bytes there are no character:
// a stray continuation byte, an overlong form, a half of a UTF-16 surrogate pair (ED A0 …
// ED BF), beyond U+10FFFF, or cut off.
std::size_t Utf8SequenceAt(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  if (byte(1) < low || byte(1) > high) return 0;
  for (std::size_t i = 2; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
  }
  return length;
}

// Refuses a text that is not UTF-8, naming the line and the column (in characters) of the
// first byte that is no character. The place is counted only for a text that is refused.
void CheckUtf8(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    // Runs of ASCII, eight bytes at a time.
    if (at + 8 <= text.size()) {
      std::uint64_t word = 0;
      std::memcpy(&word, text.data() + at, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        at += 8;
        continue;
      }
    }
    const std::size_t length = Utf8SequenceAt(text, at);
    if (length == 0) break;
    at += length;
  }
  if (at >= text.size()) return;
  const std::string_view before = text.substr(0, at);
  const std::size_t lineStart =
      before.rfind('\n') == std::string_view::npos ? 0 : before.rfind('\n') + 1;
  const auto lngLine =
      static_cast<std::int64_t>(std::count(before.begin(), before.end(), '\n')) + 1;
  std::int64_t lngColumn = 1;
  for (std::size_t i = lineStart; i < at; i += std::max<std::size_t>(1, Utf8SequenceAt(text, i))) {
    ++lngColumn;
  }
  throw TextEncodingError(
      _("Die Datei enthält Bytes, die in der Zeichenkodierung „UTF-8“ kein Zeichen sind."), lngLine,
      lngColumn);
}

}  // namespace

std::string TextAsUtf8(std::string bytes, const char* strIconvName, const std::string& strShown) {
  if (*strIconvName == '\0') {
    CheckUtf8(bytes);
    return bytes;
  }
  return Convert(bytes, 0, strIconvName, strShown);
}

PlanEncoding PlanEncodingOf(std::string_view view) {
  if (StartsWith(view, "\xFF\xFE")) return {"UTF-16LE", "UTF-16", "\xFF\xFE"};
  if (StartsWith(view, "\xFE\xFF")) return {"UTF-16BE", "UTF-16", "\xFE\xFF"};
  if (StartsWith(view, std::string_view("<\0?\0", 4))) return {"UTF-16LE", "UTF-16", ""};
  if (StartsWith(view, std::string_view("\0<\0?", 4))) return {"UTF-16BE", "UTF-16", ""};
  // A byte order mark of UTF-8 outweighs the declaration; the mark stays in the text.
  if (StartsWith(view, "\xEF\xBB\xBF")) return {"", "UTF-8", ""};
  const std::string strDeclared = DeclaredEncoding(view);
  const std::optional<std::string> strFrom = EightBitEncoding(strDeclared);
  if (!strFrom) {
    throw TextEncodingError(
        catalog::Format(_("Die Zeichenkodierung „{}“ wird nicht unterstützt; {}."), strDeclared,
                        _(kReadable)),
        std::nullopt);
  }
  return {*strFrom, strFrom->empty() ? std::string("UTF-8") : strDeclared, ""};
}

std::string PlanTextAsUtf8(std::string bytes) {
  const PlanEncoding encoding = PlanEncodingOf(bytes);
  if (encoding.strIconv.empty()) {
    CheckUtf8(bytes);
    return bytes;
  }
  return Convert(bytes, encoding.strMark.size(), encoding.strIconv.c_str(), encoding.strShown);
}

std::string Utf8AsPlanText(std::string_view text, const PlanEncoding& encoding) {
  if (encoding.strIconv.empty()) return std::string(text);
  const iconv_t cd = ::iconv_open(encoding.strIconv.c_str(), "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    throw TextEncodingError(
        catalog::Format(_("Die Zeichenkodierung „{}“ wird nicht unterstützt; {}."),
                        encoding.strShown, _(kReadable)),
        std::nullopt);
  }
  std::string bytes = encoding.strMark;
  std::size_t lngDone = bytes.size();
  bytes.resize(lngDone + text.size() * 2 + 16);
  char* in = const_cast<char*>(text.data());
  std::size_t lngIn = text.size();
  while (lngIn > 0) {
    char* out = bytes.data() + lngDone;
    std::size_t lngOut = bytes.size() - lngDone;
    const std::size_t result = ::iconv(cd, &in, &lngIn, &out, &lngOut);
    lngDone = static_cast<std::size_t>(out - bytes.data());
    if (result != static_cast<std::size_t>(-1)) break;
    if (errno == E2BIG) {
      bytes.resize(bytes.size() + std::max<std::size_t>(lngIn * 2, 64));
      continue;
    }
    ::iconv_close(cd);
    throw TextEncodingError(
        catalog::Format(_("Der Text enthält ein Zeichen, das die Zeichenkodierung „{}“ nicht "
                          "kennt."),
                        encoding.strShown),
        std::nullopt);
  }
  ::iconv_close(cd);
  bytes.resize(lngDone);
  return bytes;
}

bool EncodingHolds(const PlanEncoding& encoding, char32_t chCode) {
  const std::string& strName = encoding.strIconv;
  if (strName.empty() || strName.starts_with("UTF-16")) return true;
  if (chCode < 0x80) return true;
  if (strName == "ASCII") return false;
  if (strName == "ISO-8859-1") return chCode <= 0xFF;
  // windows-1252: Latin-1 without its control characters 0x80 … 0x9F, which hold these.
  static constexpr char32_t kWindows1252[] = {
      0x20AC, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
      0x0160, 0x2039, 0x0152, 0x017D, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
      0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x017E, 0x0178};
  if (chCode >= 0xA0 && chCode <= 0xFF) return true;
  return std::find(std::begin(kWindows1252), std::end(kWindows1252), chCode) !=
         std::end(kWindows1252);
}

}  // namespace msproject
