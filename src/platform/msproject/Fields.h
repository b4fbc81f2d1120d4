#pragma once
// The fields of the task table by Microsoft Project field identifier: the custom fields that
// the host keeps (ExtendedAttribute in MSPDI) and their names.

#include <cstdint>
#include <string>

namespace msproject {

// Every field of the task table has an identifier of this block.
inline constexpr std::int32_t kTaskFieldBase = 188743680;  // 0x0B400000

constexpr bool IsTaskField(std::int32_t fieldId) {
  return fieldId >= kTaskFieldBase && fieldId < kTaskFieldBase + 0x10000;
}

// The identifier of Text1 … Text30.
constexpr std::int32_t TextFieldId(int n) {
  if (n <= 5) return 188743731 + 3 * (n - 1);
  if (n <= 10) return 188743746 + (n - 6);
  return 188743997 + (n - 11);
}

// The identifier of Enterprise-Text1 … Enterprise-Text40.
constexpr std::int32_t EnterpriseTextFieldId(int n) {
  return 188744479 + (n - 1);
}

// The identifier of Duration1 … Duration10.
constexpr std::int32_t DurationFieldId(int n) {
  if (n <= 3) return 188743783 + (n - 1);
  return 188743955 + (n - 4);
}

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

// The name of a custom field as the host's field lists name it ("Text1", "Enterprise-Text3",
// "Duration2"); for another field its identifier in digits.
std::string FieldName(std::int32_t fieldId);

}  // namespace msproject
