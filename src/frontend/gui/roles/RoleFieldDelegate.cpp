#include "gui/roles/RoleFieldDelegate.h"

#include <QAbstractItemView>
#include <QLineEdit>

#include "gui/roles/RoleEditor.h"

namespace gui {

NamesCompleter::NamesCompleter(const QStringList& colNames, QObject* parent)
    : QCompleter(colNames, parent) {
  setCaseSensitivity(Qt::CaseInsensitive);
  setFilterMode(Qt::MatchContains);
  setCompletionMode(QCompleter::PopupCompletion);
}

QStringList NamesCompleter::splitPath(const QString& strPath) const {
  // Only the name being typed, without the blanks before it.
  return {strPath.section(QLatin1Char(';'), -1).trimmed()};
}

QString NamesCompleter::pathFromIndex(const QModelIndex& index) const {
  const auto* line = qobject_cast<const QLineEdit*>(widget());
  const QString strText = line != nullptr ? line->text() : QString();
  return strText.left(strText.lastIndexOf(QLatin1Char(';')) + 1) + QCompleter::pathFromIndex(index);
}

RoleFieldDelegate::RoleFieldDelegate(RoleEditor& editor, QObject* parent)
    : QStyledItemDelegate(parent), editor_(editor) {}

QWidget* RoleFieldDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                         const QModelIndex& index) const {
  QWidget* widget = QStyledItemDelegate::createEditor(parent, option, index);
  auto* line = qobject_cast<QLineEdit*>(widget);
  if (line == nullptr) return widget;
  QStringList colNames;
  for (const roles::RoleColumn& column : editor_.Columns()) {
    const QString strName = QString::fromStdString(column.strName);
    if (!colNames.contains(strName)) colNames.push_back(strName);
  }
  line->setObjectName(QStringLiteral("roleFieldEditor"));
  line->setCompleter(new NamesCompleter(colNames, line));
  return line;
}

}  // namespace gui
