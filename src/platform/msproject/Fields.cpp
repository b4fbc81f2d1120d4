#include "platform/msproject/Fields.h"

namespace msproject {

std::string FieldName(std::int32_t fieldId) {
  for (int n = 1; n <= 30; ++n) {
    if (fieldId == TextFieldId(n)) return "Text" + std::to_string(n);
  }
  for (int n = 1; n <= 40; ++n) {
    if (fieldId == EnterpriseTextFieldId(n)) return "Enterprise-Text" + std::to_string(n);
  }
  for (int n = 1; n <= 10; ++n) {
    if (fieldId == DurationFieldId(n)) return "Duration" + std::to_string(n);
  }
  return std::to_string(fieldId);
}

}  // namespace msproject
