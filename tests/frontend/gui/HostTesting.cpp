#include "frontend/gui/HostTesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenu>
#include <cstdlib>

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
  host_->close();
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

void HostTest::ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

}  // namespace guitest
