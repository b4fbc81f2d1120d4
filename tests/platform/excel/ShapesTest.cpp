// The shapes collection and the shape handles: what they keep, what they refuse, and the
// drawing order.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "platform/excel/Error.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Shapes.h"

namespace {

using excel::Shape;
using excel::Shapes;

TEST(ShapesTest, AddShapeDrawsOnlyTheOval) {
  Shapes shapes;
  const Shape oval = shapes.AddShape(excel::msoShapeOval, 10, 20, 12, 6);
  EXPECT_EQ(shapes.Count(), 1);
  EXPECT_DOUBLE_EQ(oval.Left(), 10);
  EXPECT_DOUBLE_EQ(oval.Top(), 20);
  EXPECT_DOUBLE_EQ(oval.Width(), 12);
  EXPECT_DOUBLE_EQ(oval.Height(), 6);
  EXPECT_EQ(oval.Name(), "Ellipse 1");

  for (const std::int32_t type : {1, 5, 8, 10, -2, 0}) {
    EXPECT_THROW(shapes.AddShape(type, 10, 20, 12, 6), excel::Error) << type;
  }
  EXPECT_EQ(shapes.Count(), 1) << "a refused shape is not added";
}

TEST(ShapesTest, AddLineKeepsBeginAndEnd) {
  Shapes shapes;
  shapes.AddShape(excel::msoShapeOval, 0, 0, 1, 1);
  const Shape line = shapes.AddLine(200, 100, 30, 20);
  EXPECT_EQ(shapes.Count(), 2);
  EXPECT_EQ(line.Name(), "Gerade Verbindung 2");
  EXPECT_DOUBLE_EQ(line.Left(), 30);
  EXPECT_DOUBLE_EQ(line.Top(), 20);
  EXPECT_DOUBLE_EQ(line.Width(), 170);
  EXPECT_DOUBLE_EQ(line.Height(), 80);
  const excel::ShapeRecord& record = shapes.Record(1);
  EXPECT_EQ(record.kind, excel::ShapeKind::Line);
  EXPECT_DOUBLE_EQ(record.dblX1, 200);
  EXPECT_DOUBLE_EQ(record.dblY1, 100);
  EXPECT_DOUBLE_EQ(record.dblX2, 30);
  EXPECT_DOUBLE_EQ(record.dblY2, 20);
}

TEST(ShapesTest, PositionsOffTheSheetAreRefused) {
  Shapes shapes;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_THROW(shapes.AddShape(excel::msoShapeOval, -1, 0, 1, 1), excel::Error);
  EXPECT_THROW(shapes.AddShape(excel::msoShapeOval, 0, nan, 1, 1), excel::Error);
  EXPECT_THROW(shapes.AddShape(excel::msoShapeOval, 0, 0, -2, 1), excel::Error);
  EXPECT_THROW(shapes.AddShape(excel::msoShapeOval, 0, 0, 1, inf), excel::Error);
  EXPECT_THROW(shapes.AddLine(0, 0, -0.5, 3), excel::Error);
  EXPECT_THROW(shapes.AddLine(0, nan, 1, 3), excel::Error);
  EXPECT_THROW(shapes.AddLine(0, 0, Shapes::kMaxCoordinate + 1, 3), excel::Error);
  EXPECT_EQ(shapes.Count(), 0);
  // A shape of no size is fine: a vertical line, a dot.
  EXPECT_NO_THROW(shapes.AddLine(5, 0, 5, 30));
  EXPECT_NO_THROW(shapes.AddShape(excel::msoShapeOval, 5, 5, 0, 0));
}

TEST(ShapesTest, ItemCountsFromOne) {
  Shapes shapes;
  shapes.AddShape(excel::msoShapeOval, 1, 1, 2, 2);
  shapes.AddLine(1, 1, 5, 5);
  EXPECT_EQ(shapes.Item(2).Name(), "Gerade Verbindung 2");
  EXPECT_THROW(shapes.Item(0), excel::Error);
  EXPECT_THROW(shapes.Item(3), excel::Error);
}

TEST(ShapesTest, HandlesStayValidWhileTheListGrowsAndMoves) {
  Shapes shapes;
  Shape first = shapes.AddShape(excel::msoShapeOval, 1, 1, 2, 2);
  for (int i = 0; i < 5000; ++i) shapes.AddLine(0, 0, 1, 1);
  first.Fill().ForeColor().RGB(0x0000FF);
  Shapes moved = std::move(shapes);
  first.Line().Weight(2.5);
  EXPECT_EQ(moved.Record(0).lngFillColor, 0x0000FF);
  EXPECT_FLOAT_EQ(moved.Record(0).sngLineWeight, 2.5f);
  EXPECT_EQ(moved.Count(), 5001);
}

TEST(ShapesTest, DefaultsAreExcelsForANewShape) {
  Shapes shapes;
  const Shape oval = shapes.AddShape(excel::msoShapeOval, 1, 1, 2, 2);
  const Shape line = shapes.AddLine(1, 1, 2, 2);
  EXPECT_TRUE(oval.Fill().Visible());
  EXPECT_EQ(oval.Fill().ForeColor().RGB(), 0xFFFFFF);
  EXPECT_EQ(oval.Fill().GradientStyle(), 0);
  EXPECT_FALSE(line.Fill().Visible());
  for (const Shape& shape : {oval, line}) {
    EXPECT_TRUE(shape.Line().Visible());
    EXPECT_DOUBLE_EQ(shape.Line().Weight(), 0.75);
    EXPECT_EQ(shape.Line().ForeColor().RGB(), 0);
    EXPECT_EQ(shape.Line().DashStyle(), excel::msoLineSolid);
    EXPECT_EQ(shape.Line().EndArrowheadStyle(), excel::msoArrowheadNone);
    EXPECT_EQ(shape.Line().EndArrowheadLength(), excel::msoArrowheadLengthMedium);
    EXPECT_EQ(shape.Line().EndArrowheadWidth(), excel::msoArrowheadWidthMedium);
    EXPECT_FALSE(shape.Shadow().Visible());
    EXPECT_EQ(shape.Shadow().Type(), 0);
  }
}

TEST(ShapesTest, TheSymbolsFormatsAreKept) {
  Shapes shapes;
  Shape oval = shapes.AddShape(excel::msoShapeOval, 94, 40, 12, 12);
  oval.Fill().Transparency(0);
  oval.Fill().Visible(true);
  oval.Fill().ForeColor().RGB(0x00C0FF);
  oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 0.35);
  oval.Line().Weight(0.75);
  oval.Line().DashStyle(excel::msoLineSolid);
  oval.Line().Style(excel::msoLineSingle);
  oval.Line().Transparency(0);
  oval.Line().Visible(true);
  oval.Line().ForeColor().RGB(0);
  oval.Line().BackColor().RGB(0xFFFFFF);
  oval.Shadow().Type(excel::msoShadow6);
  oval.Shadow().IncrementOffsetX(-3);
  oval.Shadow().IncrementOffsetY(-3);
  oval.Shadow().ForeColor().RGB(0x808080);

