#pragma once
// The text of the add-in's error report.

#include <cstdint>
#include <string>

namespace addin {

inline constexpr const char* kAppTitle = "Quorvan";
inline constexpr const char* kSupportAddress = "support@tevrana.de";

// "Es ist folgender Fehler aufgetreten:      " and the error's number and description, with
// the request to send them to the support address; CR LF between the lines.
std::string AddInErrText(std::int32_t lngNumber, const std::string& strDescription);

}  // namespace addin
