// Saving a plan of 20,000 tasks and 200 resources (the largest the chart takes) as XML: without
// edits (the file's bytes), with one role field edited (the file parsed again and the edit
// spliced in), and with a role field edited in every task. Each includes the atomic write (beside,
// fsync, rename). Goal: under 1 s each.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "ExportPlan.h"
#include "plan/SavePlan.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"

namespace {

namespace fs = std::filesystem;

constexpr int kTasks = 20000;
constexpr int kResources = 200;

// The generated plan, written once into a folder of the process's own.
const fs::path& Folder() {
  static const fs::path folder = [] {
    fs::path path =
        fs::temp_directory_path() / ("quorvan-bench-plan-" + std::to_string(::getpid()));
    fs::create_directories(path);
    benchexport::WriteExportPlan(path / "Plan.xml", kTasks, kResources);
    return path;
  }();
  return folder;
}

// Opens the plan, edits lngEdits tasks' responsible (Text21) and saves it, lngEdits = -1: every
// task; the reading and the edits are not timed.
void Save(benchmark::State& state, int lngEdits) {
  const fs::path target = Folder() / "Gespeichert.xml";
  for (auto _ : state) {
    state.PauseTiming();
    msproject::Application app;
    app.FileOpen(Folder() / "Plan.xml");
    msproject::Project& plan = app.ActiveProject();
    int n = 0;
    for (msproject::Task* task : plan.Tasks()) {
      if (!task || (lngEdits >= 0 && n >= lngEdits)) continue;
      task->SetField(msproject::TextFieldId(21), "Neu " + std::to_string(++n));
    }
    state.ResumeTiming();
    plan::SavePlanAs(plan, target);
  }
  state.counters["MB"] = static_cast<double>(fs::file_size(target)) / 1e6;
}

void SaveUnedited(benchmark::State& state) {
  Save(state, 0);
}
void SaveOneEdit(benchmark::State& state) {
  Save(state, 1);
}
void SaveEveryTaskEdited(benchmark::State& state) {
  Save(state, -1);
}

}  // namespace

BENCHMARK(SaveUnedited)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveOneEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveEveryTaskEdited)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::error_code ec;
  fs::remove_all(Folder(), ec);
  return 0;
}
