// The chart preview's zoom on a chart of 2,500 tasks and 60 resources: the chart exported into an
// engine that stays open, shown in the preview (1200 × 800 pixels) fitted to the window, then
// zoomed in step by step to the largest zoom and out again. Each step is timed from the click to
// the view painted anew.
//
//   bench_preview_zoom [TASKS]    the chart of TASKS tasks (default 2,500)
//
// Goal: every zoom step under 0.1 s. Runs on Qt's offscreen platform unless QT_QPA_PLATFORM
// names another.

#include <unistd.h>

#include <QApplication>
#include <QScrollArea>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ExportPlan.h"
#include "chart/clsQuorvan.h"
#include "export/ChartExport.h"
#include "export/ProgressSink.h"
#include "gui/preview/ChartPreview.h"
#include "platform/excel/Application.h"
#include "platform/excel/Workbook.h"
#include "platform/msproject/Application.h"
#include "support/RunOptions.h"

namespace {

namespace fs = std::filesystem;

struct WorkbookKept : ProgressSink {
  void Progress(double, const std::string&) override {}
  bool KeepWorkbook() const override { return true; }
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int intTasks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2500;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-preview-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path plan = dir / "Plan.xml";
  benchexport::WriteExportPlan(plan, intTasks, 60);
  excel::Application objExcel;
  msproject::Application objHost;
  objHost.FileOpen(plan);
  {
    clsQuorvan objQuorvan(objHost.ActiveProject());
    testsupport::SetRunOptions(objQuorvan);
    WorkbookKept sink;
    ChartExport(objQuorvan, (dir / "Plan.xlsx").string(), sink, &objExcel).Run();
    if (objQuorvan.blnFastExit || objExcel.Workbooks().Last() == nullptr) {
      std::printf("Das Diagramm wurde nicht geschrieben.\n");
      fs::remove_all(dir);
      return 1;
    }
  }

  gui::ChartPreview preview;
  preview.resize(1200, 800);
  preview.show();
  QApplication::processEvents();
  if (!preview.ShowWorkbook(*objExcel.Workbooks().Last()).empty()) return 1;
  QApplication::processEvents();

  auto timed = [&](auto&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    preview.View().viewport()->repaint();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  };
  const double dblFit = timed([&] { preview.FitToWindow(); });
  std::vector<double> colSteps;
  while (preview.Zoom() < gui::ChartPreview::kMaxZoom) {
    colSteps.push_back(timed([&] { preview.ZoomIn(); }));
  }
  while (preview.Zoom() > gui::ChartPreview::kMinZoom) {
    colSteps.push_back(timed([&] { preview.ZoomOut(); }));
  }
  fs::remove_all(dir);

  const double dblWorst = *std::max_element(colSteps.begin(), colSteps.end());
  std::printf("%d Vorgänge, %zu Zoomschritte\n", intTasks, colSteps.size());
  std::printf("%-28s %8s %8s %8s %s\n", "", "ganz", "median", "längster", "Ziel");
  std::printf("%-28s %8.3f %8.3f %8.3f unter 0.1 s\n", "Zoomschritt, Sekunden", dblFit,
              Median(colSteps), dblWorst);
  return dblWorst < 0.1 && dblFit < 0.1 ? 0 : 1;
}
