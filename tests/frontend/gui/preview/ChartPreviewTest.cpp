// The chart's preview on the offscreen platform: the drawn area shown fitted, zoomed from its
// bar, the wheel and the mouse, scrolled, opened with the desktop, and saved as PDF, SVG and
// PNG.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <regex>

#include "frontend/gui/GuiTesting.h"
#include "gui/preview/ChartPreview.h"
#include "platform/excel/Application.h"
#include "platform/excel/Interior.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
#include "platform/forms/FrontEnd.h"
#include "support/TestSupport.h"

namespace {

constexpr std::int32_t kRed = 0x0000FF;

// The pixels of the image that are clearly red.
int RedPixels(const QImage& image) {
  int intCount = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      intCount += qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
    }
  }
  return intCount;
}

// The bands of rows of the image with red in them, top to bottom: one per red shape of a column.
int RedBands(const QImage& image) {
  int intBands = 0;
  bool blnInBand = false;
  for (int y = 0; y < image.height(); ++y) {
    bool blnRed = false;
    for (int x = 0; x < image.width() && !blnRed; ++x) {
      const QRgb p = image.pixel(x, y);
      blnRed = qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60;
    }
    intBands += blnRed && !blnInBand;
    blnInBand = blnRed;
  }
  return intBands;
}

class ChartPreviewTest : public ::testing::Test {
 protected:
  ChartPreviewTest() {
    guitest::App();
    app_.SheetsInNewWorkbook(1);
    book_ = &app_.Workbooks().Add();
    excel::Worksheet& sheet = book_->Worksheets(1);
    sheet.Range("A1").Value("Vorschau");
    sheet.Range("A1:H30").Interior().Color(0xFFFFFF);
    excel::Shape oval = sheet.Shapes().AddShape(excel::msoShapeOval, 100, 100, 40, 40);
    oval.Fill().ForeColor().RGB(kRed);
    sheet.PageSetup().Orientation(excel::xlLandscape);
    sheet.PageSetup().Zoom(false);
    preview_.resize(800, 600);
    preview_.show();
  }

  excel::Application app_;
  excel::Workbook* book_ = nullptr;
  // The view's scroll bars as a point: where the chart is scrolled to.
  QPoint Scrolled() const {
    return {preview_.View().horizontalScrollBar()->value(),
            preview_.View().verticalScrollBar()->value()};
  }
  QToolButton& Button(const char* strName) const {
    auto* button = preview_.ZoomBar().findChild<QToolButton*>(QString::fromLatin1(strName));
    EXPECT_NE(button, nullptr) << strName;
    return *button;
  }
  QSpinBox& Percent() const { return *preview_.ZoomBar().findChild<QSpinBox*>(); }
  QWidget& Viewport() const { return *preview_.View().viewport(); }

  gui::ChartPreview preview_;
  testsupport::TempDir dir_;
};

TEST_F(ChartPreviewTest, ThePageIsFittedZoomedAndScrolled) {
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  QWidget* canvas = preview_.View().widget();
  EXPECT_LE(canvas->width(), Viewport().width());
  EXPECT_LE(canvas->height(), Viewport().height());
  EXPECT_GT(std::max(canvas->width() - Viewport().width() * 3 / 4,
                     canvas->height() - Viewport().height() * 3 / 4),
            0);
  const int intFitted = RedPixels(canvas->grab().toImage());
  EXPECT_GT(intFitted, 0);

  const double dblFitted = preview_.Zoom();
  preview_.ZoomIn();
  EXPECT_NEAR(preview_.Zoom(), dblFitted * 1.25, 1e-9);
  const int intZoomed = RedPixels(canvas->grab().toImage());
  EXPECT_NEAR(static_cast<double>(intZoomed) / intFitted, 1.25 * 1.25, 0.2);

  preview_.ZoomIn();
  preview_.ZoomIn();
  QScrollBar& across = *preview_.View().horizontalScrollBar();
  QScrollBar& down = *preview_.View().verticalScrollBar();
  EXPECT_GT(across.maximum(), 0);
  EXPECT_GT(down.maximum(), 0);
  down.setValue(down.maximum());
  EXPECT_EQ(down.value(), down.maximum());

  preview_.FitToWindow();
  EXPECT_NEAR(preview_.Zoom(), dblFitted, 1e-9);
  EXPECT_EQ(across.maximum(), 0);
  guitest::SaveShot(preview_, "chart-preview");
}

