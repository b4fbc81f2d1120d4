#include "StartDiagnosis.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <chrono>
#include <cstdio>

#include "gui/forms/FormView.h"
#include "gui/forms/QtFrontEnd.h"
#include "gui/host/HostWindow.h"
#include "platform/forms/Form.h"

namespace {

long long Now() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

void Print(const char* strWhat) {
  std::printf("%s %lld\n", strWhat, Now());
  std::fflush(stdout);
}

class ExposeWatch : public QObject {
 public:
  ExposeWatch(gui::HostWindow& window, gui::QtFrontEnd& frontEnd)
      : window_(window), frontEnd_(frontEnd) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Expose && !blnSeen_ && window_.windowHandle() != nullptr &&
        window_.windowHandle()->isExposed()) {
      blnSeen_ = true;
      Print("fenster");
      QTimer::singleShot(0, &window_, [this] { TriggerWizard(); });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  void TriggerWizard() {
    // A box instead of the wizard (no plan, a plan without tasks) is printed and closed.
    frontEnd_.OnMessageBox = [](QWidget& widget) {
      auto& box = static_cast<QMessageBox&>(widget);
      std::printf("meldung %s\n", box.text().simplified().toLocal8Bit().constData());
      box.buttons().front()->click();
    };
    frontEnd_.OnFormShown = [](gui::FormView& view) {
      Print("assistent");
      view.Form().Unload();
    };
    QAction* action = window_.CommandBarAction("QuorvanWizard");
    if (action == nullptr) {
      std::printf("fehler Der Eintrag „Quorvan Assistent“ fehlt im Menü „Extras“.\n");
    } else {
      Print("auslöser");
      action->trigger();
    }
    QApplication::quit();
  }

  gui::HostWindow& window_;
  gui::QtFrontEnd& frontEnd_;
  bool blnSeen_ = false;
};

}  // namespace

void DiagnoseStart(gui::HostWindow& window, gui::QtFrontEnd& frontEnd) {
  auto* watch = new ExposeWatch(window, frontEnd);
  watch->setParent(&window);
  window.winId();  // creates the window handle that receives the expose events
  window.windowHandle()->installEventFilter(watch);
}
