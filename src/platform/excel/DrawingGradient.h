#pragma once
// Excel's one-colour gradient in DrawingML terms.
//
// The gradient runs between the fill's fore colour and a shade of it chosen by the degree:
// degree 0.0 gives black, 0.5 the colour itself, 1.0 white; in between the colour is mixed
// linearly with black (below 0.5) or white (above). The chart's symbols use degree 0.35, a
// shade at 70 % of the colour.
//
// Style and variant place the two colours as Excel's fill dialog shows them:
// - horizontal, vertical, diagonal up, diagonal down (linear, at 90, 0, 45 and 135 degrees):
//   variant 1 runs from the colour to the shade, 2 from the shade to the colour, 3 from the
//   colour over the shade back to the colour, 4 from the shade over the colour to the shade;
// - from a corner (rectangular path): variants 1 to 4 start with the colour in the top-left,
//   top-right, bottom-left and bottom-right corner and end with the shade opposite;
// - from the title (rectangular path) and from the centre (circular path): variant 1 has the
//   colour in the middle and the shade at the edge, variant 2 the reverse.
// Colours are Windows values (red in the low byte); positions are DrawingML's 1/1000 percent,
// where 0 lies at the path's centre or the line's start.

#include <array>
#include <cstdint>

namespace excel {

struct GradientStop {
  std::int32_t lngPosition = 0;  // 0 to 100000
  std::int32_t lngColor = 0;
};

struct GradientLayout {
  bool blnPath = false;          // a path gradient (else linear)
  bool blnCircle = false;        // path "circle" (else "rect")
  std::int32_t lngAngle = 0;     // linear: direction in 60000ths of a degree, clockwise
  std::int32_t lngFillLeft = 0;  // path: the rectangle the colours start from, in 1/1000 %
  std::int32_t lngFillTop = 0;   //   of the shape's size, inset from each side
  std::int32_t lngFillRight = 0;
  std::int32_t lngFillBottom = 0;
  std::array<GradientStop, 3> stops{};
  std::int32_t intStopCount = 0;
};

// The shade of the colour at the given degree (0.0 to 1.0).
std::int32_t OneColorGradientShade(std::int32_t lngColor, double dblDegree);

// The layout of a one-colour gradient; style and variant are assumed valid (see FillFormat).
GradientLayout OneColorGradientLayout(std::int32_t lngStyle, std::int32_t lngVariant,
                                      double dblDegree, std::int32_t lngColor);

}  // namespace excel
