#pragma once
// The editor of a role field in the task sheet: a line whose completer offers the plan's
// resource names for the name being typed (after the last ";"), the names before it kept.

#include <QCompleter>
#include <QStyledItemDelegate>

namespace gui {

class RoleEditor;

class NamesCompleter : public QCompleter {
  Q_OBJECT

 public:
  NamesCompleter(const QStringList& colNames, QObject* parent);

  QStringList splitPath(const QString& strPath) const override;
  QString pathFromIndex(const QModelIndex& index) const override;
};

// Draws as the delegate it is given (the sheet's indentation of names) and edits with a
// completing line.
class RoleFieldDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  RoleFieldDelegate(RoleEditor& editor, QObject* parent);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;

 private:
  RoleEditor& editor_;
};

}  // namespace gui
