#include "cli/PlanBatch.h"

#include <fmt/format.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/Signals.h"
#include "platform/catalog/Catalog.h"

namespace cli {

namespace {

struct Child {
  std::size_t index = 0;
  pid_t pid = -1;
  int fd = -1;  // the read end of the child's stderr
  std::string strErr;
};

// Forks the run of one plan with its stderr into a pipe. The child ends with the run's status
// and never returns here.
Child Start(const CommandLine& options, std::size_t index, const PlanRun& run) {
  Child child;
  child.index = index;
  int fds[2];
  if (::pipe(fds) != 0) return child;
  const pid_t parent = ::getpid();
  child.pid = ::fork();
  if (child.pid == 0) {
    EndWithParent(parent);
    ::close(fds[0]);
    CommandLine one = options;
    one.strPlan = options.colPlans[index];
    one.colPlans = {one.strPlan};
    one.wizard.strOutput = ChartPathFor(options, one.strPlan);
    one.blnProgress = false;
    std::ostringstream err;
    int intStatus = kExitFailure;
    try {
      intStatus = run(one, err);
    } catch (const std::exception& error) {
      err << _("Unerwarteter Fehler: ") << error.what() << '\n';
    }
    const std::string strErr = err.str();
    for (std::size_t done = 0; done < strErr.size();) {
      const ssize_t n = ::write(fds[1], strErr.data() + done, strErr.size() - done);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      done += static_cast<std::size_t>(n);
    }
    ::_exit(intStatus);
  }
  ::close(fds[1]);
  if (child.pid < 0) {
    ::close(fds[0]);
    return child;
  }
  child.fd = fds[0];
  AddChild(child.pid);
  return child;
}

// Reads what the child wrote until it closes its end.
void Drain(Child& child) {
  char buffer[4096];
  for (;;) {
    const ssize_t n = ::read(child.fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    child.strErr.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(child.fd);
  child.fd = -1;
}

int Reap(const Child& child) {
  int status = 0;
  while (::waitpid(child.pid, &status, 0) < 0) {
    if (errno != EINTR) {
      RemoveChild(child.pid);
      return kExitFailure;
    }
  }
  RemoveChild(child.pid);
  return WIFEXITED(status) ? WEXITSTATUS(status) : kExitFailure;
}

void Report(const CommandLine& options, const Child& child, int intStatus, std::ostream& err) {
  const std::string& strPlan = options.colPlans[child.index];
  const std::string strHead =
      fmt::format("[{}/{}] {}", child.index + 1, options.colPlans.size(), strPlan);
  if (intStatus == 0) {
    err << strHead << " → " << ChartPathFor(options, strPlan) << '\n';
  } else {
    err << strHead << _(": kein Diagramm erstellt\n");
  }
  std::istringstream lines(child.strErr);
  for (std::string strLine; std::getline(lines, strLine);) {
    if (!strLine.empty() && strLine != "\r") err << "  " << strLine << '\n';
  }
  err.flush();
}

}  // namespace

int RunPlans(const CommandLine& options, std::ostream& err, const PlanRun& run) {
  const long cores = ::sysconf(_SC_NPROCESSORS_ONLN);
  const std::size_t width = static_cast<std::size_t>(std::max(1L, cores));
  err.flush();
  int intWorst = 0;
  std::vector<Child> running;
  std::size_t next = 0;
  while (next < options.colPlans.size() || !running.empty()) {
    while (running.size() < width && next < options.colPlans.size()) {
      Child child = Start(options, next++, run);
      if (child.pid < 0) {
        Report(options, child, kExitFailure, err);
        intWorst = std::max(intWorst, kExitFailure);
        continue;
      }
      running.push_back(std::move(child));
    }
    if (running.empty()) continue;
    // The first child to finish: the one whose pipe closes first.
    std::vector<pollfd> fds;
    for (const Child& child : running) fds.push_back({child.fd, POLLIN, 0});
    if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
    for (std::size_t i = running.size(); i-- > 0;) {
      if (fds[i].revents == 0) continue;
      char buffer[4096];
      const ssize_t n = ::read(running[i].fd, buffer, sizeof buffer);
      if (n > 0) {
        running[i].strErr.append(buffer, static_cast<std::size_t>(n));
        continue;
      }
      if (n < 0 && errno == EINTR) continue;
      Drain(running[i]);
      const int intStatus = Reap(running[i]);
      Report(options, running[i], intStatus, err);
      intWorst = std::max(intWorst, intStatus);
      running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  return intWorst;
}

}  // namespace cli
