#include "gui/GuiTesting.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenu>

#include "wizard/Globals.h"

namespace guitest {

DesktopLinks::DesktopLinks() {
  QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
}

DesktopLinks::~DesktopLinks() {
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

GuiTest::GuiTest() {
  frontEnd_.OnMessageBox = [this](QWidget& widget) {
    auto& box = dynamic_cast<QMessageBox&>(widget);
    boxes_.push_back({box.windowTitle(), box.text(), box.icon()});
    box.buttons().front()->click();
  };
}

GuiTest::~GuiTest() {
  EndHost();
}

gui::HostWindow& GuiTest::StartHost() {
  EndHost();
  host_ = std::make_unique<gui::HostWindow>();
  frontEnd_.HostWindow(host_.get());
  host_->show();
  ProcessEvents();
  return *host_;
}

void GuiTest::EndHost() {
  if (!host_) return;
  host_->close();
  host_.reset();
  frontEnd_.HostWindow(nullptr);
}

std::filesystem::path GuiTest::ExamplePlan() {
  return testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml";
}

std::filesystem::path GuiTest::DataDir() {
  return testsupport::SourceDir() / "tests" / "data" / "gui";
}

std::vector<QString> GuiTest::MenuTexts(const QMenu& menu) {
  std::vector<QString> colTexts;
  for (const QAction* action : menu.actions()) {
    if (!action->isVisible()) continue;
    colTexts.push_back(action->isSeparator() ? QStringLiteral("-") : action->text());
  }
  return colTexts;
}

void GuiTest::ProcessEvents() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

}  // namespace guitest
