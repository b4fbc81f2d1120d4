#include "export/CellFormats.h"

#include "platform/excel/Border.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Font.h"
#include "platform/excel/Interior.h"
#include "platform/excel/Range.h"
#include "platform/vb/OnError.h"

namespace {

constexpr std::int32_t kUpwards = 90;
constexpr std::int32_t kTaskFontSize = 8;

void NoDiagonals(vb::ResumeNext& steps, excel::Range objRange) {
  for (std::int32_t lngIndex : {excel::xlDiagonalDown, excel::xlDiagonalUp}) {
    steps([&] { objRange.Borders(lngIndex).LineStyle(excel::xlLineStyleNone); });
  }
}

template <std::size_t N>
void Lines(vb::ResumeNext& steps, excel::Range objRange, const std::int32_t (&colIndexes)[N],
           std::int32_t lngWeight) {
  for (std::int32_t lngIndex : colIndexes) {
    steps([&] { objRange.Borders(lngIndex).LineStyle(excel::xlContinuous); });
    steps([&] { objRange.Borders(lngIndex).Weight(lngWeight); });
    steps([&] { objRange.Borders(lngIndex).ColorIndex(excel::xlColorIndexAutomatic); });
  }
}

}  // namespace

bool FormatHeaderCell(excel::Range objRange, std::int32_t lngColor, bool blnVertical,
                      std::int32_t lngWeight) {
  static constexpr std::int32_t kLines[] = {excel::xlEdgeLeft,       excel::xlEdgeTop,
                                            excel::xlEdgeBottom,     excel::xlEdgeRight,
                                            excel::xlInsideVertical, excel::xlInsideHorizontal};
  vb::ResumeNext steps;
  NoDiagonals(steps, objRange);
  Lines(steps, objRange, kLines, lngWeight);
  steps([&] { objRange.Interior().Color(lngColor); });
  steps([&] { objRange.Interior().Pattern(excel::xlPatternSolid); });
  steps([&] { objRange.HorizontalAlignment(excel::xlCenter); });
  if (blnVertical) {
    steps([&] { objRange.VerticalAlignment(excel::xlBottom); });
    steps([&] { objRange.Orientation(kUpwards); });
    steps([&] { objRange.RowHeight(kVerticalHeaderRowHeight); });
  } else {
    steps([&] { objRange.VerticalAlignment(excel::xlCenter); });
  }
  return steps.Failed();
}

bool FormatTaskRow(excel::Range objRange, bool blnWrap, double dblRowHeight,
                   std::int32_t lngVerticalAlignment, std::int32_t lngHorizontalAlignment,
                   std::int32_t lngColor, std::int32_t lngWeight) {
  static constexpr std::int32_t kLines[] = {excel::xlEdgeLeft,         excel::xlEdgeTop,
                                            excel::xlEdgeBottom,       excel::xlEdgeRight,
                                            excel::xlInsideHorizontal, excel::xlInsideVertical};
  vb::ResumeNext steps;
  NoDiagonals(steps, objRange);
  Lines(steps, objRange, kLines, lngWeight);
  steps([&] { objRange.Font().Size(kTaskFontSize); });
  steps([&] { objRange.RowHeight(dblRowHeight); });
  steps([&] { objRange.VerticalAlignment(lngVerticalAlignment); });
  steps([&] { objRange.HorizontalAlignment(lngHorizontalAlignment); });
  steps([&] { objRange.WrapText(blnWrap); });
  steps([&] { objRange.Interior().Color(lngColor); });
  steps([&] { objRange.Interior().Pattern(excel::xlPatternSolid); });
  return steps.Failed();
}

bool SetFontSize(excel::Range objRange, std::int32_t lngSize) {
  return vb::TrySkip([&] { objRange.Font().Size(lngSize); });
}
