#include "gui/roles/RoleTab.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "chart/GetFieldId.h"
#include "gui/roles/RoleEditor.h"
#include "gui/roles/RoleMatrixModel.h"
#include "gui/roles/RoleMatrixView.h"
#include "platform/catalog/Catalog.h"
#include "platform/msproject/Project.h"

namespace gui {

RoleTab::RoleTab(RoleEditor& editor, QWidget* parent)
    : QWidget(parent), editor_(editor), model_(new RoleMatrixModel(editor, this)) {
  // Each role's caption above its field's list, so that the row fits a small screen's window
  // whatever the plan's names of the fields.
  auto* fields = new QHBoxLayout;
  fields->addWidget(new QLabel(QString::fromUtf8(_("Rollenfelder:")), this), 0, Qt::AlignBottom);
  for (std::size_t i = 0; i < roles::kRoleCount; ++i) {
    const roles::Role role = roles::RoleOfField(i);
    auto* box = new QComboBox(this);
    box->setObjectName(QStringLiteral("roleField%1").arg(i + 1));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(16);
    auto* caption = new QLabel(RoleName(role) + QLatin1Char(':'), this);
    caption->setBuddy(box);
    auto* pair = new QVBoxLayout;
    pair->setSpacing(2);
    pair->addWidget(caption);
    pair->addWidget(box);
    fields->addSpacing(8);
    fields->addLayout(pair);
    connect(box, &QComboBox::activated, this, [this, box, role] {
      editor_.SetField(role, box->currentData().toString().toStdString());
    });
    fieldBoxes_[i] = box;
  }
  fields->addStretch(1);
  auto* hint = new QLabel(
      QString::fromUtf8(_("Klick oder Leertaste: nächste Rolle · V, B, I: Rolle setzen · Entf: "
                          "Rolle entfernen · Strg+Z: rückgängig")),
      this);
  hint->setObjectName(QStringLiteral("roleHint"));
  hint->setWordWrap(true);
  view_ = new RoleMatrixView(*model_, this);
  view_->setObjectName(QStringLiteral("roleMatrix"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addWidget(hint);
  layout->addWidget(view_, 1);
  connect(&editor_, &RoleEditor::Reset, this, &RoleTab::ShowFields);
  ShowFields();
}

void RoleTab::ShowFields() {
  const msproject::Project* project = editor_.Project();
  for (std::size_t i = 0; i < roles::kRoleCount; ++i) {
    QComboBox& box = *fieldBoxes_[i];
    const QSignalBlocker block(box);
    box.clear();
    // The wizard's list, each field with the name the plan gives it.
    for (const std::string& strField : ::FieldNames()) {
      const std::string strAlias =
          project == nullptr ? std::string() : project->FieldAlias(GetFieldId(strField));
      box.addItem(QString::fromStdString(strAlias.empty() ? strField : strField + " – " + strAlias),
                  QString::fromStdString(strField));
    }
    box.setCurrentIndex(box.findData(QString::fromStdString(editor_.FieldNames()[i])));
  }
}

}  // namespace gui
