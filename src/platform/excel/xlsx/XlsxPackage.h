#pragma once
// Writes a workbook as an Office Open XML package (.xlsx): the parts described by Package.h,
// each written through the XML writer into its own deflated stream, the large ones (a sheet,
// a drawing) on as many cores as there are, then stored into the archive with libzip.

#include <filesystem>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/save/SaveStages.h"

namespace excel::xlsx {

// Writes the package to file, replacing what is there. Throws excel::Error when the file
// cannot be written; the file may then be left incomplete (WorkbookFile.h writes to a
// temporary file first).
void WriteXlsx(const file::WorkbookView& workbook, const std::filesystem::path& file,
               const SaveStageHook& hook = {});

}  // namespace excel::xlsx
