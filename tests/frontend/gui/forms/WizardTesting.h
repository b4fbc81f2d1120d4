#pragma once
// The wizard as a user meets it on the desktop: the example plan open in the host, the add-in
// connected, its launch showing the wizard as a real dialog. A test hands the steps it takes
// while the wizard is on screen; message boxes are answered by the test too.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/Connect.h"
#include "frontend/gui/GuiTesting.h"
#include "gui/forms/FormView.h"
#include "gui/forms/QtFrontEnd.h"
#include "platform/msproject/Application.h"
#include "platform/office/IDTExtensibility2.h"
#include "platform/registry/ScopedRegistryFile.h"
#include "support/ScriptedBackend.h"
#include "wizard/frmQuorvan.h"

namespace guitest {

using gui::FormView;
using gui::QtFrontEnd;

// A message box as the user saw it.
struct SeenBox {
  std::string strText;
  std::string strTitle;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

class WizardOnScreen : public testing::Test {
 public:
  // The name of the control whose widget has the keyboard focus.
  static std::string FocusedControl(FormView& view);

 protected:
  WizardOnScreen();
  ~WizardOnScreen() override;

  // Launches the wizard for the example plan and runs the steps while it is shown; returns
  // when the wizard has closed (the steps close it, or the test closes it with Cancel).
  void Launch(const std::function<void(FormView&, frmQuorvan&)>& steps);

  // The widget that shows a control of the wizard on screen.
  template <class W>
  W* Widget(FormView& view, const forms::Control& ctl) {
    return qobject_cast<W*>(view.WidgetOf(ctl));
  }

  // Types a text into a control's text box as a user does: selects what is there, types.
  static void Type(FormView& view, const forms::Control& ctl, const std::string& strText);
  static void ClickOn(FormView& view, const forms::Control& ctl);

  // What the test does when another form (the information dialog) is shown over the wizard.
  std::function<void(FormView&)> onOtherForm_;

  testsupport::ScopedRegistryFile registry_;
  QtFrontEnd frontEnd_;
  shell::ScriptedBackend dialogs_;
  std::unique_ptr<msproject::Application> host_;
  // Every message box shown, answered with the button the test chose (default: OK / No).
  std::vector<SeenBox> boxes_;
  std::function<QMessageBox::StandardButton(const SeenBox&)> answer_;
};

}  // namespace guitest
