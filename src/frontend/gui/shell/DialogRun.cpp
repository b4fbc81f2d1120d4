#include "gui/shell/DialogRun.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>

namespace gui {

QWidget* DialogOwner() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

int RunDialog(QDialog& dialog, const DialogHook& hook) {
  if (hook) {
    // Queued before exec(): it runs in the dialog's loop, after show().
    QPointer<QDialog> guard(&dialog);
    QTimer::singleShot(0, &dialog, [guard, hook] {
      if (guard && guard->isVisible()) hook(*guard);
    });
  }
  return dialog.exec();
}

}  // namespace gui
