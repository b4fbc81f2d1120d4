// The whole chain from a plan to a saved chart: the host reads the plan, the builder builds
// the model, the export writes the .xlsx. Each size runs in a process of its own, so that its
// peak memory is its own.
//
//   bench_export              the sizes: 500 tasks and 30 resources, 20,000 and 200, and
//                             20,000 and 200 with two rows that bring the chart near the most
//                             shapes an export draws (kMaxChartShapes)
//   bench_export PLAN OUT N   one run on a plan (the child processes)
//
// Goals: under 0.3 s for 500 tasks; under 5 s and 1.5 GB for 20,000; under 10 s and 2 GB for
// 20,000 at the shape bound.

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ExportPlan.h"
#include "chart/clsQuorvan.h"
#include "export/ChartExport.h"
#include "export/ChartShapeCount.h"
#include "export/RunChart.h"
#include "platform/msproject/Application.h"
#include "support/RunOptions.h"
#include "support/SelfRun.h"
#include "wizard/frmQuorvan.h"

namespace {

namespace fs = std::filesystem;

// The run's options at the stored defaults, with every shadow on: the heavier case.
void SetRunOptions(clsQuorvan& q) {
  testsupport::SetRunOptions(q);
  q.blnShadowArrow = true;
  q.blnShadowStatus = true;
  q.blnShadowSymbols = true;
}

// The run's progress in a wizard, as a run from the wizard shows it.
struct WizardSink : ProgressSink {
  explicit WizardSink(frmQuorvan& frmShown) : frm(frmShown) {}
  void Progress(double dblPercent, const std::string& strText) override {
    frm.ShowProgress(dblPercent, strText);
  }
  frmQuorvan& frm;
};

// One chain; returns its seconds, or a negative number when the export was broken off.
double RunChain(const fs::path& plan, const fs::path& out, std::uint64_t& lngShapes) {
  const auto start = std::chrono::steady_clock::now();
  msproject::Application objHost;
  objHost.FileOpen(plan);
  frmQuorvan frm;
  frm.txtChartPath.Text(out.string());
  bool blnBrokenOff = false;
  {
    clsQuorvan objQuorvan(objHost.ActiveProject());
    SetRunOptions(objQuorvan);
    lngShapes = ChartShapeCount(objQuorvan);
    WizardSink sink(frm);
    ChartExport(objQuorvan, out.string(), sink).Run();
    blnBrokenOff = objQuorvan.blnFastExit;
  }
  const double dblSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  return blnBrokenOff ? -1 : dblSeconds;
}

int Child(const fs::path& plan, const fs::path& out, int intRepeats) {
  double dblBest = 1e9;
  std::uint64_t lngShapes = 0;
  for (int i = 0; i < intRepeats; ++i) {
    const double dblSeconds = RunChain(plan, out, lngShapes);
    if (dblSeconds < 0) {
      std::fprintf(stderr, "Die Ausgabe wurde abgebrochen.\n");
      return 1;
    }
    dblBest = std::min(dblBest, dblSeconds);
  }
  std::printf("%.3f %ju %ju\n", dblBest, static_cast<std::uintmax_t>(fs::file_size(out)),
              static_cast<std::uintmax_t>(lngShapes));
  return 0;
}

struct Size {
  int lngTasks, lngResources, intRepeats;
  double dblGoalSeconds, dblGoalMegabytes;
  int lngNamedTimes;  // how often the first two rows name their responsible
};

// The repeats that bring the 20,000-task plan (some 140,000 shapes, and four for each repeat in
// the symbols and row lines of the two rows) close to the bound.
int RepeatsNearTheBound() {
  int n = 0;
  while (static_cast<std::uint64_t>((n + 1) * (n + 1)) + 145'000 <= kMaxChartShapes) ++n;
  return n;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4) return Child(argv[1], argv[2], std::stoi(argv[3]));

  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-export-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const Size sizes[] = {{500, 30, 5, 0.3, 0, 0},
                        {20000, 200, 1, 5.0, 1536, 0},
                        {20000, 200, 1, 10.0, 2048, RepeatsNearTheBound()}};
  int intFailed = 0;
  std::printf("%-8s %-10s %10s %10s %12s %12s  %s\n", "Tasks", "Resources", "Shapes", "Seconds",
              "Peak MB", "Workbook MB", "Goal");
  for (const Size& size : sizes) {
    const std::string strSize =
        std::to_string(size.lngTasks) + "-" + std::to_string(size.lngNamedTimes);
    const fs::path plan = dir / ("plan-" + strSize + ".xml");
    const fs::path out = dir / ("chart-" + strSize + ".xlsx");
    benchexport::WriteExportPlan(plan, size.lngTasks, size.lngResources, size.lngNamedTimes);
    const benchsupport::SelfRun run = benchsupport::RunSelf(
        {argv[0], plan.string(), out.string(), std::to_string(size.intRepeats)});
    double dblSeconds = 0;
    std::uintmax_t lngBytes = 0;
    std::uintmax_t lngShapes = 0;
    if (!run.blnSucceeded || std::sscanf(run.strOutput.c_str(), "%lf %ju %ju", &dblSeconds,
                                         &lngBytes, &lngShapes) != 3) {
      std::printf("%-8d run failed\n", size.lngTasks);
      ++intFailed;
      continue;
    }
    const double dblPeak = static_cast<double>(run.usage.ru_maxrss) / 1024.0;
    const bool blnMet = dblSeconds < size.dblGoalSeconds &&
                        (size.dblGoalMegabytes == 0 || dblPeak < size.dblGoalMegabytes);
    std::printf("%-8d %-10d %10ju %10.3f %12.1f %12.1f  %s\n", size.lngTasks, size.lngResources,
                lngShapes, dblSeconds, dblPeak, static_cast<double>(lngBytes) / 1048576.0,
                blnMet ? "met" : "MISSED");
    intFailed += !blnMet;
  }
  fs::remove_all(dir);
  return intFailed == 0 ? 0 : 1;
}
