#include "gui/host/StartPage.h"

#include <QCommandLinkButton>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/host/ThemeIcons.h"
#include "platform/catalog/Catalog.h"

namespace gui {

namespace {

constexpr int kPanelWidth = 460;

QLabel* Heading(const QString& strText, double dblScale, QWidget* parent) {
  auto* label = new QLabel(strText, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * dblScale);
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

StartPage::StartPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("startPage"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);

  // The panel stands in the middle; the space around it takes what the window gives.
  auto* outer = new QVBoxLayout(this);
  outer->addStretch(1);
  auto* row = new QHBoxLayout();
  row->addStretch(1);
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("dropArea"));
  panel->setMaximumWidth(kPanelWidth);
  panel->setMinimumWidth(qMin(kPanelWidth, 320));
  panel->setStyleSheet(
      QStringLiteral("QFrame#dropArea { border: 2px dashed palette(mid); border-radius: 10px; }"));
  row->addWidget(panel, 4);
  row->addStretch(1);
  outer->addLayout(row);
  outer->addStretch(2);

  auto* layout = new QVBoxLayout(panel);
  layout->setContentsMargins(28, 24, 28, 24);
  layout->setSpacing(10);

  auto* title = new QHBoxLayout();
  auto* logo = new QLabel(panel);
  logo->setPixmap(QIcon(QStringLiteral(":/quorvan/quorvan.svg")).pixmap(48, 48));
  title->addWidget(logo);
  auto* name = Heading(QStringLiteral("Quorvan"), 1.8, panel);
  title->addWidget(name, 1);
  layout->addLayout(title);
  auto* purpose = new QLabel(
      QString::fromUtf8(_("Kommunikationsdiagramme aus Projektplänen: öffnen Sie einen Plan und "
                          "starten Sie den Assistenten im Menü „Extras“.")),
      panel);
  purpose->setWordWrap(true);
  layout->addWidget(purpose);
  layout->addSpacing(8);

  openButton_ = new QPushButton(ThemeIcon("document-open"),
                                QString::fromUtf8(_("Projektplan &öffnen…")), panel);
  openButton_->setObjectName(QStringLiteral("openPlanButton"));
  openButton_->setDefault(true);
  // Return or Space on the start page opens a plan.
  setFocusProxy(openButton_);
  openButton_->setIconSize(QSize(24, 24));
  openButton_->setMinimumHeight(40);
  connect(openButton_, &QPushButton::clicked, this, &StartPage::OpenRequested);
  layout->addWidget(openButton_);
  auto* hint = new QLabel(QString::fromUtf8(_("oder einen Projektplan hierher ziehen")), panel);
  hint->setObjectName(QStringLiteral("dropHint"));
  hint->setAlignment(Qt::AlignCenter);
  hint->setForegroundRole(QPalette::PlaceholderText);
  layout->addWidget(hint);
  layout->addSpacing(8);

  recentHeading_ = Heading(QString::fromUtf8(_("Zuletzt geöffnet")), 1.0, panel);
  layout->addWidget(recentHeading_);
  recentList_ = new QVBoxLayout();
  recentList_->setSpacing(2);
  layout->addLayout(recentList_);
  SetRecentPlans({});
}

void StartPage::SetRecentPlans(const std::vector<std::string>& colPaths) {
  for (QCommandLinkButton* button : recentButtons_) delete button;
  recentButtons_.clear();
  for (const std::string& strPath : colPaths) {
    const QFileInfo file(QString::fromStdString(strPath));
    // An ampersand in a file name is shown, not taken as the button's accelerator.
    QString strName = file.fileName();
    strName.replace(QLatin1Char('&'), QStringLiteral("&&"));
    auto* button = new QCommandLinkButton(strName, QDir::toNativeSeparators(file.absolutePath()),
                                          recentHeading_->parentWidget());
    button->setObjectName(QStringLiteral("recentPlan"));
    button->setIcon(ThemeIcon("x-office-document"));
    button->setToolTip(QDir::toNativeSeparators(file.absoluteFilePath()));
    const QString strFull = QString::fromStdString(strPath);
    connect(button, &QCommandLinkButton::clicked, this,
            [this, strFull] { emit PlanChosen(strFull); });
    recentList_->addWidget(button);
    recentButtons_.push_back(button);
  }
  recentHeading_->setVisible(!colPaths.empty());
}

}  // namespace gui
