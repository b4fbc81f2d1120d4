// The full chart saved in both file formats in one run: the 20,000-task, 200-resource plan is
// exported once into an engine instance that stays open (as a user's running instance does),
// then the workbook is saved as .xls and as .xlsx, five times each: the best and the median
// time, the processor time of the best save (all its threads), the process's peak memory while
// saving (the open workbook included), the part of it the save added, and the size of the file.
//
//   bench_excel_save_formats [TASKS RESOURCES [FOLDER]]   FOLDER: keep the files there
//
// Goals: the .xls saved no slower than the .xlsx; the process under 200 MB while saving the .xls;
// the .xlsx saved in under 0.6 s (its two large parts are deflated on two cores at once).

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
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
#include "platform/excel/Workbooks.h"
#include "platform/excel/Worksheet.h"
#include "platform/msproject/Application.h"
#include "support/RunOptions.h"
#include "wizard/frmQuorvan.h"

namespace {

namespace fs = std::filesystem;

// A value of /proc/self/status in megabytes ("VmRSS", "VmHWM").
// The run's progress in a wizard, as a run from the wizard shows it.
struct WizardSink : ProgressSink {
  explicit WizardSink(frmQuorvan& frmShown) : frm(frmShown) {}
  void Progress(double dblPercent, const std::string& strText) override {
    frm.ShowProgress(dblPercent, strText);
  }
  frmQuorvan& frm;
};

double StatusMegabytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
  }
  return -1;
}

// Lets the peak resident size start again from the current one.
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

// Processor time of the whole process, all threads.
double ProcessorSeconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

constexpr int kRuns = 5;

struct Result {
  double seconds = 1e9;  // the best
  double median = 0;
  double processorSeconds = 0;  // of the best
  double peakMegabytes = 0;     // of the process while saving, the open workbook included
  double addedMegabytes = 0;    // on top of what the process held before the save
  std::uintmax_t bytes = 0;
};

Result Save(excel::Workbook& book, const fs::path& target) {
  Result result;
  std::vector<double> times;
  for (int i = 0; i < kRuns; ++i) {
    const double before = StatusMegabytes("VmRSS");
    ResetPeak();
    const double processorStart = ProcessorSeconds();
    const auto start = std::chrono::steady_clock::now();
    book.SaveAs(target.string());
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    times.push_back(seconds);
    if (seconds < result.seconds) {
      result.seconds = seconds;
      result.processorSeconds = ProcessorSeconds() - processorStart;
    }
    const double peak = StatusMegabytes("VmHWM");
    result.peakMegabytes = std::max(result.peakMegabytes, peak);
    result.addedMegabytes = std::max(result.addedMegabytes, peak - before);
  }
  std::sort(times.begin(), times.end());
  result.median = times[times.size() / 2];
  result.bytes = fs::file_size(target);
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  const int tasks = argc >= 3 ? std::stoi(argv[1]) : 20000;
  const int resources = argc >= 3 ? std::stoi(argv[2]) : 200;
  const bool keep = argc >= 4;
  const fs::path dir =
      keep ? fs::path(argv[3])
           : fs::temp_directory_path() / ("quorvan-bench-formats-" + std::to_string(getpid()));
  fs::create_directories(dir);
  const fs::path plan = dir / "plan.xml";
  benchexport::WriteExportPlan(plan, tasks, resources);

  msproject::Application host;
  host.FileOpen(plan);
  frmQuorvan frm;
  excel::Application engine;
  {
    clsQuorvan builder(host.ActiveProject());
    testsupport::SetRunOptions(builder);
    builder.blnShadowArrow = builder.blnShadowStatus = builder.blnShadowSymbols = true;
    WizardSink sink(frm);
    ChartExport(builder, (dir / "export.xlsx").string(), sink, &engine).Run();
    if (builder.blnFastExit) {
      std::fprintf(stderr, "Die Ausgabe wurde abgebrochen.\n");
      return 1;
    }
  }
  excel::Workbook& book = engine.Workbooks().Item(1);
  std::printf("%d tasks, %d resources: %d shapes, open workbook %.0f MB\n", tasks, resources,
              book.Worksheets(1).ShapeList().Count(), StatusMegabytes("VmRSS"));

  const Result xls = Save(book, dir / "chart.xls");
  const Result xlsx = Save(book, dir / "chart.xlsx");
  std::printf("%-6s %8s %8s %10s %10s %10s %9s\n", "Format", "Best s", "Median s", "CPU s",
              "Peak MB", "Added MB", "File MB");
  for (const auto& [name, result] : {std::pair{".xls", xls}, std::pair{".xlsx", xlsx}}) {
    std::printf("%-6s %8.3f %8.3f %10.3f %10.1f %10.1f %9.1f\n", name, result.seconds,
                result.median, result.processorSeconds, result.peakMegabytes, result.addedMegabytes,
                static_cast<double>(result.bytes) / (1024.0 * 1024.0));
  }
  const bool fast = xls.seconds <= xlsx.seconds;
  const bool small = xls.peakMegabytes < 200;
  const bool xlsxFast = xlsx.seconds < 0.6;
  std::printf(
      "Goals: .xls no slower than .xlsx: %s; peak while saving the .xls under 200 MB: %s; "
      ".xlsx under 0.6 s: %s\n",
      fast ? "met" : "MISSED", small ? "met" : "MISSED", xlsxFast ? "met" : "MISSED");
  if (!keep) fs::remove_all(dir);
  return fast && small && xlsxFast ? 0 : 1;
}
