#pragma once
// What the parts of the plan reader share.

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/msproject/Reader.h"

namespace msproject {

// A problem found while reading one file, with its place in the file when known.
struct Reader::Failure {
  std::string strWhat;
  std::ptrdiff_t offset = -1;
};

// The text without the blanks that XML allows around a value.
inline std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace msproject
