// The drawing part as XML: cell anchors and EMU values, flips and arrow ends, the gradient, the
// outline, the shadow and the drawing order, read back with pugixml.

#include <gtest/gtest.h>

#include <cmath>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/excel/ShapeConstants.h"
#include "platform/excel/xlsx/DrawingXml.h"

namespace {

using excel::Shape;
using excel::Shapes;

// Uneven columns with every third hidden: A 15.25 points, B 16.25, C hidden, D 18.25, E 19.25,
// F hidden, G 21.25, H 22.25, I hidden, J 24.25 ...; rows of 30 points, the second hidden.
class UnevenGeometry : public excel::SheetGeometry {
 public:
  double ColumnWidthPoints(std::int32_t column) const override {
    return column % 3 == 0 ? 0.0 : 14.25 + column;
  }
  double RowHeightPoints(std::int32_t row) const override { return row == 2 ? 0.0 : 30.0; }
};

// The whole drawing part of the shapes.
std::string DrawingPart(const Shapes& shapes, const excel::SheetGeometry& geometry) {
  excel::xlsx::StringSink sink;
  excel::xlsx::XmlWriter writer(sink);
  excel::xlsx::WriteDrawingXml(shapes, geometry, writer);
  writer.Finish();
  return sink.Text();
}

class DrawingWriterTest : public ::testing::Test {
 protected:
  // Writes the part and parses it; fails the test when the XML is not well-formed.
  pugi::xml_node Write() {
    xml = DrawingPart(shapes, geometry);
    const pugi::xml_parse_result result = doc.load_string(xml.c_str());
    EXPECT_TRUE(result) << result.description();
    return doc.child("xdr:wsDr");
  }
  std::vector<pugi::xml_node> Anchors() {
    std::vector<pugi::xml_node> anchors;
    for (pugi::xml_node node : Write().children()) anchors.push_back(node);
    return anchors;
  }
  static long long Attr(pugi::xml_node node, const char* path, const char* name) {
    return node.first_element_by_path(path).attribute(name).as_llong(-1);
  }
  // A cell anchor as column, column offset, row, row offset.
  static std::vector<long long> Cell(pugi::xml_node anchor, const char* tag) {
    const pugi::xml_node cell = anchor.child(tag);
    if (!cell) return {};
    return {cell.child("xdr:col").text().as_llong(-1), cell.child("xdr:colOff").text().as_llong(-1),
            cell.child("xdr:row").text().as_llong(-1),
            cell.child("xdr:rowOff").text().as_llong(-1)};
  }

  Shapes shapes;
  UnevenGeometry geometry;
  std::string xml;
  pugi::xml_document doc;
};

TEST_F(DrawingWriterTest, AnEmptySheetGivesAnEmptyValidPart) {
  xml = "left over";
  const pugi::xml_node root = Write();
  ASSERT_TRUE(root);
  EXPECT_EQ(std::string(root.attribute("xmlns:xdr").value()),
            "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing");
  EXPECT_EQ(std::string(root.attribute("xmlns:a").value()),
            "http://schemas.openxmlformats.org/drawingml/2006/main");
  EXPECT_FALSE(root.first_child());
  EXPECT_EQ(xml.rfind("<?xml", 0), 0u);
}

TEST_F(DrawingWriterTest, TheOvalIsAnchoredInItsCellAndKeepsItsSize) {
  shapes.AddShape(excel::msoShapeOval, 100.5, 40.25, 12, 6);
  const auto anchors = Anchors();
  ASSERT_EQ(anchors.size(), 1u);
  const pugi::xml_node anchor = anchors[0];
  EXPECT_STREQ(anchor.name(), "xdr:oneCellAnchor");
  // Column H begins at 90.25 points, row 3 at 30: 10.25 points into both.
  EXPECT_EQ(Cell(anchor, "xdr:from"), (std::vector<long long>{7, 130175, 2, 130175}));
  EXPECT_EQ(Attr(anchor, "xdr:ext", "cx"), 152400);
  EXPECT_EQ(Attr(anchor, "xdr:ext", "cy"), 76200);
  EXPECT_EQ(Attr(anchor, "xdr:sp/xdr:spPr/a:xfrm/a:off", "x"), 1276350);  // 100.5 pt
  EXPECT_EQ(Attr(anchor, "xdr:sp/xdr:spPr/a:xfrm/a:off", "y"), 511175);   // 40.25 pt
  EXPECT_EQ(Attr(anchor, "xdr:sp/xdr:spPr/a:xfrm/a:ext", "cy"), 76200);
  // The schema's order: from, ext, the shape, clientData.
  std::vector<std::string> names;
  for (pugi::xml_node child : anchor.children()) names.push_back(child.name());
  EXPECT_EQ(names, (std::vector<std::string>{"xdr:from", "xdr:ext", "xdr:sp", "xdr:clientData"}));
  EXPECT_STREQ(anchor.first_element_by_path("xdr:sp/xdr:spPr/a:prstGeom").attribute("prst").value(),
               "ellipse");
  EXPECT_TRUE(anchor.child("xdr:clientData"));
  const pugi::xml_node props = anchor.first_element_by_path("xdr:sp/xdr:nvSpPr/xdr:cNvPr");
  EXPECT_EQ(props.attribute("id").as_int(), 2);
  EXPECT_STREQ(props.attribute("name").value(), "Ellipse 1");
}

TEST_F(DrawingWriterTest, TheSymbolsGradientOutlineAndShadow) {
  Shape oval = shapes.AddShape(excel::msoShapeOval, 94, 40, 12, 12);
  oval.Fill().ForeColor().RGB(0x0000FF);  // red
  oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 0.35);
  oval.Line().Weight(0.75);
  oval.Line().ForeColor().RGB(0);
  oval.Shadow().Type(excel::msoShadow6);
  oval.Shadow().IncrementOffsetX(-3);
  oval.Shadow().IncrementOffsetY(-3);
  oval.Shadow().ForeColor().RGB(0x808080);
  const pugi::xml_node spPr = Anchors().at(0).first_element_by_path("xdr:sp/xdr:spPr");

