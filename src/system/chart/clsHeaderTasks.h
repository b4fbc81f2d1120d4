#pragma once
// The header row above the task rows, with the task-field columns.

#include <cstdint>

#include "chart/clsFields.h"

class clsHeaderTasks {
 public:
  clsFields objFields;
  double dblHeaderTopY = 0.0;
  double dblHeaderRowHeight = 0.0;
  std::int32_t lngHeaderColor = 0;
  std::int32_t lngHeaderRow = 0;
  std::int32_t lngHeaderColumn = 0;
  // Worksheet column of the last task-field column; the first resource column is the next.
  std::int32_t lngColumns = 0;
};
