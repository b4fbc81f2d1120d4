// Reading the largest .mpp of the test data (Project 2019 saving as MPP12, 378 KB, 110 tasks of
// every duration) into the host. Goal: under 50 ms, and the heap grown by less than five times
// the file's size while it is read. The same for MPX plans of growing size, generated: time and
// memory must grow with the file, not faster.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "HeapCount.h"
#include "platform/msproject/Application.h"

#ifndef QUORVAN_TEST_DATA
#error "QUORVAN_TEST_DATA names tests/data"
#endif

namespace {

namespace fs = std::filesystem;

// Opens the plan once per iteration; the heap's growth over what it held before is counted.
void Read(benchmark::State& state, const fs::path& path) {
  std::size_t lngGrowth = 0;
  std::int32_t lngTasks = 0;
  for (auto _ : state) {
    const std::size_t before = benchmpp::HeapInUse();
    benchmpp::ResetPeak();
    {
      msproject::Application objApplication;
      objApplication.FileOpen(path);
      lngTasks = objApplication.ActiveProject().Tasks().Count();
      benchmark::DoNotOptimize(lngTasks);
    }
    lngGrowth = std::max(lngGrowth, benchmpp::HeapPeak() - before);
  }
  const auto size = static_cast<double>(fs::file_size(path));
  state.counters["tasks"] = lngTasks;
  state.counters["file_KB"] = size / 1024.0;
  state.counters["heap_KB"] = static_cast<double>(lngGrowth) / 1024.0;
  state.counters["heap_per_file"] = static_cast<double>(lngGrowth) / size;
}

void ReadLargestMpp(benchmark::State& state) {
  Read(state, fs::path(QUORVAN_TEST_DATA) / "mpp" / "task-durations-project2019-mpp12.mpp");
}

// An MPX plan of n tasks with Text1 … Text3, links and resources, as Project 98 writes one.
fs::path MpxPlan(std::int64_t lngTasks) {
  const fs::path path = fs::temp_directory_path() / ("quorvan-bench-" + std::to_string(getpid()) +
                                                     "-" + std::to_string(lngTasks) + ".mpx");
  if (fs::exists(path)) return path;
  std::ofstream out(path, std::ios::binary);
  out << "MPX,Microsoft Project for Windows,4.0,ANSI\r\n"
         "11,2,0,1,8.00,40.00,$0.00/h,$0.00/h,1,1\r\n12,1,1,480,/,:,,,9\r\n"
         "41,40,49,1,3\r\n";
  for (int r = 1; r <= 200; ++r) out << "50," << r << ',' << r << ",Person " << r << ",Team\r\n";
  out << "61,90,98,1,3,40,50,51,70,4,5,6\r\n";
  for (std::int64_t t = 1; t <= lngTasks; ++t) {
    out << "70," << t << ',' << t << ",Vorgang " << t << ",1," << (t % 7 + 1)
        << "d,Mon 02/03/26,Fri 06/03/26," << (t > 1 ? std::to_string(t - 1) : "") << ",Person "
        << t % 200 + 1 << ",Person " << (t + 1) % 200 + 1 << ",Person " << (t + 2) % 200 + 1
        << "\r\n";
  }
  return path;
}

void ReadGeneratedMpx(benchmark::State& state) {
  const fs::path path = MpxPlan(state.range(0));
  Read(state, path);
  std::error_code ec;
  fs::remove(path, ec);
}

BENCHMARK(ReadLargestMpp)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadGeneratedMpx)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