  const pugi::xml_node grad = spPr.child("a:gradFill");
  ASSERT_TRUE(grad);
  EXPECT_FALSE(spPr.child("a:solidFill"));
  std::vector<std::pair<long long, std::string>> stops;
  for (pugi::xml_node gs : grad.child("a:gsLst").children("a:gs")) {
    stops.emplace_back(gs.attribute("pos").as_llong(),
                       gs.child("a:srgbClr").attribute("val").value());
  }
  EXPECT_EQ(stops,
            (std::vector<std::pair<long long, std::string>>{{0, "FF0000"}, {100000, "B30000"}}));
  EXPECT_STREQ(grad.child("a:path").attribute("path").value(), "circle");
  EXPECT_EQ(Attr(grad, "a:path/a:fillToRect", "l"), 50000);
  EXPECT_EQ(Attr(grad, "a:path/a:fillToRect", "b"), 50000);

  const pugi::xml_node ln = spPr.child("a:ln");
  EXPECT_EQ(ln.attribute("w").as_llong(), 9525);
  EXPECT_STREQ(ln.first_element_by_path("a:solidFill/a:srgbClr").attribute("val").value(),
               "000000");
  EXPECT_FALSE(ln.child("a:tailEnd")) << "an oval has no arrowheads";

  const pugi::xml_node shadow = spPr.first_element_by_path("a:effectLst/a:outerShdw");
  ASSERT_TRUE(shadow);
  // (3, 3) points: 3√2 points at 45 degrees, below and right.
  EXPECT_EQ(shadow.attribute("dist").as_llong(), 53882);
  EXPECT_EQ(shadow.attribute("dir").as_llong(), 2700000);
  EXPECT_STREQ(shadow.child("a:srgbClr").attribute("val").value(), "808080");

  // The schema's order within spPr.
  std::vector<std::string> names;
  for (pugi::xml_node child : spPr.children()) names.push_back(child.name());
  EXPECT_EQ(names, (std::vector<std::string>{"a:xfrm", "a:prstGeom", "a:gradFill", "a:ln",
                                             "a:effectLst"}));
}

TEST_F(DrawingWriterTest, ShadowDirectionFollowsTheOffset) {
  Shape up = shapes.AddLine(1, 1, 5, 5);
  up.Shadow().Type(1);
  up.Shadow().IncrementOffsetX(-6);  // (0, 6): straight down
  Shape left = shapes.AddLine(1, 1, 5, 5);
  left.Shadow().Type(20);
  left.Shadow().IncrementOffsetX(-10);
  left.Shadow().IncrementOffsetY(-12);  // (-4, -6)
  const auto anchors = Anchors();
  const auto shadow = [](pugi::xml_node a) {
    return a.first_element_by_path("xdr:cxnSp/xdr:spPr/a:effectLst/a:outerShdw");
  };
  EXPECT_EQ(shadow(anchors[0]).attribute("dir").as_llong(), 5400000);
  EXPECT_EQ(shadow(anchors[0]).attribute("dist").as_llong(), 76200);
  // atan2(-6, -4) = 236.31 degrees.
  EXPECT_EQ(shadow(anchors[1]).attribute("dir").as_llong(), 14178596);
  EXPECT_EQ(shadow(anchors[1]).attribute("dist").as_llong(), 91581);
}

