#pragma once
// What the parts of the MSPDI reader share.

#include <cstddef>
#include <string>
#include <string_view>

namespace pugi {
class xml_node;
}

namespace msproject {

class PlanBuilder;

namespace mspdi {

// A problem found in the plan, with its place in the text when known.
struct Failure {
  std::string strWhat;
  std::ptrdiff_t offset = -1;
};

// The text without the blanks that XML allows around a value.
inline std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

// Hands the plan below its root element to the builder; throws Failure.
void BuildPlan(pugi::xml_node root, PlanBuilder& builder);

}  // namespace mspdi
}  // namespace msproject
