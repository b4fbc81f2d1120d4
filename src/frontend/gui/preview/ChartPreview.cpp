#include "gui/preview/ChartPreview.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFont>
#include <QHBoxLayout>
#include <QIcon>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <utility>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/print/PageLayout.h"
#include "platform/excel/save/AtomicSave.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/vb/Error.h"
#include "render/PagePaint.h"
#include "render/QtPagePainter.h"

namespace gui {

namespace {

constexpr int kDesk = 16;              // pixels of grey desk around the sheets and between them
constexpr double kSheetMargin = 12.0;  // points of paper shown around the drawn area

// The part of the paper that each page draws on, in paper points: the cells with a fill, a
// border or a text, and the shapes, as far as the page shows them. A page that draws nothing
// counts as its whole printed part. The pages' sources form a grid of columns and rows of the
// drawing: each thing drawn is taken by the few pages it meets, in one pass over the drawing.
std::vector<QRectF> DrawnOnPapers(const excel::PageDocument& document) {
  struct Band {
    double dblStart, dblEnd;
    bool operator<(const Band& other) const { return dblStart < other.dblStart; }
    bool operator==(const Band& other) const { return dblStart == other.dblStart; }
  };
  std::vector<Band> colAcross, colDown;
  for (const excel::PrintedPage& page : document.pages) {
    colAcross.push_back({page.source.dblLeft, page.source.Right()});
    colDown.push_back({page.source.dblTop, page.source.Bottom()});
  }
  std::sort(colAcross.begin(), colAcross.end());
  colAcross.erase(std::unique(colAcross.begin(), colAcross.end()), colAcross.end());
  std::sort(colDown.begin(), colDown.end());
  colDown.erase(std::unique(colDown.begin(), colDown.end()), colDown.end());
  auto bandOf = [](const std::vector<Band>& colBands, double dblStart) {
    return static_cast<std::size_t>(
        std::lower_bound(colBands.begin(), colBands.end(), Band{dblStart, dblStart}) -
        colBands.begin());
  };
  // The page of each column and row of the grid; none where the pages leave a gap.
  constexpr std::size_t kNoPage = std::numeric_limits<std::size_t>::max();
  std::vector<std::size_t> colGrid(colAcross.size() * colDown.size(), kNoPage);
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    const excel::PageRect& source = document.pages[i].source;
    colGrid[bandOf(colAcross, source.dblLeft) * colDown.size() + bandOf(colDown, source.dblTop)] =
        i;
  }

  constexpr double kNone = std::numeric_limits<double>::infinity();
  struct Bounds {
    double dblLeft = kNone, dblTop = kNone, dblRight = -kNone, dblBottom = -kNone;
  };
  std::vector<Bounds> colBounds(document.pages.size());
  // The bands an extent [dblLow, dblHigh] meets: the first whose end reaches it, on while they
  // start before its end.
  auto firstBand = [](const std::vector<Band>& colBands, double dblLow) {
    return static_cast<std::size_t>(
        std::partition_point(colBands.begin(), colBands.end(),
                             [dblLow](const Band& band) { return band.dblEnd < dblLow; }) -
        colBands.begin());
  };
  auto take = [&](double x1, double y1, double x2, double y2) {
    const double dblLow = std::min(x1, x2), dblHigh = std::max(x1, x2);
    const double dblTopmost = std::min(y1, y2), dblLowest = std::max(y1, y2);
    for (std::size_t ix = firstBand(colAcross, dblLow);
         ix < colAcross.size() && colAcross[ix].dblStart <= dblHigh; ++ix) {
      for (std::size_t iy = firstBand(colDown, dblTopmost);
           iy < colDown.size() && colDown[iy].dblStart <= dblLowest; ++iy) {
        const std::size_t intPage = colGrid[ix * colDown.size() + iy];
        if (intPage == kNoPage) continue;
        const excel::PageRect& source = document.pages[intPage].source;
        const double l = std::max(dblLow, source.dblLeft);
        const double t = std::max(dblTopmost, source.dblTop);
        const double r = std::min(dblHigh, source.Right());
        const double b = std::min(dblLowest, source.Bottom());
        if (l > r || t > b) continue;
        Bounds& bounds = colBounds[intPage];
        bounds.dblLeft = std::min(bounds.dblLeft, l);
        bounds.dblTop = std::min(bounds.dblTop, t);
        bounds.dblRight = std::max(bounds.dblRight, r);
        bounds.dblBottom = std::max(bounds.dblBottom, b);
      }
    }
  };
  auto box = [&](const excel::PageRect& r) { take(r.dblLeft, r.dblTop, r.Right(), r.Bottom()); };
  const excel::PageDrawing& drawing = document.drawing;
  for (const excel::PageFill& fill : drawing.fills) box(fill.box);
  for (const excel::PageLine& line : drawing.borders) {
    const double w = line.sngWeight / 2.0;
    take(std::min(line.dblX1, line.dblX2) - w, std::min(line.dblY1, line.dblY2) - w,
         std::max(line.dblX1, line.dblX2) + w, std::max(line.dblY1, line.dblY2) + w);
  }
  // A text running on into empty neighbours may reach as far as its clip.
  for (const excel::PageText& text : drawing.texts) {
    box(text.clip.dblWidth > text.box.dblWidth ? text.clip : text.box);
  }
  for (const excel::PageShape& shape : drawing.shapes) {
    const double pad = shape.sngLineWeight + std::max(shape.sngArrowLength, shape.sngArrowWidth);
    const double dx = shape.blnShadow ? shape.sngShadowX : 0.0;
    const double dy = shape.blnShadow ? shape.sngShadowY : 0.0;
    take(std::min({shape.dblX1, shape.dblX2, shape.dblX1 + dx, shape.dblX2 + dx}) - pad,
         std::min({shape.dblY1, shape.dblY2, shape.dblY1 + dy, shape.dblY2 + dy}) - pad,
         std::max({shape.dblX1, shape.dblX2, shape.dblX1 + dx, shape.dblX2 + dx}) + pad,
         std::max({shape.dblY1, shape.dblY2, shape.dblY1 + dy, shape.dblY2 + dy}) + pad);
  }