TEST_F(DrawingWriterTest, LinesAreConnectorsFlippedTowardsTheirEnd) {
  shapes.AddLine(10, 20, 110, 70);  // right and down
  shapes.AddLine(110, 20, 10, 70);  // left and down
  shapes.AddLine(10, 70, 110, 20);  // right and up
  shapes.AddLine(110, 70, 10, 20);  // left and up
  shapes.AddLine(50, 80, 50, 20);   // straight up
  const auto anchors = Anchors();
  ASSERT_EQ(anchors.size(), 5u);
  struct Expected {
    bool flipH, flipV;
  };
  const Expected expected[] = {
      {false, false}, {true, false}, {false, true}, {true, true}, {false, true}};
  for (std::size_t i = 0; i < anchors.size(); ++i) {
    const pugi::xml_node sp = anchors[i].child("xdr:cxnSp");
    ASSERT_TRUE(sp) << i;
    const pugi::xml_node xfrm = sp.first_element_by_path("xdr:spPr/a:xfrm");
    EXPECT_EQ(xfrm.attribute("flipH").as_bool(), expected[i].flipH) << i;
    EXPECT_EQ(xfrm.attribute("flipV").as_bool(), expected[i].flipV) << i;
    EXPECT_STREQ(sp.first_element_by_path("xdr:spPr/a:prstGeom").attribute("prst").value(), "line");
    EXPECT_FALSE(sp.first_element_by_path("xdr:spPr/a:ln/a:tailEnd")) << "no arrowhead asked";
  }
  // The anchors are the corners of the box spanned by the two points, whichever way the line
  // runs: (10, 20) in A1, (110, 70) 19.75 points into J (from 90.25) and 10 into row 4.
  for (std::size_t i = 0; i < 4; ++i) {
    EXPECT_STREQ(anchors[i].name(), "xdr:twoCellAnchor") << i;
    EXPECT_FALSE(anchors[i].attribute("editAs")) << "both ends follow their cells";
    EXPECT_EQ(Cell(anchors[i], "xdr:from"), (std::vector<long long>{0, 127000, 0, 254000})) << i;
    EXPECT_EQ(Cell(anchors[i], "xdr:to"), (std::vector<long long>{7, 250825, 3, 127000})) << i;
    const pugi::xml_node xfrm = anchors[i].first_element_by_path("xdr:cxnSp/xdr:spPr/a:xfrm");
    EXPECT_EQ(Attr(xfrm, "a:off", "x"), 10 * 12700) << i;
    EXPECT_EQ(Attr(xfrm, "a:off", "y"), 20 * 12700) << i;
    EXPECT_EQ(Attr(xfrm, "a:ext", "cx"), 100 * 12700) << i;
    EXPECT_EQ(Attr(xfrm, "a:ext", "cy"), 50 * 12700) << i;
  }
  // Straight up at 50 points, 0.25 into E: from row 1 to row 4, 20 points into both.
  EXPECT_EQ(Cell(anchors[4], "xdr:from"), (std::vector<long long>{4, 3175, 0, 254000}));
  EXPECT_EQ(Cell(anchors[4], "xdr:to"), (std::vector<long long>{4, 3175, 3, 254000}));
  EXPECT_EQ(Attr(anchors[4], "xdr:cxnSp/xdr:spPr/a:xfrm/a:ext", "cx"), 0);
  EXPECT_EQ(Attr(anchors[4], "xdr:cxnSp/xdr:spPr/a:xfrm/a:ext", "cy"), 60 * 12700);
}

