#pragma once
// The desktop's preview of a chart: the printed page of a workbook's chart sheet as the PDF
// shows it, on a grey desk in a scroll area, with zoom in and out, fit to the window and
// scrolling, and the page saved as PDF, SVG or PNG.
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

#include <QScrollArea>
#include <optional>
#include <string>

#include "platform/excel/print/PageDescription.h"

namespace excel {
class Workbook;
}

namespace gui {

class ChartPreview : public QScrollArea {
  Q_OBJECT

 public:
  explicit ChartPreview(QWidget* parent = nullptr);
  ~ChartPreview() override;

  // Shows the first printed page of the workbook's first worksheet, fitted to the window (and
  // fitted again as the window changes its size, until the user zooms). A
  // sheet with nothing to print shows nothing; the engine's reason is returned ("" when shown).
  std::string ShowWorkbook(excel::Workbook& workbook);
  // Shows the first page of a laid-out document, fitted to the window.
  void ShowDocument(excel::PageDocument document);
  void Clear();
  bool HasChart() const { return document_.has_value(); }
  const excel::PageDocument* Document() const { return document_ ? &*document_ : nullptr; }

  // 1.0 shows the page at its printed size on the screen.
  double Zoom() const { return dblZoom_; }
  void SetZoom(double dblZoom);  // kept between kMinZoom and kMaxZoom; ends fitting
  static constexpr double kMinZoom = 0.1, kMaxZoom = 8.0, kZoomStep = 1.25;

  // Each returns "" when the file was written, else a German description of why not.
  std::string SaveAsPdf(const std::string& strPath) const;
  std::string SaveAsSvg(const std::string& strPath) const;
  std::string SaveAsPng(const std::string& strPath, int intDotsPerInch = 150) const;

 public slots:
  void ZoomIn();
  void ZoomOut();
  void FitToWindow();

 signals:
  void ZoomChanged(double dblZoom);

 protected:
  void wheelEvent(QWheelEvent* event) override;  // with Ctrl: zoom
  void resizeEvent(QResizeEvent* event) override;

 private:
  class Canvas;
  double PixelsPerPoint() const;
  void Resize();
  void ApplyZoom(double dblZoom);

  std::optional<excel::PageDocument> document_;
  double dblZoom_ = 1.0;
  bool blnFitting_ = false;  // the page follows the window's size
  Canvas* canvas_;
};

}  // namespace gui
