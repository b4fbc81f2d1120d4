#pragma once
// The numbers Office's drawing interface takes for the shape members the engine understands.
// Any number outside these sets is refused, as Excel refuses it.

#include <cstdint>

namespace excel {

// Shapes.AddShape type (MsoAutoShapeType); only the oval is drawn.
inline constexpr std::int32_t msoShapeOval = 9;

// Fill.OneColorGradient style (MsoGradientStyle) and its variants.
inline constexpr std::int32_t msoGradientHorizontal = 1;
inline constexpr std::int32_t msoGradientVertical = 2;
inline constexpr std::int32_t msoGradientDiagonalUp = 3;
inline constexpr std::int32_t msoGradientDiagonalDown = 4;
inline constexpr std::int32_t msoGradientFromCorner = 5;
inline constexpr std::int32_t msoGradientFromTitle = 6;
inline constexpr std::int32_t msoGradientFromCenter = 7;

// Line.DashStyle (MsoLineDashStyle).
inline constexpr std::int32_t msoLineSolid = 1;
inline constexpr std::int32_t msoLineSquareDot = 2;
inline constexpr std::int32_t msoLineRoundDot = 3;
inline constexpr std::int32_t msoLineDash = 4;
inline constexpr std::int32_t msoLineDashDot = 5;
inline constexpr std::int32_t msoLineDashDotDot = 6;
inline constexpr std::int32_t msoLineLongDash = 7;
inline constexpr std::int32_t msoLineLongDashDot = 8;
inline constexpr std::int32_t msoLineLongDashDotDot = 9;
inline constexpr std::int32_t msoLineSysDash = 10;
inline constexpr std::int32_t msoLineSysDot = 11;
inline constexpr std::int32_t msoLineSysDashDot = 12;

// Line.Style (MsoLineStyle).
inline constexpr std::int32_t msoLineSingle = 1;
inline constexpr std::int32_t msoLineThinThin = 2;
inline constexpr std::int32_t msoLineThinThick = 3;
inline constexpr std::int32_t msoLineThickThin = 4;
inline constexpr std::int32_t msoLineThickBetweenThin = 5;

// Line.EndArrowheadStyle (MsoArrowheadStyle).
inline constexpr std::int32_t msoArrowheadNone = 1;
inline constexpr std::int32_t msoArrowheadTriangle = 2;
inline constexpr std::int32_t msoArrowheadOpen = 3;
inline constexpr std::int32_t msoArrowheadStealth = 4;
inline constexpr std::int32_t msoArrowheadDiamond = 5;
inline constexpr std::int32_t msoArrowheadOval = 6;

// Line.EndArrowheadLength (MsoArrowheadLength) and Line.EndArrowheadWidth (MsoArrowheadWidth).
inline constexpr std::int32_t msoArrowheadShort = 1;
inline constexpr std::int32_t msoArrowheadLengthMedium = 2;
inline constexpr std::int32_t msoArrowheadLong = 3;
inline constexpr std::int32_t msoArrowheadNarrow = 1;
inline constexpr std::int32_t msoArrowheadWidthMedium = 2;
inline constexpr std::int32_t msoArrowheadWide = 3;

// Shadow.Type (MsoShadowType): msoShadow1 to msoShadow20.
inline constexpr std::int32_t msoShadow1 = 1;
inline constexpr std::int32_t msoShadow6 = 6;
inline constexpr std::int32_t msoShadow20 = 20;

// Shape.ZOrder (MsoZOrderCmd).
inline constexpr std::int32_t msoBringToFront = 0;
inline constexpr std::int32_t msoSendToBack = 1;
inline constexpr std::int32_t msoBringForward = 2;
inline constexpr std::int32_t msoSendBackward = 3;

}  // namespace excel
