#include "gui/help/ManualWindow.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <system_error>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"

namespace gui {

std::filesystem::path ManualIndex() {
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    const std::filesystem::path installed =
        exe.parent_path().parent_path() / QUORVAN_INSTALL_MANUALDIR / "index.html";
    if (std::filesystem::exists(installed, ec)) return installed;
  }
  return std::filesystem::path(QUORVAN_SOURCE_MANUALDIR) / "index.html";
}

namespace {

QToolButton* NavigationButton(QWidget& bar, const char* strName, const char* strIcon,
                              const char* strText) {
  auto* button = new QToolButton(&bar);
  button->setObjectName(QString::fromLatin1(strName));
  button->setText(QString::fromUtf8(strText));
  button->setIcon(QIcon::fromTheme(QString::fromLatin1(strIcon)));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  button->setAutoRaise(true);
  bar.layout()->addWidget(button);
  return button;
}

}  // namespace

ManualWindow::ManualWindow(const std::filesystem::path& index, QWidget* parent)
    : QDialog(parent), browser_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("manualWindow"));
  setWindowTitle(QString::fromUtf8(_("Quorvan – Handbuch")));
  // A window of its own, read beside the program: not modal, with the buttons of a window.
  setWindowFlags(Qt::Window);
  setModal(false);

  auto* bar = new QWidget(this);
  auto* barLayout = new QHBoxLayout(bar);
  barLayout->setContentsMargins(0, 0, 0, 0);
  QToolButton* back = NavigationButton(*bar, "manualBack", "go-previous", _("&Zurück"));
  QToolButton* forward = NavigationButton(*bar, "manualForward", "go-next", _("&Vorwärts"));
  QToolButton* home = NavigationButton(*bar, "manualHome", "go-home", _("&Inhalt"));
  barLayout->addStretch(1);
  back->setEnabled(false);
  forward->setEnabled(false);

  browser_->setObjectName(QStringLiteral("manualText"));
  browser_->setOpenExternalLinks(true);  // web and mail links: the desktop's programs
  browser_->setSource(QUrl::fromLocalFile(QString::fromStdString(index.string())));
  connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home, &QToolButton::clicked, browser_, &QTextBrowser::home);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QToolButton::setEnabled);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar);
  layout->addWidget(browser_, 1);
  layout->addWidget(buttons);
  resize(900, 700);
}

ManualWindow* ShowManual(QWidget& window, const std::filesystem::path& index) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(index, ec)) {
    forms::MsgBox(catalog::Format(_("Das Handbuch wurde nicht gefunden: Die Datei „{}“ fehlt. "
                                    "Installieren Sie Quorvan erneut, um es wiederherzustellen."),
                                  index.string()),
                  forms::vbExclamation + forms::vbOKOnly, "Quorvan");
    return nullptr;
  }
  auto* manual = window.findChild<ManualWindow*>(QString(), Qt::FindDirectChildrenOnly);
  if (manual == nullptr) {
    manual = new ManualWindow(index, &window);
    manual->setAttribute(Qt::WA_DeleteOnClose, false);
  }
  manual->show();
  manual->raise();
  manual->activateWindow();
  return manual;
}

}  // namespace gui
