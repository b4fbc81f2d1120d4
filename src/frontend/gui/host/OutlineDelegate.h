#pragma once
// Draws the task sheet's names indented by their outline level, as the host's task sheet
// shows its outline: a level deeper, a step further right.

#include <QStyledItemDelegate>

namespace gui {

// The role in which the task sheet gives a name's outline level (1 for the top level).
inline constexpr int kOutlineLevelRole = Qt::UserRole + 1;

class OutlineDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // The indentation of one outline level, in pixels.
  static int Indentation(const QWidget* widget);

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int Indent(const QStyleOptionViewItem& option, const QModelIndex& index) const;
};

}  // namespace gui
