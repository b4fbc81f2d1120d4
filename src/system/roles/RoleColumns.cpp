#include "roles/RoleColumns.h"

#include <algorithm>

#include "platform/catalog/Catalog.h"
#include "platform/msproject/Project.h"

namespace roles {

namespace {

bool IsBlank(const std::string& strText) {
  return std::all_of(strText.begin(), strText.end(), [](char c) { return c == ' '; });
}

struct Groups {
  std::vector<std::pair<std::string, std::vector<std::string>>> colGroups;
  std::int32_t lngCount = 0;
  std::int32_t lngMax = 0;
};

// One project's resources into the groups, until the limit is reached.
void AddResources(const msproject::Project& objProject, Groups& groups) {
  for (const msproject::Resource* objResource : objProject.Resources()) {
    if (objResource == nullptr) continue;
    if (groups.lngCount >= groups.lngMax) return;
    const std::string strGroup =
        IsBlank(objResource->Group()) ? std::string(_("(keine)")) : objResource->Group();
    auto it = std::find_if(groups.colGroups.begin(), groups.colGroups.end(),
                           [&](const auto& group) { return group.first == strGroup; });
    if (it == groups.colGroups.end()) {
      it = groups.colGroups.insert(groups.colGroups.end(), {strGroup, {}});
    }
    if (std::find(it->second.begin(), it->second.end(), objResource->Name()) != it->second.end()) {
      continue;
    }
    it->second.push_back(objResource->Name());
    ++groups.lngCount;
  }
}

void AddInserted(const msproject::Project& objParent, Groups& groups) {
  for (const msproject::Subproject& objSubproject : objParent.Subprojects()) {
    const msproject::Project* objSource = nullptr;
    try {
      objSource = &objSubproject.SourceProject();
    } catch (const msproject::Error&) {
      continue;  // not read: its resources are missing from the chart too
    }
    AddResources(*objSource, groups);
    AddInserted(*objSource, groups);
  }
}

}  // namespace

std::vector<RoleColumn> ChartColumns(const msproject::Project& objProject,
                                     std::int32_t lngMaxResources) {
  Groups groups;
  groups.lngMax = lngMaxResources;
  AddResources(objProject, groups);
  AddInserted(objProject, groups);
  std::vector<RoleColumn> colColumns;
  for (const auto& [strGroup, colNames] : groups.colGroups) {
    for (const std::string& strName : colNames) colColumns.push_back({strGroup, strName});
  }
  return colColumns;
}

ColumnOrder::ColumnOrder(const std::vector<RoleColumn>& colColumns) {
  byName_.reserve(colColumns.size());
  for (std::size_t i = 0; i < colColumns.size(); ++i) byName_[colColumns[i].strName].push_back(i);
}

const std::vector<std::size_t>& ColumnOrder::Positions(const std::string& strName) const {
  static const std::vector<std::size_t> colNone;
  const auto it = byName_.find(strName);
  return it == byName_.end() ? colNone : it->second;
}

std::optional<std::size_t> ColumnOrder::Position(const std::string& strName) const {
  const std::vector<std::size_t>& colPositions = Positions(strName);
  if (colPositions.empty()) return std::nullopt;
  return colPositions.front();
}

}  // namespace roles
