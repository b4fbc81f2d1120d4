#pragma once
// The small parts of the .xlsx package: content types, relationships, the workbook part.

#include <string>
#include <vector>

#include "platform/excel/file/WorkbookView.h"

namespace excel::xlsx {

// drawings[i]: sheet i + 1 has the drawing part drawing{i + 1}.xml.
std::string ContentTypesXml(const std::vector<bool>& drawings);
std::string RootRelsXml();
std::string WorkbookXml(const file::WorkbookView& workbook);
std::string WorkbookRelsXml(std::size_t sheetCount);
std::string SheetRelsXml(std::size_t sheet);

// "$A$1:$C$3", "$1:$6" or "$A:$B" for range text in A1 notation.
std::string AbsoluteReference(const std::string& range);

}  // namespace excel::xlsx