TEST_F(DrawingWriterTest, ArrowheadsSitAtTheEndPointInTheirSize) {
  const std::int32_t sizes[] = {1, 2, 3};
  for (const std::int32_t size : sizes) {
    Shape arrow = shapes.AddLine(200, 100, 30, 20);
    arrow.Line().EndArrowheadStyle(excel::msoArrowheadTriangle);
    arrow.Line().EndArrowheadLength(size);
    arrow.Line().EndArrowheadWidth(4 - size);
    arrow.Line().Weight(1.5);
    arrow.Line().ForeColor().RGB(0x0080FF);
  }
  Shape defaults = shapes.AddLine(30, 20, 200, 100);
  defaults.Line().EndArrowheadStyle(excel::msoArrowheadTriangle);
  Shape open = shapes.AddLine(30, 20, 200, 100);
  open.Line().EndArrowheadStyle(excel::msoArrowheadOpen);

  const auto anchors = Anchors();
  const char* names[] = {"", "sm", "med", "lg"};
  for (std::size_t i = 0; i < 3; ++i) {
    const pugi::xml_node ln = anchors[i].first_element_by_path("xdr:cxnSp/xdr:spPr/a:ln");
    EXPECT_FALSE(ln.child("a:headEnd")) << "the begin point carries nothing";
    const pugi::xml_node tail = ln.child("a:tailEnd");
    EXPECT_STREQ(tail.attribute("type").value(), "triangle");
    EXPECT_STREQ(tail.attribute("len").value(), names[sizes[i]]);
    EXPECT_STREQ(tail.attribute("w").value(), names[4 - sizes[i]]);
    EXPECT_EQ(ln.attribute("w").as_llong(), 19050);
    EXPECT_STREQ(ln.first_element_by_path("a:solidFill/a:srgbClr").attribute("val").value(),
                 "FF8000");
    // The path runs from the begin point (200, 100) to the end (30, 20): both flips.
    const pugi::xml_node xfrm = anchors[i].first_element_by_path("xdr:cxnSp/xdr:spPr/a:xfrm");
    EXPECT_TRUE(xfrm.attribute("flipH").as_bool());
    EXPECT_TRUE(xfrm.attribute("flipV").as_bool());
  }
  const pugi::xml_node tail = anchors[3].first_element_by_path("xdr:cxnSp/xdr:spPr/a:ln/a:tailEnd");
  EXPECT_STREQ(tail.attribute("type").value(), "triangle");
  EXPECT_STREQ(tail.attribute("len").value(), "med");
  EXPECT_STREQ(tail.attribute("w").value(), "med");
  EXPECT_STREQ(anchors[4]
                   .first_element_by_path("xdr:cxnSp/xdr:spPr/a:ln/a:tailEnd")
                   .attribute("type")
                   .value(),
               "arrow");
}

TEST_F(DrawingWriterTest, DashesCompoundsTransparencyAndHiddenParts) {
  Shape dotted = shapes.AddLine(1, 1, 9, 9);
  dotted.Line().DashStyle(excel::msoLineRoundDot);
  dotted.Line().Style(excel::msoLineThinThick);
  dotted.Line().Transparency(0.25);
  Shape dashed = shapes.AddLine(1, 1, 9, 9);
  dashed.Line().DashStyle(excel::msoLineLongDashDot);
  Shape hidden = shapes.AddShape(excel::msoShapeOval, 1, 1, 9, 9);
  hidden.Fill().Visible(false);
  hidden.Line().Visible(false);
  Shape glassy = shapes.AddShape(excel::msoShapeOval, 1, 1, 9, 9);
  glassy.Fill().Transparency(0.5);
  glassy.Fill().ForeColor().RGB(0x123456);

  const auto anchors = Anchors();
  const pugi::xml_node dottedLn = anchors[0].first_element_by_path("xdr:cxnSp/xdr:spPr/a:ln");
  EXPECT_STREQ(dottedLn.attribute("cap").value(), "rnd");
  EXPECT_STREQ(dottedLn.attribute("cmpd").value(), "thinThick");
  EXPECT_STREQ(dottedLn.child("a:prstDash").attribute("val").value(), "sysDot");
  EXPECT_EQ(Attr(dottedLn, "a:solidFill/a:srgbClr/a:alpha", "val"), 75000);
  const pugi::xml_node dashedLn = anchors[1].first_element_by_path("xdr:cxnSp/xdr:spPr/a:ln");
  EXPECT_STREQ(dashedLn.child("a:prstDash").attribute("val").value(), "lgDashDot");
  EXPECT_FALSE(dashedLn.attribute("cap"));
  EXPECT_FALSE(dashedLn.first_element_by_path("a:solidFill/a:srgbClr/a:alpha"));

  const pugi::xml_node hiddenPr = anchors[2].first_element_by_path("xdr:sp/xdr:spPr");
  EXPECT_TRUE(hiddenPr.child("a:noFill"));
  EXPECT_TRUE(hiddenPr.child("a:ln").child("a:noFill"));
  EXPECT_FALSE(hiddenPr.child("a:effectLst"));

  const pugi::xml_node glassyFill = anchors[3].first_element_by_path("xdr:sp/xdr:spPr/a:solidFill");
  EXPECT_STREQ(glassyFill.child("a:srgbClr").attribute("val").value(), "563412");
  EXPECT_EQ(Attr(glassyFill, "a:srgbClr/a:alpha", "val"), 50000);
}

