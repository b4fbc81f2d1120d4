#include "platform/excel/DrawingGradient.h"

#include <algorithm>
#include <cmath>

#include "platform/excel/ShapeConstants.h"

namespace excel {

namespace {

constexpr std::int32_t kFull = 100000;
constexpr std::int32_t kHalf = 50000;
constexpr std::int32_t kDegree = 60000;

std::int32_t Channel(std::int32_t lngColor, int intShift) {
  return (lngColor >> intShift) & 0xFF;
}

// Mixes a channel with black or white; the share is in millionths, so that the degrees Excel
// users pick (0.35 and the like, stored as Single) give the shade they mean, rounded half up.
std::int32_t MixChannel(std::int32_t lngValue, std::int32_t lngTarget, std::int64_t lngShare) {
  const std::int64_t lngDelta = static_cast<std::int64_t>(lngTarget - lngValue) * lngShare;
  const std::int64_t lngStep =
      lngDelta >= 0 ? (lngDelta + 500000) / 1000000 : -((-lngDelta + 499999) / 1000000);
  return std::clamp(static_cast<std::int32_t>(lngValue + lngStep), 0, 255);
}

void SetStops(GradientLayout& layout, std::initializer_list<GradientStop> stops) {
  layout.intStopCount = 0;
  for (const GradientStop& stop : stops) layout.stops[layout.intStopCount++] = stop;
}

}  // namespace

std::int32_t OneColorGradientShade(std::int32_t lngColor, double dblDegree) {
  const double dblDegreeClamped = std::clamp(dblDegree, 0.0, 1.0);
  const bool blnDarker = dblDegreeClamped < 0.5;
  const std::int32_t lngTarget = blnDarker ? 0 : 255;
  const double dblShare = blnDarker ? 1.0 - 2.0 * dblDegreeClamped : 2.0 * dblDegreeClamped - 1.0;
  const auto lngShare = static_cast<std::int64_t>(std::llround(dblShare * 1000000));
  std::int32_t lngShade = 0;
  for (int intShift : {0, 8, 16}) {
    lngShade |= MixChannel(Channel(lngColor, intShift), lngTarget, lngShare) << intShift;
  }
  return lngShade;
}

GradientLayout OneColorGradientLayout(std::int32_t lngStyle, std::int32_t lngVariant,
                                      double dblDegree, std::int32_t lngColor) {
  const std::int32_t lngShade = OneColorGradientShade(lngColor, dblDegree);
  GradientLayout layout;
  switch (lngStyle) {
    case msoGradientFromCorner: {
      layout.blnPath = true;
      const bool blnRight = lngVariant == 2 || lngVariant == 4;
      const bool blnBottom = lngVariant == 3 || lngVariant == 4;
      layout.lngFillLeft = blnRight ? kFull : 0;
      layout.lngFillRight = blnRight ? 0 : kFull;
      layout.lngFillTop = blnBottom ? kFull : 0;
      layout.lngFillBottom = blnBottom ? 0 : kFull;
      SetStops(layout, {{0, lngColor}, {kFull, lngShade}});
      return layout;
    }
    case msoGradientFromTitle:
    case msoGradientFromCenter: {
      layout.blnPath = true;
      layout.blnCircle = lngStyle == msoGradientFromCenter;
      layout.lngFillLeft = layout.lngFillTop = layout.lngFillRight = layout.lngFillBottom = kHalf;
      const std::int32_t lngMiddle = lngVariant == 1 ? lngColor : lngShade;
      const std::int32_t lngEdge = lngVariant == 1 ? lngShade : lngColor;
      SetStops(layout, {{0, lngMiddle}, {kFull, lngEdge}});
      return layout;
    }
    case msoGradientHorizontal:
      layout.lngAngle = 90 * kDegree;
      break;
    case msoGradientVertical:
      layout.lngAngle = 0;
      break;
    case msoGradientDiagonalUp:
      layout.lngAngle = 45 * kDegree;
      break;
    default:  // msoGradientDiagonalDown
      layout.lngAngle = 135 * kDegree;
      break;
  }
  switch (lngVariant) {
    case 1:
      SetStops(layout, {{0, lngColor}, {kFull, lngShade}});
      break;
    case 2:
      SetStops(layout, {{0, lngShade}, {kFull, lngColor}});
      break;
    case 3:
      SetStops(layout, {{0, lngColor}, {kHalf, lngShade}, {kFull, lngColor}});
      break;
    default:
      SetStops(layout, {{0, lngShade}, {kHalf, lngColor}, {kFull, lngShade}});
      break;
  }
  return layout;
}

}  // namespace excel
