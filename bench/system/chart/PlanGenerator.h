#pragma once
// Writes a large project plan as Microsoft Project XML: the size the chart must handle.

#include <filesystem>

namespace benchchart {

struct PlanSize {
  int lngTasks = 20000;
  int lngResources = 200;
  int lngGroups = 8;
};

// Tasks in outline levels 1 to 4 with summaries, every 50th row blank, Text20 to Text25
// filled (roles naming one to three resources), resources spread over the groups, a few
// without a group.
void WritePlan(const std::filesystem::path& path, const PlanSize& size);

}  // namespace benchchart
