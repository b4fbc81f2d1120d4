#include "frontend/gui/HostTesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <cstdlib>
#include <utility>

#include "gui/forms/FormView.h"
#include "wizard/frmQuorvan.h"

namespace guitest {

namespace {

const char* const kSchemes[] = {"file", "http", "https"};

}  // namespace

DesktopLinks::DesktopLinks() {
  for (const char* strScheme : kSchemes) {
    QDesktopServices::setUrlHandler(QString::fromLatin1(strScheme), this, "Open");
  }
}

DesktopLinks::~DesktopLinks() {
  for (const char* strScheme : kSchemes) {
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(strScheme));
  }
}

HostTest::HostTest() {
  // Qt keeps the colour dialog's custom colours in its own settings: in the build folder.
  ::setenv("XDG_CONFIG_HOME",
           (testsupport::BinaryDir() / "tests" / "frontend" / "gui" / "config").c_str(), 1);
  frontEnd_.OnMessageBox = [this](QWidget& widget) {
    auto& box = dynamic_cast<QMessageBox&>(widget);
    boxes_.push_back({box.windowTitle(), box.text(), box.icon()});
    box.buttons().front()->click();
  };
}

HostTest::~HostTest() {
  EndHost();
}

gui::HostWindow& HostTest::StartHost() {
  EndHost();
  host_ = std::make_unique<gui::HostWindow>();
  frontEnd_.HostWindow(host_.get());
  host_->show();
  ProcessEvents();
  return *host_;
}

void HostTest::EndHost() {
  if (!host_) return;
  // A plan a test left with unsaved changes is not saved by its end, whichever button the
  // style lays out first.
  auto answer = frontEnd_.OnMessageBox;
  frontEnd_.OnMessageBox = [this](QWidget& widget) {
    auto& box = dynamic_cast<QMessageBox&>(widget);
    boxes_.push_back({box.windowTitle(), box.text(), box.icon()});
    QAbstractButton* no = box.button(QMessageBox::No);
    (no != nullptr ? no : box.buttons().front())->click();
  };
  host_->close();
  frontEnd_.OnMessageBox = std::move(answer);
  host_.reset();
  frontEnd_.HostWindow(nullptr);
}

std::filesystem::path HostTest::DataDir() {
  return testsupport::SourceDir() / "tests" / "data" / "gui";
}

std::vector<QString> HostTest::MenuTexts(const QMenu& menu) {
  std::vector<QString> colTexts;
  for (const QAction* action : menu.actions()) {
    if (!action->isVisible()) continue;
    colTexts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return colTexts;
}

std::vector<QString> HostTest::DisabledEntries(const gui::HostWindow& host, bool blnWithoutReason) {
  std::vector<QString> colDisabled;
  auto check = [&](const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
      if (!action->isVisible() || action->isSeparator() || action->isEnabled()) continue;
      // Qt's own tooltip of an entry is its text without the accelerator and the dots.
      QString strOwn = action->text();
      strOwn.remove(QLatin1Char('&'));
      const bool blnReason = !action->toolTip().isEmpty() && !strOwn.startsWith(action->toolTip());
      if (!blnWithoutReason || !blnReason) colDisabled.push_back(action->text());
    }
  };
  for (const QAction* menu : host.menuBar()->actions()) {
    if (menu->isVisible() && menu->menu() != nullptr) check(menu->menu()->actions());
  }
  for (const QToolBar* toolbar : host.findChildren<QToolBar*>()) {
    if (toolbar->isVisibleTo(&host)) check(toolbar->actions());
  }
  return colDisabled;
}

void HostTest::ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

void HostTest::FinishWizardInto(const std::filesystem::path& chart) {
  frontEnd_.OnFormShown = [&](gui::FormView& view) {
    auto& frm = dynamic_cast<frmQuorvan&>(view.Form());
    frm.txtChartPath.Text(chart.string());
    frm.cmdFinish.Click();
    frm.cmdFinish.Click();
  };
  host_->CommandBarAction("QuorvanWizard")->trigger();
  frontEnd_.OnFormShown = nullptr;
  ProcessEvents();
}

}  // namespace guitest
