// The blocks of task rows grouped by outline level.

#include <gtest/gtest.h>

#include "chart/clsTask.h"
#include "export/TaskGrouping.h"

namespace {

// Rows from 7 on with the given outline levels (0 for a blank row).
std::vector<clsTask> Rows(const std::vector<std::int32_t>& colLevels) {
  std::vector<clsTask> colTasks;
  for (std::size_t i = 0; i < colLevels.size(); ++i) {
    clsTask objTask;
    objTask.lngOutlineLevel = colLevels[i];
    objTask.lngRowNumber = static_cast<std::int32_t>(7 + i);
    colTasks.push_back(objTask);
  }
  return colTasks;
}

using Blocks = std::vector<RowBlock>;

TEST(TaskGroupingTest, EachLevelGroupsItsBlocksFromTheSecondLevelOn) {
  //                    7  8  9 10 11 12 13
  const auto colTasks = Rows({1, 2, 3, 3, 2, 1, 2});
  EXPECT_EQ(OutlineGroups(colTasks, 3), (Blocks{{8, 11}, {13, 13}, {9, 10}}));
}

TEST(TaskGroupingTest, AFlatPlanGivesNoGroups) {
  EXPECT_TRUE(OutlineGroups(Rows({1, 1, 1}), 1).empty());
}

TEST(TaskGroupingTest, ABlankRowInsideANestedBlockLeavesNoEndBehindForALaterBlock) {
  //                    7  8  9 10 11 12 13 14 15
  const auto colTasks = Rows({1, 2, 3, 0, 3, 1, 1, 2, 2});
  // Level 2: 8–9 ends at the blank row; the rows of level 3 after it start no block at this
  // level, and the end of that run must not be taken for the block that starts at 14.
  const Blocks colBlocks = OutlineGroups(colTasks, 3);
  EXPECT_EQ(colBlocks, (Blocks{{8, 9}, {14, 15}, {9, 9}, {11, 11}}));
  for (const RowBlock& objBlock : colBlocks) EXPECT_LE(objBlock.lngStart, objBlock.lngEnd);
}

TEST(TaskGroupingTest, TheLastRowClosesAnOpenBlockAndALowerLastRowEndsItBefore) {
  EXPECT_EQ(OutlineGroups(Rows({1, 2, 2}), 2), (Blocks{{8, 9}}));
  EXPECT_EQ(OutlineGroups(Rows({1, 2, 3, 1}), 3), (Blocks{{8, 9}, {9, 9}}));
}

TEST(TaskGroupingTest, LevelsDeeperThanEightAreGroupedAsEight) {
  const auto colTasks = Rows({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  const Blocks colBlocks = OutlineGroups(colTasks, 10);
  ASSERT_EQ(colBlocks.size(), 7U);
  EXPECT_EQ(colBlocks.back(), (RowBlock{14, 16}));
}

}  // namespace
