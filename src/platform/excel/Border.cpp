#include "platform/excel/Border.h"

#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"

namespace excel {

Border::Border(const Range& range, std::int32_t lngIndex) : range_(range), lngIndex_(lngIndex) {
  if (lngIndex < xlDiagonalDown || lngIndex > xlInsideHorizontal) {
    throw Error("Den Rahmen " + std::to_string(lngIndex) + " gibt es nicht.");
  }
}

template <class Set>
void Border::Change(Set&& set) {
  Worksheet& sheet = range_.Sheet();
  sheet.CheckUsable();
  const CellRect& rect = range_.Rect();
  CheckFormattable(rect);
  std::int32_t lngIndex = lngIndex_;
  // An edge's line changes only the cells on that edge.
  unsigned onlyEdges = 0;
  switch (lngIndex) {
    case xlEdgeLeft:
      onlyEdges = kEdgeLeft;
      break;
    case xlEdgeTop:
      onlyEdges = kEdgeTop;
      break;
    case xlEdgeBottom:
      onlyEdges = kEdgeBottom;
      break;
    case xlEdgeRight:
      onlyEdges = kEdgeRight;
      break;
  }
  sheet.Data().ChangeFormats(
      sheet.Formats(), rect,
      [&](CellFormat& format, unsigned edges) {
        auto& b = format.borders;
        switch (lngIndex) {
          case xlDiagonalDown:
            set(b[kBorderDiagonalDown]);
            break;
          case xlDiagonalUp:
            set(b[kBorderDiagonalUp]);
            break;
          case xlEdgeLeft:
            if (edges & kEdgeLeft) set(b[kBorderLeft]);
            break;
          case xlEdgeTop:
            if (edges & kEdgeTop) set(b[kBorderTop]);
            break;
          case xlEdgeBottom:
            if (edges & kEdgeBottom) set(b[kBorderBottom]);
            break;
          case xlEdgeRight:
            if (edges & kEdgeRight) set(b[kBorderRight]);
            break;
          case xlInsideVertical:
            if (!(edges & kEdgeLeft)) set(b[kBorderLeft]);
            if (!(edges & kEdgeRight)) set(b[kBorderRight]);
            break;
          case xlInsideHorizontal:
            if (!(edges & kEdgeTop)) set(b[kBorderTop]);
            if (!(edges & kEdgeBottom)) set(b[kBorderBottom]);
            break;
        }
      },
      onlyEdges);
}

const BorderFormat& Border::Read() const {
  static const BorderFormat none{};
  Worksheet& sheet = range_.Sheet();
  sheet.CheckUsable();
  const CellRect& rect = range_.Rect();
  const CellFormat& format = sheet.Formats().At(sheet.Data().Format(rect.lngTop, rect.lngLeft));
  switch (lngIndex_) {
    case xlDiagonalDown:
      return format.borders[kBorderDiagonalDown];
    case xlDiagonalUp:
      return format.borders[kBorderDiagonalUp];
    case xlEdgeLeft:
      return format.borders[kBorderLeft];
    case xlEdgeTop:
      return format.borders[kBorderTop];
    case xlEdgeBottom:
      return format.borders[kBorderBottom];
    case xlEdgeRight:
      return format.borders[kBorderRight];
    case xlInsideVertical:
      return rect.Columns() > 1 ? format.borders[kBorderRight] : none;
    default:
      return rect.Rows() > 1 ? format.borders[kBorderBottom] : none;
  }
}

std::int32_t Border::LineStyle() const {
  return Read().lngLineStyle;
}

void Border::LineStyle(std::int32_t lngLineStyle) {
  switch (lngLineStyle) {
    case xlContinuous:
    case xlDash:
    case xlDashDot:
    case xlDashDotDot:
    case xlDot:
    case xlDouble:
    case xlSlantDashDot:
    case xlLineStyleNone:
      break;
    default:
      throw Error("Die Linienart " + std::to_string(lngLineStyle) + " gibt es nicht.");
  }
  Change([&](BorderFormat& border) { border.lngLineStyle = lngLineStyle; });
}

std::int32_t Border::Weight() const {
  return Read().lngWeight;
}

void Border::Weight(std::int32_t lngWeight) {
  switch (lngWeight) {
    case xlHairline:
    case xlThin:
    case xlMedium:
    case xlThick:
      break;
    default:
      throw Error("Die Linienstärke " + std::to_string(lngWeight) + " gibt es nicht.");
  }
  // A weight makes a missing line continuous, as in Excel.
  Change([&](BorderFormat& border) {
    border.lngWeight = lngWeight;
    if (border.lngLineStyle == xlLineStyleNone) border.lngLineStyle = xlContinuous;
  });
}

std::int32_t Border::ColorIndex() const {
  const BorderFormat& border = Read();
  return border.lngLineStyle == xlLineStyleNone ? xlColorIndexNone : border.lngColorIndex;
}

void Border::ColorIndex(std::int32_t lngColorIndex) {
  if (lngColorIndex == xlColorIndexNone) {
    Change([&](BorderFormat& border) { border.lngLineStyle = xlLineStyleNone; });
    return;
  }
  if (lngColorIndex != xlColorIndexAutomatic && (lngColorIndex < 1 || lngColorIndex > 56)) {
    throw Error("Den Farbindex " + std::to_string(lngColorIndex) +
                " gibt es nicht; erlaubt sind 1 bis 56.");
  }
  Change([&](BorderFormat& border) {
    border.lngColorIndex = lngColorIndex;
    if (border.lngLineStyle == xlLineStyleNone) border.lngLineStyle = xlContinuous;
  });
}

}  // namespace excel
