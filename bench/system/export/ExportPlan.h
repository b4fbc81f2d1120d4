#pragma once
// Writes a generated project plan as Microsoft Project XML for the export benchmark: outline
// levels from 1 down to 9 and back, three roles per task (a responsible, a participant, an
// informed resource), a successor per task, a status per task, resources in eight groups.
// With lngRepeats, the first two tasks name their responsible that many times: the network
// between them grows to lngRepeats × lngRepeats arrows.

#include <filesystem>

namespace benchexport {

void WriteExportPlan(const std::filesystem::path& path, int lngTasks, int lngResources,
                     int lngRepeats = 0);

}  // namespace benchexport
