// The wizard's LoadSettings on the stored defaults alone and on a large registry file (a user's
// export of many programs' keys with the defaults at its end), each on a file dated an hour
// back, as a user's file is:
//
//   first   the first load of a process, the file not yet read (best of several runs, the
//           file's time changed before each so that it is read again)
//   again   a later load of the same process, the file unchanged (best of several runs)
//
//   bench_load_settings [MEGABYTES]   the large file's size, 50 unless given
//
// Goals: the 50 MB file loaded in under 1 s; the defaults alone no slower than before.

#include <fcntl.h>
#include <sys/stat.h>
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
#include "wizard/Globals.h"
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

double SecondsOfLoad() {
  const auto start = std::chrono::steady_clock::now();
  LoadSettings();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

struct Figures {
  double dblFirst = 1e9;
  double dblAgain = 1e9;
};

Figures Measure(const fs::path& file, int intRuns) {
  ::setenv("QUORVAN_REGISTRY", file.c_str(), 1);
  Figures figures;
  for (int i = 0; i < intRuns; ++i) {
    DateBack(file, i);
    figures.dblFirst = std::min(figures.dblFirst, SecondsOfLoad());
    figures.dblAgain = std::min(figures.dblAgain, SecondsOfLoad());
  }
  return figures;
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
  gfrmWizard = frm.get();

  const Figures small = Measure(defaults, 50);
  const double dblPeakBefore = PeakMegabytes();
  const Figures big = Measure(large, 3);
  const double dblPeak = PeakMegabytes();
  const bool blnLoaded = frm->txtRowHeight.Text() == "40" && frm->cboArrowSize.Text() == "groß";

  std::printf("%-26s %12s %12s\n", "registry file", "first ms", "again ms");
  std::printf("%-26s %12.3f %12.3f\n", "defaults alone", small.dblFirst * 1e3,
              small.dblAgain * 1e3);
  std::printf("%-20s %5.1f MB %12.1f %12.3f\n", "large file",
              static_cast<double>(fs::file_size(large)) / (1024 * 1024), big.dblFirst * 1e3,
              big.dblAgain * 1e3);
  std::printf("peak memory %.0f MB (%.0f MB before the large file)\n", dblPeak, dblPeakBefore);
  std::printf("goal: the large file under 1000 ms: %s; values loaded: %s\n",
              big.dblFirst < 1.0 ? "met" : "MISSED", blnLoaded ? "yes" : "NO");

  gfrmWizard = nullptr;
  fs::remove_all(dir);
  return big.dblFirst < 1.0 && blnLoaded ? 0 : 1;
}
