#pragma once
// A translated text with values: catalog::Format(_("Schritt {} von {}"), 2, 7). The pattern is
// read at run time, as it comes from the catalog.

#include <fmt/format.h>

#include <string>
#include <utility>

namespace catalog {

template <class... Args>
std::string Format(const char* pattern, Args&&... args) {
  return fmt::vformat(pattern, fmt::make_format_args(args...));
}

}  // namespace catalog