  std::vector<QRectF> colDrawn;
  for (std::size_t i = 0; i < document.pages.size(); ++i) {
    const excel::PrintedPage& page = document.pages[i];
    const excel::PageRect& source = page.source;
    Bounds bounds = colBounds[i];
    if (bounds.dblLeft > bounds.dblRight) {
      bounds = {source.dblLeft, source.dblTop, source.Right(), source.Bottom()};
    }
    auto paperX = [&](double x) { return page.dblLeft + (x - source.dblLeft) * page.dblScale; };
    auto paperY = [&](double y) { return page.dblTop + (y - source.dblTop) * page.dblScale; };
    colDrawn.emplace_back(QPointF(paperX(bounds.dblLeft), paperY(bounds.dblTop)),
                          QPointF(paperX(bounds.dblRight), paperY(bounds.dblBottom)));
  }
  return colDrawn;
}

QToolButton* BarButton(QWidget* bar, const char* strName, const char* strIcon,
                       const std::string& strText) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(strName));
  button->setText(QString::fromStdString(strText));
  button->setAutoRaise(true);
  if (strIcon != nullptr) {
    const QIcon icon = QIcon::fromTheme(QString::fromLatin1(strIcon));
    button->setIcon(icon);
    button->setToolButtonStyle(icon.isNull() ? Qt::ToolButtonTextOnly
                                             : Qt::ToolButtonTextBesideIcon);
  } else {
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  }
  bar->layout()->addWidget(button);
  return button;
}

}  // namespace

// The sheets on their desk, painted at the preview's zoom.
class ChartPreview::Canvas : public QWidget {
 public:
  explicit Canvas(ChartPreview& preview) : QWidget(nullptr), preview_(preview) {
    setAutoFillBackground(true);
    QPalette desk = palette();
    desk.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
    setPalette(desk);
  }

