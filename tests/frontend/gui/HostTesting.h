#pragma once
// What the tests of the host program share: a registry file of their own (the host keeps its
// command bars beside it), the Qt front end of the forms with every message box recorded and
// closed with its first button, Qt's shell dialogs, every file link kept from the desktop,
// and host windows started and ended as a user starts and ends the program.

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "frontend/gui/GuiTesting.h"
#include "gui/forms/QtFrontEnd.h"
#include "gui/host/HostWindow.h"
#include "gui/shell/QtShellBackend.h"
#include "platform/registry/ScopedRegistryFile.h"
#include "support/TestSupport.h"

class QAction;
class QMenu;

// Qt's texts in test messages.
inline void PrintTo(const QString& strText, std::ostream* os) {
  *os << '"' << strText.toStdString() << '"';
}

namespace guitest {

// Takes every file and web link that the program hands to the desktop, so that no test
// opens one.
class DesktopLinks : public QObject {
  Q_OBJECT

 public:
  DesktopLinks();
  ~DesktopLinks() override;
  const std::vector<QUrl>& Opened() const { return opened_; }

 public slots:
  void Open(const QUrl& url) { opened_.push_back(url); }

 private:
  std::vector<QUrl> opened_;
};

struct ShownBox {
  QString strTitle;
  QString strText;
  QMessageBox::Icon icon;
};

class HostTest : public testing::Test {
 protected:
  HostTest();
  ~HostTest() override;

  // Starts the program anew: a host window, shown, over which the forms open.
  gui::HostWindow& StartHost();
  // Ends it as closing the window does (its add-ins disconnected, its bars kept); unsaved
  // changes of its plan are left unsaved ("Nein").
  void EndHost();

  // The test data of the host program (tests/data/gui).
  static std::filesystem::path DataDir();

  // The texts of a menu's entries in order, "-" for a separator, hidden entries left out.
  static std::vector<QString> MenuTexts(const QMenu& menu);
  // The entries a user sees disabled in the window's menus and toolbars (an entry hidden, or in
  // a hidden menu, is not seen); with blnWithoutReason only those whose tooltip does not say
  // why.
  static std::vector<QString> DisabledEntries(const gui::HostWindow& host,
                                              bool blnWithoutReason = false);
  // Lets queued work (the redrawing of the command bars) run.
  static void ProcessEvents();
  // Opens the wizard from the menu and finishes it at once, the chart written to chart.
  void FinishWizardInto(const std::filesystem::path& chart);

  // The application comes first.
  QApplication& app_ = App();
  testsupport::ScopedRegistryFile registry_;
  testsupport::TempDir dir_;
  gui::QtFrontEnd frontEnd_;
  gui::QtShellBackend shell_;
  std::vector<ShownBox> boxes_;
  DesktopLinks links_;
  std::unique_ptr<gui::HostWindow> host_;
};

}  // namespace guitest
