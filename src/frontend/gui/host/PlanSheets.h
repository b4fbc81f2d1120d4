#pragma once
// The host's two sheets of the open plan as read-only table models: the task sheet (ID, name,
// WBS code, start, finish, duration and the custom text fields that hold a value in this
// plan, captioned with their names and the plan's alias: "Text21 – Verantwortlich"; summary
// tasks bold, milestones marked with a diamond, names indented by outline level) and the
// resource sheet (ID, name), grouped under a heading row per resource group in the order the
// plan names the groups first. A blank row of the plan is an empty row of the task sheet and
// left out of the resource sheet. Without a plan both sheets are empty.
//
// The row of an inserted project that could not be read, or that inserts one that could not
// be read, carries a warning sign before its name and the notices as its tooltip.
//
// The three role fields are always columns of the task sheet, and editable through the role
// editor (its undo stack) in the rows it edits.

#include <QAbstractTableModel>

class QTableView;
#include <cstdint>
#include <string>
#include <vector>

namespace msproject {
class Project;
class Task;
class Resource;
}  // namespace msproject

namespace gui {

class RoleEditor;

class TaskSheetModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // The role fields are edited through the editor, which must outlive the model.
  explicit TaskSheetModel(RoleEditor& editor, QObject* parent = nullptr);

  // Shows the project's tasks; nullptr empties the sheet.
  void SetProject(const msproject::Project* project);
  // The columns of the role fields.
  std::vector<int> RoleColumns() const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  struct Column {
    QString strCaption;
    std::int32_t lngFieldId;  // 0: the task's ID
  };
  // The role whose field the column shows; Role::None for another column.
  int RoleOfColumn(int intColumn) const;
  void RowsChanged(const std::vector<std::size_t>& colRows);

  RoleEditor& editor_;
  const msproject::Project* project_ = nullptr;
  std::vector<Column> columns_;
  std::vector<const msproject::Task*> rows_;
  std::vector<QString> rowWarnings_;  // by row; "" for a row without
};

class ResourceSheetModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  void SetProject(const msproject::Project* project);
  // Lets each group's heading row span the sheet.
  void SpanGroupRows(QTableView& sheet) const;
  bool IsGroupRow(int intRow) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Row {
    const msproject::Resource* resource;  // nullptr: a group's heading
    std::string strGroup;                 // the heading's text
  };
  std::vector<Row> rows_;
};

}  // namespace gui
