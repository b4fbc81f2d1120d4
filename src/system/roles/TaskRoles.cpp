#include "roles/TaskRoles.h"

#include <algorithm>

#include "chart/clsQuorvan.h"
#include "platform/msproject/Project.h"

namespace roles {

namespace {

// The order in which the chart draws the roles' symbols, each over the one before.
constexpr std::array<Role, kRoleCount> kDrawingOrder{Role::Participant, Role::Informed,
                                                     Role::Responsible};

int Layer(Role role) {
  return static_cast<int>(std::find(kDrawingOrder.begin(), kDrawingOrder.end(), role) -
                          kDrawingOrder.begin());
}

std::string Trimmed(const std::string& strText) {
  const auto lngBegin = strText.find_first_not_of(' ');
  if (lngBegin == std::string::npos) return {};
  return strText.substr(lngBegin, strText.find_last_not_of(' ') - lngBegin + 1);
}

// A field's names written as the chart reads them.
std::string Written(std::vector<std::string> colNames, const ColumnOrder& objOrder) {
  std::vector<std::string> colOnce;
  for (std::string& strName : colNames) {
    if (std::find(colOnce.begin(), colOnce.end(), strName) == colOnce.end()) {
      colOnce.push_back(std::move(strName));
    }
  }
  std::stable_sort(colOnce.begin(), colOnce.end(), [&](const std::string& a, const std::string& b) {
    const auto lngA = objOrder.Position(a);
    const auto lngB = objOrder.Position(b);
    if (!lngB) return lngA.has_value();
    return lngA && *lngA < *lngB;
  });
  std::string strText;
  for (const std::string& strName : colOnce) strText += (strText.empty() ? "" : ";") + strName;
  return strText;
}

// Takes the name out of every field but the kept one; a field that held it is written anew.
void TakeOut(RoleTexts& colTexts, const std::string& strName, std::size_t lngKept,
             const ColumnOrder& objOrder) {
  for (std::size_t i = 0; i < kRoleCount; ++i) {
    if (i == lngKept) continue;
    std::vector<std::string> colNames = NamesOf(colTexts[i]);
    const auto itEnd = std::remove(colNames.begin(), colNames.end(), strName);
    if (itEnd == colNames.end()) continue;
    colNames.erase(itEnd, colNames.end());
    colTexts[i] = Written(std::move(colNames), objOrder);
  }
}

}  // namespace

Role NextRole(Role role) {
  switch (role) {
    case Role::None:
      return Role::Responsible;
    case Role::Responsible:
      return Role::Participant;
    case Role::Participant:
      return Role::Informed;
    case Role::Informed:
      return Role::None;
  }
  return Role::None;
}

RoleTexts ReadRoleTexts(const msproject::Task& objTask, const RoleFields& colFields) {
  RoleTexts colTexts;
  for (std::size_t i = 0; i < kRoleCount; ++i) {
    try {
      colTexts[i] = objTask.GetField(colFields[i]);
    } catch (const msproject::Error&) {
      // A field the host does not know names nobody, as in the chart.
    }
  }
  return colTexts;
}

std::vector<std::string> NamesOf(const std::string& strText) {
  std::vector<std::string> colNames = clsQuorvan::SplitToCollection(strText, ";");
  colNames.erase(std::remove(colNames.begin(), colNames.end(), std::string()), colNames.end());
  return colNames;
}

std::vector<NamedRole> NamedRoles(const RoleTexts& colTexts) {
  std::vector<NamedRole> colNamed;
  for (std::size_t i = 0; i < kRoleCount; ++i) {
    const Role role = RoleOfField(i);
    for (std::string& strName : NamesOf(colTexts[i])) {
      auto it = std::find_if(colNamed.begin(), colNamed.end(),
                             [&](const NamedRole& named) { return named.strName == strName; });
      if (it == colNamed.end()) {
        colNamed.push_back({std::move(strName), role});
      } else if (Layer(role) > Layer(it->role)) {
        it->role = role;
      }
    }
  }
  return colNamed;
}

TaskRoles RolesOf(const RoleTexts& colTexts, const ColumnOrder& objOrder, std::size_t lngColumns) {
  TaskRoles objRoles;
  objRoles.colColumns.assign(lngColumns, Role::None);
  for (NamedRole& named : NamedRoles(colTexts)) {
    const std::vector<std::size_t>& colPositions = objOrder.Positions(named.strName);
    if (colPositions.empty()) {
      objRoles.colUnknown.push_back(std::move(named));
      continue;
    }
    for (std::size_t lngColumn : colPositions) {
      if (lngColumn < lngColumns) objRoles.colColumns[lngColumn] = named.role;
    }
  }
  return objRoles;
}

RoleTexts AssignRole(const RoleTexts& colTexts, const std::string& strName, Role role,
                     const ColumnOrder& objOrder) {
  RoleTexts colResult = colTexts;
  const std::size_t lngKept = role == Role::None ? kRoleCount : FieldOf(role);
  TakeOut(colResult, strName, lngKept, objOrder);
  if (lngKept < kRoleCount) {
    std::vector<std::string> colNames = NamesOf(colResult[lngKept]);
    if (std::find(colNames.begin(), colNames.end(), strName) == colNames.end()) {
      colNames.push_back(strName);
      colResult[lngKept] = Written(std::move(colNames), objOrder);
    }
  }
  return colResult;
}

RoleTexts TypeIntoField(const RoleTexts& colTexts, Role field, const std::string& strTyped,
                        const ColumnOrder& objOrder) {
  RoleTexts colResult = colTexts;
  const std::size_t lngField = FieldOf(field);
  std::vector<std::string> colNames;
  for (const std::string& strName : clsQuorvan::SplitToCollection(strTyped, ";")) {
    std::string strKept = Trimmed(strName);
    if (!strKept.empty()) colNames.push_back(std::move(strKept));
  }
  for (const std::string& strName : colNames) {
    if (objOrder.Position(strName)) TakeOut(colResult, strName, lngField, objOrder);
  }
  colResult[lngField] = Written(std::move(colNames), objOrder);
  return colResult;
}

}  // namespace roles
