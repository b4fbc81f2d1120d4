#include "gui/host/PlanSheets.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <set>

#include "chart/GetFieldId.h"
#include "export/PlanCoverage.h"
#include "gui/host/OutlineDelegate.h"
#include "gui/roles/RoleEditor.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Project.h"

namespace gui {

namespace {

constexpr std::int32_t kIdColumn = 0;

// The custom text fields in the order of the host's field list: Text1 … Text30, then
// Enterprise-Text1 … Enterprise-Text40.
std::vector<std::string> CustomTextFields() {
  std::vector<std::string> colNames;
  for (int i = 1; i <= 30; ++i) colNames.push_back("Text" + std::to_string(i));
  for (int i = 1; i <= 40; ++i) colNames.push_back("Enterprise-Text" + std::to_string(i));
  return colNames;
}

bool HoldsValue(const msproject::Project& project, std::int32_t lngFieldId) {
  for (const msproject::Task* task : project.Tasks()) {
    if (task != nullptr && !task->GetField(lngFieldId).empty()) return true;
  }
  return false;
}

// The file names of the projects read below an inserted project, itself included.
void CollectInserted(const msproject::Project& objProject, std::set<std::string>& colNames) {
  if (!colNames.insert(objProject.Name()).second) return;
  for (const msproject::Subproject& objSubproject : objProject.Subprojects()) {
    try {
      CollectInserted(objSubproject.SourceProject(), colNames);
    } catch (const msproject::Error&) {
      // Not read: recorded on the plan.
    }
  }
}

// For each task row of the plan, the notices of the inserted projects missing below it, one
// a line; "" for a row without.
std::vector<QString> RowWarnings(const msproject::Project& objProject) {
  const auto& colUnread = objProject.UnreadSubprojects();
  const std::vector<std::string> colNotices = UnreadSubprojectNotices(objProject);
  std::vector<QString> colWarnings;
  colWarnings.reserve(static_cast<std::size_t>(objProject.Tasks().Count()));
  for (const msproject::Task* task : objProject.Tasks()) {
    QStringList colLines;
    const msproject::Subproject* objInserted = nullptr;
    for (const msproject::Subproject& objSubproject : objProject.Subprojects()) {
      if (task != nullptr && &objSubproject.InsertedProjectSummary() == task) {
        objInserted = &objSubproject;
      }
    }
    if (objInserted != nullptr) {
      std::set<std::string> colBelow;
      try {
        CollectInserted(objInserted->SourceProject(), colBelow);
      } catch (const msproject::Error&) {
        // Not read itself: its own notice below.
      }
      for (std::size_t i = 0; i < colUnread.size(); ++i) {
        const bool blnItself =
            colUnread[i].strProject == objProject.Name() && colUnread[i].lngTaskID == task->ID();
        if (blnItself || colBelow.count(colUnread[i].strProject) != 0) {
          colLines.push_back(QString::fromStdString(colNotices[i]));
        }
      }
    }
    colWarnings.push_back(colLines.join(QLatin1Char('\n')));
  }
  return colWarnings;
}

// The sign of a milestone before its name: a dark diamond, as the host's bar chart draws it.
QIcon MilestoneIcon() {
  static const QIcon icon = [] {
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath diamond;
    diamond.moveTo(kSize / 2.0, 2);
    diamond.lineTo(kSize - 3, kSize / 2.0);
    diamond.lineTo(kSize / 2.0, kSize - 2);
    diamond.lineTo(3, kSize / 2.0);
    diamond.closeSubpath();
    painter.fillPath(diamond, QColor(0x30, 0x30, 0x30));
    return QIcon(pixmap);
  }();
  return icon;
}

QFont BoldFont() {
  QFont font = QApplication::font();
  font.setBold(true);
  return font;
}

// Numbers stand at the right of their cells.
QVariant RightAligned() {
  return QVariant(static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

}  // namespace

TaskSheetModel::TaskSheetModel(RoleEditor& editor, QObject* parent)
    : QAbstractTableModel(parent), editor_(editor) {
  connect(&editor_, &RoleEditor::RowsChanged, this, &TaskSheetModel::RowsChanged);
  // Other role fields are other columns.
  connect(&editor_, &RoleEditor::Reset, this, [this] {
    if (project_ == editor_.Project()) SetProject(project_);
  });
}

void TaskSheetModel::RowsChanged(const std::vector<std::size_t>& colRows) {
  for (std::size_t lngRow : colRows) {
    const int intRow = static_cast<int>(lngRow);
    if (intRow < rowCount()) emit dataChanged(index(intRow, 0), index(intRow, columnCount() - 1));
  }
}

int TaskSheetModel::RoleOfColumn(int intColumn) const {
  const std::int32_t lngFieldId = columns_[static_cast<std::size_t>(intColumn)].lngFieldId;
  const roles::RoleFields& colFields = editor_.Fields();
  for (std::size_t i = 0; i < colFields.size(); ++i) {
    if (colFields[i] == lngFieldId) return static_cast<int>(roles::RoleOfField(i));
  }
  return static_cast<int>(roles::Role::None);
}

std::vector<int> TaskSheetModel::RoleColumns() const {
  std::vector<int> colColumns;
  for (int i = 0; i < columnCount(); ++i) {
    if (RoleOfColumn(i) != static_cast<int>(roles::Role::None)) colColumns.push_back(i);
  }
  return colColumns;
}

void TaskSheetModel::SetProject(const msproject::Project* project) {
  beginResetModel();
  project_ = project;
  columns_ = {{QStringLiteral("ID"), kIdColumn},
              {QStringLiteral("Name"), msproject::pjTaskName},
              {QString::fromUtf8(_("PSP-Code")), msproject::pjTaskWBS},
              {QString::fromUtf8(_("Anfang")), msproject::pjTaskStart},
              {QString::fromUtf8(_("Ende")), msproject::pjTaskFinish},
              {QString::fromUtf8(_("Dauer")), msproject::pjTaskDuration}};
  rows_.clear();
  if (project != nullptr) {
    for (const std::string& strName : CustomTextFields()) {
      const std::int32_t lngFieldId = GetFieldId(strName);
      const auto& colRoleFields = editor_.Fields();
      const bool blnRoleField =
          std::find(colRoleFields.begin(), colRoleFields.end(), lngFieldId) != colRoleFields.end();
      if (!blnRoleField && !HoldsValue(*project, lngFieldId)) continue;
      // The name the plan gives the field follows the field's own.
      const std::string strAlias = project->FieldAlias(lngFieldId);
      columns_.push_back(
          {QString::fromStdString(strAlias.empty() ? strName : strName + " – " + strAlias),
           lngFieldId});
    }
    rows_.assign(project->Tasks().begin(), project->Tasks().end());
    rowWarnings_ = RowWarnings(*project);
  } else {
    rowWarnings_.clear();
  }
  endResetModel();
}

int TaskSheetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int TaskSheetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant TaskSheetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Column& column = columns_[static_cast<std::size_t>(index.column())];
  if (role == Qt::TextAlignmentRole && column.lngFieldId == kIdColumn) {
    return RightAligned();
  }
  const QString& strWarning = rowWarnings_[static_cast<std::size_t>(index.row())];
  if (role == Qt::ToolTipRole && !strWarning.isEmpty()) return strWarning;
  const bool blnName = column.lngFieldId == msproject::pjTaskName;
  if (role == Qt::DecorationRole && !strWarning.isEmpty() && blnName) {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
  }
  const msproject::Task* task = rows_[static_cast<std::size_t>(index.row())];
  if (task == nullptr) return {};
  // Summary tasks in bold, milestones marked, names indented by their outline level.
  if (role == Qt::FontRole && task->Summary()) return BoldFont();
  if (role == Qt::DecorationRole && blnName && task->Milestone()) return MilestoneIcon();
  if (role == kOutlineLevelRole && blnName) return task->OutlineLevel();
  if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
  if (column.lngFieldId == kIdColumn) return task->ID();
  return QString::fromStdString(task->GetField(column.lngFieldId));
}

Qt::ItemFlags TaskSheetModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (!index.isValid()) return flags;
  const auto lngRow = static_cast<std::size_t>(index.row());
  if (RoleOfColumn(index.column()) != static_cast<int>(roles::Role::None) &&
      lngRow < editor_.Rows().size() && editor_.Rows()[lngRow] != nullptr &&
      editor_.ReadOnlyReason(lngRow).isEmpty()) {
    flags |= Qt::ItemIsEditable;
  }
  return flags;
}

bool TaskSheetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable)) return false;
  editor_.TypeIntoField(static_cast<std::size_t>(index.row()),
                        static_cast<roles::Role>(RoleOfColumn(index.column())),
                        value.toString().toStdString());
  return true;
}

