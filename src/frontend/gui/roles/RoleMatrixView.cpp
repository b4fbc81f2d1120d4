#include "gui/roles/RoleMatrixView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <algorithm>
#include <vector>

#include "gui/roles/RoleEditor.h"
#include "gui/roles/RoleHeaders.h"
#include "gui/roles/RoleMatrixModel.h"
#include "platform/excel/DrawingGradient.h"

namespace gui {

namespace {

// The chart draws the responsible's circle with a radius of 6 points, the others' with 3, in a
// one-colour gradient from the centre (degree 0.35) with a black outline.
constexpr double kSymbolDegree = 0.35;

QColor WindowsColor(std::int32_t lngColor) {
  return QColor(lngColor & 0xFF, (lngColor >> 8) & 0xFF, (lngColor >> 16) & 0xFF);
}

// The width of a resource's column: room for the responsible's symbol and a margin.
int ColumnWidth(const QFontMetrics& metrics) {
  return std::max(metrics.height() + 8, metrics.averageCharWidth() * 4);
}

}  // namespace

void RoleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  const auto* matrix = qobject_cast<const RoleMatrixModel*>(index.model());
  if (matrix == nullptr || !matrix->IsResourceColumn(index.column())) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The cell's background and selection, then the symbol: painted directly, without the
  // style's item (thousands of cells are on screen at once).
  const QPalette::ColorGroup group =
      option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
  if (option.state & QStyle::State_Selected) {
    painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
  } else if (const QVariant background = index.data(Qt::BackgroundRole); background.isValid()) {
    painter->fillRect(option.rect, background.value<QBrush>());
  }
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor = option.palette.color(group, QPalette::Highlight);
    const QWidget* widget = option.widget;
    const QStyle* style = widget != nullptr ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
  const auto role = static_cast<roles::Role>(index.data(kRoleOfCell).toInt());
  if (role == roles::Role::None) return;
  const std::int32_t lngColor = matrix->Editor().Color(role);
  const double dblLarge = std::min(option.rect.width(), option.rect.height()) * 0.62;
  const double dblDiameter = role == roles::Role::Responsible ? dblLarge : dblLarge / 2 + 1;
  const QRectF circle(
      QPointF(option.rect.center()) + QPointF(0.5, 0.5) - QPointF(dblDiameter / 2, dblDiameter / 2),
      QSizeF(dblDiameter, dblDiameter));
  QRadialGradient gradient(circle.center(), dblDiameter / 2);
  gradient.setColorAt(0, WindowsColor(lngColor));
  gradient.setColorAt(1, WindowsColor(excel::OneColorGradientShade(lngColor, kSymbolDegree)));
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing);
  painter->setBrush(gradient);
  painter->setPen(QPen(Qt::black, 1));
  painter->drawEllipse(circle);
  painter->restore();
}

RoleMatrixView::RoleMatrixView(RoleMatrixModel& model, QWidget* parent)
    : QTableView(parent),
      model_(model),
      taskHeader_(new TaskHeader(this)),
      resourceHeader_(new ResourceHeader(this)) {
  setVerticalHeader(taskHeader_);
  setHorizontalHeader(resourceHeader_);
  setModel(&model_);
  setItemDelegate(new RoleDelegate(this));
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setWordWrap(false);
  setCornerButtonEnabled(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setStretchLastSection(true);
  connect(this, &QAbstractItemView::clicked, this, &RoleMatrixView::Clicked);
  connect(&model_, &QAbstractItemModel::modelReset, this, &RoleMatrixView::Fit);
  Fit();
}

void RoleMatrixView::Fit() {
  taskHeader_->Measure();
  horizontalHeader()->setDefaultSectionSize(ColumnWidth(fontMetrics()));
  if (model_.columnCount() > 0) {
    setColumnWidth(model_.UnknownColumn(), fontMetrics().averageCharWidth() * 30);
  }
  updateGeometries();
}

void RoleMatrixView::Clicked(const QModelIndex& index) {
  // A click with Ctrl or Shift chooses cells; a plain one moves the cell's role on.
  if (pressModifiers_ & (Qt::ControlModifier | Qt::ShiftModifier)) return;
  if (!model_.IsResourceColumn(index.column())) return;
  model_.Editor().Assign(
      {{static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())}},
      roles::NextRole(model_.RoleAt(index.row(), index.column())));
}

void RoleMatrixView::mousePressEvent(QMouseEvent* event) {
  pressModifiers_ = event->modifiers();
  QTableView::mousePressEvent(event);
}

void RoleMatrixView::SetSelected(std::optional<roles::Role> role) {
  std::vector<RoleEditor::Cell> colCells;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
    if (!model_.IsResourceColumn(index.column())) continue;
    colCells.push_back(
        {static_cast<std::size_t>(index.row()), static_cast<std::size_t>(index.column())});
  }
  if (colCells.empty()) return;
  if (!role) {
    const QModelIndex current = currentIndex();
    role = roles::NextRole(current.isValid() ? model_.RoleAt(current.row(), current.column())
                                             : roles::Role::None);
  }
  model_.Editor().Assign(colCells, *role);
}

std::optional<roles::Role> RoleOfKey(int intKey) {
  switch (intKey) {
    case Qt::Key_V:
    case Qt::Key_R:
      return roles::Role::Responsible;
    case Qt::Key_B:
    case Qt::Key_P:
      return roles::Role::Participant;
    case Qt::Key_I:
      return roles::Role::Informed;
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      return roles::Role::None;
    default:
      return std::nullopt;
  }
}

void RoleMatrixView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  if (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier) {
    if (event->key() == Qt::Key_Space && modifiers == Qt::NoModifier) {
      SetSelected(std::nullopt);
      event->accept();
      return;
    }
    if (const auto role = RoleOfKey(event->key())) {
      SetSelected(role);
      event->accept();
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

}  // namespace gui
