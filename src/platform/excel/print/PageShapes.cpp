#include "platform/excel/print/PageShapes.h"

#include <algorithm>
#include <cmath>

#include "platform/excel/DrawingGradient.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Shapes.h"

namespace excel {

namespace {

float ArrowFactor(std::uint8_t intSize) {
  return intSize == 1 ? 2.0f : intSize == 3 ? 5.0f : 3.0f;
}

PageShape Describe(const ShapeRecord& r) {
  PageShape shape;
  shape.kind = r.kind == ShapeKind::Oval ? PageShapeKind::Ellipse : PageShapeKind::Line;
  shape.dblX1 = r.dblX1;
  shape.dblY1 = r.dblY1;
  shape.dblX2 = r.dblX2;
  shape.dblY2 = r.dblY2;

  shape.blnFill = r.kind == ShapeKind::Oval && r.blnFillVisible;
  shape.lngFillColor = r.lngFillColor;
  shape.sngFillAlpha = 1.0f - r.sngFillTransparency;
  if (shape.blnFill && r.intGradientStyle != 0) {
    const GradientLayout layout = OneColorGradientLayout(r.intGradientStyle, r.intGradientVariant,
                                                         r.sngGradientDegree, r.lngFillColor);
    shape.blnGradient = true;
    shape.blnRadial = layout.blnPath;
    shape.dblCenterX = layout.lngFillLeft / 100000.0;
    shape.dblCenterY = layout.lngFillTop / 100000.0;
    shape.dblAngle = layout.lngAngle / 60000.0;
    shape.intStopCount = static_cast<std::uint8_t>(layout.intStopCount);
    for (std::int32_t i = 0; i < layout.intStopCount; ++i) {
      shape.stops[static_cast<std::size_t>(i)] =
          PageGradientStop{layout.stops[i].lngPosition / 100000.0, layout.stops[i].lngColor};
    }
  }

  shape.blnLine = r.blnLineVisible;
  shape.sngLineWeight = r.sngLineWeight;
  shape.lngLineColor = r.lngLineColor;
  shape.sngLineAlpha = 1.0f - r.sngLineTransparency;
  shape.intDash = r.intDashStyle;

  if (r.kind == ShapeKind::Line && r.intEndArrowStyle != msoArrowheadNone) {
    const float sngUnit = std::max(r.sngLineWeight, 1.0f);
    shape.intArrowStyle = r.intEndArrowStyle;
    shape.sngArrowLength = ArrowFactor(r.intEndArrowLength) * sngUnit;
    shape.sngArrowWidth = ArrowFactor(r.intEndArrowWidth) * sngUnit;
  }

  shape.blnShadow = r.intShadowType != 0;
  shape.sngShadowX = r.sngShadowOffsetX;
  shape.sngShadowY = r.sngShadowOffsetY;
  shape.lngShadowColor = r.lngShadowColor;
  return shape;
}

}  // namespace

void DescribeShapes(const Shapes& shapes, PageDrawing& drawing) {
  const std::vector<std::int32_t> order = shapes.DrawingOrder();
  drawing.shapes.reserve(drawing.shapes.size() + order.size());
  for (std::int32_t index : order) drawing.shapes.push_back(Describe(shapes.Record(index)));
}

bool ShapesBounds(const PageDrawing& drawing, PageRect& bounds) {
  double dblLeft = 0, dblTop = 0, dblRight = 0, dblBottom = 0;
  bool blnAny = false;
  for (const PageShape& s : drawing.shapes) {
    const double dblPad = s.sngLineWeight / 2.0 + std::max(s.sngArrowLength, s.sngArrowWidth);
    double l = std::min(s.dblX1, s.dblX2) - dblPad, t = std::min(s.dblY1, s.dblY2) - dblPad;
    double r = std::max(s.dblX1, s.dblX2) + dblPad, b = std::max(s.dblY1, s.dblY2) + dblPad;
    if (s.blnShadow) {
      l = std::min(l, l + s.sngShadowX);
      r = std::max(r, r + s.sngShadowX);
      t = std::min(t, t + s.sngShadowY);
      b = std::max(b, b + s.sngShadowY);
    }
    if (!blnAny) {
      dblLeft = l, dblTop = t, dblRight = r, dblBottom = b;
      blnAny = true;
    } else {
      dblLeft = std::min(dblLeft, l), dblTop = std::min(dblTop, t);
      dblRight = std::max(dblRight, r), dblBottom = std::max(dblBottom, b);
    }
  }
  if (blnAny) bounds = PageRect{dblLeft, dblTop, dblRight - dblLeft, dblBottom - dblTop};
  return blnAny;
}

}  // namespace excel
