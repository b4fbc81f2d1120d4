#include "gui/help/AboutDialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtGlobal>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "version/Version.h"

// The licence is compiled in: the pictures of a static library are pulled in by name.
static void InitHelpResources() {
  Q_INIT_RESOURCE(help);
}

namespace gui {

namespace {

// The libraries the programs link, with what they do for them and their licences.
QString Libraries() {
  const struct {
    const char* strName;
    std::string strUse;
  } colLibraries[] = {
      {"libzip", _("Arbeitsmappen im Format .xlsx (BSD-Lizenz)")},
      {"libgsf", _("Dateien im Format .mpp und .xls (LGPL 2.1)")},
      {"pugixml", _("XML lesen und schreiben (MIT-Lizenz)")},
      {"zlib", _("Kompression (zlib-Lizenz)")},
      {"{fmt}", _("Texte formatieren (MIT-Lizenz)")},
      {"CLI11", _("Befehlszeile (BSD-Lizenz)")},
      {"JSON for Modern C++", _("JSON lesen und schreiben (MIT-Lizenz)")},
  };
  QString strList =
      QStringLiteral("<li>Qt %1 – %2</li>")
          .arg(QString::fromLatin1(qVersion()),
               QString::fromUtf8(_("Fenster, Dialoge, PDF, SVG und PNG (LGPL 3)")).toHtmlEscaped());
  for (const auto& library : colLibraries) {
    strList += QStringLiteral("<li>%1 – %2</li>")
                   .arg(QString::fromUtf8(library.strName).toHtmlEscaped(),
                        QString::fromStdString(library.strUse).toHtmlEscaped());
  }
  return QStringLiteral("<p>%1</p><ul style=\"margin-left:-20px\">%2</ul>")
      .arg(QString::fromUtf8(_("Verwendete Bibliotheken:")).toHtmlEscaped(), strList);
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent),
      title_(new QLabel(this)),
      details_(new QLabel(this)),
      licence_(new QPlainTextEdit(this)) {
  InitHelpResources();
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(QString::fromUtf8(_("Über Quorvan")));

  // The icon is a drawing: sharp at any scale of the screen.
  auto* icon = new QLabel(this);
  icon->setPixmap(QIcon(QStringLiteral(":/quorvan/quorvan.svg")).pixmap(64, 64));
  icon->setAlignment(Qt::AlignTop);
  title_->setObjectName(QStringLiteral("aboutTitle"));
  title_->setTextFormat(Qt::RichText);
  title_->setText(
      QStringLiteral("<p style=\"font-size:x-large\"><b>Quorvan</b></p><p>%1</p><p>%2</p>")
          .arg(QString::fromStdString(catalog::Format(_("Version {}"), QUORVAN_VERSION_TEXT))
                   .toHtmlEscaped(),
               QString::fromUtf8(_("Kommunikationsdiagramme aus Projektplänen")).toHtmlEscaped()));
  details_->setObjectName(QStringLiteral("aboutDetails"));
  details_->setTextFormat(Qt::RichText);
  details_->setWordWrap(true);
  details_->setText(
      QStringLiteral("<p>%1</p>")
          .arg(QString::fromUtf8(_("Copyright © Tevrana. Alle Rechte vorbehalten."))
                   .toHtmlEscaped()) +
      Libraries() +
      QStringLiteral("<p>%1</p>").arg(QString::fromUtf8(_("Lizenz:")).toHtmlEscaped()));

  licence_->setObjectName(QStringLiteral("aboutLicence"));
  licence_->setReadOnly(true);
  licence_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  licence_->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFile file(QStringLiteral(":/quorvan/LICENSE"));
  if (file.open(QIODevice::ReadOnly)) licence_->setPlainText(QString::fromUtf8(file.readAll()));

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QGridLayout(this);
  layout->addWidget(icon, 0, 0, 2, 1);
  layout->addWidget(title_, 0, 1);
  layout->addWidget(details_, 1, 1);
  layout->addWidget(licence_, 2, 0, 1, 2);
  layout->addWidget(buttons, 3, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(2, 1);
  layout->setHorizontalSpacing(16);
  resize(780, 640);  // the licence's lines whole
}

QString AboutDialog::Text() const {
  QTextDocument document;
  document.setHtml(title_->text() + details_->text());
  return document.toPlainText();
}

}  // namespace gui
