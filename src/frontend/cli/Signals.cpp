#include "cli/Signals.h"

#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>

#include "platform/excel/save/WorkFolder.h"

namespace cli {

namespace {

// The runs the process started, in slots that the handler reads without locks.
std::array<std::atomic<pid_t>, 256> gChildren{};
std::atomic<pid_t> gParent{0};  // the process that started them

extern "C" void EndOnSignal(int intSignal) {
  const int savedErrno = errno;
  // The children first: each removes its own folders before it ends.
  if (gParent.load() == ::getpid()) {
    for (auto& child : gChildren) {
      if (const pid_t pid = child.load(); pid > 0) ::kill(pid, SIGTERM);
    }
    for (auto& child : gChildren) {
      if (const pid_t pid = child.load(); pid > 0) {
        while (::waitpid(pid, nullptr, 0) < 0 && errno == EINTR) {
        }
      }
    }
  }
  excel::RemoveWorkFoldersNow();
  errno = savedErrno;
  // Ended as the signal ends a program.
  std::signal(intSignal, SIG_DFL);
  ::raise(intSignal);
}

}  // namespace

void EndCleanlyOnSignals() {
  for (const int intSignal : {SIGINT, SIGTERM}) {
    struct sigaction previous {};
    if (::sigaction(intSignal, nullptr, &previous) != 0 || previous.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = EndOnSignal;
    sigemptyset(&action.sa_mask);
    sigaddset(&action.sa_mask, SIGINT);
    sigaddset(&action.sa_mask, SIGTERM);
    ::sigaction(intSignal, &action, nullptr);
  }
}

void AddChild(pid_t pid) {
  gParent.store(::getpid());
  for (auto& child : gChildren) {
    pid_t expected = 0;
    if (child.compare_exchange_strong(expected, pid)) return;
  }
}

void RemoveChild(pid_t pid) {
  for (auto& child : gChildren) {
    pid_t expected = pid;
    if (child.compare_exchange_strong(expected, 0)) return;
  }
}

void EndWithParent(pid_t parent) {
  ::prctl(PR_SET_PDEATHSIG, SIGTERM);
  // The parent ended before the request was made.
  if (::getppid() != parent) ::raise(SIGTERM);
}

}  // namespace cli
