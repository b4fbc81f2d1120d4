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

namespace msproject {

// A plan whose encoding the reader does not know, or whose bytes are not text in it. The
// message is German; the line is where the first byte that is not text stands.
class TextEncodingError : public std::runtime_error {
 public:
  TextEncodingError(const std::string& strMessage, std::optional<std::int64_t> lngLine)
      : std::runtime_error(strMessage), lngLine_(lngLine) {}
  std::optional<std::int64_t> Line() const { return lngLine_; }

 private:
  std::optional<std::int64_t> lngLine_;
};

// The bytes of a plan file as UTF-8 text; bytes already in UTF-8 are given back as they are.
// Throws TextEncodingError.
std::string PlanTextAsUtf8(std::string bytes);

}  // namespace msproject
