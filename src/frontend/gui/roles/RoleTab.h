#pragma once
// The tab "Rollen": which fields the roles are read from and written to (the wizard's stored
// defaults, changeable from the wizard's list of fields), a line on how to edit, and the matrix.

#include <QWidget>
#include <array>

#include "roles/TaskRoles.h"

class QComboBox;
class QLabel;

namespace gui {

class RoleEditor;
class RoleMatrixModel;
class RoleMatrixView;

class RoleTab : public QWidget {
  Q_OBJECT

 public:
  RoleTab(RoleEditor& editor, QWidget* parent = nullptr);

  RoleMatrixView& Matrix() const { return *view_; }
  RoleMatrixModel& Model() const { return *model_; }
  // The field chooser of a role.
  QComboBox& FieldBox(roles::Role role) const { return *fieldBoxes_[roles::FieldOf(role)]; }

 private:
  void ShowFields();

  RoleEditor& editor_;
  RoleMatrixModel* model_;
  RoleMatrixView* view_;
  std::array<QComboBox*, roles::kRoleCount> fieldBoxes_{};
};

}  // namespace gui
