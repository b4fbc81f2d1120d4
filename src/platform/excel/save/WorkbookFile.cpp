#include "platform/excel/save/WorkbookFile.h"

#include <cctype>
#include <string>

#include "platform/excel/Application.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/save/AtomicSave.h"
#include "platform/excel/xls/XlsWriter.h"
#include "platform/excel/xlsx/XlsxPackage.h"

namespace excel {

namespace {

bool IsXlsx(const std::filesystem::path& path) {
  std::string strExtension = path.extension().string();
  for (char& c : strExtension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strExtension == ".xlsx";
}

}  // namespace

void SaveWorkbookFile(Workbook& workbook, const std::filesystem::path& target) {
  const SaveStageHook& hook = workbook.Parent().SaveStageObserver();
  struct SaveOver {
    const SaveStageHook& hook;
    ~SaveOver() { BeginSaveStage(hook, ""); }
  } over{hook};
  BeginSaveStage(hook, "view");
  const file::WorkbookView view(workbook);
  // The format is the one the name asks for; the limits of the old format are refused before
  // anything is written.
  const bool blnXls = !IsXlsx(target);
  if (blnXls) xls::CheckXlsLimits(view);
  SaveAtomically(target, {}, "", [&](const std::filesystem::path& temporary) {
    if (blnXls) {
      xls::WriteXls(view, temporary, hook);
    } else {
      xlsx::WriteXlsx(view, temporary, hook);
    }
    BeginSaveStage(hook, "flush and rename");
  });
}

}  // namespace excel
