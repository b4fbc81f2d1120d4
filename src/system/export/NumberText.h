#pragma once
// A count as the user reads it, the thousands set apart: 2.250.000 in German, 2,250,000 in
// English.

#include <cstddef>
#include <string>

#include "platform/catalog/Catalog.h"

inline std::string NumberText(unsigned long long lngNumber) {
  const char* strSeparator = catalog::Current() == catalog::Language::English ? "," : ".";
  std::string strDigits = std::to_string(lngNumber);
  for (auto at = static_cast<std::ptrdiff_t>(strDigits.size()) - 3; at > 0; at -= 3) {
    strDigits.insert(static_cast<std::size_t>(at), strSeparator);
  }
  return strDigits;
}
