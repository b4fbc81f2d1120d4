#pragma once
// The two property-set streams that Excel writes beside the workbook stream:
// "\005SummaryInformation" and "\005DocumentSummaryInformation", each one section with the code
// page of its texts and the name of the program that wrote the file.

#include <string>

namespace excel::xls {

inline const std::string kSummaryInformation = "\005SummaryInformation";
inline const std::string kDocumentSummaryInformation = "\005DocumentSummaryInformation";

std::string SummaryInformation();
std::string DocumentSummaryInformation();

}  // namespace excel::xls
