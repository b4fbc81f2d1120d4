#pragma once
// A value of a plan quoted in a message: in German quotes, shortened to 40 bytes, never cut
// inside a UTF-8 sequence.

#include <fmt/format.h>

#include <string>
#include <string_view>

namespace msproject {

inline std::string QuotedValue(std::string_view value) {
  constexpr std::size_t kMax = 40;
  if (value.size() <= kMax) return fmt::format("„{}“", value);
  std::size_t cut = kMax;
  while (cut > 0 && (static_cast<unsigned char>(value[cut]) & 0xC0) == 0x80) --cut;
  return fmt::format("„{}…“", value.substr(0, cut));
}

}  // namespace msproject
