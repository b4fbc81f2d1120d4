// The chart's preview on the offscreen platform: the page shown fitted, zoomed and scrolled,
// and saved as PDF, SVG and PNG.

#include <gtest/gtest.h>

#include <QImage>
#include <QScrollBar>
#include <regex>

#include "frontend/gui/GuiTesting.h"
#include "gui/preview/ChartPreview.h"
#include "platform/excel/Application.h"
#include "platform/excel/Interior.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
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
  gui::ChartPreview preview_;
  testsupport::TempDir dir_;
};

TEST_F(ChartPreviewTest, ThePageIsFittedZoomedAndScrolled) {
  ASSERT_EQ(preview_.ShowWorkbook(*book_), "");
  QWidget* canvas = preview_.widget();
  EXPECT_LE(canvas->width(), preview_.viewport()->width());
  EXPECT_LE(canvas->height(), preview_.viewport()->height());
  EXPECT_GT(canvas->width(), preview_.viewport()->width() * 3 / 4);
  const int intFitted = RedPixels(canvas->grab().toImage());
  EXPECT_GT(intFitted, 0);

  const double dblFitted = preview_.Zoom();
  preview_.ZoomIn();
  EXPECT_NEAR(preview_.Zoom(), dblFitted * 1.25, 1e-9);
  const int intZoomed = RedPixels(canvas->grab().toImage());
  EXPECT_NEAR(static_cast<double>(intZoomed) / intFitted, 1.25 * 1.25, 0.2);

  preview_.ZoomIn();
  preview_.ZoomIn();
  EXPECT_GT(preview_.horizontalScrollBar()->maximum(), 0);
  EXPECT_GT(preview_.verticalScrollBar()->maximum(), 0);
  preview_.verticalScrollBar()->setValue(preview_.verticalScrollBar()->maximum());
  EXPECT_EQ(preview_.verticalScrollBar()->value(), preview_.verticalScrollBar()->maximum());

  preview_.FitToWindow();
  EXPECT_NEAR(preview_.Zoom(), dblFitted, 1e-9);
  EXPECT_EQ(preview_.horizontalScrollBar()->maximum(), 0);
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
