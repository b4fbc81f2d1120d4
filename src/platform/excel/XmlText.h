#pragma once
// Text as XML content and attribute values: markup characters escaped, control characters
// written as Office's "_xHHHH_" escapes, broken UTF-8 replaced by U+FFFD, so that any cell text
// gives a well-formed part.

#include <cstdint>
#include <string>
#include <string_view>

namespace excel {

void AppendXmlText(std::string& out, std::string_view strText);
std::string XmlText(std::string_view strText);

// Numbers in the shortest form that reads back exactly ("12.75", "22", "0.5").
void AppendNumber(std::string& out, double dblValue);
void AppendInteger(std::string& out, std::int64_t lngValue);

}  // namespace excel
