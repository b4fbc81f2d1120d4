// The drawing operations on a sheet of the engine: what each shape is given, and that a
// failing call is reported while the others are still made.

#include <gtest/gtest.h>

#include "export/ChartShapes.h"
#include "platform/excel/Application.h"
#include "platform/excel/Worksheet.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"
#include "system/export/TestPlan.h"

namespace {

using namespace exporttest;

class ChartShapesTest : public ::testing::Test {
 protected:
  ChartShapesTest() {
    WritePlan(dir_ / "Plan.xml", {Linked("A", "1", "Anna")}, {{"Anna", "Leitung"}});
    run_ = std::make_unique<ChartRun>(dir_ / "Plan.xml");
    objEngine_.Workbooks().Add();
    q().objXlApp = &objEngine_;
    q().lngSymShadowColor = 0x112233;
    q().lngArrowShadowColor = 0x445566;
  }
  ~ChartShapesTest() override { q().objXlApp = nullptr; }

  clsQuorvan& q() { return run_->Builder(); }
  excel::Shapes& Shapes() { return objEngine_.ActiveSheet().Shapes(); }

  testsupport::TempDir dir_;
  std::unique_ptr<ChartRun> run_;
  excel::Application objEngine_;
};

TEST_F(ChartShapesTest, ACircleIsCentredWithAGradientFromItsCentreAndABlackOutline) {
  EXPECT_FALSE(DrawCircle(q(), 100, 50, 6, 0x00FF00, false));
  excel::Shape objShape = Shapes().Item(1);
  EXPECT_DOUBLE_EQ(objShape.Left(), 94);
  EXPECT_DOUBLE_EQ(objShape.Top(), 44);
  EXPECT_DOUBLE_EQ(objShape.Width(), 12);
  EXPECT_DOUBLE_EQ(objShape.Height(), 12);
  EXPECT_EQ(objShape.Fill().ForeColor().RGB(), 0x00FF00);
  EXPECT_EQ(objShape.Fill().GradientStyle(), 7);
  EXPECT_EQ(objShape.Fill().GradientVariant(), 1);
  EXPECT_NEAR(objShape.Fill().GradientDegree(), 0.35, 1e-6);
  EXPECT_DOUBLE_EQ(objShape.Line().Weight(), 0.75);
  EXPECT_EQ(objShape.Line().ForeColor().RGB(), 0);
  EXPECT_EQ(objShape.Shadow().Type(), 0);
}

TEST_F(ChartShapesTest, ShadowsLieThreePointsOffInTheirOwnColours) {
  DrawCircle(q(), 100, 50, 3, 0, true);
  DrawLine(q(), 10, 20, 30, 20, 0, true);
  DrawArrow(q(), 10, 20, 30, 40, 0, true);
  const std::int32_t colColors[] = {0x112233, 0x445566, 0x445566};
  for (std::int32_t i = 1; i <= 3; ++i) {
    excel::Shape objShape = Shapes().Item(i);
    EXPECT_EQ(objShape.Shadow().Type(), 6) << i;
    EXPECT_DOUBLE_EQ(objShape.Shadow().OffsetX(), 3) << i;
    EXPECT_DOUBLE_EQ(objShape.Shadow().OffsetY(), 3) << i;
    EXPECT_EQ(objShape.Shadow().ForeColor().RGB(), colColors[i - 1]) << i;
  }
}

TEST_F(ChartShapesTest, ALineGoesBehindEverythingDrawnBeforeIt) {
  DrawCircle(q(), 100, 50, 6, 0, false);
  DrawLine(q(), 10, 20, 30, 20, 0xABCDEF, false);
  EXPECT_EQ(Shapes().Item(2).ZOrderPosition(), 1);
  EXPECT_DOUBLE_EQ(Shapes().Item(2).Line().Weight(), 0.25);
  EXPECT_EQ(Shapes().Item(2).Line().ForeColor().RGB(), 0xABCDEF);
}

TEST_F(ChartShapesTest, ArrowHeadsFollowTheSizeAndNoSizeKeepsTheDefaults) {
  const std::pair<const char*, std::int32_t> colSizes[] = {
      {"klein", 1}, {"mittel", 2}, {"groß", 3}};
  q().dblArrowThickness = 1.75;
  std::int32_t i = 0;
  for (const auto& [strSize, lngSize] : colSizes) {
    q().arrowSize = chart::ArrowSizeNamed(strSize);
    EXPECT_FALSE(DrawArrow(q(), 10, 20, 30, 40, 0xFF0000, false));
    excel::LineFormat objLine = Shapes().Item(++i).Line();
    EXPECT_EQ(objLine.EndArrowheadStyle(), 2) << strSize;
    EXPECT_EQ(objLine.EndArrowheadLength(), lngSize) << strSize;
    EXPECT_EQ(objLine.EndArrowheadWidth(), lngSize) << strSize;
    EXPECT_DOUBLE_EQ(objLine.Weight(), 1.75);
  }
  excel::Shapes objFresh;
  const excel::Shape objDefault = objFresh.AddLine(0, 0, 1, 1);
  q().arrowSize.reset();
  DrawArrow(q(), 10, 20, 30, 40, 0xFF0000, false);
  excel::LineFormat objLine = Shapes().Item(++i).Line();
  EXPECT_EQ(objLine.EndArrowheadStyle(), 2);
  EXPECT_EQ(objLine.EndArrowheadLength(), objDefault.Line().EndArrowheadLength());
  EXPECT_EQ(objLine.EndArrowheadWidth(), objDefault.Line().EndArrowheadWidth());
}

TEST_F(ChartShapesTest, ARefusedCallIsReportedAndTheOtherCallsAreStillMade) {
  // A weight Excel refuses: the arrow is still drawn, with its head and colour.
  q().dblArrowThickness = -1;
  q().arrowSize = chart::ArrowSize::Large;
  EXPECT_TRUE(DrawArrow(q(), 10, 20, 30, 40, 0x0000FF, false));
  ASSERT_EQ(Shapes().Count(), 1);
  EXPECT_EQ(Shapes().Item(1).Line().EndArrowheadLength(), 3);
  EXPECT_EQ(Shapes().Item(1).Line().ForeColor().RGB(), 0x0000FF);
  // Without an engine nothing can be drawn, and that is reported, not thrown.
  q().objXlApp = nullptr;
  EXPECT_TRUE(DrawCircle(q(), 1, 1, 3, 0, true));
  EXPECT_TRUE(DrawLine(q(), 1, 1, 2, 2, 0, false));
}

}  // namespace
