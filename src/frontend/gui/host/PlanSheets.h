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

class TaskSheetModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows the project's tasks; nullptr empties the sheet.
  void SetProject(const msproject::Project* project);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 private:
  struct Column {
    QString strCaption;
    std::int32_t lngFieldId;  // 0: the task's ID
  };
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
