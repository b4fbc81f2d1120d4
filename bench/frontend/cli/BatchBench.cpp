// Many plans at once: 100 generated plans of 500 tasks turned into charts by one command,
// `quorvan P001.xml … P100.xml -o FOLDER/ --yes` (one process per core, each plan forked from
// it), against 100 commands `quorvan PLAN.xml -o FOLDER/ --yes` run one after the other, as a
// script would. Wall time and processor time of each (best of the runs), and whether every
// chart was written.
//
//   bench_batch [PLANS TASKS [RUNS]]     100 plans of 500 tasks and 30 resources, 2 runs
//
// Goal: the one command takes less time than the commands one after the other.

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

namespace {

namespace fs = std::filesystem;

struct Measure {
  bool ok = true;  // every command ended with status 0 and every chart is there
  double seconds = 0;
  double processorSeconds = 0;  // of the commands and the processes they started
};

double ChildrenProcessorSeconds() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs quorvan with the arguments; its exit status, -1 when it could not be started.
int Run(std::vector<std::string> arguments, const fs::path& registry) {
  const std::string binary = QUORVAN_BINARY;
  arguments.insert(arguments.begin(), binary);
  const benchsupport::ChildProcess child(std::move(arguments), registry);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int started =
      posix_spawn(&pid, binary.c_str(), &actions, nullptr, child.Argv(), child.Envp());
  posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return -1;
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether the folder holds a chart for every plan.
bool AllCharts(const fs::path& folder, const std::vector<fs::path>& plans) {
  return std::all_of(plans.begin(), plans.end(), [&](const fs::path& plan) {
    return fs::exists(folder / plan.filename().replace_extension(".xls"));
  });
}

template <class Call>
Measure Time(const fs::path& output, const std::vector<fs::path>& plans, Call&& call) {
  fs::remove_all(output);
  fs::create_directories(output);
  Measure measure;
  const double processorStart = ChildrenProcessorSeconds();
  const auto start = std::chrono::steady_clock::now();
  measure.ok = call();
  measure.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  measure.processorSeconds = ChildrenProcessorSeconds() - processorStart;
  measure.ok = measure.ok && AllCharts(output, plans);
  return measure;
}

void Keep(Measure& best, const Measure& measure) {
  if (!measure.ok) best.ok = false;
  if (best.seconds == 0 || measure.seconds < best.seconds) {
    best.seconds = measure.seconds;
    best.processorSeconds = measure.processorSeconds;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int planCount = argc >= 3 ? std::stoi(argv[1]) : 100;
  const int tasks = argc >= 3 ? std::stoi(argv[2]) : 500;
  const int runs = argc >= 4 ? std::stoi(argv[3]) : 2;
  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-batch-" + std::to_string(::getpid()));
  fs::create_directories(dir / "plans");
  std::vector<fs::path> plans;
  for (int i = 1; i <= planCount; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "Plan%03d.xml", i);
    plans.push_back(dir / "plans" / name);
    benchexport::WriteExportPlan(plans.back(), tasks, 30);
  }
  const fs::path registry = dir / "HKCU.reg";
  const fs::path output = dir / "charts";
  const std::string folder = output.string() + "/";

  Measure together, oneByOne;
  for (int run = 0; run < runs; ++run) {
    Keep(together, Time(output, plans, [&] {
           std::vector<std::string> arguments;
           for (const fs::path& plan : plans) arguments.push_back(plan.string());
           for (const char* option : {"-o", folder.c_str(), "--yes"})
             arguments.emplace_back(option);
           return Run(arguments, registry) == 0;
         }));
    Keep(oneByOne, Time(output, plans, [&] {
           bool ok = true;
           for (const fs::path& plan : plans)
             ok = Run({plan.string(), "-o", folder, "--yes"}, registry) == 0 && ok;
           return ok;
         }));
  }
  fs::remove_all(dir);

  std::printf("%d plans of %d tasks, best of %d runs\n", planCount, tasks, runs);
  std::printf("%-24s %10s %14s %s\n", "", "seconds", "processor s", "charts");
  for (const auto& [name, measure] :
       {std::pair{"one command", together}, std::pair{"one command per plan", oneByOne}}) {
    std::printf("%-24s %10.2f %14.2f %s\n", name, measure.seconds, measure.processorSeconds,
                measure.ok ? "all" : "MISSING");
  }
  const bool faster = together.seconds < oneByOne.seconds;
  std::printf("One command %.1f times as fast. Goal: faster than one command per plan: %s\n",
              oneByOne.seconds / together.seconds, faster ? "met" : "MISSED");
  return together.ok && oneByOne.ok && faster ? 0 : 1;
}