 protected:
  void paintEvent(QPaintEvent* event) override {
    const excel::PageDocument* document = preview_.Document();
    if (document == nullptr || document->pages.empty()) return;
    QPainter painter(this);
    const double dblUnits = preview_.PixelsPerPoint();
    const int intPages = preview_.PageCount();
    const QRectF dirty(event->rect());
    for (int i = 0; i < intPages; ++i) {
      const QRectF paper = preview_.SheetOnCanvas(i);
      const QRectF caption(paper.left(), paper.top() - preview_.CaptionHeight(), paper.width(),
                           preview_.CaptionHeight());
      if (!dirty.intersects(paper.adjusted(0, -caption.height(), 3, 3))) continue;
      painter.save();
      painter.setClipRect(dirty);
      if (intPages > 1) {
        painter.setPen(QColor(0xF4, 0xF4, 0xF4));
        painter.drawText(
            caption, Qt::AlignHCenter | Qt::AlignVCenter,
            QString::fromStdString(catalog::Format(_("Seite {} von {}"), i + 1, intPages)));
      }
      painter.fillRect(paper.translated(3, 3), QColor(0x40, 0x40, 0x40));
      painter.fillRect(paper, Qt::white);
      painter.setClipRect(paper, Qt::IntersectClip);
      const QRectF& shown = preview_.sheets_[static_cast<std::size_t>(i)].shown;
      const QPointF origin(paper.left() - shown.left() * dblUnits,
                           paper.top() - shown.top() * dblUnits);
      painter.translate(origin);
      // Only what meets the part to repaint: a zoomed-in chart of thousands of tasks shows a
      // few dozen of them.
      render::PaintPage(painter, *document, document->pages[static_cast<std::size_t>(i)], dblUnits,
                        dirty.intersected(paper).translated(-origin));
      painter.restore();
    }
  }

 private:
  ChartPreview& preview_;
};

