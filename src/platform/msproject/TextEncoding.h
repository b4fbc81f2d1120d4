#pragma once
// The text of a plan file in the encoding the parser reads: UTF-8. A plan may be saved in
// UTF-8 (with or without byte order mark), UTF-16 (known by its byte order mark or by its first
// characters), or, as its XML declaration says, ISO-8859-1 or windows-1252 (and US-ASCII);
// the others are converted through iconv. Line ends stay where they were, so a line counted in
// the converted text is the line of the file.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace msproject {

// A plan whose encoding the reader does not know, or whose bytes are not text in it. The
// message is German; the line (and for UTF-8 the column, in characters) is where the first
// byte that is not text stands.
class TextEncodingError : public std::runtime_error {
 public:
  TextEncodingError(const std::string& strMessage, std::optional<std::int64_t> lngLine,
                    std::optional<std::int64_t> lngColumn = std::nullopt)
      : std::runtime_error(strMessage), lngLine_(lngLine), lngColumn_(lngColumn) {}
  std::optional<std::int64_t> Line() const { return lngLine_; }
  std::optional<std::int64_t> Column() const { return lngColumn_; }

 private:
  std::optional<std::int64_t> lngLine_;
  std::optional<std::int64_t> lngColumn_;
};

// The bytes of a plan file as UTF-8 text; bytes already in UTF-8 are given back as they are,
// once checked to be UTF-8 (no stray bytes, no overlong forms, no halves of UTF-16 surrogate
// pairs). Throws TextEncodingError.
std::string PlanTextAsUtf8(std::string bytes);

// How a plan file is encoded: iconv's name of its encoding ("" for UTF-8), the name the file
// gives it, and the byte order mark it begins with ("" without one).
struct PlanEncoding {
  std::string strIconv;
  std::string strShown;
  std::string strMark;
};

// The encoding of a plan file, as PlanTextAsUtf8 reads it. Throws TextEncodingError for an
// encoding the reader does not know.
PlanEncoding PlanEncodingOf(std::string_view bytes);

// UTF-8 text as bytes in the plan's encoding, led by its byte order mark when the encoding
// has one (UTF-16); the reverse of PlanTextAsUtf8. Throws TextEncodingError for a character
// that the encoding cannot hold.
std::string Utf8AsPlanText(std::string_view text, const PlanEncoding& encoding);

// Whether the encoding holds the character (a Unicode code point) as it is.
bool EncodingHolds(const PlanEncoding& encoding, char32_t chCode);

// Bytes of a text in the encoding iconv knows as strIconvName ("WINDOWS-1252", "CP850"; ""
// for UTF-8) as UTF-8, the encoding named strShown in a message. Throws TextEncodingError
// naming the line of the first byte that is no character.
std::string TextAsUtf8(std::string bytes, const char* strIconvName, const std::string& strShown);

}  // namespace msproject
