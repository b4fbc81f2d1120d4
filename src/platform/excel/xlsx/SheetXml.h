#pragma once
// xl/worksheets/sheetN.xml: the sheet's properties and view, its columns, its rows with their
// cells, the merged areas, the page set-up and the reference to its drawing.

#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {

// styleIndex: the style index of each format (WorkbookView::UsedFormats). drawing: the
// relationship id of the sheet's drawing, empty when it has none.
void WriteSheetXml(const file::SheetView& sheet, const std::vector<std::uint32_t>& styleIndex,
                   std::string_view drawing, XmlWriter& xml);

}  // namespace excel::xlsx