ChartPreview::ChartPreview(QWidget* parent)
    : QWidget(parent), area_(new QScrollArea(this)), canvas_(new Canvas(*this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildZoomBar();
  layout->addWidget(zoomBar_);
  layout->addWidget(area_, 1);
  area_->setObjectName(QStringLiteral("chartView"));
  area_->setWidget(canvas_);
  area_->setWidgetResizable(false);
  area_->setAlignment(Qt::AlignCenter);
  area_->setBackgroundRole(QPalette::Dark);
  area_->viewport()->installEventFilter(this);
  area_->viewport()->setCursor(Qt::OpenHandCursor);
  Resize();
  UpdateZoomBar();
}

ChartPreview::~ChartPreview() = default;

void ChartPreview::BuildZoomBar() {
  zoomBar_ = new QWidget(this);
  zoomBar_->setObjectName(QStringLiteral("zoomBar"));
  auto* layout = new QHBoxLayout(zoomBar_);
  layout->setContentsMargins(4, 2, 4, 2);
  layout->setSpacing(2);
  // The theme's magnifiers are faint at this size: a minus and a plus read at a glance.
  QToolButton* zoomOut = BarButton(zoomBar_, "zoomOut", nullptr, "\u2212");
  percent_ = new QSpinBox(zoomBar_);
  percent_->setObjectName(QStringLiteral("zoomPercent"));
  percent_->setRange(static_cast<int>(kMinZoom * 100), static_cast<int>(kMaxZoom * 100));
  percent_->setSuffix(QStringLiteral(" %"));
  percent_->setKeyboardTracking(false);  // a value typed in counts once it is whole
  percent_->setAccessibleName(QString::fromUtf8(_("Zoom")));
  layout->addWidget(percent_);
  QToolButton* zoomIn = BarButton(zoomBar_, "zoomIn", nullptr, "+");
  for (const auto& [button, strName] :
       {std::pair{zoomOut, _("Verkleinern")}, std::pair{zoomIn, _("Vergrößern")}}) {
    button->setToolTip(QString::fromStdString(strName));
    button->setAccessibleName(button->toolTip());
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
    button->setMinimumWidth(button->sizeHint().height());
  }
  QToolButton* whole = BarButton(zoomBar_, "fitWhole", "zoom-fit-best", _("ganzes Diagramm"));
  QToolButton* width = BarButton(zoomBar_, "fitWidth", nullptr, _("Seitenbreite"));
  QToolButton* actual = BarButton(zoomBar_, "actualSize", "zoom-original", _("100 %"));
  layout->addStretch(1);
  openButton_ = BarButton(zoomBar_, "openWorkbook", "x-office-spreadsheet",
                          _("In Tabellenkalkulation öffnen"));
  connect(zoomOut, &QToolButton::clicked, this, &ChartPreview::ZoomOut);
  connect(zoomIn, &QToolButton::clicked, this, &ChartPreview::ZoomIn);
  connect(whole, &QToolButton::clicked, this, &ChartPreview::FitToWindow);
  connect(width, &QToolButton::clicked, this, &ChartPreview::FitToWidth);
  connect(actual, &QToolButton::clicked, this, &ChartPreview::ShowActualSize);
  connect(openButton_, &QToolButton::clicked, this, &ChartPreview::OpenWorkbook);
  connect(percent_, &QSpinBox::valueChanged, this, [this](int intPercent) {
    if (intPercent != static_cast<int>(std::lround(dblZoom_ * 100))) SetZoom(intPercent / 100.0);
  });
}

void ChartPreview::UpdateZoomBar() {
  const QSignalBlocker block(percent_);
  percent_->setValue(static_cast<int>(std::lround(dblZoom_ * 100)));
  zoomBar_->setEnabled(HasChart());
  zoomBar_->findChild<QToolButton*>(QStringLiteral("zoomOut"))
      ->setEnabled(HasChart() && dblZoom_ > kMinZoom);
  zoomBar_->findChild<QToolButton*>(QStringLiteral("zoomIn"))
      ->setEnabled(HasChart() && dblZoom_ < kMaxZoom);
  openButton_->setVisible(!strWorkbook_.empty());
}

std::string ChartPreview::ShowWorkbook(excel::Workbook& workbook) {
  try {
    excel::PageDocument document = excel::LayOutPages(workbook.Worksheets(1), {});
    strWorkbook_ = workbook.FullName();
    ShowDocument(std::move(document));
    return "";
  } catch (const vb::Error& error) {
    Clear();
    return error.Description();
  }
}

void ChartPreview::ShowDocument(excel::PageDocument document) {
  document_ = std::move(document);
  sheets_.clear();
  const QRectF paper(0, 0, document_->dblPaperWidth, document_->dblPaperHeight);
  for (const QRectF& drawn : DrawnOnPapers(*document_)) {
    sheets_.push_back(
        {drawn, drawn.adjusted(-kSheetMargin, -kSheetMargin, kSheetMargin, kSheetMargin)
                    .intersected(paper)});
  }
  FitToWindow();
  UpdateZoomBar();
  canvas_->update();
}

void ChartPreview::Clear() {
  document_.reset();
  strWorkbook_.clear();
  sheets_.clear();
  Resize();
  UpdateZoomBar();
  canvas_->update();
}

double ChartPreview::PixelsPerPoint() const {
  return dblZoom_ * logicalDpiX() / 72.0;
}

// A chart of several pages has a caption above each.
int ChartPreview::CaptionHeight() const {
  return sheets_.size() > 1 ? fontMetrics().height() + 6 : 0;
}

QSizeF ChartPreview::LargestSheet() const {
  QSizeF largest;
  for (const Sheet& sheet : sheets_) largest = largest.expandedTo(sheet.shown.size());
  return largest;
}

// The sheets one below the other, each centred across the widest, each under its caption.
QRectF ChartPreview::SheetOnCanvas(int intPage) const {
  const double dblUnits = PixelsPerPoint();
  const double dblWidest = LargestSheet().width() * dblUnits;
  double dblTop = kDesk;
  for (int i = 0; i < intPage; ++i) {
    dblTop += CaptionHeight() +
              std::ceil(sheets_[static_cast<std::size_t>(i)].shown.height() * dblUnits) + kDesk;
  }
  const QRectF& shown = sheets_[static_cast<std::size_t>(intPage)].shown;
  const double dblWidth = shown.width() * dblUnits;
  return QRectF(std::round(kDesk + (dblWidest - dblWidth) / 2), dblTop + CaptionHeight(), dblWidth,
                shown.height() * dblUnits);
}

int ChartPreview::PageAt(const QPoint& viewportPoint) const {
  const QPointF canvasPoint = canvas_->mapFrom(area_->viewport(), viewportPoint);
  int intPage = 0;
  for (int i = 1; i < PageCount(); ++i) {
    if (SheetOnCanvas(i).top() - CaptionHeight() <= canvasPoint.y()) intPage = i;
  }
  return intPage;
}

QPointF ChartPreview::PaperPointAt(const QPoint& viewportPoint) const {
  if (sheets_.empty()) return {};
  const int intPage = PageAt(viewportPoint);
  const QPointF canvasPoint = canvas_->mapFrom(area_->viewport(), viewportPoint);
  return (canvasPoint - SheetOnCanvas(intPage).topLeft()) / PixelsPerPoint() +
         sheets_[static_cast<std::size_t>(intPage)].shown.topLeft();
}

void ChartPreview::Resize() {
  if (!document_ || sheets_.empty()) {
    canvas_->resize(0, 0);
    return;
  }
  const QRectF last = SheetOnCanvas(PageCount() - 1);
  canvas_->resize(
      static_cast<int>(std::ceil(LargestSheet().width() * PixelsPerPoint())) + 2 * kDesk,
      static_cast<int>(std::ceil(last.bottom())) + kDesk);
}

void ChartPreview::SetZoom(double dblZoom) {
  fit_ = Fit::None;
  ApplyZoom(dblZoom);
}

void ChartPreview::ZoomAt(double dblZoom, const QPoint& viewportPoint) {
  fit_ = Fit::None;
  ApplyZoomAt(dblZoom, viewportPoint);
}

void ChartPreview::ApplyZoom(double dblZoom) {
  // Keep the point in the middle of the view where it is.
  ApplyZoomAt(dblZoom, area_->viewport()->rect().center());
}

void ChartPreview::ApplyZoomAt(double dblZoom, const QPoint& viewportPoint) {
  dblZoom = std::clamp(dblZoom, kMinZoom, kMaxZoom);
  // The point of the page under the viewport's point stays there.
  const int intPage = PageAt(viewportPoint);
  const QPointF paper = PaperPointAt(viewportPoint);
  const bool blnChanged = dblZoom != dblZoom_;
  dblZoom_ = dblZoom;
  Resize();
  const QPointF after =
      sheets_.empty() ? QPointF()
                      : SheetOnCanvas(intPage).topLeft() +
                            (paper - sheets_[static_cast<std::size_t>(intPage)].shown.topLeft()) *
                                PixelsPerPoint();
  area_->horizontalScrollBar()->setValue(
      static_cast<int>(std::lround(after.x() - viewportPoint.x())));
  area_->verticalScrollBar()->setValue(
      static_cast<int>(std::lround(after.y() - viewportPoint.y())));
  canvas_->update();
  UpdateZoomBar();
  if (blnChanged) emit ZoomChanged(dblZoom_);
}

void ChartPreview::ZoomIn() {
  SetZoom(dblZoom_ * kZoomStep);
}

void ChartPreview::ZoomOut() {
  SetZoom(dblZoom_ / kZoomStep);
}

void ChartPreview::ShowActualSize() {
  SetZoom(1.0);
}

// With several pages the largest page fits: the pages are then read one by one, scrolling
// from one to the next.
void ChartPreview::FitToWindow() {
  const QSizeF largest = LargestSheet();
  if (!document_ || largest.isEmpty()) return;
  const double dblUnits = logicalDpiX() / 72.0;
  // The room without scroll bars, which a single fitted sheet does not need.
  QSize room = area_->maximumViewportSize();
  if (PageCount() > 1) {
    room.rwidth() -= area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                 area_->verticalScrollBar());
  }
  const double dblWide = (room.width() - 2.0 * kDesk - 4) / (largest.width() * dblUnits);
  const double dblTall =
      (room.height() - 2.0 * kDesk - CaptionHeight() - 4) / (largest.height() * dblUnits);
  ApplyZoomAt(std::min(dblWide, dblTall), TopCentre());
  fit_ = Fit::Whole;
}

