#pragma once
// The matrix of the tab "Rollen" as a table model: a row per task row of the plan (blank rows
// stay blank), a column per resource column of the chart, then the column "unbekannt" with the
// names of the role fields that name no resource. A cell gives the role its resource has in the
// task (kRoleOfCell), read from the fields when the cell is first asked for and kept per row
// until the row changes. The tasks' ID, WBS code, name and outline level are the rows'
// headings (TaskHeader draws them).

#include <QAbstractTableModel>
#include <cstddef>
#include <memory>
#include <vector>

#include "roles/TaskRoles.h"

namespace gui {

class RoleEditor;

// The role of a cell, as an int of roles::Role.
inline constexpr int kRoleOfCell = Qt::UserRole + 10;
// A column's resource group (horizontal heading).
inline constexpr int kGroupOfColumn = Qt::UserRole + 11;

class RoleMatrixModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit RoleMatrixModel(RoleEditor& editor, QObject* parent = nullptr);
  ~RoleMatrixModel() override;

  RoleEditor& Editor() const { return editor_; }
  // The column of the names of no resource.
  int UnknownColumn() const;
  bool IsResourceColumn(int intColumn) const {
    return intColumn >= 0 && intColumn < UnknownColumn();
  }
  roles::Role RoleAt(int intRow, int intColumn) const;

  // What a row's heading shows.
  struct TaskHeading {
    bool blnBlank = true;
    QString strId, strWbs, strName;
    int intOutlineLevel = 0;
    bool blnSummary = false;
  };
  TaskHeading Heading(int intRow) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  const roles::TaskRoles* RolesOfRow(int intRow) const;
  void ResetAll();
  void RowsChanged(const std::vector<std::size_t>& colRows);

  RoleEditor& editor_;
  // Read on demand; a row that changes is read again.
  mutable std::vector<std::unique_ptr<roles::TaskRoles>> cache_;
};

// The words of the roles as the chart's legend names them.
QString RoleName(roles::Role role);

}  // namespace gui
