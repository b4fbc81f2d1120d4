#include "platform/excel/Interior.h"

#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"

namespace excel {

namespace {

const CellFormat& TopLeft(const Range& range) {
  const Worksheet& sheet = range.Sheet();
  sheet.CheckUsable();
  return sheet.Formats().At(sheet.Data().Format(range.Row(), range.Column()));
}

template <class Set>
void ChangeAll(const Range& range, Set&& set) {
  Worksheet& sheet = range.Sheet();
  sheet.CheckUsable();
  const CellRect& rect = range.Rect();
  CheckFormattable(rect);
  sheet.Data().ChangeFormats(sheet.Formats(), rect,
                             [&](CellFormat& format, unsigned) { set(format); });
}

}  // namespace

std::int32_t Interior::Color() const {
  return TopLeft(range_).lngInteriorColor;
}

void Interior::Color(std::int32_t lngColor) {
  if (lngColor < 0 || lngColor > 0xFFFFFF) {
    throw Error("Die Farbe " + std::to_string(lngColor) + " ist kein RGB-Wert.");
  }
  ChangeAll(range_, [&](CellFormat& format) {
    format.lngInteriorColor = lngColor;
    if (format.lngPattern == xlPatternNone) format.lngPattern = xlPatternSolid;
  });
}

std::int32_t Interior::Pattern() const {
  return TopLeft(range_).lngPattern;
}

void Interior::Pattern(std::int32_t lngPattern) {
  switch (lngPattern) {
    case xlPatternAutomatic:
    case xlPatternNone:
    case xlPatternSolid:
    case xlPatternGray75:
    case xlPatternGray50:
    case xlPatternGray25:
    case xlPatternGray16:
    case xlPatternGray8:
    case xlPatternHorizontal:
    case xlPatternVertical:
    case xlPatternDown:
    case xlPatternUp:
    case xlPatternChecker:
    case xlPatternSemiGray75:
    case xlPatternLightHorizontal:
    case xlPatternLightVertical:
    case xlPatternLightDown:
    case xlPatternLightUp:
    case xlPatternGrid:
    case xlPatternCrissCross:
      break;
    default:
      throw Error("Das Füllmuster " + std::to_string(lngPattern) + " gibt es nicht.");
  }
  ChangeAll(range_, [&](CellFormat& format) {
    format.lngPattern = lngPattern == xlPatternAutomatic ? xlPatternSolid : lngPattern;
  });
}

}  // namespace excel
