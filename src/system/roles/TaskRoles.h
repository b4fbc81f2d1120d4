#pragma once
// A task's roles as the chart reads them from the three role fields (Responsible, Participant,
// Informed: resource names separated by ";", each name matched exactly against the resource
// columns), and a changed assignment written back into the fields.
//
// A resource has one role in a task: giving it a role takes its name out of every field that
// holds it and puts it into the role's field. A field that keeps its names keeps its text byte
// for byte; a field whose names change is written as the chart reads it: the names of resource
// columns in the order of the columns, then the names of no column (kept, never dropped) in
// their order, separated by ";" without blanks, each name once.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "roles/RoleColumns.h"

namespace msproject {
class Task;
}

namespace roles {

enum class Role : std::uint8_t { None = 0, Responsible = 1, Participant = 2, Informed = 3 };
inline constexpr std::size_t kRoleCount = 3;

// The next role of a click: none, Responsible, Participant, Informed, none.
Role NextRole(Role role);
// The field of a role (0 Responsible, 1 Participant, 2 Informed); the role of a field.
inline std::size_t FieldOf(Role role) {
  return static_cast<std::size_t>(role) - 1;
}
inline Role RoleOfField(std::size_t lngField) {
  return static_cast<Role>(lngField + 1);
}

// The three fields' identifiers, and their texts in a task, in the order of the roles.
using RoleFields = std::array<std::int32_t, kRoleCount>;
using RoleTexts = std::array<std::string, kRoleCount>;

// The texts of the task's role fields; a field the host does not know reads as "".
RoleTexts ReadRoleTexts(const msproject::Task& objTask, const RoleFields& colFields);

// The names of a field as the chart splits them, the empty ones left out.
std::vector<std::string> NamesOf(const std::string& strText);

struct NamedRole {
  std::string strName;
  Role role;
};
// Every name of the three fields once, in the order in which the fields name them first, with
// the role whose symbol the chart shows on top when fields disagree: it draws the participants,
// then the informed, then the responsible, each over the one before.
std::vector<NamedRole> NamedRoles(const RoleTexts& colTexts);

// The role of each column in the task (one per column), and the names of no column with their
// roles, in their order.
struct TaskRoles {
  std::vector<Role> colColumns;
  std::vector<NamedRole> colUnknown;
};
TaskRoles RolesOf(const RoleTexts& colTexts, const ColumnOrder& objOrder, std::size_t lngColumns);

// The fields after giving the name the role (Role::None: no role).
RoleTexts AssignRole(const RoleTexts& colTexts, const std::string& strName, Role role,
                     const ColumnOrder& objOrder);

// The fields after the user typed the text into the role's field: the names typed, blanks
// around each taken away, written as above; a name of a column that another field holds leaves
// that field.
RoleTexts TypeIntoField(const RoleTexts& colTexts, Role field, const std::string& strTyped,
                        const ColumnOrder& objOrder);

}  // namespace roles
