// Shapes saved by the engine, opened by real readers. The saved cell anchors give back in
// Excel's layout the points the engine was given, whatever the columns and rows before them are
// like; LibreOffice, whose columns are wider than Excel's for the same width, must put every
// oval and both ends of every line in the same cells at the same offsets, with the arrowheads at
// the end points, the gradient and the shadow. openpyxl must accept the package.

#include <gtest/gtest.h>

#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "DrawingReaders.h"
#include "SavedAnchors.h"
#include "platform/excel/Application.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using drawingtest::DrawnShape;

constexpr double kTolerance = 0.5;  // points
// Excel's default column is 48 points, the engine's 48.0075: a few hundredths over a sheet.
constexpr double kSavedTolerance = 0.05;
constexpr double kEmuPerPoint = 12700;

struct OvalSpec {
  double left, top, size;
};
struct LineSpec {
  double x1, y1, x2, y2;
  std::int32_t arrowSize;  // 0: a plain line
};

// The last oval lies across the border of columns C and D and of rows 3 and 4.
const OvalSpec kOvals[] = {
    {20.5, 45.3, 12}, {150.25, 180.5, 6}, {400, 201.75, 12}, {3, 3, 6}, {170, 155, 12}};
const LineSpec kLines[] = {
    {200, 100, 30, 20, 0},            // left and up
    {14.25, 10, 14.25, 260, 0},       // straight down, through the hidden row
    {40, 250, 300, 170, 1},           // right and up, small head
    {300, 120, 60, 230, 2},           // left and down, medium head
    {156.25, 240, 156.25, 186.5, 3},  // straight up, large head
};

class DrawingLibreOfficeTest : public ::testing::Test {
 protected:
  // A sheet whose columns and rows are anything but the default: a narrow column, a hidden one
  // and a wide one; a tall row, a hidden row, a taller row.
  fs::path SaveWorkbook() {
    excel::Application app;
    app.SheetsInNewWorkbook(1);
    excel::Workbook& book = app.Workbooks().Add();
    excel::Worksheet& sheet = book.Worksheets(1);
    sheet.Range("A:A").ColumnWidth(2);
    sheet.Range("B:B").ColumnWidth(0);
    sheet.Range("C:C").ColumnWidth(30);
    sheet.Rows(1).RowHeight(60);
    sheet.Rows(2).RowHeight(0);
    sheet.Rows(3).RowHeight(100);
    sheet.Cells(1, 3).Value("Ovale und Linien");

    excel::Shapes& shapes = sheet.Shapes();
    for (const OvalSpec& o : kOvals) {
      excel::Shape oval = shapes.AddShape(excel::msoShapeOval, o.left, o.top, o.size, o.size);
      oval.Fill().ForeColor().RGB(0x0000FF);
      oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 0.35);
      oval.Line().Weight(0.75);
      oval.Shadow().Type(excel::msoShadow6);
      oval.Shadow().IncrementOffsetX(-3);
      oval.Shadow().IncrementOffsetY(-3);
      oval.Shadow().ForeColor().RGB(0x808080);
    }
    for (const LineSpec& l : kLines) {
      excel::Shape line = shapes.AddLine(l.x1, l.y1, l.x2, l.y2);
      line.Line().Weight(l.arrowSize == 0 ? 0.25 : 1.5);
      line.Line().ForeColor().RGB(0xFF0000);
      if (l.arrowSize != 0) {
        line.Line().EndArrowheadStyle(excel::msoArrowheadTriangle);
        line.Line().EndArrowheadLength(l.arrowSize);
        line.Line().EndArrowheadWidth(l.arrowSize);
      } else {
        line.ZOrder(excel::msoSendToBack);
      }
    }
    const fs::path path = dir / "Zeichnung.xlsx";
    book.SaveAs(path.string());
    return path;
  }

  static std::string Name(const char* prefix, std::size_t number) {
    return prefix + std::to_string(number);
  }

  testsupport::TempDir dir;
};

