#pragma once
// All task rows, their header and the layout they share: row colours, the top of the first
// row and the width of the task-field block.

#include <cstdint>
#include <vector>

#include "chart/clsHeaderTasks.h"
#include "chart/clsTask.h"

class clsTasks {
 public:
  std::vector<clsTask> colTasks;
  clsHeaderTasks objHeaderTasks;
  std::int32_t lngTaskColor = 0;
  std::int32_t lngSummaryTaskColor = 0;
  std::int32_t lngMilestoneColor = 0;
  std::int32_t lngProjectTaskColor = 0;
  double dblTopY = 0.0;
  // Total width of the task-field columns in points: X of the first resource column.
  double dblWidth = 0.0;
  std::int32_t lngFirstTaskRow = 0;

  void AddTask(clsTask objTask);
};
