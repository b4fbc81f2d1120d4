#pragma once
// A benchmark measures one case in a process of its own, so that its peak memory is that
// case's alone: this program started again with the case's arguments, its standard output
// (one line of figures) read back, and its resource usage taken at the end. Header only.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace benchsupport {

struct SelfRun {
  bool blnSucceeded = false;  // started, and ended with status 0
  std::string strOutput;
  rusage usage{};
};

// colArgs[0] is the program's name as the child sees it.
inline SelfRun RunSelf(std::vector<std::string> colArgs) {
  SelfRun run;
  int pipes[2];
  if (pipe(pipes) != 0) return run;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipes[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipes[0]);
  std::vector<char*> argv;
  for (std::string& strArg : colArgs) argv.push_back(strArg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const bool blnStarted =
      posix_spawn(&pid, "/proc/self/exe", &actions, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&actions);
  close(pipes[1]);
  char buffer[256];
  for (ssize_t n; blnStarted && (n = read(pipes[0], buffer, sizeof buffer)) > 0;) {
    run.strOutput.append(buffer, static_cast<std::size_t>(n));
  }
  close(pipes[0]);
  if (!blnStarted) return run;
  int status = 0;
  wait4(pid, &status, 0, &run.usage);
  run.blnSucceeded = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

}  // namespace benchsupport
