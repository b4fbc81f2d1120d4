#include "gui/host/PlanSheets.h"

#include <array>

#include "chart/GetFieldId.h"
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

// Numbers stand at the right of their cells.
QVariant RightAligned() {
  return QVariant(static_cast<int>(Qt::AlignRight | Qt::AlignVCenter));
}

}  // namespace

void TaskSheetModel::SetProject(const msproject::Project* project) {
  beginResetModel();
  columns_ = {{QStringLiteral("ID"), kIdColumn},
              {QStringLiteral("Name"), msproject::pjTaskName},
              {QStringLiteral("PSP-Code"), msproject::pjTaskWBS},
              {QStringLiteral("Anfang"), msproject::pjTaskStart},
              {QStringLiteral("Ende"), msproject::pjTaskFinish},
              {QStringLiteral("Dauer"), msproject::pjTaskDuration}};
  rows_.clear();
  if (project != nullptr) {
    for (const std::string& strName : CustomTextFields()) {
      const std::int32_t lngFieldId = GetFieldId(strName);
      if (HoldsValue(*project, lngFieldId)) {
        columns_.push_back({QString::fromStdString(strName), lngFieldId});
      }
    }
    rows_.assign(project->Tasks().begin(), project->Tasks().end());
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
                                                QStringLiteral("Gruppe")};
  return kCaptions[static_cast<std::size_t>(section)];
}

}  // namespace gui