  EXPECT_EQ(oval.Fill().ForeColor().RGB(), 0x00C0FF);
  EXPECT_EQ(oval.Fill().GradientStyle(), excel::msoGradientFromCenter);
  EXPECT_EQ(oval.Fill().GradientVariant(), 1);
  EXPECT_NEAR(oval.Fill().GradientDegree(), 0.35, 1e-6);
  EXPECT_EQ(oval.Line().BackColor().RGB(), 0xFFFFFF);
  EXPECT_TRUE(oval.Shadow().Visible());
  EXPECT_EQ(oval.Shadow().Type(), 6);
  EXPECT_DOUBLE_EQ(oval.Shadow().OffsetX(), excel::ShadowFormat::kTypeOffset - 3);
  EXPECT_DOUBLE_EQ(oval.Shadow().OffsetY(), excel::ShadowFormat::kTypeOffset - 3);
  EXPECT_EQ(oval.Shadow().ForeColor().RGB(), 0x808080);

  Shape arrow = shapes.AddLine(100, 46, 100, 120);
  arrow.Line().EndArrowheadStyle(excel::msoArrowheadTriangle);
  arrow.Line().EndArrowheadLength(excel::msoArrowheadLong);
  arrow.Line().EndArrowheadWidth(excel::msoArrowheadWide);
  arrow.Line().Weight(1.5);
  EXPECT_EQ(arrow.Line().EndArrowheadStyle(), 2);
  EXPECT_EQ(arrow.Line().EndArrowheadLength(), 3);
  EXPECT_EQ(arrow.Line().EndArrowheadWidth(), 3);
  EXPECT_DOUBLE_EQ(arrow.Line().Weight(), 1.5);
}

