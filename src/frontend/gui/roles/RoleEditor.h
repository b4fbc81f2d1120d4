#pragma once
// The editing of the plan's roles: which three fields hold them (the wizard's stored defaults
// at first), the resource columns as the chart makes them, and every change as one step of an
// undo stack (a click, a key on a selection, a role field typed into the task sheet). A change
// is written with Task::SetField; the window learns of each change, undo and redo through
// OnChanged.
//
// Tasks of an inserted project, and the task row that stands for one, belong to another file:
// they are shown but not edited.

#include <QObject>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "roles/RoleColumns.h"
#include "roles/TaskRoles.h"

class QUndoStack;

namespace msproject {
class Project;
class Task;
}  // namespace msproject

namespace gui {

class RoleEditor : public QObject {
  Q_OBJECT

 public:
  explicit RoleEditor(QObject* parent = nullptr);
  ~RoleEditor() override;

  // The plan whose roles are edited (nullptr: none); the fields and colours of the stored
  // defaults are read anew and the undo stack starts empty.
  void SetProject(msproject::Project* project);
  msproject::Project* Project() const { return project_; }

  // The fields that hold the roles, by name ("Text21"); a field chosen for a second role
  // swaps with the field that role had.
  const std::array<std::string, roles::kRoleCount>& FieldNames() const { return colFieldNames_; }
  void SetField(roles::Role role, const std::string& strFieldName);
  const roles::RoleFields& Fields() const { return colFields_; }

  // The symbols' colours as the chart draws them (Windows colour values), by role.
  std::int32_t Color(roles::Role role) const;

  const std::vector<roles::RoleColumn>& Columns() const { return colColumns_; }
  const roles::ColumnOrder& Order() const { return *order_; }
  // The task rows in the plan's order (nullptr for a blank row).
  const std::vector<msproject::Task*>& Rows() const { return colRows_; }

  // "" when the row's roles may be edited, else why not.
  QString ReadOnlyReason(std::size_t lngRow) const;

  // Gives each listed cell (row, column) its role, as one step. Rows that cannot be edited
  // are passed over; nothing changes when no field would.
  struct Cell {
    std::size_t lngRow;
    std::size_t lngColumn;
  };
  void Assign(const std::vector<Cell>& colCells, roles::Role role);
  // The text typed into a role field of a row, as one step.
  void TypeIntoField(std::size_t lngRow, roles::Role field, const std::string& strTyped);

  QUndoStack& UndoStack() const { return *undoStack_; }

  // Called after every change, undo and redo.
  std::function<void()> OnChanged;

 signals:
  // The rows whose fields changed.
  void RowsChanged(const std::vector<std::size_t>& colRows);
  // Other fields, or another plan: everything is shown anew.
  void Reset();

 private:
  struct FieldChange {
    std::size_t lngRow;
    std::int32_t lngField;
    std::string strBefore;
    std::string strAfter;
  };
  class Step;
  void Push(const QString& strText, std::vector<FieldChange> colChanges);
  void Write(const std::vector<FieldChange>& colChanges, bool blnUndo);
  void ChangeRow(std::size_t lngRow, const roles::RoleTexts& colAfter,
                 std::vector<FieldChange>& colChanges) const;

  msproject::Project* project_ = nullptr;
  std::array<std::string, roles::kRoleCount> colFieldNames_;
  roles::RoleFields colFields_{};
  std::array<std::int32_t, roles::kRoleCount> colColors_{};
  std::vector<roles::RoleColumn> colColumns_;
  std::unique_ptr<roles::ColumnOrder> order_;
  std::vector<msproject::Task*> colRows_;
  QUndoStack* undoStack_;
};

}  // namespace gui
