#pragma once
// The shape layer of a printed worksheet: every shape of the sheet in its drawing order, at the
// points where it was placed (see PageDescription.h).
//
// Arrowheads are sized as Office sizes them, in multiples of the line's weight: short or
// narrow 2, medium 3, long or wide 5; a line thinner than one point is counted as one point,
// so that the head of a hairline arrow stays visible.

#include "platform/excel/print/PageDescription.h"

namespace excel {

class Shapes;

void DescribeShapes(const Shapes& shapes, PageDrawing& drawing);

// The box holding every shape with its outline, head and shadow; false without shapes.
bool ShapesBounds(const PageDrawing& drawing, PageRect& bounds);

}  // namespace excel
