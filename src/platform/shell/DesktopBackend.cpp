#include "platform/shell/DesktopBackend.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

namespace shell {

namespace {

bool IsOpenVerb(const std::string& strVerb) {
  if (strVerb.empty()) return true;
  if (strVerb.size() != 4) return false;
  const char* open = "open";
  for (std::size_t i = 0; i < 4; ++i) {
    const char c = strVerb[i];
    if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != open[i]) return false;
  }
  return true;
}

void ReportErrno(int fd) {
  const int err = errno;
  [[maybe_unused]] const ssize_t n = ::write(fd, &err, sizeof err);
}

// Starts the program detached (a grandchild in a session of its own, so that it outlives
// nothing of ours and leaves no child to reap) with its output going nowhere. Returns true
// once the program runs: the pipe closes on exec, or carries errno when exec failed.
bool StartDetached(const std::string& strProgram, const std::string& strArgument) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return false;
  const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  std::vector<char*> argv{const_cast<char*>(strProgram.c_str()),
                          const_cast<char*>(strArgument.c_str()), nullptr};
  const pid_t child = ::fork();
  if (child == 0) {
    const pid_t grandchild = ::fork();
    if (grandchild == 0) {
      ::setsid();
      if (devNull >= 0) {
        ::dup2(devNull, STDIN_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        ::dup2(devNull, STDERR_FILENO);
      }
      ::execvp(argv[0], argv.data());
      ReportErrno(fds[1]);
      ::_exit(127);
    }
    if (grandchild < 0) {
      ReportErrno(fds[1]);
      ::_exit(1);
    }
    ::_exit(0);
  }
  ::close(fds[1]);
  if (devNull >= 0) ::close(devNull);
  bool blnStarted = false;
  if (child > 0) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    int err = 0;
    ssize_t n;
    while ((n = ::read(fds[0], &err, sizeof err)) < 0 && errno == EINTR) {
    }
    blnStarted = n == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  }
  ::close(fds[0]);
  return blnStarted;
}

}  // namespace

HINSTANCE DesktopBackend::ShellExecute(const ShellExecuteRequest& request) {
  if (!IsOpenVerb(request.strOperation)) return SE_ERR_NOASSOC;
  if (request.strFile.empty()) return SE_ERR_FNF;
  // A file name that begins with "-" would be read as an option of the opener.
  const std::string strTarget =
      request.strFile.front() == '-' ? "./" + request.strFile : request.strFile;
  return StartDetached(strOpener_, strTarget) ? kShellExecuteOK : SE_ERR_NOASSOC;
}

}  // namespace shell
