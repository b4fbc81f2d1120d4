#pragma once
// The numbers Excel's automation interface takes for its enumerated properties. Only the
// constants the engine understands are listed; any other number is refused as Excel refuses it.

#include <cstdint>

namespace excel {

// Application.Cursor
inline constexpr std::int32_t xlDefault = -4143;
inline constexpr std::int32_t xlNorthwestArrow = 1;
inline constexpr std::int32_t xlWait = 2;
inline constexpr std::int32_t xlIBeam = 3;

// Borders(index)
inline constexpr std::int32_t xlDiagonalDown = 5;
inline constexpr std::int32_t xlDiagonalUp = 6;
inline constexpr std::int32_t xlEdgeLeft = 7;
inline constexpr std::int32_t xlEdgeTop = 8;
inline constexpr std::int32_t xlEdgeBottom = 9;
inline constexpr std::int32_t xlEdgeRight = 10;
inline constexpr std::int32_t xlInsideVertical = 11;
inline constexpr std::int32_t xlInsideHorizontal = 12;

// Border.LineStyle
inline constexpr std::int32_t xlContinuous = 1;
inline constexpr std::int32_t xlDash = -4115;
inline constexpr std::int32_t xlDashDot = 4;
inline constexpr std::int32_t xlDashDotDot = 5;
inline constexpr std::int32_t xlDot = -4118;
inline constexpr std::int32_t xlDouble = -4119;
inline constexpr std::int32_t xlSlantDashDot = 13;
inline constexpr std::int32_t xlLineStyleNone = -4142;

// Border.Weight
inline constexpr std::int32_t xlHairline = 1;
inline constexpr std::int32_t xlThin = 2;
inline constexpr std::int32_t xlMedium = -4138;
inline constexpr std::int32_t xlThick = 4;

// ColorIndex
inline constexpr std::int32_t xlColorIndexAutomatic = -4105;
inline constexpr std::int32_t xlColorIndexNone = -4142;

// Interior.Pattern
inline constexpr std::int32_t xlPatternAutomatic = -4105;
inline constexpr std::int32_t xlPatternNone = -4142;
inline constexpr std::int32_t xlPatternSolid = 1;
inline constexpr std::int32_t xlPatternGray75 = -4126;
inline constexpr std::int32_t xlPatternGray50 = -4125;
inline constexpr std::int32_t xlPatternGray25 = -4124;
inline constexpr std::int32_t xlPatternGray16 = 17;
inline constexpr std::int32_t xlPatternGray8 = 18;
inline constexpr std::int32_t xlPatternHorizontal = -4128;
inline constexpr std::int32_t xlPatternVertical = -4166;
inline constexpr std::int32_t xlPatternDown = -4121;
inline constexpr std::int32_t xlPatternUp = -4162;
inline constexpr std::int32_t xlPatternChecker = 9;
inline constexpr std::int32_t xlPatternSemiGray75 = 10;
inline constexpr std::int32_t xlPatternLightHorizontal = 11;
inline constexpr std::int32_t xlPatternLightVertical = 12;
inline constexpr std::int32_t xlPatternLightDown = 13;
inline constexpr std::int32_t xlPatternLightUp = 14;
inline constexpr std::int32_t xlPatternGrid = 15;
inline constexpr std::int32_t xlPatternCrissCross = 16;

// HorizontalAlignment, VerticalAlignment
inline constexpr std::int32_t xlGeneral = 1;
inline constexpr std::int32_t xlLeft = -4131;
inline constexpr std::int32_t xlCenter = -4108;
inline constexpr std::int32_t xlRight = -4152;
inline constexpr std::int32_t xlFill = 5;
inline constexpr std::int32_t xlJustify = -4130;
inline constexpr std::int32_t xlCenterAcrossSelection = 7;
inline constexpr std::int32_t xlDistributed = -4117;
inline constexpr std::int32_t xlTop = -4160;
inline constexpr std::int32_t xlBottom = -4107;

// Range.Orientation, besides an angle from -90 to 90 degrees
inline constexpr std::int32_t xlHorizontal = -4128;
inline constexpr std::int32_t xlVertical = -4166;
inline constexpr std::int32_t xlUpward = -4171;
inline constexpr std::int32_t xlDownward = -4170;

// Outline.SummaryRow, Outline.SummaryColumn
inline constexpr std::int32_t xlSummaryAbove = 0;
inline constexpr std::int32_t xlSummaryBelow = 1;
inline constexpr std::int32_t xlSummaryOnLeft = -4131;
inline constexpr std::int32_t xlSummaryOnRight = -4152;

// PageSetup
inline constexpr std::int32_t xlPortrait = 1;
inline constexpr std::int32_t xlLandscape = 2;
inline constexpr std::int32_t xlPaperA4 = 9;
inline constexpr std::int32_t xlDownThenOver = 1;
inline constexpr std::int32_t xlOverThenDown = 2;
inline constexpr std::int32_t xlPrintNoComments = -4142;
inline constexpr std::int32_t xlPrintSheetEnd = 1;
inline constexpr std::int32_t xlPrintInPlace = 16;
inline constexpr std::int32_t xlAutomatic = -4105;

// Workbook.ExportAsFixedFormat: Type (XlFixedFormatType) and Quality (XlFixedFormatQuality)
inline constexpr std::int32_t xlTypePDF = 0;
inline constexpr std::int32_t xlTypeXPS = 1;
inline constexpr std::int32_t xlQualityStandard = 0;
inline constexpr std::int32_t xlQualityMinimum = 1;

// The sheet's size.
inline constexpr std::int32_t kMaxRows = 1048576;
inline constexpr std::int32_t kMaxColumns = 16384;

}  // namespace excel
