// The one-colour gradient: the shade the degree picks and where style and variant put the
// colour and the shade.

#include <gtest/gtest.h>

#include "platform/excel/DrawingGradient.h"
#include "platform/excel/ShapeConstants.h"

namespace {

using excel::GradientLayout;
using excel::OneColorGradientLayout;
using excel::OneColorGradientShade;

constexpr std::int32_t kRed = 0x0000FF;  // Windows colour: red in the low byte
constexpr std::int32_t kOrange = 0x0080FF;

TEST(DrawingGradientTest, DegreeRunsFromBlackOverTheColourToWhite) {
  EXPECT_EQ(OneColorGradientShade(kOrange, 0.0), 0x000000);
  EXPECT_EQ(OneColorGradientShade(kOrange, 0.5), kOrange);
  EXPECT_EQ(OneColorGradientShade(kOrange, 1.0), 0xFFFFFF);
  // The symbols' 0.35: 70 % of each channel, rounded.
  EXPECT_EQ(OneColorGradientShade(kOrange, 0.35), 0x005AB3);
  EXPECT_EQ(OneColorGradientShade(0xC8C8C8, 0.35), 0x8C8C8C);
  // 0.75: half way to white; channels stay apart.
  EXPECT_EQ(OneColorGradientShade(0x204060, 0.75), 0x90A0B0);
}

TEST(DrawingGradientTest, FromTheCentreIsACircleWithTheColourInTheMiddle) {
  const GradientLayout v1 = OneColorGradientLayout(excel::msoGradientFromCenter, 1, 0.35, kRed);
  EXPECT_TRUE(v1.blnPath);
  EXPECT_TRUE(v1.blnCircle);
  EXPECT_EQ(v1.lngFillLeft, 50000);
  EXPECT_EQ(v1.lngFillTop, 50000);
  EXPECT_EQ(v1.lngFillRight, 50000);
  EXPECT_EQ(v1.lngFillBottom, 50000);
  ASSERT_EQ(v1.intStopCount, 2);
  EXPECT_EQ(v1.stops[0].lngPosition, 0);  // the path's centre
  EXPECT_EQ(v1.stops[0].lngColor, kRed);
  EXPECT_EQ(v1.stops[1].lngPosition, 100000);
  EXPECT_EQ(v1.stops[1].lngColor, 0x0000B3);

  const GradientLayout v2 = OneColorGradientLayout(excel::msoGradientFromCenter, 2, 0.35, kRed);
  EXPECT_EQ(v2.stops[0].lngColor, 0x0000B3);
  EXPECT_EQ(v2.stops[1].lngColor, kRed);

  const GradientLayout title = OneColorGradientLayout(excel::msoGradientFromTitle, 1, 0.8, kRed);
  EXPECT_TRUE(title.blnPath);
  EXPECT_FALSE(title.blnCircle);
}

TEST(DrawingGradientTest, FromACornerStartsInThatCorner) {
  struct Case {
    std::int32_t variant, l, t, r, b;
  };
  for (const Case c : {Case{1, 0, 0, 100000, 100000}, Case{2, 100000, 0, 0, 100000},
                       Case{3, 0, 100000, 100000, 0}, Case{4, 100000, 100000, 0, 0}}) {
    const GradientLayout g = OneColorGradientLayout(excel::msoGradientFromCorner, c.variant, 0, 7);
    EXPECT_TRUE(g.blnPath);
    EXPECT_FALSE(g.blnCircle);
    EXPECT_EQ(g.lngFillLeft, c.l) << c.variant;
    EXPECT_EQ(g.lngFillTop, c.t) << c.variant;
    EXPECT_EQ(g.lngFillRight, c.r) << c.variant;
    EXPECT_EQ(g.lngFillBottom, c.b) << c.variant;
    EXPECT_EQ(g.stops[0].lngColor, 7);
  }
}

TEST(DrawingGradientTest, LinearStylesRunInTheirDirectionWithTheirVariants) {
  EXPECT_EQ(OneColorGradientLayout(excel::msoGradientHorizontal, 1, 0, kRed).lngAngle, 5400000);
  EXPECT_EQ(OneColorGradientLayout(excel::msoGradientVertical, 1, 0, kRed).lngAngle, 0);
  EXPECT_EQ(OneColorGradientLayout(excel::msoGradientDiagonalUp, 1, 0, kRed).lngAngle, 2700000);
  EXPECT_EQ(OneColorGradientLayout(excel::msoGradientDiagonalDown, 1, 0, kRed).lngAngle, 8100000);

  const GradientLayout v2 = OneColorGradientLayout(excel::msoGradientHorizontal, 2, 0, kRed);
  EXPECT_FALSE(v2.blnPath);
  ASSERT_EQ(v2.intStopCount, 2);
  EXPECT_EQ(v2.stops[0].lngColor, 0);
  EXPECT_EQ(v2.stops[1].lngColor, kRed);

  const GradientLayout v3 = OneColorGradientLayout(excel::msoGradientVertical, 3, 1, kRed);
  ASSERT_EQ(v3.intStopCount, 3);
  EXPECT_EQ(v3.stops[0].lngColor, kRed);
  EXPECT_EQ(v3.stops[1].lngPosition, 50000);
  EXPECT_EQ(v3.stops[1].lngColor, 0xFFFFFF);
  EXPECT_EQ(v3.stops[2].lngColor, kRed);

  const GradientLayout v4 = OneColorGradientLayout(excel::msoGradientVertical, 4, 1, kRed);
  ASSERT_EQ(v4.intStopCount, 3);
  EXPECT_EQ(v4.stops[0].lngColor, 0xFFFFFF);
  EXPECT_EQ(v4.stops[1].lngColor, kRed);
}

}  // namespace
