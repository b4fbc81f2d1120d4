#include "gui/host/PlanSheets.h"

#include <QApplication>
#include <QStyle>
#include <array>
#include <set>

#include "chart/GetFieldId.h"
#include "export/PlanCoverage.h"
#include "platform/catalog/Catalog.h"
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

// Numbers stand at the right of their cells.
QVariant RightAligned() {
  return QVariant(static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

}  // namespace

void TaskSheetModel::SetProject(const msproject::Project* project) {
  beginResetModel();
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
      if (HoldsValue(*project, lngFieldId)) {
        columns_.push_back({QString::fromStdString(strName), lngFieldId});
      }
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
  if (role == Qt::DecorationRole && !strWarning.isEmpty() &&
      column.lngFieldId == msproject::pjTaskName) {
    return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
  }
  if (role != Qt::DisplayRole) return {};
  const msproject::Task* task = rows_[static_cast<std::size_t>(index.row())];
  if (task == nullptr) return {};
  if (column.lngFieldId == kIdColumn) return task->ID();
  return QString::fromStdString(task->GetField(column.lngFieldId));
}

QVariant TaskSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return columns_[static_cast<std::size_t>(section)].strCaption;
}

void ResourceSheetModel::SetProject(const msproject::Project* project) {
  beginResetModel();
  rows_.clear();
  if (project != nullptr) rows_.assign(project->Resources().begin(), project->Resources().end());
  endResetModel();
}

int ResourceSheetModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ResourceSheetModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant ResourceSheetModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::TextAlignmentRole && index.column() == 0) return RightAligned();
  if (role != Qt::DisplayRole) return {};
  const msproject::Resource* resource = rows_[static_cast<std::size_t>(index.row())];
  if (resource == nullptr) return {};
  switch (index.column()) {
    case 0:
      return resource->ID();
    case 1:
      return QString::fromStdString(resource->Name());
    default:
      return QString::fromStdString(resource->Group());
  }
}

QVariant ResourceSheetModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  static const std::array<QString, 3> kCaptions{QStringLiteral("ID"), QStringLiteral("Name"),
                                                QString::fromUtf8(_("Gruppe"))};
  return kCaptions[static_cast<std::size_t>(section)];
}

}  // namespace gui
