#pragma once
// One drawn shape as the engine keeps it: a plain record of fixed size, held by value in the
// worksheet's shape list, so that a chart of a hundred thousand symbols and arrows costs a few
// megabytes and no allocation per shape. Formatting values are Office's Single (float).

#include <cstdint>

namespace excel {

enum class ShapeKind : std::uint8_t { Oval, Line };

struct ShapeRecord {
  // Oval: left, top, right, bottom. Line: begin x, begin y, end x, end y. Points.
  double dblX1 = 0, dblY1 = 0, dblX2 = 0, dblY2 = 0;
  std::int64_t lngZ = 0;  // drawing order: lower keys are drawn first (further back)

  float sngFillTransparency = 0;
  float sngGradientDegree = 0;
  float sngLineWeight = 0.75f;
  float sngLineTransparency = 0;
  float sngShadowOffsetX = 0;
  float sngShadowOffsetY = 0;

  std::int32_t lngFillColor = 0xFFFFFF;  // Windows colour values, red in the low byte
  std::int32_t lngLineColor = 0x000000;
  std::int32_t lngLineBackColor = 0xFFFFFF;
  std::int32_t lngShadowColor = 0x808080;

  ShapeKind kind = ShapeKind::Oval;
  bool blnFillVisible = true;
  bool blnLineVisible = true;
  std::uint8_t intGradientStyle = 0;  // 0: solid fill
  std::uint8_t intGradientVariant = 0;
  std::uint8_t intDashStyle = 1;       // msoLineSolid
  std::uint8_t intLineStyle = 1;       // msoLineSingle
  std::uint8_t intEndArrowStyle = 1;   // msoArrowheadNone
  std::uint8_t intEndArrowLength = 2;  // medium
  std::uint8_t intEndArrowWidth = 2;   // medium
  std::uint8_t intShadowType = 0;      // 0: no shadow
};

}  // namespace excel
