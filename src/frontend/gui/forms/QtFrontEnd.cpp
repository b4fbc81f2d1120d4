#include "gui/forms/QtFrontEnd.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <memory>

#include "gui/forms/FormView.h"
#include "gui/forms/MessageBox.h"
#include "platform/forms/Form.h"

// The product's pictures, compiled into the library (a resource of a static library is
// registered by name).
static void InitPictures() {
  Q_INIT_RESOURCE(quorvan);
}

namespace gui {

QtFrontEnd::QtFrontEnd() {
  InitPictures();
  previousMsgBox_ = forms::SetMsgBoxHandler(
      [this](const std::string& strPrompt, int intButtons, const std::string& strTitle) {
        return MessageBox(strPrompt, intButtons, strTitle);
      });
  previousModal_ = forms::SetModalHandler([this](forms::Form& frm) { RunModal(frm); });
  previousDoEvents_ =
      forms::SetDoEventsHandler([] { QCoreApplication::processEvents(QEventLoop::AllEvents); });
}

QtFrontEnd::~QtFrontEnd() {
  forms::SetMsgBoxHandler(std::move(previousMsgBox_));
  forms::SetModalHandler(std::move(previousModal_));
  forms::SetDoEventsHandler(std::move(previousDoEvents_));
}

FormView* QtFrontEnd::ViewOf(const forms::Form& frm) const {
  for (FormView* view : views_) {
    if (&view->Form() == &frm) return view;
  }
  return nullptr;
}

QWidget* QtFrontEnd::Owner() const {
  if (!views_.empty()) return views_.back();
  if (hostWindow_) return hostWindow_;
  return QApplication::activeWindow();
}

void QtFrontEnd::RunModal(forms::Form& frm) {
  if (!frm.Loaded() || !frm.Visible()) return;
  FormView view(frm, Owner());
  view.setWindowModality(Qt::ApplicationModal);
  views_.push_back(&view);
  // The view leaves the list however the loop ends.
  const std::unique_ptr<void, std::function<void(void*)>> leave(
      &view, [this](void*) { views_.pop_back(); });
  if (OnFormShown) {
    QTimer::singleShot(0, &view, [this, &view] {
      if (OnFormShown && view.isVisible()) OnFormShown(view);
    });
  }
  view.exec();
}

int QtFrontEnd::MessageBox(const std::string& strPrompt, int intButtons,
                           const std::string& strTitle) {
  std::unique_ptr<QMessageBox> box(CreateMessageBox(Owner(), strPrompt, intButtons, strTitle));
  if (OnMessageBox) {
    QMessageBox* shown = box.get();
    QTimer::singleShot(0, shown, [this, shown] {
      if (OnMessageBox) OnMessageBox(*shown);
    });
  }
  box->exec();
  return MessageBoxAnswer(*box, intButtons);
}

}  // namespace gui
