#include "platform/msproject/TextEncoding.h"

#include <fmt/format.h>
#include <iconv.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <string_view>

namespace msproject {

namespace {

constexpr const char* kReadable = "lesbar sind UTF-8, UTF-16, ISO-8859-1 und windows-1252";
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
        fmt::format("Die Zeichenkodierung „{}“ wird nicht unterstützt; {}.", strShown, kReadable),
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
        fmt::format("Die Datei enthält Bytes, die in der Zeichenkodierung „{}“ kein Zeichen sind.",
                    strShown),
        lngLine + 1);
  }
  text.resize(lngDone);
  return text;
}

}  // namespace

std::string PlanTextAsUtf8(std::string bytes) {
  const std::string_view view(bytes);
  if (StartsWith(view, "\xFF\xFE")) return Convert(bytes, 2, "UTF-16LE", "UTF-16");
  if (StartsWith(view, "\xFE\xFF")) return Convert(bytes, 2, "UTF-16BE", "UTF-16");
  if (StartsWith(view, std::string_view("<\0?\0", 4))) {
    return Convert(bytes, 0, "UTF-16LE", "UTF-16");
  }
  if (StartsWith(view, std::string_view("\0<\0?", 4))) {
    return Convert(bytes, 0, "UTF-16BE", "UTF-16");
  }
  const std::string strDeclared = DeclaredEncoding(view);
  // A byte order mark of UTF-8 outweighs the declaration.
  const std::optional<std::string> strFrom = StartsWith(view, "\xEF\xBB\xBF")
                                                 ? std::optional<std::string>("")
                                                 : EightBitEncoding(strDeclared);
  if (!strFrom) {
    throw TextEncodingError(fmt::format("Die Zeichenkodierung „{}“ wird nicht unterstützt; {}.",
                                        strDeclared, kReadable),
                            std::nullopt);
  }
  if (strFrom->empty()) return bytes;
  return Convert(bytes, 0, strFrom->c_str(), strDeclared);
}

}  // namespace msproject
