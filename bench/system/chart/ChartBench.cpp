// Reading the largest plan the chart accepts (20,000 tasks, 200 resources) and building the
// chart model from it. Goal: reading and building together under 0.5 s and 300 MB.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>

#include "PlanGenerator.h"
#include "chart/clsQuorvan.h"
#include "platform/msproject/Application.h"

namespace {

namespace fs = std::filesystem;

// The generated plan, written once per process and removed at its end.
class LargePlan {
 public:
  LargePlan() {
    path_ = fs::temp_directory_path() / ("quorvan-bench-" + std::to_string(getpid()) + ".xml");
    benchchart::WritePlan(path_, benchchart::PlanSize{});
  }
  ~LargePlan() {
    std::error_code ec;
    fs::remove(path_, ec);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

const LargePlan& Plan() {
  static const LargePlan plan;
  return plan;
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// The options of a run with the stored defaults.
void SetDefaultOptions(clsQuorvan& objQuorvan) {
  objQuorvan.lngMaxResourcesCount = 200;
  objQuorvan.lngMaxTasksCount = 20000;
  objQuorvan.dblColumnWidthResources = 8;
  objQuorvan.dblRowHeightTasks = 31.5;
  objQuorvan.lngFieldResponsible = 188744007;
  objQuorvan.lngFieldParticipiant = 188744008;
  objQuorvan.lngFieldInformed = 188744009;
  objQuorvan.lngFieldTargets = 188744006;
  objQuorvan.lngFieldStatus = 188744010;
  objQuorvan.lngFieldDesc = 188744011;
  objQuorvan.lngFieldStart = 188743715;
  objQuorvan.lngFieldFinish = 188743716;
  objQuorvan.lngFieldDuration = 188743709;
}

void ReadPlanAndBuildModel(benchmark::State& state) {
  const fs::path& path = Plan().Path();
  std::size_t lngRows = 0;
  std::int32_t lngResources = 0;
  std::size_t lngGroups = 0;
  for (auto _ : state) {
    msproject::Application objApplication;
    objApplication.FileOpen(path);
    clsQuorvan objQuorvan(objApplication.ActiveProject());
    SetDefaultOptions(objQuorvan);
    objQuorvan.GetChartData();
    benchmark::DoNotOptimize(objQuorvan.objTasks.colTasks.data());
    lngRows = objQuorvan.objTasks.colTasks.size();
    lngResources = objQuorvan.objResources.lngResourcesCount;
    lngGroups = objQuorvan.objResources.colResourceGroups.size();
  }
  // What was built, so that a plan the reader misunderstood shows here.
  state.counters["rows"] = static_cast<double>(lngRows);
  state.counters["resources"] = lngResources;
  state.counters["groups"] = static_cast<double>(lngGroups);
  state.counters["peak_MB"] = PeakMegabytes();
  state.counters["plan_MB"] = static_cast<double>(fs::file_size(path)) / (1024.0 * 1024.0);
}

void ReadPlanOnly(benchmark::State& state) {
  const fs::path& path = Plan().Path();
  for (auto _ : state) {
    msproject::Application objApplication;
    objApplication.FileOpen(path);
    benchmark::DoNotOptimize(&objApplication.ActiveProject());
  }
  state.counters["peak_MB"] = PeakMegabytes();
}

void BuildModelOnly(benchmark::State& state) {
  msproject::Application objApplication;
  objApplication.FileOpen(Plan().Path());
  for (auto _ : state) {
    clsQuorvan objQuorvan(objApplication.ActiveProject());
    SetDefaultOptions(objQuorvan);
    objQuorvan.GetChartData();
    benchmark::DoNotOptimize(objQuorvan.objTasks.colTasks.data());
  }
  state.counters["peak_MB"] = PeakMegabytes();
}

BENCHMARK(ReadPlanAndBuildModel)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadPlanOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(BuildModelOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
