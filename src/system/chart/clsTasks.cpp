#include "chart/clsTasks.h"

#include <utility>

void clsTasks::AddTask(clsTask objTask) {
  colTasks.push_back(std::move(objTask));
}
