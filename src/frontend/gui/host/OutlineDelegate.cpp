#include "gui/host/OutlineDelegate.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

namespace gui {

int OutlineDelegate::Indentation(const QWidget* widget) {
  const QFontMetrics metrics(widget != nullptr ? widget->font() : QApplication::font());
  return metrics.averageCharWidth() * 3;
}

int OutlineDelegate::Indent(const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const int intLevel = index.data(kOutlineLevelRole).toInt();
  return intLevel > 1 ? (intLevel - 1) * Indentation(option.widget) : 0;
}

void OutlineDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
  const int intIndent = Indent(option, index);
  if (intIndent == 0) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The cell's background across its whole width, then its content moved right.
  QStyleOptionViewItem background = option;
  initStyleOption(&background, index);
  background.text.clear();
  background.icon = QIcon();
  background.features &= ~QStyleOptionViewItem::HasDecoration;
  const QStyle* style = option.widget != nullptr ? option.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &background, painter, option.widget);
  QStyleOptionViewItem shifted = option;
  shifted.rect.setLeft(option.rect.left() + intIndent);
  QStyledItemDelegate::paint(painter, shifted, index);
}

QSize OutlineDelegate::sizeHint(const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  size.rwidth() += Indent(option, index);
  return size;
}

}  // namespace gui
