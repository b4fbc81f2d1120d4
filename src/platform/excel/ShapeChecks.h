#pragma once
// The checks every shape member makes before it changes anything: a number outside the set
// Excel accepts throws excel::Error naming the member and the allowed range.

#include <fmt/format.h>

#include <cmath>
#include <cstdint>
#include <string_view>

#include "platform/excel/Error.h"

namespace excel::shapecheck {

inline std::int32_t RequireInSet(std::string_view strMember, std::int32_t value, std::int32_t lo,
                                 std::int32_t hi) {
  if (value < lo || value > hi) {
    throw Error(vb::kErrInvalidProcedureCall,
                fmt::format("{}: der Wert {} ist nicht zulässig (erlaubt: {} bis {})", strMember,
                            value, lo, hi));
  }
  return value;
}

inline double RequireBetween(std::string_view strMember, double value, double lo, double hi) {
  if (!std::isfinite(value) || value < lo || value > hi) {
    throw Error(vb::kErrInvalidProcedureCall,
                fmt::format("{}: der Wert {} ist nicht zulässig (erlaubt: {} bis {})", strMember,
                            value, lo, hi));
  }
  return value;
}

inline std::int32_t RequireColor(std::string_view strMember, std::int32_t value) {
  if (value < 0 || value > 0xFFFFFF) {
    throw Error(
        vb::kErrInvalidProcedureCall,
        fmt::format("{}: {} ist kein RGB-Farbwert (erlaubt: 0 bis 16777215)", strMember, value));
  }
  return value;
}

}  // namespace excel::shapecheck
