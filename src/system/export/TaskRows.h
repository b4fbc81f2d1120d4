#pragma once
// One task row of the chart: its format and fill, its field values, its status light, its
// role symbols.

#include <cstdint>
#include <optional>
#include <string>

#include "export/ResourceColumns.h"

class clsQuorvan;
class clsTask;
namespace excel {
class Worksheet;
}

// The fill of a row: inserted project, else summary task, else milestone, else ordinary task.
std::int32_t TaskRowColor(const clsQuorvan& objQuorvan, const clsTask& objTask);

// The light that a status text shows (RGB); none for any other text.
std::optional<std::int32_t> StatusLightColor(const std::string& strStatus);

// Writes the row; lngResourceCount resource columns are formatted with it. True when any call
// failed.
bool WriteTaskRow(clsQuorvan& objQuorvan, excel::Worksheet& objSheet, const clsTask& objTask,
                  std::int32_t lngResourceCount, const ResourceColumns& objColumns);
