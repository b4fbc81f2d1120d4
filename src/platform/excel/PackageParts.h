#pragma once
// The small parts of the .xlsx package: content types, relationships, the workbook part.

#include <string>
#include <vector>

namespace excel {

class Workbook;

// drawings[i]: sheet i + 1 has the drawing part drawing{i + 1}.xml.
std::string ContentTypesXml(const std::vector<bool>& drawings);
std::string RootRelsXml();
std::string WorkbookXml(Workbook& workbook);
std::string WorkbookRelsXml(std::size_t lngSheets);
std::string SheetRelsXml(std::size_t lngSheet);

// "$A$1:$C$3", "$1:$6" or "$A:$B" for range text in A1 notation.
std::string AbsoluteReference(const std::string& strRange);

}  // namespace excel
