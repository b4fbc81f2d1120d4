#include "platform/excel/WorkbookFile.h"

#include "platform/excel/AtomicSave.h"
#include "platform/excel/XlsxPackage.h"

namespace excel {

void SaveWorkbookFile(Workbook& workbook, const std::filesystem::path& target) {
  SaveAtomically(target, {".xlsx"}, "Arbeitsmappen werden als .xlsx gespeichert.",
                 [&](const std::filesystem::path& temporary) { WriteXlsx(workbook, temporary); });
}

}  // namespace excel
