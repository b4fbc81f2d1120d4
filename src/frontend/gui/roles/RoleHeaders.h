#pragma once
// The matrix's headings. ResourceHeader heads the columns as the chart does: a band per
// resource group across its columns, below it each resource's name, written upwards so that
// narrow columns hold it. TaskHeader heads each row with the task's ID, WBS code and name (bold
// for a summary task, indented by its outline level), and stays in view when the matrix
// scrolls sideways.

#include <QHash>
#include <QHeaderView>
#include <QPixmap>

namespace gui {

class RoleMatrixModel;

class ResourceHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit ResourceHeader(QWidget* parent = nullptr);

  // The widest a name is written before it is cut with "…", in pixels.
  int NameLength() const;
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  int BandHeight() const;
  // A name written upwards, drawn once: text turned on its side is drawn without the glyph
  // cache, far too slowly for every repaint of the heading.
  const QPixmap& UpwardName(const QString& strName, bool blnBold, int intLength) const;
  mutable QHash<QString, QPixmap> names_;
};

class TaskHeader : public QHeaderView {
  Q_OBJECT

 public:
  explicit TaskHeader(QWidget* parent = nullptr);

  // Measures the parts' widths anew (after the model was reset).
  void Measure();
  QSize sizeHint() const override;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

 private:
  const RoleMatrixModel* Matrix() const;
  int intIdWidth_ = 0;
  int intWbsWidth_ = 0;
  int intNameWidth_ = 0;
};

}  // namespace gui
