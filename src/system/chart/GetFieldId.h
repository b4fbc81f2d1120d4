#pragma once
// The custom task text fields that the wizard offers, and their identifiers in the host.

#include <cstdint>
#include <string>
#include <vector>

// The host's identifier of a custom task text field: "Text1" … "Text30",
// "Enterprise-Text1" … "Enterprise-Text40", matched exactly (letter case included). −1 for any
// other name, the empty one included.
std::int32_t GetFieldId(const std::string& strFieldName);

// The names that each field combo box offers, in this order: "Enterprise-Text1" …
// "Enterprise-Text40", then "Text1" … "Text30".
std::vector<std::string> FieldNames();
