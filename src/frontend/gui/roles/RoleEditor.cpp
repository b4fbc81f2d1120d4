#include "gui/roles/RoleEditor.h"

#include <QUndoCommand>
#include <QUndoStack>
#include <algorithm>

#include "chart/ChartOptions.h"
#include "chart/GetFieldId.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/msproject/Project.h"
#include "settings/LoadSettings.h"

namespace gui {

// One user action: the fields it changed, written back on undo and again on redo.
class RoleEditor::Step : public QUndoCommand {
 public:
  Step(RoleEditor& editor, const QString& strText, std::vector<FieldChange> colChanges)
      : QUndoCommand(strText), editor_(editor), colChanges_(std::move(colChanges)) {}

  void undo() override { editor_.Write(colChanges_, true); }
  void redo() override {
    // The first redo is the action itself, already written.
    if (blnDone_) {
      blnDone_ = false;
      return;
    }
    editor_.Write(colChanges_, false);
  }

 private:
  RoleEditor& editor_;
  std::vector<FieldChange> colChanges_;
  bool blnDone_ = true;
};

RoleEditor::RoleEditor(QObject* parent)
    : QObject(parent),
      order_(std::make_unique<roles::ColumnOrder>(colColumns_)),
      undoStack_(new QUndoStack(this)) {}

RoleEditor::~RoleEditor() = default;

void RoleEditor::SetProject(msproject::Project* project) {
  project_ = project;
  undoStack_->clear();
  chart::ChartOptions options;
  LoadSettings(options);
  colFieldNames_ = {options.strFieldResponsible, options.strFieldParticipant,
                    options.strFieldInformed};
  for (std::size_t i = 0; i < roles::kRoleCount; ++i) {
    colFields_[i] = GetFieldId(colFieldNames_[i]);
  }
  colColors_ = {options.Color(chart::ColorOf::Responsible),
                options.Color(chart::ColorOf::Participant),
                options.Color(chart::ColorOf::Informed)};
  colColumns_ = project == nullptr ? std::vector<roles::RoleColumn>{}
                                   : roles::ChartColumns(*project, options.lngMaxResources);
  order_ = std::make_unique<roles::ColumnOrder>(colColumns_);
  colRows_.clear();
  if (project != nullptr) colRows_.assign(project->Tasks().begin(), project->Tasks().end());
  emit Reset();
}

void RoleEditor::SetField(roles::Role role, const std::string& strFieldName) {
  const std::size_t lngField = roles::FieldOf(role);
  if (colFieldNames_[lngField] == strFieldName) return;
  for (std::size_t i = 0; i < roles::kRoleCount; ++i) {
    if (i != lngField && colFieldNames_[i] == strFieldName) {
      colFieldNames_[i] = colFieldNames_[lngField];
      colFields_[i] = colFields_[lngField];
    }
  }
  colFieldNames_[lngField] = strFieldName;
  colFields_[lngField] = GetFieldId(strFieldName);
  emit Reset();
}

std::int32_t RoleEditor::Color(roles::Role role) const {
  return colColors_[roles::FieldOf(role)];
}

QString RoleEditor::ReadOnlyReason(std::size_t lngRow) const {
  const msproject::Task* task = colRows_.at(lngRow);
  if (task == nullptr) return {};
  if (task->Project().Inserted()) {
    return QString::fromStdString(
        catalog::Format(_("Der Vorgang gehört zum eingefügten Projekt „{}“; seine Rollen werden "
                          "dort bearbeitet."),
                        task->Project().Name()));
  }
  if (!task->Subproject().empty()) {
    return QString::fromStdString(
        catalog::Format(_("Der Vorgang steht für das eingefügte Projekt „{}“; seine Rollen "
                          "werden dort bearbeitet."),
                        task->Subproject()));
  }
  return {};
}

void RoleEditor::ChangeRow(std::size_t lngRow, const roles::RoleTexts& colAfter,
                           std::vector<FieldChange>& colChanges) const {
  const roles::RoleTexts colBefore = roles::ReadRoleTexts(*colRows_[lngRow], colFields_);
  for (std::size_t i = 0; i < roles::kRoleCount; ++i) {
    if (colBefore[i] != colAfter[i]) {
      colChanges.push_back({lngRow, colFields_[i], colBefore[i], colAfter[i]});
    }
  }
}

void RoleEditor::Assign(const std::vector<Cell>& colCells, roles::Role role) {
  // The cells row by row, so that each row's fields are read and written once.
  std::vector<Cell> colSorted = colCells;
  std::stable_sort(colSorted.begin(), colSorted.end(),
                   [](const Cell& a, const Cell& b) { return a.lngRow < b.lngRow; });
  std::vector<FieldChange> colChanges;
  for (auto it = colSorted.begin(); it != colSorted.end();) {
    const std::size_t lngRow = it->lngRow;
    auto itEnd =
        std::find_if(it, colSorted.end(), [&](const Cell& c) { return c.lngRow != lngRow; });
    if (lngRow < colRows_.size() && colRows_[lngRow] != nullptr &&
        ReadOnlyReason(lngRow).isEmpty()) {
      roles::RoleTexts colTexts = roles::ReadRoleTexts(*colRows_[lngRow], colFields_);
      for (; it != itEnd; ++it) {
        if (it->lngColumn >= colColumns_.size()) continue;
        colTexts = roles::AssignRole(colTexts, colColumns_[it->lngColumn].strName, role, *order_);
      }
      ChangeRow(lngRow, colTexts, colChanges);
    }
    it = itEnd;
  }
  const std::size_t lngCells = colCells.size();
  Push(QString::fromStdString(
           role == roles::Role::None
               ? catalog::Format(P_("{} Rolle entfernt", "{} Rollen entfernt", lngCells), lngCells)
               : catalog::Format(P_("{} Rolle zugewiesen", "{} Rollen zugewiesen", lngCells),
                                 lngCells)),
       std::move(colChanges));
}

void RoleEditor::TypeIntoField(std::size_t lngRow, roles::Role field, const std::string& strTyped) {
  if (lngRow >= colRows_.size() || colRows_[lngRow] == nullptr ||
      !ReadOnlyReason(lngRow).isEmpty()) {
    return;
  }
  const roles::RoleTexts colTexts = roles::ReadRoleTexts(*colRows_[lngRow], colFields_);
  if (colTexts[roles::FieldOf(field)] == strTyped) return;
  std::vector<FieldChange> colChanges;
  ChangeRow(lngRow, roles::TypeIntoField(colTexts, field, strTyped, *order_), colChanges);
  Push(QString::fromUtf8(_("Rollenfeld bearbeitet")), std::move(colChanges));
}

void RoleEditor::Push(const QString& strText, std::vector<FieldChange> colChanges) {
  if (colChanges.empty()) return;
  // Written at once; a text the host refuses (longer than a field holds) undoes what was
  // written of the step and is named in a message box.
  std::size_t lngWritten = 0;
  try {
    for (; lngWritten < colChanges.size(); ++lngWritten) {
      const FieldChange& change = colChanges[lngWritten];
      colRows_[change.lngRow]->SetField(change.lngField, change.strAfter);
    }
  } catch (const msproject::Error& err) {
    for (std::size_t i = lngWritten; i-- > 0;) {
      colRows_[colChanges[i].lngRow]->SetField(colChanges[i].lngField, colChanges[i].strBefore);
    }
    forms::MsgBox(err.Description(), forms::vbExclamation + forms::vbOKOnly, "Quorvan");
    return;
  }
  std::vector<std::size_t> colRows;
  for (const FieldChange& change : colChanges) colRows.push_back(change.lngRow);
  undoStack_->push(new Step(*this, strText, std::move(colChanges)));
  colRows.erase(std::unique(colRows.begin(), colRows.end()), colRows.end());
  emit RowsChanged(colRows);
  if (OnChanged) OnChanged();
}

void RoleEditor::Write(const std::vector<FieldChange>& colChanges, bool blnUndo) {
  std::vector<std::size_t> colRows;
  const auto write = [&](const FieldChange& change) {
    colRows_[change.lngRow]->SetField(change.lngField,
                                      blnUndo ? change.strBefore : change.strAfter);
    colRows.push_back(change.lngRow);
  };
  if (blnUndo) {
    std::for_each(colChanges.rbegin(), colChanges.rend(), write);
  } else {
    std::for_each(colChanges.begin(), colChanges.end(), write);
  }
  std::sort(colRows.begin(), colRows.end());
  colRows.erase(std::unique(colRows.begin(), colRows.end()), colRows.end());
  emit RowsChanged(colRows);
  if (OnChanged) OnChanged();
}

}  // namespace gui
