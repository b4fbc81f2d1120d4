#pragma once
// One worksheet's substream: its calculation and print settings, the outline settings (GUTS,
// WSBOOL), the page set-up, the columns (COLINFO), the rows in blocks of 32 (ROW records, then
// the cells of those rows: LABELSST, NUMBER, BLANK and MULBLANK), the drawing, the window
// (WINDOW2, PANE and SELECTION at the selected cell) and the merged areas.

#include <cstddef>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xls/CellStyles.h"
#include "platform/excel/xls/OfficeArt.h"
#include "platform/excel/xls/RecordWriter.h"
#include "platform/excel/xls/SharedStrings.h"

namespace excel::xls {

// drawing: the sheet's drawing number, 0 for a sheet without shapes.
void WriteSheet(RecordWriter& out, const file::SheetView& sheet, const CellStyles& styles,
                const SharedStrings& strings, const ShapeIds& ids, std::size_t drawing);

}  // namespace excel::xls
