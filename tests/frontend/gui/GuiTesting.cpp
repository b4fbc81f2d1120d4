#include "frontend/gui/GuiTesting.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QPixmap>
#include <QThread>
#include <cstdlib>
#include <memory>

#include "support/TestSupport.h"

namespace guitest {

namespace {

int argc = 1;
char arg0[] = "quorvan-gui-test";
char* argv[] = {arg0, nullptr};
std::unique_ptr<QApplication> app;

// Creates the application once the tests run (not when they are only listed).
class QtEnvironment : public testing::Environment {
 public:
  void SetUp() override { App(); }
  void TearDown() override { app.reset(); }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

QApplication& App() {
  if (!app) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app = std::make_unique<QApplication>(argc, argv);
  }
  return *app;
}

std::filesystem::path ArtefactsDir() {
  const std::filesystem::path dir = testsupport::BinaryDir() / "artefacts" / "gui";
  std::filesystem::create_directories(dir);
  return dir;
}

void SaveShot(QWidget& widget, const std::string& strName) {
  QWidget* window = widget.window();
  window->grab().save(QString::fromStdString((ArtefactsDir() / (strName + ".png")).string()));
}

bool WaitFor(const std::function<bool()>& condition, int intMilliseconds) {
  QElapsedTimer timer;
  timer.start();
  while (!condition()) {
    if (timer.elapsed() > intMilliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QThread::msleep(1);
  }
  return true;
}

std::filesystem::path ExamplePlan() {
  return testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml";
}

}  // namespace guitest
