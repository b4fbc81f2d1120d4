#pragma once
// xl/workbook.xml: the sheets with their relationships, the active sheet, and the print areas
// and print titles as the sheets' defined names.

#include <string>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xlsx/Package.h"
#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {

void WriteWorkbookXml(const file::WorkbookView& workbook, const Package& package, XmlWriter& xml);

// "$A$1:$C$3", "$1:$6" or "$A:$B" for range text in A1 notation.
std::string AbsoluteReference(const std::string& range);

}  // namespace excel::xlsx