void ChartPreview::FitToWidth() {
  const QSizeF largest = LargestSheet();
  if (!document_ || largest.isEmpty()) return;
  const double dblUnits = logicalDpiX() / 72.0;
  const QSize room = area_->maximumViewportSize();
  double dblWide = (room.width() - 2.0 * kDesk - 4) / (largest.width() * dblUnits);
  // Sheets taller than the window then need the vertical scroll bar, beside them.
  double dblTall = 2.0 * kDesk;
  for (const Sheet& sheet : sheets_) {
    dblTall += sheet.shown.height() * dblUnits * dblWide + CaptionHeight() + kDesk;
  }
  if (dblTall > room.height()) {
    const int intBar = area_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr,
                                                   area_->verticalScrollBar());
    dblWide = (room.width() - intBar - 2.0 * kDesk - 4) / (largest.width() * dblUnits);
  }
  ApplyZoomAt(dblWide, TopCentre());
  fit_ = Fit::Width;
}

// A fit keeps the top of what is shown: the page read now stays in view.
QPoint ChartPreview::TopCentre() const {
  return {area_->viewport()->width() / 2, 0};
}

void ChartPreview::Refit() {
  if (fit_ == Fit::Whole) FitToWindow();
  if (fit_ == Fit::Width) FitToWidth();
}

