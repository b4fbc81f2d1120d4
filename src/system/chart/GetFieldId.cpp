#include "chart/GetFieldId.h"

namespace {

constexpr int kTextFields = 30;
constexpr int kEnterpriseTextFields = 40;

std::int32_t TextFieldId(int n) {
  if (n <= 5) return 188743731 + 3 * (n - 1);
  if (n <= 10) return 188743746 + (n - 6);
  return 188743997 + (n - 11);
}

}  // namespace

std::int32_t GetFieldId(const std::string& strFieldName) {
  for (int n = 1; n <= kTextFields; ++n) {
    if (strFieldName == "Text" + std::to_string(n)) return TextFieldId(n);
  }
  for (int n = 1; n <= kEnterpriseTextFields; ++n) {
    if (strFieldName == "Enterprise-Text" + std::to_string(n)) return 188744479 + (n - 1);
  }
  return -1;
}

std::vector<std::string> FieldNames() {
  std::vector<std::string> names;
  for (int n = 1; n <= kEnterpriseTextFields; ++n) {
    names.push_back("Enterprise-Text" + std::to_string(n));
  }
  for (int n = 1; n <= kTextFields; ++n) names.push_back("Text" + std::to_string(n));
  return names;
}