TEST_F(DrawingWriterTest, ShapesAreWrittenInDrawingOrderWithUniqueIds) {
  // A chart row: two symbols, then the line joining them sent behind; then an arrow on top.
  shapes.AddShape(excel::msoShapeOval, 10, 10, 6, 6);
  shapes.AddShape(excel::msoShapeOval, 60, 10, 6, 6);
  shapes.AddLine(13, 13, 63, 13).ZOrder(excel::msoSendToBack);
  shapes.AddLine(13, 13, 63, 90);
  std::vector<std::string> names;
  std::vector<int> ids;
  for (const pugi::xml_node anchor : Anchors()) {
    const pugi::xml_node props =
        anchor.find_node([](pugi::xml_node n) { return std::string(n.name()) == "xdr:cNvPr"; });
    names.push_back(props.attribute("name").value());
    ids.push_back(props.attribute("id").as_int());
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Gerade Verbindung 3", "Ellipse 1", "Ellipse 2",
                                             "Gerade Verbindung 4"}));
  EXPECT_EQ(ids, (std::vector<int>{4, 2, 3, 5}));
}

TEST_F(DrawingWriterTest, BordersAndHiddenColumnsAndRows) {
  // On the border of B and the hidden C, which is the border of D: in D. Just before it: in B.
  // On the border of row 1 and the hidden row 2: in row 3.
  shapes.AddShape(excel::msoShapeOval, 31.5, 30, 6, 6);
  shapes.AddShape(excel::msoShapeOval, 31.25, 29.5, 6, 6);
  // A line in row 5 ending where the hidden F lies: its end in G.
  shapes.AddLine(60, 95, 69, 95);
  const auto anchors = Anchors();
  EXPECT_EQ(Cell(anchors[0], "xdr:from"), (std::vector<long long>{3, 0, 2, 0}));
  EXPECT_EQ(Cell(anchors[1], "xdr:from"), (std::vector<long long>{1, 203200, 0, 374650}));
  EXPECT_EQ(Cell(anchors[2], "xdr:from"), (std::vector<long long>{4, 130175, 4, 63500}));
  EXPECT_EQ(Cell(anchors[2], "xdr:to"), (std::vector<long long>{6, 0, 4, 63500}));
}

TEST_F(DrawingWriterTest, BeyondTheSheetInItsLastCell) {
  // Column XFD (16384) is visible; the sheet is narrower than the largest coordinate.
  double dblRightEdge = 0;
  for (std::int32_t c = 1; c <= 16383; ++c) dblRightEdge += geometry.ColumnWidthPoints(c);
  const double dblRight = excel::Shapes::kMaxCoordinate;
  shapes.AddLine(dblRight, 1048576.0 * 30, dblRight, 1048576.0 * 30 + 12);
  const std::vector<long long> to = Cell(Anchors().at(0), "xdr:to");
  ASSERT_EQ(to.size(), 4u);
  EXPECT_EQ(to[0], 16383);
  EXPECT_EQ(to[1], std::llround((dblRight - dblRightEdge) * 12700));
  // A million rows of 30 points less the hidden one end 30 points before the line does.
  EXPECT_EQ(to[2], 1048575);
  EXPECT_EQ(to[3], (30 + 30 + 12) * 12700);
}

TEST_F(DrawingWriterTest, PiecesMakeUpTheSamePart) {
  for (int i = 0; i < 40; ++i) {
    Shape oval = shapes.AddShape(excel::msoShapeOval, 10 + i, 20, 12, 12);
    oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 0.35);
    oval.Shadow().Type(excel::msoShadow6);
    shapes.AddLine(10, 20 + i, 200, 30).ZOrder(excel::msoSendToBack);
  }
  xml = DrawingPart(shapes, geometry);

  // The part streamed: handed on in pieces of the writer's size, never held whole.
  class Pieces final : public excel::xlsx::XmlSink {
   public:
    void Write(std::string_view piece) override {
      EXPECT_FALSE(piece.empty());
      EXPECT_LE(piece.size(), 2000u);
      joined.append(piece);
      ++count;
    }
    std::string joined;
    int count = 0;
  } pieces;
  excel::xlsx::XmlWriter writer(pieces, 2000);
  excel::xlsx::WriteDrawingXml(shapes, geometry, writer);
  writer.Finish();
  EXPECT_EQ(pieces.joined, xml);
  EXPECT_GT(pieces.count, 10) << "the part comes in pieces of about the size asked for";

  // An empty sheet: the whole, empty part.
  Shapes none;
  EXPECT_TRUE(doc.load_string(DrawingPart(none, geometry).c_str()));
}

}  // namespace