TEST_F(DrawingLibreOfficeTest, TheSavedCellAnchorsGiveBackTheEnginesPoints) {
  const std::vector<drawingtest::AnchoredShape> saved =
      drawingtest::ReadAnchoredShapes(SaveWorkbook());
  ASSERT_EQ(saved.size(), std::size(kOvals) + std::size(kLines));
  std::map<std::string, drawingtest::AnchoredShape> byName;
  for (const drawingtest::AnchoredShape& shape : saved) {
    EXPECT_EQ(shape.strAnchor, shape.blnLine ? "xdr:twoCellAnchor" : "xdr:oneCellAnchor")
        << shape.strName << ": an oval keeps its size, both ends of a line follow their cells";
    for (const drawingtest::CellAnchor& cell : {shape.from, shape.to}) {
      EXPECT_NE(cell.lngCol, 1) << shape.strName << ": the hidden column B holds no anchor";
      EXPECT_NE(cell.lngRow, 1) << shape.strName << ": the hidden row 2 holds no anchor";
    }
    byName[shape.strName] = shape;
  }
  for (std::size_t i = 0; i < std::size(kOvals); ++i) {
    const drawingtest::AnchoredShape& shape = byName.at(Name("Ellipse ", i + 1));
    EXPECT_NEAR(shape.dblLeft, kOvals[i].left, kSavedTolerance) << shape.strName;
    EXPECT_NEAR(shape.dblTop, kOvals[i].top, kSavedTolerance) << shape.strName;
    EXPECT_NEAR(shape.dblRight, kOvals[i].left + kOvals[i].size, kSavedTolerance) << shape.strName;
    EXPECT_NEAR(shape.dblBottom, kOvals[i].top + kOvals[i].size, kSavedTolerance) << shape.strName;
    EXPECT_DOUBLE_EQ(shape.dblOffX, kOvals[i].left) << shape.strName;
    EXPECT_DOUBLE_EQ(shape.dblExtY, kOvals[i].size) << shape.strName;
  }
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    const drawingtest::AnchoredShape& shape =
        byName.at(Name("Gerade Verbindung ", std::size(kOvals) + i + 1));
    EXPECT_NEAR(shape.BeginX(), kLines[i].x1, kSavedTolerance) << shape.strName;
    EXPECT_NEAR(shape.BeginY(), kLines[i].y1, kSavedTolerance) << shape.strName;
    EXPECT_NEAR(shape.EndX(), kLines[i].x2, kSavedTolerance) << shape.strName;
    EXPECT_NEAR(shape.EndY(), kLines[i].y2, kSavedTolerance) << shape.strName;
  }
}

TEST_F(DrawingLibreOfficeTest, OvalsAndLineEndsLieInTheirCellsInCalc) {
  const fs::path xlsx = SaveWorkbook();
  std::map<std::string, drawingtest::AnchoredShape> saved;
  for (const auto& shape : drawingtest::ReadAnchoredShapes(xlsx)) saved[shape.strName] = shape;
  const fs::path ods = drawingtest::ConvertWithLibreOffice(xlsx, "ods", dir.Path());
  pugi::xml_document content;
  ASSERT_TRUE(content.load_string(drawingtest::ReadZipEntry(ods, "content.xml").c_str()));
  const std::map<std::string, DrawnShape> drawn = drawingtest::ReadDrawnShapes(content);
  ASSERT_EQ(drawn.size(), std::size(kOvals) + std::size(kLines));
  const drawingtest::OdsGrid grid(content);
  // Where LibreOffice has put a point of a shape anchored to the cell it lies in...
  const auto drawnX = [&grid](const DrawnShape& shape, double x) {
    return (shape.intColumn < 0 ? 0.0 : grid.ColumnLeft(shape.intColumn)) + x;
  };
  const auto drawnY = [&grid](const DrawnShape& shape, double y) {
    return (shape.intRow < 0 ? 0.0 : grid.RowTop(shape.intRow)) + y;
  };
  // ... and where it belongs: in LibreOffice's columns and rows, the cell the point was
  // anchored to, at the offset the engine's point has there.
  const auto cellX = [&grid](const drawingtest::CellAnchor& cell) {
    return grid.ColumnLeft(cell.lngCol) + static_cast<double>(cell.lngColOff) / kEmuPerPoint;
  };
  const auto cellY = [&grid](const drawingtest::CellAnchor& cell) {
    return grid.RowTop(cell.lngRow) + static_cast<double>(cell.lngRowOff) / kEmuPerPoint;
  };

  for (std::size_t i = 0; i < std::size(kOvals); ++i) {
    const std::string name = Name("Ellipse ", i + 1);
    ASSERT_EQ(drawn.count(name), 1u) << name;
    const DrawnShape& shape = drawn.at(name);
    const drawingtest::AnchoredShape& anchor = saved.at(name);
    EXPECT_NEAR(drawnX(shape, shape.x), cellX(anchor.from), kTolerance) << name;
    EXPECT_NEAR(drawnY(shape, shape.y), cellY(anchor.from), kTolerance) << name;
    // It keeps its size, even across the border of two columns.
    EXPECT_NEAR(shape.width, kOvals[i].size, kTolerance) << name;
    EXPECT_NEAR(shape.height, kOvals[i].size, kTolerance) << name;
  }
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    const std::string name = Name("Gerade Verbindung ", std::size(kOvals) + i + 1);
    ASSERT_EQ(drawn.count(name), 1u) << name;
    const DrawnShape& shape = drawn.at(name);
    const drawingtest::AnchoredShape& anchor = saved.at(name);
    // Begin and end stay apart: the head must be at the end point.
    const drawingtest::CellAnchor& beginX = anchor.blnFlipH ? anchor.to : anchor.from;
    const drawingtest::CellAnchor& beginY = anchor.blnFlipV ? anchor.to : anchor.from;
    const drawingtest::CellAnchor& endX = anchor.blnFlipH ? anchor.from : anchor.to;
    const drawingtest::CellAnchor& endY = anchor.blnFlipV ? anchor.from : anchor.to;
    EXPECT_NEAR(drawnX(shape, shape.x1), cellX(beginX), kTolerance) << name;
    EXPECT_NEAR(drawnY(shape, shape.y1), cellY(beginY), kTolerance) << name;
    EXPECT_NEAR(drawnX(shape, shape.x2), cellX(endX), kTolerance) << name;
    EXPECT_NEAR(drawnY(shape, shape.y2), cellY(endY), kTolerance) << name;
  }
}