// The desktop shows the chart in a tab it adds after the run: the page is fitted before the
// tab has its size, and must fill the tab once it has one, until the user zooms.
TEST_F(ChartPreviewTest, APageShownBeforeItsWindowHasItsSizeFillsItOnceItHasOne) {
  gui::ChartPreview hidden;
  hidden.resize(20, 20);
  ASSERT_EQ(hidden.ShowWorkbook(*book_), "");
  hidden.resize(800, 600);
  hidden.show();
  EXPECT_NEAR(
      hidden.Zoom(),
      [&] {
        preview_.ShowWorkbook(*book_);
        return preview_.Zoom();
      }(),
      0.01);

  hidden.ZoomIn();
  const double dblZoomed = hidden.Zoom();
  hidden.resize(1000, 700);
  EXPECT_DOUBLE_EQ(hidden.Zoom(), dblZoomed);
}

// "ganzes Diagramm" fits what the page draws, not the paper: the cells A1:H30 and the circle
// take less than half of the landscape A4 page's width, and fill the window without scroll
// bars; "Seitenbreite" fills its width.
TEST_F(ChartPreviewTest, WholeChartAndPageWidthFitTheDrawnArea) {
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  const QRectF drawn = preview_.DrawnArea();
  EXPECT_LT(drawn.width(), 842 / 2.0);
  EXPECT_LT(drawn.height(), 595 * 0.75);
  preview_.SetZoom(3.0);
  Button("fitWhole").click();
  QScrollBar& across = *preview_.View().horizontalScrollBar();
  QScrollBar& down = *preview_.View().verticalScrollBar();
  EXPECT_FALSE(across.isVisible());
  EXPECT_FALSE(down.isVisible());
  const QRectF shown(preview_.PaperPointAt({0, 0}),
                     preview_.PaperPointAt({Viewport().width(), Viewport().height()}));
  EXPECT_TRUE(shown.contains(drawn)) << shown.width() << " x " << shown.height();
  // The drawn area fills the window in one direction at least: the paper would not fit.
  EXPECT_GT(std::max(drawn.width() / shown.width(), drawn.height() / shown.height()), 0.8);
  EXPECT_TRUE(shown.width() < 842 || shown.height() < 595);
  const double dblWhole = preview_.Zoom();

  // The width fills the window, which the height limited before.
  Button("fitWidth").click();
  EXPECT_GT(preview_.Zoom(), dblWhole);
  EXPECT_FALSE(across.isVisible());
  EXPECT_NEAR(
      preview_.PaperPointAt({Viewport().width(), 0}).x() - preview_.PaperPointAt({0, 0}).x(),
      preview_.DrawnArea().width(), preview_.DrawnArea().width() * 0.2);
  // Both follow the window's size until the user zooms.
  preview_.resize(1000, 900);
  EXPECT_TRUE(guitest::WaitFor([&] { return preview_.Zoom() > dblWhole * 1.2; }));
  EXPECT_FALSE(across.isVisible());
}

// The buttons, the percentage and the zoom agree, whichever changes it.
TEST_F(ChartPreviewTest, TheZoomBarsButtonsAndPercentageAgree) {
  EXPECT_FALSE(preview_.ZoomBar().isEnabled());
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  EXPECT_TRUE(preview_.ZoomBar().isEnabled());
  const struct {
    std::function<void()> change;
    double dblZoom;  // 0: the one before times the factor
    double dblFactor;
  } steps[] = {
      {[&] { Button("actualSize").click(); }, 1.0, 0}, {[&] { Button("zoomIn").click(); }, 0, 1.25},
      {[&] { Button("zoomOut").click(); }, 0, 0.8},    {[&] { Button("zoomOut").click(); }, 0, 0.8},
      {[&] { Percent().setValue(250); }, 2.5, 0},      {[&] { preview_.ZoomIn(); }, 0, 1.25},
      {[&] { Percent().setValue(10); }, 0.1, 0},
  };
  for (const auto& step : steps) {
    const double dblBefore = preview_.Zoom();
    step.change();
    const double dblExpected = step.dblZoom > 0 ? step.dblZoom : dblBefore * step.dblFactor;
    EXPECT_NEAR(preview_.Zoom(), dblExpected, 1e-9);
    EXPECT_EQ(Percent().value(), std::lround(dblExpected * 100));
    EXPECT_EQ(Percent().text(), QString::number(std::lround(dblExpected * 100)) + " %");
  }
  EXPECT_FALSE(Button("zoomOut").isEnabled());  // at the smallest
  EXPECT_TRUE(Button("zoomIn").isEnabled());
}

