// The wizard's LoadSettings on the stored defaults alone and on a large registry file (a user's
// export of many programs' keys with the defaults at its end), each on a file dated an hour
// back, as a user's file is:
//
//   first   the first load of a process, the file not yet read (best of several processes)
//   again   a later load of the same process, the file unchanged (best of several runs)
//
// each by the clock and by the processor time of the process (which other processes on the
// machine do not stretch).
//
//   bench_load_settings [MEGABYTES]   the large file's size, 50 unless given
//
// Goals: the 50 MB file loaded in under 1 s; the defaults alone no slower than before.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "RegistryFileGenerator.h"
#include "settings/LoadSettings.h"
#include "wizard/frmQuorvan.h"

namespace {

namespace fs = std::filesystem;

double PeakMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return -1;
}

// Dates the file back by an hour and the given seconds.
void DateBack(const fs::path& file, int intSeconds) {
  timespec times[2]{};
  ::clock_gettime(CLOCK_REALTIME, &times[0]);
  times[0].tv_sec -= 3600 + intSeconds;
  times[1] = times[0];
  ::utimensat(AT_FDCWD, file.c_str(), times, 0);
}

// The clock's and the processor's time of one load.
struct Times {
  double dblWall = 1e9;
  double dblProcessor = 1e9;

  void KeepBest(const Times& other) {
    dblWall = std::min(dblWall, other.dblWall);
    dblProcessor = std::min(dblProcessor, other.dblProcessor);
  }
};

double ProcessorSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

frmQuorvan* gfrmLoaded = nullptr;

// The launch's load: the wizard's controls as options, the stored defaults over them, and back.
void LoadIntoWizard() {
  chart::ChartOptions options = gfrmLoaded->Options();
  LoadSettings(options);
  gfrmLoaded->ShowOptions(options);
}

Times TimesOfLoad() {
  const auto start = std::chrono::steady_clock::now();
  const double dblProcessorStart = ProcessorSeconds();
  LoadIntoWizard();
  return Times{std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
               ProcessorSeconds() - dblProcessorStart};
}

// The first load of a process of its own (forked, so that the wizard is there already).
Times TimesOfFirstLoad() {
  Times times;
  int fds[2];
  if (::pipe(fds) != 0) return times;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const Times child = TimesOfLoad();
    [[maybe_unused]] const ssize_t cb = ::write(fds[1], &child, sizeof child);
    ::_exit(0);
  }
  ::close(fds[1]);
  if (::read(fds[0], &times, sizeof times) != sizeof times) times = Times{};
  ::close(fds[0]);
  ::waitpid(pid, nullptr, 0);
  return times;
}

struct Figures {
  Times first;
  Times again;
};

Figures Measure(const fs::path& file, int intRuns) {
  ::setenv("QUORVAN_REGISTRY", file.c_str(), 1);
  DateBack(file, 0);
  Figures figures;
  for (int i = 0; i < intRuns; ++i) figures.first.KeepBest(TimesOfFirstLoad());
  for (int i = 0; i < intRuns + 1; ++i) figures.again.KeepBest(TimesOfLoad());
  return figures;
}

void PrintRow(const std::string& strFile, const Figures& figures) {
  std::printf("%-22s %10.3f %10.3f %10.3f %10.3f\n", strFile.c_str(), figures.first.dblWall * 1e3,
              figures.first.dblProcessor * 1e3, figures.again.dblWall * 1e3,
              figures.again.dblProcessor * 1e3);
}

}  // namespace

int main(int argc, char** argv) {
  const double dblMegabytes = argc > 1 ? std::atof(argv[1]) : 50.0;
  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-settings-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  const fs::path defaults = dir / "Standard.reg";
  const fs::path large = dir / "Gross.reg";
  benchsettings::WriteDefaultsFile(defaults);
  benchsettings::WriteLargeFile(large, static_cast<std::size_t>(dblMegabytes * 1024 * 1024));

  auto frm = std::make_unique<frmQuorvan>();
  gfrmLoaded = frm.get();

  const Figures small = Measure(defaults, 50);
  const double dblPeakBefore = PeakMegabytes();
  const Figures big = Measure(large, 3);
  const double dblPeak = PeakMegabytes();  // the later loads; the first ones are children's
  const bool blnLoaded = frm->txtRowHeight.Text() == "40" && frm->cboArrowSize.Text() == "groß";

  std::printf("%-22s %10s %10s %10s %10s\n", "registry file", "first ms", "(cpu ms)", "again ms",
              "(cpu ms)");
  PrintRow("defaults alone", small);
  char strLarge[32];
  std::snprintf(strLarge, sizeof strLarge, "large file %.1f MB",
                static_cast<double>(fs::file_size(large)) / (1024 * 1024));
  PrintRow(strLarge, big);
  std::printf("peak memory %.0f MB (%.0f MB before the large file)\n", dblPeak, dblPeakBefore);
  std::printf("goal: the large file under 1000 ms: %s; values loaded: %s\n",
              big.first.dblWall < 1.0 ? "met" : "MISSED", blnLoaded ? "yes" : "NO");

  gfrmLoaded = nullptr;
  fs::remove_all(dir);
  return big.first.dblWall < 1.0 && blnLoaded ? 0 : 1;
}