TEST(ShapesTest, ConstantsOutsideTheirSetsAreRefusedAndChangeNothing) {
  Shapes shapes;
  Shape oval = shapes.AddShape(excel::msoShapeOval, 1, 1, 2, 2);
  Shape line = shapes.AddLine(1, 1, 9, 9);
  const double nan = std::numeric_limits<double>::quiet_NaN();

  EXPECT_THROW(oval.Fill().OneColorGradient(0, 1, 0.5), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(8, 1, 0.5), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 3, 0.5), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(excel::msoGradientFromTitle, 3, 0.5), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(excel::msoGradientHorizontal, 5, 0.5), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(excel::msoGradientHorizontal, 0, 0.5), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 1.01), excel::Error);
  EXPECT_THROW(oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, nan), excel::Error);
  EXPECT_NO_THROW(oval.Fill().OneColorGradient(excel::msoGradientHorizontal, 4, 1.0));
  EXPECT_NO_THROW(oval.Fill().OneColorGradient(excel::msoGradientFromCorner, 4, 0.0));
  EXPECT_EQ(oval.Fill().GradientVariant(), 4);

  EXPECT_THROW(oval.Fill().Transparency(-0.1), excel::Error);
  EXPECT_THROW(oval.Fill().Transparency(1.1), excel::Error);
  EXPECT_THROW(oval.Fill().ForeColor().RGB(0x1000000), excel::Error);
  EXPECT_THROW(oval.Fill().ForeColor().RGB(-1), excel::Error);
  EXPECT_EQ(oval.Fill().ForeColor().RGB(), 0xFFFFFF);

  EXPECT_THROW(line.Line().Weight(-0.25), excel::Error);
  EXPECT_THROW(line.Line().Weight(1585), excel::Error);
  EXPECT_THROW(line.Line().DashStyle(0), excel::Error);
  EXPECT_THROW(line.Line().DashStyle(13), excel::Error);
  EXPECT_THROW(line.Line().Style(6), excel::Error);
  EXPECT_THROW(line.Line().Transparency(2), excel::Error);
  EXPECT_THROW(line.Line().EndArrowheadStyle(0), excel::Error);
  EXPECT_THROW(line.Line().EndArrowheadStyle(7), excel::Error);
  EXPECT_THROW(line.Line().EndArrowheadLength(0), excel::Error);
  EXPECT_THROW(line.Line().EndArrowheadLength(4), excel::Error);
  EXPECT_THROW(line.Line().EndArrowheadWidth(4), excel::Error);
  EXPECT_THROW(line.Line().BackColor().RGB(0x7FFFFFFF), excel::Error);
  EXPECT_DOUBLE_EQ(line.Line().Weight(), 0.75);
  EXPECT_EQ(line.Line().EndArrowheadLength(), 2);

  EXPECT_THROW(line.Shadow().Type(0), excel::Error);
  EXPECT_THROW(line.Shadow().Type(21), excel::Error);
  EXPECT_THROW(line.Shadow().Type(-2), excel::Error);
  EXPECT_THROW(line.Shadow().IncrementOffsetX(nan), excel::Error);
  EXPECT_THROW(line.Shadow().IncrementOffsetY(1e9), excel::Error);
  EXPECT_FALSE(line.Shadow().Visible());
  EXPECT_EQ(line.Shadow().OffsetY(), 0);

  EXPECT_THROW(line.ZOrder(4), excel::Error);
  EXPECT_THROW(line.ZOrder(-1), excel::Error);
}

TEST(ShapesTest, RefusalsCarryExcelsNumberAndNameTheMember) {
  Shapes shapes;
  Shape line = shapes.AddLine(1, 1, 9, 9);
  try {
    line.Line().EndArrowheadWidth(9);
    FAIL() << "no error";
  } catch (const excel::Error& e) {
    EXPECT_EQ(e.Number(), vb::kErrInvalidProcedureCall);
    EXPECT_NE(e.Description().find("Line.EndArrowheadWidth"), std::string::npos);
    EXPECT_NE(e.Description().find('9'), std::string::npos);
  }
}

std::vector<std::int32_t> Order(const Shapes& shapes) {
  return shapes.DrawingOrder();
}

TEST(ShapesTest, DrawingOrderFollowsAdditionAndZOrder) {
  Shapes shapes;
  shapes.AddShape(excel::msoShapeOval, 1, 1, 2, 2);  // 0
  shapes.AddShape(excel::msoShapeOval, 1, 1, 2, 2);  // 1
  Shape line = shapes.AddLine(1, 1, 9, 9);           // 2
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{0, 1, 2}));

  // A row's joining line goes behind every shape drawn so far.
  line.ZOrder(excel::msoSendToBack);
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{2, 0, 1}));
  EXPECT_EQ(line.ZOrderPosition(), 1);

  Shape second = shapes.AddLine(1, 1, 9, 9);  // 3, drawn last
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{2, 0, 1, 3}));
  second.ZOrder(excel::msoSendToBack);
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{3, 2, 0, 1}));

  shapes.Item(4).ZOrder(excel::msoBringForward);
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{2, 3, 0, 1}));
  shapes.Item(2).ZOrder(excel::msoSendBackward);
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{2, 3, 1, 0}));
  shapes.Item(3).ZOrder(excel::msoBringToFront);
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{3, 1, 0, 2}));
  // At the back already: one step further back changes nothing.
  shapes.Item(4).ZOrder(excel::msoSendBackward);
  EXPECT_EQ(Order(shapes), (std::vector<std::int32_t>{3, 1, 0, 2}));
}

TEST(ShapesTest, ARecordStaysSmall) {
  // The chart draws a hundred thousand shapes and more; each must stay a small flat record.
  EXPECT_LE(sizeof(excel::ShapeRecord), 96u);
  EXPECT_LE(sizeof(Shape), 16u);
}

}  // namespace
