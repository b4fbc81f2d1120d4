// The whole command as the user runs it: `quorvan PLAN.xml -o CHART.xlsx --yes`, started as a
// process of its own on a generated plan, with its wall time and peak memory.
//
//   bench_command             500 tasks and 30 resources (best of five), 20,000 and 200
//
// Goals: under 0.3 s for 500 tasks; under 5 s and 1.5 GB for 20,000.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ExportPlan.h"
#include "support/ChildProcess.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

struct Measure {
  int intExitCode = -1;
  double dblSeconds = 0;
  long lngPeakKiB = 0;
};

Measure RunCommand(const fs::path& plan, const fs::path& chart, const fs::path& registry) {
  const std::string strBinary = QUORVAN_BINARY;
  const benchsupport::ChildProcess child({strBinary, plan.string(), "-o", chart.string(), "--yes"},
                                         registry);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  Measure measure;
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, strBinary.c_str(), &actions, nullptr, child.Argv(), child.Envp()) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return measure;
  }
  int intStatus = 0;
  rusage usage{};
  wait4(pid, &intStatus, 0, &usage);
  measure.dblSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  posix_spawn_file_actions_destroy(&actions);
  measure.intExitCode = WIFEXITED(intStatus) ? WEXITSTATUS(intStatus) : -1;
  measure.lngPeakKiB = usage.ru_maxrss;
  return measure;
}

}  // namespace

int main() {
  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-command-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  struct Size {
    int lngTasks;
    int lngResources;
    int intRuns;
    double dblGoalSeconds;
  };
  int intFailed = 0;
  std::printf("%-22s %10s %12s %s\n", "plan", "seconds", "peak MiB", "goal");
  for (const Size size : {Size{500, 30, 5, 0.3}, Size{20000, 200, 1, 5.0}}) {
    const fs::path plan = dir / ("Plan" + std::to_string(size.lngTasks) + ".xml");
    benchexport::WriteExportPlan(plan, size.lngTasks, size.lngResources);
    Measure best;
    for (int i = 0; i < size.intRuns; ++i) {
      fs::remove(dir / "HKCU.reg");
      const Measure measure = RunCommand(plan, dir / "Diagramm.xlsx", dir / "HKCU.reg");
      if (measure.intExitCode != 0) {
        std::printf("%d tasks: the command ended with status %d\n", size.lngTasks,
                    measure.intExitCode);
        ++intFailed;
        break;
      }
      if (i == 0 || measure.dblSeconds < best.dblSeconds) best = measure;
    }
    std::printf("%5d tasks, %3d res.   %10.3f %12.1f under %.1f s%s\n", size.lngTasks,
                size.lngResources, best.dblSeconds, best.lngPeakKiB / 1024.0, size.dblGoalSeconds,
                size.lngTasks > 1000 ? " and 1536 MiB" : "");
  }
  fs::remove_all(dir);
  return intFailed == 0 ? 0 : 1;
}
