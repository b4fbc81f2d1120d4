#pragma once
// The custom task fields that the host keeps in a task's ExtendedAttribute elements, by
// Microsoft Project field identifier.

#include <cstdint>

namespace msproject {

// Text1 … Text30 and Enterprise-Text1 … Enterprise-Text40.
constexpr bool IsCustomTextField(std::int32_t fieldId) {
  if (fieldId >= 188743731 && fieldId <= 188743743) return (fieldId - 188743731) % 3 == 0;
  return (fieldId >= 188743746 && fieldId <= 188743750) ||
         (fieldId >= 188743997 && fieldId <= 188744016) ||
         (fieldId >= 188744479 && fieldId <= 188744518);
}

// Duration1 … Duration10.
constexpr bool IsCustomDurationField(std::int32_t fieldId) {
  return (fieldId >= 188743783 && fieldId <= 188743785) ||
         (fieldId >= 188743955 && fieldId <= 188743961);
}

}  // namespace msproject
