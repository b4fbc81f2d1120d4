#pragma once
// One run of a chart as a function: a plan and a chart's options in, the chart written (or the
// run broken off) and a result out. Whoever starts a run — the wizard's Finish, the command
// line, a batch — builds the options; whoever shows it — the wizard's bar and label, the
// terminal's line, the desktop's status bar — watches through a progress sink.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "chart/ChartOptions.h"
#include "export/ProgressSink.h"
#include "platform/catalog/Catalog.h"

class clsQuorvan;
namespace msproject {
class Project;
}
namespace excel {
class Application;
class Workbook;
}  // namespace excel

struct RunResult {
  bool blnWritten = false;     // the workbook was saved; false: broken off, or the model taken
  bool blnModelTaken = false;  // the sink took the model instead of an export
  std::string strChartPath;    // where the workbook was to go, as the options named it
  // The plan's task rows and resources, and those the chart shows within its limits.
  std::int64_t lngPlanTasks = 0;
  std::int64_t lngPlanResources = 0;
  std::int64_t lngChartTasks = 0;
  std::int64_t lngChartResources = 0;
  std::uint64_t lngShapes = 0;           // the symbols, lines and arrows of the chart
  std::vector<std::string> colMessages;  // the message boxes the export showed, in order
  // What the user should learn after the run, a line each: the part of the plan the chart
  // leaves out, then what the saved workbook cut (a long cell text, ...).
  std::vector<std::string> colNotices;
  // When the sink keeps the workbook, once saved: the workbook, open in the engine that the
  // result owns (for pictures and the preview).
  std::shared_ptr<excel::Application> objEngine;
  excel::Workbook* objWorkbook = nullptr;
};

// Reads the plan with the options, exports it to options.strChartPath and says how it went:
// "Daten werden für Ausgabe gesammelt..." first, "Kommunikationsdiagramm wurde erfolgreich
// erstellt." or "Ausgabe wurde abgebrochen." last. The options are checked by the caller
// (CheckChartPath, CheckLayoutNumbers). A failure of a step that escapes it ends the run there
// and is thrown to the caller.
// The first step of every run.
// (translate it with _() where it is shown).
inline constexpr const char* kRunFirstStep = N_("Daten werden für Ausgabe gesammelt...");

RunResult RunChart(msproject::Project& objProject, const chart::ChartOptions& options,
                   ProgressSink& sink);
