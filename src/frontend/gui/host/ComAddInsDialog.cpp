#include "gui/host/ComAddInsDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "addin/AddInHost.h"
#include "platform/catalog/Catalog.h"
#include "platform/registry/Registry.h"
#include "settings/basRegistry.h"

namespace gui {

namespace {

constexpr int kProgIdRole = Qt::UserRole;
constexpr int kDescriptionRole = Qt::UserRole + 1;

std::string AddInValue(const std::string& strProgId, const char* strValueName) {
  return ReadRegString(registry::HKEY_CURRENT_USER,
                       std::string(addin::kHostAddInsKey) + "\\" + strProgId, strValueName);
}

}  // namespace

ComAddInsDialog::ComAddInsDialog(addin::AddInHost& host, QWidget* parent)
    : QDialog(parent), host_(host), list_(new QListWidget), description_(new QLabel) {
  setWindowTitle(QString::fromUtf8(_("COM-Add-Ins")));
  setObjectName(QStringLiteral("comAddInsDialog"));

  auto* caption = new QLabel(QString::fromUtf8(_("&Verfügbare Add-Ins:")));
  caption->setBuddy(list_);
  list_->setObjectName(QStringLiteral("addInList"));
  for (const std::string& strProgId : addin::AddInHost::RegisteredAddIns()) {
    std::string strName = AddInValue(strProgId, "FriendlyName");
    if (strName.empty()) strName = strProgId;
    auto* item = new QListWidgetItem(QString::fromStdString(strName), list_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(host_.Find(strProgId) != nullptr ? Qt::Checked : Qt::Unchecked);
    item->setData(kProgIdRole, QString::fromStdString(strProgId));
    item->setData(kDescriptionRole, QString::fromStdString(AddInValue(strProgId, "Description")));
  }
  description_->setObjectName(QStringLiteral("addInDescription"));
  description_->setWordWrap(true);
  connect(list_, &QListWidget::currentItemChanged, this, &ComAddInsDialog::ShowDescription);
  if (list_->count() > 0) list_->setCurrentRow(0);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8(_("Abbrechen")));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(caption);
  layout->addWidget(list_);
  layout->addWidget(description_);
  layout->addWidget(buttons);
  resize(420, 300);
}

void ComAddInsDialog::ShowDescription() {
  const QListWidgetItem* item = list_->currentItem();
  description_->setText(item == nullptr ? QString()
                                        : QString::fromUtf8(_("Beschreibung: ")) +
                                              item->data(kDescriptionRole).toString());
}

void ComAddInsDialog::Apply() {
  for (int i = 0; i < list_->count(); ++i) {
    const QListWidgetItem* item = list_->item(i);
    const std::string strProgId = item->data(kProgIdRole).toString().toStdString();
    const bool blnConnected = host_.Find(strProgId) != nullptr;
    const bool blnTicked = item->checkState() == Qt::Checked;
    if (blnConnected && !blnTicked) host_.RemoveAddIn(strProgId);
    if (!blnConnected && blnTicked) host_.ConnectAddIn(strProgId);
  }
}

}  // namespace gui
