#pragma once
// The desktop's preview of a chart: the drawn part of each printed page of a workbook's chart
// sheet, as the PDF shows it, each on a white sheet on a grey desk, one below the other in a
// scroll area, with a zoom bar above them, and the pages saved as PDF, SVG or PNG.
//
// The preview shows what a page draws (cells, borders, texts, shapes) with a narrow margin of
// paper around it, not the empty rest of the paper. A chart printed on several pages (one too
// large for the page set-up's smallest scale) shows every page, each under the caption "Seite 2
// von 5". The zoom bar holds zoom out and in, the zoom in percent (100 % is the printed size),
// "ganzes Diagramm" (a page's drawn area fits the window: the whole chart when it is printed
// on one page), "Seitenbreite" (its width fits), "100 %", and "In Tabellenkalkulation öffnen"
// (the workbook with the desktop's program for it). Ctrl and the mouse wheel zoom about the
// point under the pointer; dragging with the left button moves the chart.
//
// Embedding it in a main window, after a run that wrote the chart into a workbook:
//
//     auto* preview = new gui::ChartPreview(this);
//     setCentralWidget(preview);                       // or a dock, a tab …
//     preview->ShowWorkbook(workbook);                 // lays out its first sheet's pages now
//     zoomInAction->connect(…, preview, &gui::ChartPreview::ZoomIn);
//     const std::string strFailure = preview->SaveAsPdf("/home/anna/Diagramm.pdf");
//     if (!strFailure.empty()) QMessageBox::warning(this, "Quorvan",
//     QString::fromStdString(strFailure));
//
// The preview keeps its own copy of the page, so the workbook may be closed afterwards. Saving
// needs no page painter to be installed; it writes atomically with the engine's refusals (a
// missing folder, a target held open by another program).

#include <QRectF>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "platform/excel/print/PageDescription.h"

class QScrollArea;
class QSpinBox;
class QToolButton;

namespace excel {
class Workbook;
}

namespace gui {

class ChartPreview : public QWidget {
  Q_OBJECT

 public:
  explicit ChartPreview(QWidget* parent = nullptr);
  ~ChartPreview() override;

  // Shows the printed pages of the workbook's first worksheet, fitted to the window (and
  // fitted again as the window changes its size, until the user zooms). A
  // sheet with nothing to print shows nothing; the engine's reason is returned ("" when shown).
  // The workbook's file is the one "In Tabellenkalkulation öffnen" opens.
  std::string ShowWorkbook(excel::Workbook& workbook);
  // Shows the pages of a laid-out document, fitted to the window.
  void ShowDocument(excel::PageDocument document);
  void Clear();
  bool HasChart() const { return document_.has_value(); }
  const excel::PageDocument* Document() const { return document_ ? &*document_ : nullptr; }
  // The workbook shown; "" when the chart came without one.
  const std::string& WorkbookPath() const { return strWorkbook_; }

  // How many printed pages the chart has; each is shown.
  int PageCount() const { return static_cast<int>(sheets_.size()); }
  // The part of the first page's paper that it draws on, in points from the paper's top-left
  // corner.
  QRectF DrawnArea() const { return sheets_.empty() ? QRectF() : sheets_.front().drawn; }
  // The point of the paper (in points) under a point of the viewport, on the page shown there
  // (or the nearest one above it).
  QPointF PaperPointAt(const QPoint& viewportPoint) const;
  // The index of that page.
  int PageAt(const QPoint& viewportPoint) const;

  // 1.0 shows the page at its printed size on the screen.
  double Zoom() const { return dblZoom_; }
  // Whether the chart follows the window's size: fitted whole, to its width, or not (zoomed).
  enum class Fit { None, Whole, Width };
  Fit Fitting() const { return fit_; }
  void SetZoom(double dblZoom);  // kept between kMinZoom and kMaxZoom; ends fitting
  // Zooms so that the point of the viewport stays where it is.
  void ZoomAt(double dblZoom, const QPoint& viewportPoint);
  static constexpr double kMinZoom = 0.1, kMaxZoom = 8.0, kZoomStep = 1.25;

  // The bar above the chart, and the scroll area below it that shows the chart.
  QWidget& ZoomBar() const { return *zoomBar_; }
  QScrollArea& View() const { return *area_; }

  // Each returns "" when the file was written, else a German description of why not. The PDF
  // holds every page; the pictures show the first.
  std::string SaveAsPdf(const std::string& strPath) const;
  std::string SaveAsSvg(const std::string& strPath) const;
  std::string SaveAsPng(const std::string& strPath, int intDotsPerInch = 150) const;

 public slots:
  void ZoomIn();
  void ZoomOut();
  // "ganzes Diagramm": the whole drawn area in the window.
  void FitToWindow();
  // "Seitenbreite": the drawn area's width fills the window.
  void FitToWidth();
  // "100 %": the printed size.
  void ShowActualSize();
  // "In Tabellenkalkulation öffnen": the workbook with the desktop's program; a message box
  // names why when it cannot be opened.
  void OpenWorkbook();

 signals:
  void ZoomChanged(double dblZoom);

 protected:
  // The view's viewport: Ctrl and the wheel zoom, the left button drags, a new size refits.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class Canvas;
  // A printed page as shown: its drawn area, and the part of its paper shown (the drawn area
  // and a margin), in paper points.
  struct Sheet {
    QRectF drawn;
    QRectF shown;
  };
  // Where a page's sheet lies on the canvas, in pixels at the present zoom.
  QRectF SheetOnCanvas(int intPage) const;
  int CaptionHeight() const;
  QPoint TopCentre() const;
  QSizeF LargestSheet() const;  // in points
  void BuildZoomBar();
  void UpdateZoomBar();
  double PixelsPerPoint() const;
  void Resize();
  void ApplyZoom(double dblZoom);
  void ApplyZoomAt(double dblZoom, const QPoint& viewportPoint);
  void Refit();

  std::optional<excel::PageDocument> document_;
  std::string strWorkbook_;
  std::vector<Sheet> sheets_;  // one per printed page
  double dblZoom_ = 1.0;
  Fit fit_ = Fit::None;  // the chart follows the window's size
  QScrollArea* area_;
  Canvas* canvas_;
  QWidget* zoomBar_ = nullptr;
  QSpinBox* percent_ = nullptr;
  QToolButton* openButton_ = nullptr;
  bool blnDragging_ = false;
  QPointF dragStart_;
  QPoint scrollStart_;
};

// Hands a file to the desktop's program for it. Returns "" when the desktop took it, else a
// German description of why not (the file is gone, no program opens it).
std::string OpenWithDesktop(const std::string& strPath);

}  // namespace gui
