#pragma once
// Writes a workbook as an Excel 97-2003 workbook (.xls): BIFF8 records in the "Workbook" stream
// of a compound file, beside the summary information streams; the shapes as OfficeArt.

#include <cstddef>
#include <filesystem>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/save/SaveStages.h"

namespace excel::xls {

// The shapes of a sheet that the format can number: every shape is followed by its OBJ record,
// whose object identifier (16 bits, 0 meaning none) must be unique on the sheet. Beyond them the
// identifiers repeat; LibreOffice and xlrd find each shape by its drawing record and read them
// all, but Excel's format is then not kept (see docs/architecture.md).
inline constexpr std::size_t kNumberedShapes = 65535;

// Throws excel::Error, naming the first thing that does not fit, when the workbook exceeds what
// the format holds: 65,536 rows, 256 columns. A cell's text fits: the engine cuts a cell's text
// to 32,767 UTF-16 code units, the most a string of the format counts.
void CheckXlsLimits(const file::WorkbookView& workbook);

// Writes the file, replacing what is there. Throws excel::Error when the workbook does not fit
// (see CheckXlsLimits) or the file cannot be written; the file may then be left incomplete.
void WriteXls(const file::WorkbookView& workbook, const std::filesystem::path& file,
              const SaveStageHook& hook = {});

}  // namespace excel::xls