// Ctrl and the wheel zoom about the pointer: the point of the chart under it stays there, near
// a corner as in the middle; the left button drags the chart.
TEST_F(ChartPreviewTest, CtrlWheelZoomsAboutThePointerAndDraggingMovesTheChart) {
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  preview_.SetZoom(3.0);
  preview_.View().horizontalScrollBar()->setValue(preview_.View().horizontalScrollBar()->maximum() /
                                                  2);
  preview_.View().verticalScrollBar()->setValue(preview_.View().verticalScrollBar()->maximum() / 2);
  for (const QPoint at :
       {QPoint(150, 120), QPoint(Viewport().width() - 40, Viewport().height() - 30)}) {
    for (const int intDelta : {120, -120}) {
      const QPointF before = preview_.PaperPointAt(at);
      const double dblZoom = preview_.Zoom();
      QWheelEvent wheel(at, Viewport().mapToGlobal(at), QPoint(), QPoint(0, intDelta), Qt::NoButton,
                        Qt::ControlModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(&Viewport(), &wheel);
      EXPECT_NEAR(preview_.Zoom(), intDelta > 0 ? dblZoom * 1.25 : dblZoom / 1.25, 1e-9);
      const QPointF after = preview_.PaperPointAt(at);
      // Within a pixel.
      const double dblPixel = 72.0 / (preview_.logicalDpiX() * preview_.Zoom());
      EXPECT_NEAR(after.x(), before.x(), dblPixel) << at.x() << "," << at.y();
      EXPECT_NEAR(after.y(), before.y(), dblPixel) << at.x() << "," << at.y();
    }
  }
  // Without Ctrl the wheel scrolls.
  const QPoint scrolled = Scrolled();
  const double dblZoom = preview_.Zoom();
  QWheelEvent plain(QPointF(200, 200), Viewport().mapToGlobal(QPointF(200, 200)), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&Viewport(), &plain);
  EXPECT_EQ(preview_.Zoom(), dblZoom);
  EXPECT_GT(Scrolled().y(), scrolled.y());

  const QPoint start = Scrolled();
  auto mouse = [&](QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, Viewport().mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&Viewport(), &event);
  };
  mouse(QEvent::MouseButtonPress, {300, 300}, Qt::LeftButton);
  mouse(QEvent::MouseMove, {280, 270}, Qt::LeftButton);
  mouse(QEvent::MouseMove, {250, 220}, Qt::LeftButton);
  mouse(QEvent::MouseButtonRelease, {250, 220}, Qt::NoButton);
  EXPECT_EQ(Scrolled(), start + QPoint(50, 80));
  mouse(QEvent::MouseMove, {100, 100}, Qt::NoButton);  // released: no more dragging
  EXPECT_EQ(Scrolled(), start + QPoint(50, 80));
}

// "In Tabellenkalkulation öffnen" names why the desktop could not open the workbook: the file
// gone, or no program for it (no launcher on the PATH).
TEST_F(ChartPreviewTest, AWorkbookTheDesktopCannotOpenIsExplained) {
  std::vector<std::string> colMessages;
  const forms::MsgBoxHandler previous =
      forms::SetMsgBoxHandler([&](const std::string& strPrompt, int, const std::string& strTitle) {
        colMessages.push_back(strTitle + ": " + strPrompt);
        return 1;
      });
  book_->SaveAs((dir_ / "Diagramm.xlsx").string());
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  EXPECT_TRUE(Button("openWorkbook").isVisible());
  const std::string strPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  ::setenv("PATH", "", 1);
  Button("openWorkbook").click();
  std::filesystem::remove(dir_ / "Diagramm.xlsx");
  Button("openWorkbook").click();
  ::setenv("PATH", strPath.c_str(), 1);
  forms::SetMsgBoxHandler(previous);
  EXPECT_THAT(colMessages,
              testing::ElementsAre(
                  "Quorvan: Kein Programm zum Öffnen von „Diagramm.xlsx“ gefunden.",
                  "Quorvan: „Diagramm.xlsx“ kann nicht geöffnet werden: Die Datei gibt es nicht "
                  "mehr."));
}