QVariant TaskSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return columns_[static_cast<std::size_t>(section)].strCaption;
}

void ResourceSheetModel::SetProject(const msproject::Project* project) {
  beginResetModel();
  rows_.clear();
  if (project != nullptr) {
    // The groups in the order in which the plan names them first, each with its resources in
    // the plan's order.
    std::vector<std::pair<std::string, std::vector<const msproject::Resource*>>> colGroups;
    for (const msproject::Resource* resource : project->Resources()) {
      if (resource == nullptr) continue;
      auto it = std::find_if(colGroups.begin(), colGroups.end(),
                             [&](const auto& group) { return group.first == resource->Group(); });
      if (it == colGroups.end()) it = colGroups.insert(colGroups.end(), {resource->Group(), {}});
      it->second.push_back(resource);
    }
    for (const auto& [strGroup, colResources] : colGroups) {
      const QString strShown =
          strGroup.empty() ? QString::fromUtf8(_("Ohne Gruppe")) : QString::fromStdString(strGroup);
      rows_.push_back({nullptr, catalog::Format(P_("{} ({} Ressource)", "{} ({} Ressourcen)",
                                                   colResources.size()),
                                                strShown.toStdString(), colResources.size())});
      for (const msproject::Resource* resource : colResources) rows_.push_back({resource, {}});
    }
  }
  endResetModel();
}

void ResourceSheetModel::SpanGroupRows(QTableView& sheet) const {
  sheet.clearSpans();
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].resource == nullptr) sheet.setSpan(static_cast<int>(i), 0, 1, columnCount());
  }
}

bool ResourceSheetModel::IsGroupRow(int intRow) const {
  return rows_.at(static_cast<std::size_t>(intRow)).resource == nullptr;
}

int ResourceSheetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResourceSheetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 2;
}

QVariant ResourceSheetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const Row& row = rows_[static_cast<std::size_t>(index.row())];
  if (row.resource == nullptr) {
    // A group's heading across the sheet.
    switch (role) {
      case Qt::DisplayRole:
        return index.column() == 0 ? QString::fromStdString(row.strGroup) : QVariant();
      case Qt::FontRole:
        return BoldFont();
      case Qt::BackgroundRole:
        return QApplication::palette().brush(QPalette::Button);
      default:
        return {};
    }
  }
  if (role == Qt::TextAlignmentRole && index.column() == 0) return RightAligned();
  if (role != Qt::DisplayRole) return {};
  return index.column() == 0 ? QVariant(row.resource->ID())
                             : QVariant(QString::fromStdString(row.resource->Name()));
}

QVariant ResourceSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return section == 0 ? QStringLiteral("ID") : QStringLiteral("Name");
}

}  // namespace gui
