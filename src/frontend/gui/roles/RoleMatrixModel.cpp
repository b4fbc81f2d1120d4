#include "gui/roles/RoleMatrixModel.h"

#include <QApplication>
#include <QBrush>
#include <QPalette>

#include "gui/roles/RoleEditor.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Project.h"

namespace gui {

QString RoleName(roles::Role role) {
  switch (role) {
    case roles::Role::Responsible:
      return QString::fromUtf8(_("Verantwortlich"));
    case roles::Role::Participant:
      return QString::fromUtf8(_("Beteiligt"));
    case roles::Role::Informed:
      return QString::fromUtf8(_("Wird informiert"));
    case roles::Role::None:
      break;
  }
  return QString::fromUtf8(_("keine Rolle"));
}

RoleMatrixModel::RoleMatrixModel(RoleEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {
  connect(&editor_, &RoleEditor::Reset, this, &RoleMatrixModel::ResetAll);
  connect(&editor_, &RoleEditor::RowsChanged, this, &RoleMatrixModel::RowsChanged);
  ResetAll();
}

RoleMatrixModel::~RoleMatrixModel() = default;

void RoleMatrixModel::ResetAll() {
  beginResetModel();
  cache_.clear();
  cache_.resize(editor_.Rows().size());
  endResetModel();
}

void RoleMatrixModel::RowsChanged(const std::vector<std::size_t>& colRows) {
  for (std::size_t lngRow : colRows) {
    if (lngRow >= cache_.size()) continue;
    cache_[lngRow].reset();
    const int intRow = static_cast<int>(lngRow);
    emit dataChanged(index(intRow, 0), index(intRow, columnCount() - 1));
  }
}

int RoleMatrixModel::UnknownColumn() const {
  return static_cast<int>(editor_.Columns().size());
}

const roles::TaskRoles* RoleMatrixModel::RolesOfRow(int intRow) const {
  const auto lngRow = static_cast<std::size_t>(intRow);
  const msproject::Task* task = editor_.Rows()[lngRow];
  if (task == nullptr) return nullptr;
  auto& cached = cache_[lngRow];
  if (!cached) {
    cached = std::make_unique<roles::TaskRoles>(roles::RolesOf(
        roles::ReadRoleTexts(*task, editor_.Fields()), editor_.Order(), editor_.Columns().size()));
  }
  return cached.get();
}

roles::Role RoleMatrixModel::RoleAt(int intRow, int intColumn) const {
  if (!IsResourceColumn(intColumn)) return roles::Role::None;
  const roles::TaskRoles* taskRoles = RolesOfRow(intRow);
  return taskRoles == nullptr ? roles::Role::None
                              : taskRoles->colColumns[static_cast<std::size_t>(intColumn)];
}

RoleMatrixModel::TaskHeading RoleMatrixModel::Heading(int intRow) const {
  TaskHeading heading;
  const msproject::Task* task = editor_.Rows()[static_cast<std::size_t>(intRow)];
  if (task == nullptr) return heading;
  heading.blnBlank = false;
  heading.strId = QString::number(task->ID());
  heading.strWbs = QString::fromStdString(task->WBS());
  heading.strName = QString::fromStdString(task->Name());
  heading.intOutlineLevel = task->OutlineLevel();
  heading.blnSummary = task->Summary();
  return heading;
}

int RoleMatrixModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(editor_.Rows().size());
}

int RoleMatrixModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() || editor_.Project() == nullptr ? 0 : UnknownColumn() + 1;
}

QVariant RoleMatrixModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const int intRow = index.row();
  const int intColumn = index.column();
  // Why the row is not edited: asked only for what shows it.
  QString strReadOnly;
  if (role == Qt::BackgroundRole || role == Qt::ToolTipRole) {
    strReadOnly = editor_.ReadOnlyReason(static_cast<std::size_t>(intRow));
  }
  if (role == Qt::BackgroundRole) {
    return strReadOnly.isEmpty()
               ? QVariant()
               : QVariant(QApplication::palette().brush(QPalette::Disabled, QPalette::Window));
  }
  const roles::TaskRoles* taskRoles = RolesOfRow(intRow);
  if (taskRoles == nullptr) return {};
  if (IsResourceColumn(intColumn)) {
    const roles::Role cellRole = taskRoles->colColumns[static_cast<std::size_t>(intColumn)];
    if (role == kRoleOfCell) return static_cast<int>(cellRole);
    if (role == Qt::ToolTipRole) {
      const roles::RoleColumn& column = editor_.Columns()[static_cast<std::size_t>(intColumn)];
      QString strTip = QStringLiteral("%1 (%2): %3")
                           .arg(QString::fromStdString(column.strName),
                                QString::fromStdString(column.strGroup), RoleName(cellRole));
      if (!strReadOnly.isEmpty()) strTip += QLatin1Char('\n') + strReadOnly;
      return strTip;
    }
    return {};
  }
  // The names of no resource, each with its role.
  if (role == Qt::DisplayRole || role == Qt::ToolTipRole) {
    QStringList colNames;
    for (const roles::NamedRole& named : taskRoles->colUnknown) {
      colNames.push_back(QStringLiteral("%1 (%2)").arg(QString::fromStdString(named.strName),
                                                       RoleName(named.role)));
    }
    if (role == Qt::DisplayRole) return colNames.join(QStringLiteral("; "));
    QString strTip;
    if (!colNames.isEmpty()) {
      strTip = QString::fromUtf8(
                   _("Diese Namen nennen keine Ressource des Plans; das Diagramm zeigt für sie "
                     "kein Symbol:")) +
               QLatin1Char('\n') + colNames.join(QLatin1Char('\n'));
    }
    if (!strReadOnly.isEmpty()) strTip += (strTip.isEmpty() ? "" : "\n") + strReadOnly;
    return strTip.isEmpty() ? QVariant() : QVariant(strTip);
  }
  return {};
}

Qt::ItemFlags RoleMatrixModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QVariant RoleMatrixModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical) {
    if (role == Qt::DisplayRole) return Heading(section).strId;
    return {};
  }
  const bool blnUnknown = section == UnknownColumn();
  const roles::RoleColumn* column =
      blnUnknown ? nullptr : &editor_.Columns()[static_cast<std::size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
      return blnUnknown ? QString::fromUtf8(_("unbekannt"))
                        : QString::fromStdString(column->strName);
    case kGroupOfColumn:
      return blnUnknown ? QString() : QString::fromStdString(column->strGroup);
    case Qt::ToolTipRole:
      return blnUnknown ? QString::fromUtf8(_("Namen in den Rollenfeldern, die keine Ressource des "
                                              "Plans nennen"))
                        : QStringLiteral("%1 – %2").arg(QString::fromStdString(column->strGroup),
                                                        QString::fromStdString(column->strName));
    default:
      return {};
  }
}

}  // namespace gui
