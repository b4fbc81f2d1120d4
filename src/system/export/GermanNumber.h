#pragma once
// A count as the German user reads it, the thousands set apart by points: 2.250.000.

#include <cstddef>
#include <string>

inline std::string GermanNumber(unsigned long long lngNumber) {
  std::string strDigits = std::to_string(lngNumber);
  for (auto at = static_cast<std::ptrdiff_t>(strDigits.size()) - 3; at > 0; at -= 3) {
    strDigits.insert(static_cast<std::size_t>(at), ".");
  }
  return strDigits;
}