// A chart shown before its tab was laid out was fitted to a viewport of no size: it is fitted
// again whenever the window gives it another. The wheel with Ctrl zooms about the pointer, the
// left button drags the chart; the view's own handling does the rest.
bool ChartPreview::eventFilter(QObject* watched, QEvent* event) {
  if (watched != area_->viewport()) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::Resize:
      Refit();
      break;
    case QEvent::Wheel: {
      auto* wheel = static_cast<QWheelEvent*>(event);
      if (!(wheel->modifiers() & Qt::ControlModifier) || !HasChart()) break;
      const QPoint point = wheel->position().toPoint();
      if (wheel->angleDelta().y() > 0) ZoomAt(dblZoom_ * kZoomStep, point);
      if (wheel->angleDelta().y() < 0) ZoomAt(dblZoom_ / kZoomStep, point);
      wheel->accept();
      return true;
    }
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      blnDragging_ = true;
      dragStart_ = mouse->globalPosition();
      scrollStart_ =
          QPoint(area_->horizontalScrollBar()->value(), area_->verticalScrollBar()->value());
      area_->viewport()->setCursor(Qt::ClosedHandCursor);
      return true;
    }
    case QEvent::MouseMove: {
      if (!blnDragging_) break;
      const QPointF moved = static_cast<QMouseEvent*>(event)->globalPosition() - dragStart_;
      area_->horizontalScrollBar()->setValue(scrollStart_.x() - static_cast<int>(moved.x()));
      area_->verticalScrollBar()->setValue(scrollStart_.y() - static_cast<int>(moved.y()));
      return true;
    }
    case QEvent::MouseButtonRelease:
      if (!blnDragging_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) break;
      blnDragging_ = false;
      area_->viewport()->setCursor(Qt::OpenHandCursor);
      return true;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void ChartPreview::OpenWorkbook() {
  if (strWorkbook_.empty()) return;
  const std::string strFailure = OpenWithDesktop(strWorkbook_);
  if (!strFailure.empty()) {
    forms::MsgBox(strFailure, forms::vbExclamation + forms::vbOKOnly, "Quorvan");
  }
}

std::string OpenWithDesktop(const std::string& strPath) {
  const QFileInfo file(QString::fromStdString(strPath));
  const std::string strName = file.fileName().toStdString();
  if (!file.exists()) {
    return catalog::Format(_("„{}“ kann nicht geöffnet werden: Die Datei gibt es nicht mehr."),
                           strName);
  }
  if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()))) {
    return catalog::Format(_("Kein Programm zum Öffnen von „{}“ gefunden."), strName);
  }
  return "";
}

namespace {

template <class Write>
std::string Saved(const std::optional<excel::PageDocument>& document, const std::string& strPath,
                  const std::vector<std::string>& colExtensions, const std::string& strFormats,
                  Write&& write) {
  if (!document || document->pages.empty()) return _("Es wird kein Diagramm angezeigt.");
  try {
    // Not installed: the preview writes directly, beside whatever painter the engine has.
    render::QtPagePainter painter(false);
    excel::SaveAtomically(std::filesystem::absolute(strPath), colExtensions, strFormats,
                          [&](const std::filesystem::path& temporary) {
                            const std::string strFailure = write(painter, temporary);
                            if (!strFailure.empty()) throw vb::Error(1004, strFailure);
                          });
    return "";
  } catch (const vb::Error& error) {
    return error.Description();
  }
}

}  // namespace

std::string ChartPreview::SaveAsPdf(const std::string& strPath) const {
  return Saved(document_, strPath, {".pdf"}, _("gespeichert wird als PDF-Datei (.pdf)."),
               [&](render::QtPagePainter& painter, const std::filesystem::path& file) {
                 return painter.WritePdf({*document_}, file);
               });
}

std::string ChartPreview::SaveAsSvg(const std::string& strPath) const {
  return Saved(document_, strPath, {".svg"}, _("gespeichert wird als SVG-Bild (.svg)."),
               [&](render::QtPagePainter& painter, const std::filesystem::path& file) {
                 return painter.WriteSvg(*document_, 0, file);
               });
}

std::string ChartPreview::SaveAsPng(const std::string& strPath, int intDotsPerInch) const {
  if (intDotsPerInch < 10 || intDotsPerInch > 2400) {
    return _("Die Auflösung muss zwischen 10 und 2400 dpi liegen.");
  }
  return Saved(document_, strPath, {".png"}, _("gespeichert wird als PNG-Bild (.png)."),
               [&](render::QtPagePainter& painter, const std::filesystem::path& file) {
                 return painter.WritePng(*document_, 0, intDotsPerInch, file);
               });
}

}  // namespace gui
