#pragma once
// Workbook.SaveAs: chooses the file format by the name and saves atomically (AtomicSave.h). The
// workbook is written into a hidden folder beside the target, flushed to disk and renamed over
// the target; when anything fails the folder is removed and the target left as it was. A
// target that is a symbolic link is saved through: the file it points to is replaced.
//
// A name ending in .xlsx (in any case) is written as an Office Open XML package
// (xlsx/XlsxPackage.h); any other name, as the spreadsheet program saves a new workbook in its
// default format, as an Excel 97-2003 workbook (xls/XlsWriter.h) under exactly that name:
// "Diagramm.xls", "Stand 05.03", "Diagramm.alt".
//
// Refused with excel::Error, before anything is written: a workbook that exceeds what .xls
// holds (xls/XlsWriter.h), a folder that does not exist or cannot be written, a target that
// another program holds open (its lock file lies beside it), a target that is a folder, a
// target that is read-only.

#include <filesystem>

namespace excel {

class Workbook;

void SaveWorkbookFile(Workbook& workbook, const std::filesystem::path& target);

}  // namespace excel
