#include "gui/roles/RoleHeaders.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>

#include "gui/roles/RoleMatrixModel.h"

namespace gui {

namespace {

constexpr int kPadding = 4;
// The longest name written in full, and the longest task name shown, in average characters.
constexpr int kNameCharacters = 16;
constexpr int kTaskNameCharacters = 40;

void DrawHeaderBackground(const QHeaderView& header, QPainter& painter, const QRect& rect) {
  QStyleOptionHeader option;
  option.initFrom(&header);
  option.rect = rect;
  option.orientation = header.orientation();
  option.state |= QStyle::State_Raised;
  header.style()->drawControl(QStyle::CE_HeaderSection, &option, &painter, &header);
}

}  // namespace

ResourceHeader::ResourceHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setHighlightSections(true);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignBottom);
}

int ResourceHeader::BandHeight() const {
  return fontMetrics().height() + 2 * kPadding;
}

int ResourceHeader::NameLength() const {
  return fontMetrics().averageCharWidth() * kNameCharacters;
}

QSize ResourceHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  size.setHeight(BandHeight() + NameLength() + 2 * kPadding);
  return size;
}

void ResourceHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  const QAbstractItemModel* matrix = model();
  if (matrix == nullptr) return;
  // Below the band: the name, upwards.
  const QRect nameRect(rect.left(), rect.top() + BandHeight(), rect.width(),
                       rect.height() - BandHeight());
  DrawHeaderBackground(*this, *painter, nameRect);
  const QString strName = matrix->headerData(logicalIndex, Qt::Horizontal).toString();
  const bool blnSelected = selectionModel() != nullptr &&
                           selectionModel()->columnIntersectsSelection(logicalIndex, rootIndex());
  painter->save();
  QFont font = painter->font();
  font.setBold(blnSelected);
  painter->setFont(font);
  painter->setPen(palette().color(QPalette::ButtonText));
  const auto* roleMatrix = qobject_cast<const RoleMatrixModel*>(matrix);
  const bool blnUnknown = roleMatrix != nullptr && logicalIndex == roleMatrix->UnknownColumn();
  if (blnUnknown) {
    // The wide column of names: its heading reads across.
    painter->drawText(nameRect.adjusted(kPadding, kPadding, -kPadding, -kPadding),
                      Qt::AlignLeft | Qt::AlignBottom,
                      fontMetrics().elidedText(strName, Qt::ElideRight, nameRect.width()));
  } else {
    const QPixmap& name = UpwardName(strName, blnSelected, nameRect.height() - 2 * kPadding);
    const QSizeF size = name.deviceIndependentSize();
    painter->drawPixmap(QPointF(nameRect.left() + (nameRect.width() - size.width()) / 2,
                                nameRect.bottom() - kPadding - size.height()),
                        name);
  }
  painter->restore();
}

const QPixmap& ResourceHeader::UpwardName(const QString& strName, bool blnBold,
                                          int intLength) const {
  const QString strKey = QStringLiteral("%1\x1f%2\x1f%3").arg(strName).arg(blnBold).arg(intLength);
  const auto it = names_.constFind(strKey);
  if (it != names_.constEnd()) return *it;
  QFont font = this->font();
  font.setBold(blnBold);
  const QFontMetrics metrics(font);
  const QString strShown = metrics.elidedText(strName, Qt::ElideRight, std::max(1, intLength));
  const int intWidth = std::max(1, metrics.horizontalAdvance(strShown));
  const qreal dblRatio = devicePixelRatioF();
  QPixmap pixmap(QSize(metrics.height(), intWidth) * dblRatio);
  pixmap.setDevicePixelRatio(dblRatio);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setFont(font);
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.translate(metrics.ascent(), intWidth);
  painter.rotate(-90);
  painter.drawText(0, 0, strShown);
  painter.end();
  return *names_.insert(strKey, pixmap);
}

void ResourceHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  const QAbstractItemModel* matrix = model();
  if (matrix == nullptr || count() == 0) return;
  // The bands of the groups across their columns.
  QPainter painter(viewport());
  const int intFirst = std::max(0, visualIndexAt(0));
  int intLast = visualIndexAt(viewport()->width() - 1);
  if (intLast < 0) intLast = count() - 1;
  int intStart = intFirst;
  auto groupOf = [&](int intVisual) {
    return matrix->headerData(logicalIndex(intVisual), Qt::Horizontal, kGroupOfColumn).toString();
  };
  // A group that begins left of the view is drawn from its first column.
  while (intStart > 0 && groupOf(intStart - 1) == groupOf(intFirst)) --intStart;
  for (int intVisual = intStart; intVisual <= intLast;) {
    const QString strGroup = groupOf(intVisual);
    int intEnd = intVisual;
    while (intEnd + 1 < count() && groupOf(intEnd + 1) == strGroup) ++intEnd;
    const int intLeft = sectionViewportPosition(logicalIndex(intVisual));
    const int intRight =
        sectionViewportPosition(logicalIndex(intEnd)) + sectionSize(logicalIndex(intEnd));
    const QRect band(intLeft, 0, intRight - intLeft, BandHeight());
    DrawHeaderBackground(*this, painter, band);
    if (!strGroup.isEmpty()) {
      QFont font = painter.font();
      font.setBold(true);
      painter.setFont(font);
      painter.setPen(palette().color(QPalette::ButtonText));
      // The name stays in view while the group is.
      const QRect text = band.intersected(viewport()->rect()).adjusted(kPadding, 0, -kPadding, 0);
      painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                       QFontMetrics(font).elidedText(strGroup, Qt::ElideRight, text.width()));
    }
    intVisual = intEnd + 1;
  }
}

TaskHeader::TaskHeader(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {
  setSectionsClickable(true);
  setHighlightSections(true);
  setSectionResizeMode(QHeaderView::Fixed);
}

const RoleMatrixModel* TaskHeader::Matrix() const {
  return qobject_cast<const RoleMatrixModel*>(model());
}

void TaskHeader::Measure() {
  intIdWidth_ = intWbsWidth_ = intNameWidth_ = 0;
  const RoleMatrixModel* matrix = Matrix();
  if (matrix == nullptr) return;
  // Counted in characters, not measured text by text: a plan of 20,000 tasks is measured at
  // once.
  int intIdChars = 2;
  int intWbsChars = 3;
  int intNameChars = 4;
  int intLevels = 0;
  for (int intRow = 0; intRow < matrix->rowCount(); ++intRow) {
    const RoleMatrixModel::TaskHeading heading = matrix->Heading(intRow);
    if (heading.blnBlank) continue;
    intIdChars = std::max(intIdChars, static_cast<int>(heading.strId.size()));
    intWbsChars = std::max(intWbsChars, static_cast<int>(heading.strWbs.size()));
    intNameChars = std::max(intNameChars, static_cast<int>(heading.strName.size()));
    intLevels = std::max(intLevels, heading.intOutlineLevel - 1);
  }
  QFont bold = font();
  bold.setBold(true);
  const int intChar = QFontMetrics(bold).averageCharWidth();
  intIdWidth_ =
      QFontMetrics(font()).horizontalAdvance(QString(intIdChars, QLatin1Char('0'))) + 2 * kPadding;
  intWbsWidth_ = intChar * intWbsChars + 2 * kPadding;
  intNameWidth_ =
      intChar * (std::min(intNameChars, kTaskNameCharacters) + 3 * intLevels) + 2 * kPadding;
  updateGeometry();
}

QSize TaskHeader::sizeHint() const {
  QSize size = QHeaderView::sizeHint();
  size.setWidth(intIdWidth_ + intWbsWidth_ + intNameWidth_);
  return size;
}

void TaskHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  DrawHeaderBackground(*this, *painter, rect);
  const RoleMatrixModel* matrix = Matrix();
  if (matrix == nullptr) return;
  const RoleMatrixModel::TaskHeading heading = matrix->Heading(logicalIndex);
  if (heading.blnBlank) return;
  painter->save();
  QFont font = painter->font();
  const bool blnSelected =
      selectionModel() != nullptr && selectionModel()->rowIntersectsSelection(logicalIndex, {});
  font.setBold(heading.blnSummary);
  font.setUnderline(blnSelected);
  painter->setFont(font);
  painter->setPen(palette().color(QPalette::ButtonText));
  const QFontMetrics metrics(font);
  QRect part(rect.left() + kPadding, rect.top(), intIdWidth_ - 2 * kPadding, rect.height());
  painter->drawText(part, Qt::AlignRight | Qt::AlignVCenter, heading.strId);
  part.moveLeft(rect.left() + intIdWidth_ + kPadding);
  part.setWidth(intWbsWidth_ - 2 * kPadding);
  painter->drawText(part, Qt::AlignLeft | Qt::AlignVCenter,
                    metrics.elidedText(heading.strWbs, Qt::ElideRight, part.width()));
  const int intIndent =
      std::max(0, heading.intOutlineLevel - 1) * 3 * QFontMetrics(this->font()).averageCharWidth();
  part.moveLeft(rect.left() + intIdWidth_ + intWbsWidth_ + kPadding + intIndent);
  part.setRight(rect.right() - kPadding);
  painter->drawText(part, Qt::AlignLeft | Qt::AlignVCenter,
                    metrics.elidedText(heading.strName, Qt::ElideRight, part.width()));
  painter->restore();
}

}  // namespace gui
