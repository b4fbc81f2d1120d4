#pragma once
// Writes a workbook as an Office Open XML package (.xlsx) with libzip: the workbook part, one
// part per worksheet (streamed into the archive), the styles, and a drawing part for every
// sheet that has shapes.

#include <filesystem>

namespace excel {

class Workbook;

// Writes the package to file, replacing what is there. Throws excel::Error when the file
// cannot be written; the file may then be left incomplete (WorkbookFile.h writes to a
// temporary file first).
void WriteXlsx(Workbook& workbook, const std::filesystem::path& file);

}  // namespace excel
