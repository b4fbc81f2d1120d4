#pragma once
// Identifiers of the custom text fields the tests put roles and columns into.

#include <cstdint>

namespace testsupport {

inline constexpr std::int32_t kText20 = 188744006;
inline constexpr std::int32_t kText21 = 188744007;
inline constexpr std::int32_t kText22 = 188744008;
inline constexpr std::int32_t kText23 = 188744009;
inline constexpr std::int32_t kText24 = 188744010;
inline constexpr std::int32_t kText25 = 188744011;

}  // namespace testsupport
