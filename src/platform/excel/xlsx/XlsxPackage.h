#pragma once
// Writes a workbook as an Office Open XML package (.xlsx) with libzip: the workbook part, one
// part per worksheet (streamed into the archive), the styles, and a drawing part for every
// sheet that has shapes.

#include <filesystem>

#include "platform/excel/file/WorkbookView.h"

namespace excel::xlsx {

// Writes the package to file, replacing what is there. Throws excel::Error when the file
// cannot be written; the file may then be left incomplete (WorkbookFile.h writes to a
// temporary file first).
void WriteXlsx(const file::WorkbookView& workbook, const std::filesystem::path& file);

}  // namespace excel::xlsx