TEST_F(DrawingLibreOfficeTest, ArrowheadsGradientShadowAndOrderSurviveTheImport) {
  const fs::path xlsx = SaveWorkbook();
  const fs::path ods = drawingtest::ConvertWithLibreOffice(xlsx, "ods", dir.Path());
  pugi::xml_document content;
  ASSERT_TRUE(content.load_string(drawingtest::ReadZipEntry(ods, "content.xml").c_str()));
  const std::map<std::string, DrawnShape> drawn = drawingtest::ReadDrawnShapes(content);

  // Arrowheads at the end only, wider for each larger size.
  double dblLastWidth = 0;
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    const std::string name = Name("Gerade Verbindung ", std::size(kOvals) + i + 1);
    const pugi::xml_node style = drawn.at(name).style;
    ASSERT_TRUE(style) << name;
    EXPECT_FALSE(style.attribute("draw:marker-start")) << name;
    if (kLines[i].arrowSize == 0) {
      EXPECT_FALSE(style.attribute("draw:marker-end")) << name;
      continue;
    }
    EXPECT_TRUE(style.attribute("draw:marker-end")) << name;
    const double dblWidth =
        drawingtest::LengthInPoints(style.attribute("draw:marker-end-width").value());
    EXPECT_GT(dblWidth, dblLastWidth) << name;
    dblLastWidth = dblWidth;
    EXPECT_STREQ(style.attribute("svg:stroke-color").value(), "#0000ff") << name;
  }

  // The symbols: a radial gradient from red in the middle to its shade, a grey shadow 3 points
  // right of and below the shape.
  const pugi::xml_node oval = drawn.at("Ellipse 1").style;
  EXPECT_STREQ(oval.attribute("draw:fill").value(), "gradient");
  EXPECT_STREQ(oval.attribute("draw:shadow").value(), "visible");
  EXPECT_NEAR(drawingtest::LengthInPoints(oval.attribute("draw:shadow-offset-x").value()), 3,
              kTolerance);
  EXPECT_NEAR(drawingtest::LengthInPoints(oval.attribute("draw:shadow-offset-y").value()), 3,
              kTolerance);
  EXPECT_STREQ(oval.attribute("draw:shadow-color").value(), "#808080");
  pugi::xml_document styles;
  ASSERT_TRUE(styles.load_string(drawingtest::ReadZipEntry(ods, "styles.xml").c_str()));
  const std::string query = std::string("//draw:gradient[@draw:name='") +
                            oval.attribute("draw:fill-gradient-name").value() + "']";
  const pugi::xml_node gradient = styles.select_node(query.c_str()).node();
  ASSERT_TRUE(gradient);
  EXPECT_STREQ(gradient.attribute("draw:style").value(), "radial");
  EXPECT_STREQ(gradient.attribute("draw:end-color").value(), "#ff0000");    // the middle
  EXPECT_STREQ(gradient.attribute("draw:start-color").value(), "#b30000");  // the edge

  // The plain lines were sent behind everything drawn before them; the arrows stay on top.
  const int intFirstOval = drawn.at("Ellipse 1").intZIndex;
  EXPECT_LT(drawn.at(Name("Gerade Verbindung ", std::size(kOvals) + 1)).intZIndex, intFirstOval);
  EXPECT_LT(drawn.at(Name("Gerade Verbindung ", std::size(kOvals) + 2)).intZIndex, intFirstOval);
  EXPECT_GT(drawn.at(Name("Gerade Verbindung ", std::size(kOvals) + 3)).intZIndex,
            drawn.at(Name("Ellipse ", std::size(kOvals))).intZIndex);
}

TEST_F(DrawingLibreOfficeTest, PrintsToPdf) {
  const fs::path pdf = drawingtest::ConvertWithLibreOffice(SaveWorkbook(), "pdf", dir.Path());
  EXPECT_EQ(testsupport::ReadFile(pdf).rfind("%PDF", 0), 0u);
}

TEST_F(DrawingLibreOfficeTest, OpenpyxlReadsThePackage) {
  const drawingtest::PythonResult result = drawingtest::RunPython(
      "import sys, zipfile, openpyxl\n"
      "wb = openpyxl.load_workbook(sys.argv[1])\n"
      "ws = wb.worksheets[0]\n"
      "print(ws['C1'].value)\n"
      "names = zipfile.ZipFile(sys.argv[1]).namelist()\n"
      "print('xl/drawings/drawing1.xml' in names)\n",
      SaveWorkbook());
  ASSERT_EQ(result.intExitCode, 0) << result.strOutput;
  EXPECT_EQ(result.strOutput, "Ovale und Linien\nTrue\n");
}

}  // namespace
