#include "platform/excel/Window.h"

#include "platform/excel/Workbook.h"

namespace excel {

bool Window::FreezePanes() const {
  Worksheet& sheet = workbook_->ActiveSheet();
  return sheet.FrozenRows() > 0 || sheet.FrozenColumns() > 0;
}

void Window::FreezePanes(bool blnFreeze) {
  workbook_->ActiveSheet().FreezeAtActiveCell(blnFreeze);
}

}  // namespace excel
