#pragma once
// A communication chart built through the engine's object model the way the export builds
// one, using every feature the engine saves. The reader tests save it and open it with real
// spreadsheet programs.

#include <cstdint>

#include "platform/excel/Application.h"

namespace exceltest {

// What the sample holds, for the checks.
struct SampleLayout {
  static constexpr std::int32_t kHeaderRow = 6;
  static constexpr std::int32_t kFirstTask = 7;
  static constexpr std::int32_t kTasks = 10;
  static constexpr std::int32_t kFirstResource = 4;  // column D
  static constexpr std::int32_t kResources = 5;
  static constexpr std::int32_t kTaskColor = 0xCCFFFF;       // light yellow
  static constexpr std::int32_t kHeaderColor = 0xC0C0C0;     // grey
  static constexpr std::int32_t kMilestoneColor = 0x99CCFF;  // light orange
};

// Fills the first sheet of a new workbook of app; the workbook is returned unsaved.
excel::Workbook& BuildSampleChart(excel::Application& app);

// A workbook of two sheets whose second, active sheet takes the other values of every
// property: other borders, patterns, rotations, alignments, number formats, extreme widths
// and heights, summary rows below, rows frozen without columns, and a page set-up that differs
// from the chart's in every property.
excel::Workbook& BuildVariantsWorkbook(excel::Application& app);

}  // namespace exceltest
