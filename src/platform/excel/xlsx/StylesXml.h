#pragma once
// xl/styles.xml: the workbook's interned formats as fonts, fills, borders and cell formats
// (cellXfs, one for each format a cell uses, in the view's numbering), Arial 10 as the default
// font, and the palette where it differs from Excel's.

#include <string>

#include "platform/excel/file/WorkbookView.h"

namespace excel::xlsx {

std::string StylesXml(const file::WorkbookView& workbook);

}  // namespace excel::xlsx
