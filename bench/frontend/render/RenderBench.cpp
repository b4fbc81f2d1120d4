// The chart printed to PDF and pictured as SVG and PNG (150 dpi): the example chart and a
// chart of 20,000 tasks and 200 resources. Each chart and format runs in a process of its own:
// the chart is exported into an engine that stays open, then the peak memory is reset and the
// picture written (laid out, painted, saved) and timed.
//
//   bench_render                     every chart and format, with the goals
//   bench_render PLAN FORMAT REPEATS one chart in one format (the child processes)
//
// Goals: the example chart under 0.2 s in each format; the 20,000-task chart to PDF under 5 s
// and 1 GB (the peak of the whole process while it prints, the workbook included). The goals
// hold for the time on the clock; the processor time is shown beside it.

#include <sys/resource.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ExportPlan.h"
#include "chart/clsQuorvan.h"
#include "export/ChartExport.h"
#include "export/RunChart.h"
#include "platform/excel/Application.h"
#include "platform/excel/Workbook.h"
#include "platform/msproject/Application.h"
#include "render/OffscreenGui.h"
#include "render/QtPagePainter.h"
#include "support/RunOptions.h"
#include "support/SelfRun.h"
#include "wizard/frmQuorvan.h"

namespace {

namespace fs = std::filesystem;

// The process's peak resident memory since the last reset, in megabytes.
double PeakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string strLine;
  while (std::getline(status, strLine)) {
    if (strLine.rfind("VmHWM:", 0) == 0) return std::stod(strLine.substr(6)) / 1024.0;
  }
  return 0;
}

// The processor time the process has used, in seconds: on a machine shared with other work the
// fairer measure, reported beside the time on the clock.
double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// The run's progress in a wizard, as a run from the wizard shows it.
struct WizardSink : ProgressSink {
  explicit WizardSink(frmQuorvan& frmShown) : frm(frmShown) {}
  void Progress(double dblPercent, const std::string& strText) override {
    frm.ShowProgress(dblPercent, strText);
  }
  frmQuorvan& frm;
};

int Child(const fs::path& plan, const std::string& strFormat, int intRepeats) {
  render::OffscreenGui gui;
  render::QtPagePainter painter;
  excel::Application objExcel;
  msproject::Application objHost;
  objHost.FileOpen(plan);
  frmQuorvan frm;
  const fs::path dir = plan.parent_path();
  {
    clsQuorvan objQuorvan(objHost.ActiveProject());
    testsupport::SetRunOptions(objQuorvan);
    WizardSink sink(frm);
    ChartExport(objQuorvan, (dir / (plan.stem().string() + ".xlsx")).string(), sink, &objExcel)
        .Run();
    if (objQuorvan.blnFastExit) return 1;
  }
  excel::Workbook& book = *objExcel.Workbooks().Last();
  const fs::path out = dir / (plan.stem().string() + "." + strFormat);

  ResetPeak();
  double dblBest = 1e9, dblBestCpu = 1e9;
  for (int i = 0; i < intRepeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    const double dblCpu = CpuSeconds();
    if (strFormat == "pdf") {
      book.ExportAsFixedFormat(excel::xlTypePDF, out.string());
    } else {
      book.Worksheets(1).ExportPicture(out.string(), 150);
    }
    dblBest = std::min(
        dblBest, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    dblBestCpu = std::min(dblBestCpu, CpuSeconds() - dblCpu);
  }
  std::printf("%.3f %.3f %.1f %.1f\n", dblBest, dblBestCpu, PeakMegabytes(),
              static_cast<double>(fs::file_size(out)) / 1048576.0);
  return 0;
}

struct Run {
  std::string strChart;
  fs::path plan;
  std::string strFormat;
  int intRepeats;
  double dblGoalSeconds, dblGoalMegabytes;  // 0: no goal
};

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) return Child(argv[1], argv[2], std::stoi(argv[3]));

  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-render-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path example = dir / "Markteinfuehrung.xml";
  fs::copy_file(fs::path(QUORVAN_SOURCE_DIR) / "examples" / "Markteinfuehrung.xml", example);
  const fs::path large = dir / "Plan20000.xml";
  benchexport::WriteExportPlan(large, 20000, 200);
  const std::vector<Run> colRuns{
      {"Beispiel", example, "pdf", 5, 0.2, 0}, {"Beispiel", example, "svg", 5, 0.2, 0},
      {"Beispiel", example, "png", 5, 0.2, 0}, {"20000", large, "pdf", 1, 5.0, 1024},
      {"20000", large, "svg", 1, 0, 0},        {"20000", large, "png", 1, 0, 0},
  };
  int intFailed = 0;
  std::printf("%-10s %-6s %10s %10s %10s %10s  %s\n", "Diagramm", "Format", "Sekunden", "CPU s",
              "Spitze MB", "Datei MB", "Ziel");
  for (const Run& run : colRuns) {
    const benchsupport::SelfRun child = benchsupport::RunSelf(
        {argv[0], run.plan.string(), run.strFormat, std::to_string(run.intRepeats)});
    double dblSeconds = 0, dblCpu = 0, dblPeak = 0, dblFile = 0;
    if (!child.blnSucceeded || std::sscanf(child.strOutput.c_str(), "%lf %lf %lf %lf", &dblSeconds,
                                           &dblCpu, &dblPeak, &dblFile) != 4) {
      std::printf("%-10s %-6s fehlgeschlagen\n", run.strChart.c_str(), run.strFormat.c_str());
      ++intFailed;
      continue;
    }
    const bool blnGoal = run.dblGoalSeconds > 0;
    const bool blnMet = !blnGoal || (dblSeconds < run.dblGoalSeconds &&
                                     (run.dblGoalMegabytes == 0 || dblPeak < run.dblGoalMegabytes));
    std::printf("%-10s %-6s %10.3f %10.3f %10.1f %10.2f  %s\n", run.strChart.c_str(),
                run.strFormat.c_str(), dblSeconds, dblCpu, dblPeak, dblFile,
                !blnGoal ? "-"
                : blnMet ? "erreicht"
                         : "VERFEHLT");
    intFailed += !blnMet;
  }
  fs::remove_all(dir);
  return intFailed == 0 ? 0 : 1;
}
