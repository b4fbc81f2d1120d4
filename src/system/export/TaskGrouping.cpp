#include "export/TaskGrouping.h"

#include <algorithm>
#include <string>

#include "chart/clsTask.h"
#include "platform/excel/Worksheet.h"
#include "platform/vb/OnError.h"

namespace {

constexpr std::int32_t kMaxOutlineLevel = 8;

}  // namespace

std::vector<RowBlock> OutlineGroups(const std::vector<clsTask>& colTasks,
                                    std::int32_t lngMaxOutlineLevel) {
  std::vector<RowBlock> colBlocks;
  const std::int32_t lngTop = std::min(lngMaxOutlineLevel, kMaxOutlineLevel);
  for (std::int32_t L = 2; L <= lngTop; ++L) {
    std::int32_t lngStart = 0;
    std::int32_t lngEnd = 0;
    std::int32_t P = 0;
    for (std::size_t n = 0; n < colTasks.size(); ++n) {
      const std::int32_t O = colTasks[n].lngOutlineLevel;
      const std::int32_t r = colTasks[n].lngRowNumber;
      const bool blnOpen = lngStart > 0 && lngEnd == 0;
      if (O == L && P < L) lngStart = r;
      if (O < L && P >= L && blnOpen) lngEnd = r - 1;
      if (n + 1 == colTasks.size() && lngStart > 0 && lngEnd == 0 && O >= L) lngEnd = r;
      if (lngStart > 0 && lngEnd > 0) {
        colBlocks.push_back({lngStart, lngEnd});
        lngStart = 0;
        lngEnd = 0;
      }
      P = O;
    }
  }
  return colBlocks;
}

bool GroupTaskRows(excel::Worksheet& objSheet, const std::vector<clsTask>& colTasks,
                   std::int32_t lngMaxOutlineLevel) {
  vb::ResumeNext steps;
  steps([&] { objSheet.Outline().AutomaticStyles(false); });
  steps([&] { objSheet.Outline().SummaryRow(excel::xlSummaryAbove); });
  steps([&] { objSheet.Outline().SummaryColumn(excel::xlSummaryOnRight); });
  for (const RowBlock& objBlock : OutlineGroups(colTasks, lngMaxOutlineLevel)) {
    steps([&] {
      objSheet.Rows(std::to_string(objBlock.lngStart) + ":" + std::to_string(objBlock.lngEnd))
          .Group();
    });
  }
  return steps.Failed();
}
