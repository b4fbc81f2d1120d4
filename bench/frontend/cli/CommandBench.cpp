// The whole command as the user runs it: `quorvan PLAN.xml -o CHART --yes`, started as a
// process of its own on a generated plan, as .xls and as .xlsx, with its wall time, its CPU
// time (user and system, every thread) and its peak memory; then where the time of the large
// chart goes, phase by phase.
//
//   bench_command                       500 tasks and 30 resources (best of five), 20,000 and
//                                       200 (median of three), each as .xls and .xlsx; then the
//                                       phases of the 20,000-task chart in each format
//   bench_command --phases PLAN CHART   (the child) the command run inside this process
//   bench_command --read PLAN           (the child) the plan only read into the host
//
// The phases are those the command itself reports: each progress message it writes begins one
// (the rows of the tasks are one phase, whatever their number), and the save is divided into
// the stages the engine tells (excel::Application::OnSaveStage). The first phase holds the
// reading of the plan and the building of the chart model; how much of it the plan's reading
// takes is measured apart. The child runs the command
// with an engine of its own registered as the running one, so that it can watch its saves;
// releasing that engine afterwards stands for the export's ending of the engine it started.
//
// Goals: under 0.3 s for 500 tasks; under 0.6 s and 150 MiB for 20,000 in either format.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "ExportPlan.h"
#include "cli/Main.h"
#include "export/basExcelServer.h"
#include "platform/excel/Application.h"
#include "platform/msproject/Application.h"
#include "support/ChildProcess.h"
#include "support/SelfRun.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

