#pragma once
// Shapes drawn on the engine the way a chart draws them: a role symbol (an oval with its
// gradient from the centre, outline and shadow), a line joining a row's symbols, an arrow of the
// communication network. For the engine's own tests and benchmarks, which stand below the
// export and cannot call its drawing routines.

#include <cstdint>

#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Shapes.h"

namespace testsupport {

inline excel::Shape DrawChartSymbol(excel::Shapes& shapes, double x, double y, double radius,
                                    std::int32_t color, std::int32_t shadowColor) {
  excel::Shape oval =
      shapes.AddShape(excel::msoShapeOval, x - radius, y - radius, 2 * radius, 2 * radius);
  oval.Fill().Transparency(0);
  oval.Fill().Visible(true);
  oval.Fill().ForeColor().RGB(color);
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
  oval.Shadow().ForeColor().RGB(shadowColor);
  return oval;
}

inline excel::Shape DrawChartRowLine(excel::Shapes& shapes, double x1, double y1, double x2,
                                     double y2) {
  excel::Shape line = shapes.AddLine(x1, y1, x2, y2);
  line.Line().ForeColor().RGB(0);
  line.Line().Visible(true);
  line.Line().Weight(0.25);
  line.Line().Style(excel::msoLineSingle);
  line.ZOrder(excel::msoSendToBack);
  return line;
}

inline excel::Shape DrawChartArrow(excel::Shapes& shapes, double x1, double y1, double x2,
                                   double y2, std::int32_t size, std::int32_t color) {
  excel::Shape arrow = shapes.AddLine(x1, y1, x2, y2);
  arrow.Line().EndArrowheadStyle(excel::msoArrowheadTriangle);
  arrow.Line().EndArrowheadLength(size);
  arrow.Line().EndArrowheadWidth(size);
  arrow.Line().ForeColor().RGB(color);
  arrow.Line().Visible(true);
  arrow.Line().Weight(1.5);
  arrow.Line().Style(excel::msoLineSingle);
  return arrow;
}

// The shapes of task row `row` (counted from 0) of a chart over `resources` resource columns:
// three symbols, the lines joining them, and one arrow down to a later row's responsible, a
// second one every other row (1.5 on average, as in a full chart).
inline void DrawChartRowShapes(excel::Shapes& shapes, int row, int resources) {
  constexpr double kRowHeight = 18, kColumnWidth = 24.75, kFirstX = 300, kFirstY = 120;
  const double y = kFirstY + row * kRowHeight + kRowHeight / 2;
  const int first = (row * 7) % (resources - 12);
  const double xParticipant = kFirstX + first * kColumnWidth;
  const double xInformed = xParticipant + 5 * kColumnWidth;
  const double xResponsible = xParticipant + 11 * kColumnWidth;
  DrawChartSymbol(shapes, xParticipant, y, 3, 0x00C0FF, 0x808080);
  DrawChartSymbol(shapes, xInformed, y, 3, 0x00B050, 0x808080);
  DrawChartSymbol(shapes, xResponsible, y, 6, 0x0000FF, 0x808080);
  for (const double x : {xInformed, xResponsible}) {
    DrawChartRowLine(shapes, xParticipant, y, x, y);
  }
  for (int arrow = 0; arrow < (row % 2 == 0 ? 2 : 1); ++arrow) {
    const double yTo = y + (1 + arrow) * kRowHeight;
    const double xTo = kFirstX + (((row + 1 + arrow) * 7) % (resources - 12) + 11) * kColumnWidth;
    DrawChartArrow(shapes, xResponsible, y, xTo, yTo, 1 + row % 3, 0x993300);
  }
}

}  // namespace testsupport
