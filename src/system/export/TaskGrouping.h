#pragma once
// The grouping of the task rows by outline level: each level from 2 up adds one outline level
// to every block of rows at that level or deeper, up to Excel's eight levels.

#include <cstdint>
#include <vector>

class clsTask;
namespace excel {
class Worksheet;
}

struct RowBlock {
  std::int32_t lngStart = 0;
  std::int32_t lngEnd = 0;
  bool operator==(const RowBlock&) const = default;
};

// The blocks to group, level by level and within a level top to bottom. A block starts at a
// row of level L after a row of a lower level and ends before the next row of a lower level
// (or with the last row); a row of a lower level ends a block only while one is open, so a
// blank row inside a deeper block leaves nothing behind for a later block.
std::vector<RowBlock> OutlineGroups(const std::vector<clsTask>& colTasks,
                                    std::int32_t lngMaxOutlineLevel);

// Sets the sheet's outline (summary rows above, summary column right) and groups the blocks.
// True when any call failed.
bool GroupTaskRows(excel::Worksheet& objSheet, const std::vector<clsTask>& colTasks,
                   std::int32_t lngMaxOutlineLevel);