// A sheet printed at 100 % runs over several pages down: every page is shown, one below the
// other, a red circle on the first, the second and the fourth; "ganzes Diagramm" fits one page
// into the window and the view scrolls to the others; the PDF holds them all.
TEST_F(ChartPreviewTest, AChartOfSeveralPagesShowsEveryPage) {
  excel::Worksheet& sheet = book_->Worksheets(1);
  for (const double dblTop : {900.0, 1700.0}) {
    excel::Shape oval = sheet.Shapes().AddShape(excel::msoShapeOval, 100, dblTop, 40, 40);
    oval.Fill().ForeColor().RGB(kRed);
  }
  sheet.PageSetup().Zoom(100);
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  ASSERT_GE(preview_.PageCount(), 4);
  ASSERT_EQ(preview_.PageCount(), static_cast<int>(preview_.Document()->pages.size()));

  QWidget* canvas = preview_.View().widget();
  EXPECT_EQ(RedBands(canvas->grab().toImage()), 3);
  // One page fits the window; the others are scrolled to.
  EXPECT_LE(preview_.DrawnArea().height() * preview_.Zoom() * preview_.logicalDpiY() / 72.0,
            Viewport().height());
  EXPECT_GT(canvas->height(), Viewport().height() * 2);
  QScrollBar& down = *preview_.View().verticalScrollBar();
  EXPECT_EQ(preview_.PageAt({Viewport().width() / 2, 10}), 0);
  down.setValue(down.maximum());
  EXPECT_EQ(preview_.PageAt({Viewport().width() / 2, Viewport().height() - 20}),
            preview_.PageCount() - 1);

  // The widest page fills the window's width; zooming keeps the point under the pointer on its
  // page.
  Button("fitWidth").click();
  EXPECT_FALSE(preview_.View().horizontalScrollBar()->isVisible());
  down.setValue(down.maximum() / 2);
  const QPoint at(Viewport().width() / 3, Viewport().height() / 2);
  const int intPage = preview_.PageAt(at);
  const QPointF before = preview_.PaperPointAt(at);
  preview_.ZoomAt(preview_.Zoom() * 2, at);
  EXPECT_EQ(preview_.PageAt(at), intPage);
  EXPECT_NEAR(preview_.PaperPointAt(at).y(), before.y(), 1.0);

  ASSERT_EQ(preview_.SaveAsPdf((dir_ / "Seiten.pdf").string()), "");
  const auto info =
      testsupport::RunCommand("pdfinfo " + testsupport::ShellQuote((dir_ / "Seiten.pdf").string()));
  EXPECT_NE(info.strStdout.find("Pages:           " + std::to_string(preview_.PageCount()) + "\n"),
            std::string::npos)
      << info.strStdout;
  guitest::SaveShot(preview_, "chart-preview-pages");
}

TEST_F(ChartPreviewTest, ThePageIsSavedAsPdfSvgAndPngOrTheReasonGiven) {
  EXPECT_EQ(preview_.SaveAsPdf((dir_ / "leer.pdf").string()), "Es wird kein Diagramm angezeigt.");
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");

  ASSERT_EQ(preview_.SaveAsPdf((dir_ / "Vorschau.pdf").string()), "");
  const auto info = testsupport::RunCommand(
      "pdfinfo " + testsupport::ShellQuote((dir_ / "Vorschau.pdf").string()));
  EXPECT_NE(info.strStdout.find("Pages:           1\n"), std::string::npos) << info.strStdout;
  EXPECT_NE(info.strStdout.find("842 x 595 pts (A4)"), std::string::npos) << info.strStdout;

  ASSERT_EQ(preview_.SaveAsSvg((dir_ / "Vorschau.svg").string()), "");
  const std::string strSvg = testsupport::ReadFile(dir_ / "Vorschau.svg");
  EXPECT_TRUE(std::regex_search(strSvg, std::regex("<(circle|ellipse) [^>]*r")));

  ASSERT_EQ(preview_.SaveAsPng((dir_ / "Vorschau.png").string(), 72), "");
  QImage image(QString::fromStdString((dir_ / "Vorschau.png").string()));
  EXPECT_EQ(image.size(), QSize(842, 595));
  EXPECT_GT(RedPixels(image), 0);

  EXPECT_NE(preview_.SaveAsPng((dir_ / "fehlt" / "x.png").string()).find("existiert nicht"),
            std::string::npos);
  EXPECT_NE(preview_.SaveAsSvg((dir_ / "x.png").string()).find("wird nicht unterstützt"),
            std::string::npos);
}

}  // namespace