double Seconds(const timeval& time) {
  return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

double CpuSeconds(const rusage& usage) {
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// --- The child: the command inside this process, its phases timed. -------------------------

// The phases in the order they began, each with its wall and CPU seconds and the peak memory
// reached by its end.
class PhaseClock {
 public:
  PhaseClock() { Begin("reading the plan, the settings"); }

  void Begin(const std::string& strName) {
    const auto now = std::chrono::steady_clock::now();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const double dblCpu = CpuSeconds(usage);
    if (!colPhases_.empty()) {
      colPhases_.back().dblWall += std::chrono::duration<double>(now - started_).count();
      colPhases_.back().dblCpu += dblCpu - cpuStarted_;
      colPhases_.back().dblPeakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    }
    started_ = now;
    cpuStarted_ = dblCpu;
    if (!colPhases_.empty() && colPhases_.back().strName == strName) return;
    colPhases_.push_back({strName, 0, 0, 0});
  }

  void Print() const {
    for (const Phase& phase : colPhases_) {
      if (phase.strName.empty()) continue;  // the end
      std::printf("%.4f %.4f %.1f %s\n", phase.dblWall, phase.dblCpu, phase.dblPeakMiB,
                  phase.strName.c_str());
    }
  }

 private:
  struct Phase {
    std::string strName;
    double dblWall;
    double dblCpu;
    double dblPeakMiB;  // the process's peak at the phase's end
  };

  std::vector<Phase> colPhases_;
  std::chrono::steady_clock::time_point started_;
  double cpuStarted_ = 0;
};

// The command's error stream: every progress line ("NN % message") begins the phase of its
// message, the numbers in it left out, so that the rows of the tasks are one phase.
class ProgressLines final : public std::streambuf {
 public:
  explicit ProgressLines(PhaseClock& clock) : clock_(clock) {}

 protected:
  int overflow(int c) override {
    if (c == traits_type::eof()) return 0;
    if (c == '\r' || c == '\n') {
      Line();
    } else {
      strLine_.push_back(static_cast<char>(c));
    }
    return c;
  }

 private:
  void Line() {
    const std::size_t percent = strLine_.find(" % ");
    if (percent != std::string::npos && percent <= 4) {
      std::string strName;
      for (char c : strLine_.substr(percent + 3)) {
        if (!std::isdigit(static_cast<unsigned char>(c))) strName.push_back(c);
      }
      clock_.Begin(strName);
    }
    strLine_.clear();
  }

  PhaseClock& clock_;
  std::string strLine_;
};

int Child(const std::string& strPlan, const std::string& strChart) {
  PhaseClock clock;
  int intStatus = 0;
  {
    auto engine = std::make_unique<excel::Application>();
    engine->OnSaveStage([&clock](std::string_view strStage) {
      clock.Begin(strStage.empty() ? std::string("after the save")
                                   : "  saving: " + std::string(strStage));
    });
    RegisterRunningExcel(*engine);
    ProgressLines lines(clock);
    std::ostream err(&lines);
    std::ostringstream out;
    const char* const argv[] = {"quorvan", strPlan.c_str(), "-o", strChart.c_str(), "--yes"};
    intStatus = cli::Main(5, argv, out, err);
    clock.Begin("releasing the engine");
    RevokeRunningExcel(*engine);
    engine.reset();
    clock.Begin("");
  }
  clock.Print();
  return intStatus;
}

// The plan read into the host and nothing else: wall and CPU seconds.
int ReadOnly(const std::string& strPlan) {
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  const auto start = std::chrono::steady_clock::now();
  {
    msproject::Application objHost;
    objHost.FileOpen(strPlan);
  }
  const double dblWall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  std::printf("%.4f %.4f %.1f\n", dblWall, CpuSeconds(after) - CpuSeconds(before),
              static_cast<double>(after.ru_maxrss) / 1024.0);
  return 0;
}

// --- The parent. --------------------------------------------------------------------------

struct Measure {
  int intExitCode = -1;
  double dblSeconds = 0;
  double dblCpuSeconds = 0;
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
  measure.dblCpuSeconds = CpuSeconds(usage);
  measure.lngPeakKiB = usage.ru_maxrss;
  return measure;
}

struct Size {
  int lngTasks;
  int lngResources;
  int intRuns;
  double dblGoalSeconds;
  double dblGoalMiB;  // 0: none
};

// The whole command, over the runs of the size: the best run for the small plan, the median
// for the large one (the machine is shared). Returns false when a run failed or a goal was missed.
bool MeasureCommand(const fs::path& dir, const fs::path& plan, const Size& size,
                    const std::string& strFormat) {
  std::vector<double> colWall, colCpu, colPeak;
  for (int i = 0; i < size.intRuns; ++i) {
    fs::remove(dir / "HKCU.reg");
    const Measure measure = RunCommand(plan, dir / ("Diagramm" + strFormat), dir / "HKCU.reg");
    if (measure.intExitCode != 0) {
      std::printf("%d tasks %s: the command ended with status %d\n", size.lngTasks,
                  strFormat.c_str(), measure.intExitCode);
      return false;
    }
    colWall.push_back(measure.dblSeconds);
    colCpu.push_back(measure.dblCpuSeconds);
    colPeak.push_back(static_cast<double>(measure.lngPeakKiB) / 1024.0);
  }
  const bool blnBest = size.intRuns >= 5;
  const double dblWall =
      blnBest ? *std::min_element(colWall.begin(), colWall.end()) : Median(colWall);
  const double dblCpu = blnBest ? *std::min_element(colCpu.begin(), colCpu.end()) : Median(colCpu);
  const double dblPeak = Median(colPeak);
  const bool blnMet =
      dblWall < size.dblGoalSeconds && (size.dblGoalMiB == 0 || dblPeak < size.dblGoalMiB);
  std::printf("%6d %5d  %-6s %10.3f %10.3f %10.1f   %s\n", size.lngTasks, size.lngResources,
              strFormat.c_str(), dblWall, dblCpu, dblPeak, blnMet ? "met" : "MISSED");
  return blnMet;
}

// The phases of the command on the plan, the median of each over the runs.
bool MeasurePhases(const char* argv0, const fs::path& dir, const fs::path& plan,
                   const std::string& strFormat, int intRuns) {
  std::vector<std::string> colOrder;
  struct Times {
    std::vector<double> colWall, colCpu, colPeak;
  };
  std::map<std::string, Times> colTimes;
  std::vector<double> colPeak;
  for (int i = 0; i < intRuns; ++i) {
    fs::remove(dir / "HKCU.reg");
    const benchsupport::SelfRun run = benchsupport::RunSelf(
        {argv0, "--phases", plan.string(), (dir / ("Diagramm" + strFormat)).string()});
    if (!run.blnSucceeded) {
      std::printf("the phases of %s: the run failed\n", strFormat.c_str());
      return false;
    }
    colPeak.push_back(static_cast<double>(run.usage.ru_maxrss) / 1024.0);
    std::istringstream lines(run.strOutput);
    double dblWall = 0;
    double dblCpu = 0;
    double dblPeak = 0;
    while (lines >> dblWall >> dblCpu >> dblPeak) {
      std::string strName;
      std::getline(lines >> std::ws, strName);
      if (i == 0) colOrder.push_back(strName);
      colTimes[strName].colWall.push_back(dblWall);
      colTimes[strName].colCpu.push_back(dblCpu);
      colTimes[strName].colPeak.push_back(dblPeak);
    }
  }
  std::printf(
      "\nThe phases of the 20,000-task chart as %s (median of %d; in-process peak %.1f "
      "MiB)\n%-48s %10s %10s %10s\n",
      strFormat.c_str(), intRuns, Median(colPeak), "phase", "wall s", "CPU s", "peak MiB");
  double dblWall = 0;
  double dblCpu = 0;
  for (const std::string& strName : colOrder) {
    const Times& times = colTimes[strName];
    const double dblPhaseWall = Median(times.colWall);
    const double dblPhaseCpu = Median(times.colCpu);
    dblWall += dblPhaseWall;
    dblCpu += dblPhaseCpu;
    std::printf("%-48s %10.3f %10.3f %10.1f\n", strName.c_str(), dblPhaseWall, dblPhaseCpu,
                Median(times.colPeak));
  }
  std::printf("%-48s %10.3f %10.3f\n", "sum", dblWall, dblCpu);
  return true;
}

// The plan read alone, the median over the runs: the part of the first phase that reading takes.
bool MeasureReading(const char* argv0, const fs::path& plan, int intRuns) {
  std::vector<double> colWall, colCpu, colPeak;
  for (int i = 0; i < intRuns; ++i) {
    const benchsupport::SelfRun run = benchsupport::RunSelf({argv0, "--read", plan.string()});
    double dblWall = 0, dblCpu = 0, dblPeak = 0;
    if (!run.blnSucceeded ||
        std::sscanf(run.strOutput.c_str(), "%lf %lf %lf", &dblWall, &dblCpu, &dblPeak) != 3) {
      std::printf("reading the plan alone: the run failed\n");
      return false;
    }
    colWall.push_back(dblWall);
    colCpu.push_back(dblCpu);
    colPeak.push_back(dblPeak);
  }
  std::printf("\n%-48s %10.3f %10.3f %10.1f\n", "the plan read alone (in the first phase)",
              Median(colWall), Median(colCpu), Median(colPeak));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--phases") return Child(argv[2], argv[3]) == 0 ? 0 : 1;
  if (argc == 3 && std::string(argv[1]) == "--read") return ReadOnly(argv[2]);

  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-command-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  // The child of the phases finds the benchmark's registry as the command does.
  ::setenv("QUORVAN_REGISTRY", (dir / "HKCU.reg").c_str(), 1);
  int intFailed = 0;
  std::printf("%6s %5s  %-6s %10s %10s %10s   %s\n", "tasks", "res.", "format", "wall s", "CPU s",
              "peak MiB", "goal");
  fs::path largePlan;
  for (const Size size : {Size{500, 30, 5, 0.3, 0}, Size{20000, 200, 3, 0.6, 150}}) {
    const fs::path plan = dir / ("Plan" + std::to_string(size.lngTasks) + ".xml");
    benchexport::WriteExportPlan(plan, size.lngTasks, size.lngResources);
    largePlan = plan;
    for (const std::string strFormat : {".xls", ".xlsx"}) {
      intFailed += !MeasureCommand(dir, plan, size, strFormat);
    }
  }
  for (const std::string strFormat : {".xls", ".xlsx"}) {
    intFailed += !MeasurePhases(argv[0], dir, largePlan, strFormat, 3);
  }
  intFailed += !MeasureReading(argv[0], largePlan, 3);
  fs::remove_all(dir);
  return intFailed == 0 ? 0 : 1;
}
