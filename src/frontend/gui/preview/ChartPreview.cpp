#include "gui/preview/ChartPreview.h"

#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "platform/catalog/Catalog.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/print/PageLayout.h"
#include "platform/excel/save/AtomicSave.h"
#include "platform/vb/Error.h"
#include "render/PagePaint.h"
#include "render/QtPagePainter.h"

namespace gui {

namespace {

constexpr int kDesk = 16;  // pixels of grey desk around the page

}  // namespace

// The paper on its desk, painted at the preview's zoom.
class ChartPreview::Canvas : public QWidget {
 public:
  explicit Canvas(ChartPreview& preview) : QWidget(&preview), preview_(preview) {
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
    painter.setClipRect(event->rect());
    const double dblUnits = preview_.PixelsPerPoint();
    const QRectF paper(kDesk, kDesk, document->dblPaperWidth * dblUnits,
                       document->dblPaperHeight * dblUnits);
    painter.fillRect(paper.translated(3, 3), QColor(0x40, 0x40, 0x40));
    painter.fillRect(paper, Qt::white);
    painter.translate(kDesk, kDesk);
    render::PaintPage(painter, *document, document->pages.front(), dblUnits);
  }

 private:
  ChartPreview& preview_;
};

ChartPreview::ChartPreview(QWidget* parent) : QScrollArea(parent), canvas_(new Canvas(*this)) {
  setWidget(canvas_);
  setWidgetResizable(false);
  setAlignment(Qt::AlignCenter);
  setBackgroundRole(QPalette::Dark);
  Resize();
}

ChartPreview::~ChartPreview() = default;

std::string ChartPreview::ShowWorkbook(excel::Workbook& workbook) {
  try {
    ShowDocument(excel::LayOutPages(workbook.Worksheets(1), {}));
    return "";
  } catch (const vb::Error& error) {
    Clear();
    return error.Description();
  }
}

void ChartPreview::ShowDocument(excel::PageDocument document) {
  document_ = std::move(document);
  FitToWindow();
  canvas_->update();
}

void ChartPreview::Clear() {
  document_.reset();
  Resize();
  canvas_->update();
}

double ChartPreview::PixelsPerPoint() const {
  return dblZoom_ * logicalDpiX() / 72.0;
}

void ChartPreview::Resize() {
  if (!document_) {
    canvas_->resize(0, 0);
    return;
  }
  const double dblUnits = PixelsPerPoint();
  canvas_->resize(static_cast<int>(std::ceil(document_->dblPaperWidth * dblUnits)) + 2 * kDesk,
                  static_cast<int>(std::ceil(document_->dblPaperHeight * dblUnits)) + 2 * kDesk);
}

void ChartPreview::SetZoom(double dblZoom) {
  blnFitting_ = false;
  ApplyZoom(dblZoom);
}

void ChartPreview::ApplyZoom(double dblZoom) {
  dblZoom = std::clamp(dblZoom, kMinZoom, kMaxZoom);
  // Keep the point in the middle of the view where it is.
  const double dblX = (horizontalScrollBar()->value() + viewport()->width() / 2.0) / dblZoom_;
  const double dblY = (verticalScrollBar()->value() + viewport()->height() / 2.0) / dblZoom_;
  const bool blnChanged = dblZoom != dblZoom_;
  dblZoom_ = dblZoom;
  Resize();
  horizontalScrollBar()->setValue(static_cast<int>(dblX * dblZoom_ - viewport()->width() / 2.0));
  verticalScrollBar()->setValue(static_cast<int>(dblY * dblZoom_ - viewport()->height() / 2.0));
  canvas_->update();
  if (blnChanged) emit ZoomChanged(dblZoom_);
}

void ChartPreview::ZoomIn() {
  SetZoom(dblZoom_ * kZoomStep);
}

void ChartPreview::ZoomOut() {
  SetZoom(dblZoom_ / kZoomStep);
}

void ChartPreview::FitToWindow() {
  if (!document_) return;
  const double dblUnits = logicalDpiX() / 72.0;
  const double dblWide =
      (viewport()->width() - 2.0 * kDesk - 4) / (document_->dblPaperWidth * dblUnits);
  const double dblTall =
      (viewport()->height() - 2.0 * kDesk - 4) / (document_->dblPaperHeight * dblUnits);
  ApplyZoom(std::min(dblWide, dblTall));
  blnFitting_ = true;
}

// A page shown before its tab was laid out was fitted to a viewport of no size: it is fitted
// again whenever the window gives it another.
void ChartPreview::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  if (blnFitting_) FitToWindow();
}

void ChartPreview::wheelEvent(QWheelEvent* event) {
  if (!(event->modifiers() & Qt::ControlModifier)) {
    QScrollArea::wheelEvent(event);
    return;
  }
  if (event->angleDelta().y() > 0) ZoomIn();
  if (event->angleDelta().y() < 0) ZoomOut();
  event->accept();
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
                 excel::PageDocument page = *document_;
                 page.pages.resize(1);
                 return painter.WritePdf({page}, file);
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
