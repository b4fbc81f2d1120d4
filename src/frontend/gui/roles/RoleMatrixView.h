#pragma once
// The matrix as a table view: each cell draws the chart's symbol of its role (RoleDelegate:
// the chart's colours, the responsible's circle twice the others'), no widget per cell.
//
// Editing: a click on a cell, or Space, moves its role on (none, Verantwortlich, Beteiligt,
// Wird informiert, none); V, B and I set the role (in English also R and P), Entf (Delete) and
// the backspace key clear it; a key acts on every selected cell at once, as one step. The
// column of the names of no resource, and the rows of inserted projects, are not edited.

#include <QStyledItemDelegate>
#include <QTableView>
#include <optional>

#include "roles/TaskRoles.h"

namespace gui {

class RoleMatrixModel;
class ResourceHeader;
class TaskHeader;

class RoleDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

class RoleMatrixView : public QTableView {
  Q_OBJECT

 public:
  RoleMatrixView(RoleMatrixModel& model, QWidget* parent = nullptr);

  // Sizes the columns and the rows' headings for the model's plan.
  void Fit();
  // Gives every selected cell the role; with no role given, each moves on from the current
  // cell's role.
  void SetSelected(std::optional<roles::Role> role);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Clicked(const QModelIndex& index);
  RoleMatrixModel& model_;
  Qt::KeyboardModifiers pressModifiers_;
  TaskHeader* taskHeader_;
  ResourceHeader* resourceHeader_;
};

// The role a key sets (Role::None for Delete), or nothing for another key.
std::optional<roles::Role> RoleOfKey(int intKey);

}  // namespace gui
