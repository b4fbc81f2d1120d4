#pragma once
// The desktop's side of the forms: for as long as it lives it serves every form of the process
// with Qt. A form shown modally opens as a dialog (a FormView) over the host window and runs
// Qt's event loop until the form is hidden or unloaded; a message box is a QMessageBox;
// DoEvents processes Qt's pending events, so that what the system changed is drawn and the
// user's clicks reach it.

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/forms/FrontEnd.h"

namespace forms {
class Form;
}

namespace gui {

class FormView;

class QtFrontEnd {
 public:
  QtFrontEnd();
  ~QtFrontEnd();
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  // The window over which modal forms and message boxes open when no form is shown (the host
  // window). Without one they open over the active window.
  void HostWindow(QWidget* window) { hostWindow_ = window; }

  // The views of the forms shown now, the innermost last.
  const std::vector<FormView*>& Views() const { return views_; }
  // The view of a form shown now; nullptr when it is not shown.
  FormView* ViewOf(const forms::Form& frm) const;

  // Called with each view once it is on screen (tests drive the form from here), and with
  // each message box before it runs.
  std::function<void(FormView& view)> OnFormShown;
  std::function<void(QWidget& box)> OnMessageBox;

 private:
  void RunModal(forms::Form& frm);
  int MessageBox(const std::string& strPrompt, int intButtons, const std::string& strTitle);
  QWidget* Owner() const;

  QPointer<QWidget> hostWindow_;
  std::vector<FormView*> views_;
  forms::MsgBoxHandler previousMsgBox_;
  forms::ModalHandler previousModal_;
  forms::DoEventsHandler previousDoEvents_;
};

}  // namespace gui
