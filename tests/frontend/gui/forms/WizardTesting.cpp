#include "frontend/gui/forms/WizardTesting.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "addin/Registration.h"
#include "wizard/Globals.h"

namespace guitest {

WizardOnScreen::WizardOnScreen() {
  App();
  host_ = std::make_unique<msproject::Application>();
  host_->FileOpen(ExamplePlan());
  frontEnd_.OnMessageBox = [this](QWidget& widget) {
    auto& box = static_cast<QMessageBox&>(widget);
    SeenBox seen{box.text().toStdString(), box.windowTitle().toStdString(), box.icon()};
    boxes_.push_back(seen);
    QAbstractButton* button = nullptr;
    if (answer_) button = box.button(answer_(seen));
    if (button == nullptr) button = box.escapeButton();
    if (button == nullptr) button = box.defaultButton();
    if (button != nullptr) button->click();
  };
}

WizardOnScreen::~WizardOnScreen() {
  frontEnd_.OnFormShown = nullptr;
  frontEnd_.OnMessageBox = nullptr;
}

void WizardOnScreen::Launch(const std::function<void(FormView&, frmQuorvan&)>& steps) {
  bool blnShown = false;
  frontEnd_.OnFormShown = [&](FormView& view) {
    view.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&view));
    auto* frm = dynamic_cast<frmQuorvan*>(&view.Form());
    if (frm == nullptr || blnShown) {
      if (onOtherForm_) onOtherForm_(view);
      if (view.Form().Loaded()) view.Form().Unload();
      return;
    }
    blnShown = true;
    steps(view, *frm);
    if (frm->Loaded()) frm->cmdCancel.Click();
  };
  Connect objConnect;
  office::COMAddIn objAddIn(addin::kProgId, addin::kDescription);
  std::vector<std::any> custom;
  objConnect.OnConnection(*host_, office::ext_cm_External, objAddIn, custom);
  objConnect.OnDisconnection(office::ext_dm_HostShutdown, custom);
  frontEnd_.OnFormShown = nullptr;
  ASSERT_TRUE(blnShown) << "the wizard was not shown";
}

std::string WizardOnScreen::FocusedControl(FormView& view) {
  const forms::Control* ctl = view.ControlOf(QApplication::focusWidget());
  return ctl != nullptr ? ctl->Name() : std::string();
}

}  // namespace guitest

namespace guitest {

void WizardOnScreen::Type(FormView& view, const forms::Control& ctl, const std::string& strText) {
  QWidget* widget = view.WidgetOf(ctl);
  if (auto* combo = qobject_cast<QComboBox*>(widget)) widget = combo->lineEdit();
  ASSERT_NE(widget, nullptr) << ctl.Name() << " has no text box";
  widget->setFocus();
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_Delete);
  QTest::keyClicks(widget, QString::fromStdString(strText));
}

void WizardOnScreen::ClickOn(FormView& view, const forms::Control& ctl) {
  QWidget* widget = view.WidgetOf(ctl);
  ASSERT_NE(widget, nullptr) << ctl.Name() << " is not on screen";
  // Near the left edge: a check box takes clicks on its box and caption only.
  QTest::mouseClick(widget, Qt::LeftButton, {},
                    QPoint(std::min(10, widget->width() / 2), widget->height() / 2));
}

}  // namespace guitest
