// `quorvan` ended by SIGTERM or SIGINT on the way: nothing of its work is left behind, and the
// runs of a batch end with it. Real processes, signalled while they write.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/PlanXml.h"
#include "support/TestSupport.h"
#include "support/TextFields.h"

namespace {

namespace fs = std::filesystem;
using testsupport::PlanXml;

// A plan large enough that writing its chart takes a while.
fs::path LargePlan(const testsupport::TempDir& dir, const std::string& strName) {
  PlanXml objPlan;
  for (int i = 1; i <= 40; ++i) objPlan.Resource("Person " + std::to_string(i));
  for (int i = 1; i <= 3000; ++i) {
    objPlan.Task("Vorgang " + std::to_string(i), 1,
                 {{testsupport::kText21, "Person " + std::to_string(i % 40 + 1)}});
  }
  return objPlan.Write(dir, strName);
}

class SignalsTest : public testing::Test {
 protected:
  // Starts quorvan with the arguments, its registry and temporary folder in the test's folder.
  pid_t Start(const std::vector<std::string>& colArguments) {
    const std::string strBinary = (testsupport::BinaryDir() / "quorvan").string();
    const pid_t pid = ::fork();
    if (pid == 0) {
      std::vector<char*> argv{const_cast<char*>(strBinary.c_str())};
      for (const std::string& strArgument : colArguments) {
        argv.push_back(const_cast<char*>(strArgument.c_str()));
      }
      argv.push_back(nullptr);
      ::setenv("QUORVAN_REGISTRY", (dir_ / "HKCU.reg").c_str(), 1);
      ::setenv("TMPDIR", temporary_.c_str(), 1);
      // As from a terminal: a test run in the background may have inherited SIGINT ignored.
      ::signal(SIGINT, SIG_DFL);
      if (::freopen("/dev/null", "w", stderr) == nullptr) ::_exit(126);
      ::execv(strBinary.c_str(), argv.data());
      ::_exit(127);
    }
    return pid;
  }

  // Waits until an entry whose name begins with strPrefix appears in folder (true), or the
  // process ends or 60 seconds pass (false).
  static bool AwaitEntry(const fs::path& folder, const std::string& strPrefix, pid_t pid) {
    const int fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    ::inotify_add_watch(fd, folder.c_str(), IN_CREATE);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool blnSeen = false;
    while (!blnSeen && std::chrono::steady_clock::now() < end) {
      alignas(inotify_event) char buffer[4096];
      const ssize_t cb = ::read(fd, buffer, sizeof buffer);
      for (ssize_t at = 0; at < cb;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0 && std::string(event->name).starts_with(strPrefix)) blnSeen = true;
        at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
      }
      if (cb <= 0) {
        if (::waitpid(pid, nullptr, WNOHANG) == pid) break;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
      }
    }
    ::close(fd);
    return blnSeen;
  }

  static int Wait(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return status;
  }

  // The entries of the folder that this program makes while it works.
  static std::vector<std::string> WorkFolders(const fs::path& folder) {
    std::vector<std::string> colNames;
    for (const std::string& strName : testsupport::FolderListing(folder)) {
      if (strName.find("quorvan-") != std::string::npos) colNames.push_back(strName);
    }
    return colNames;
  }

  testsupport::TempDir dir_;
  fs::path temporary_ = [this] {
    fs::create_directory(dir_ / "tmp");
    return dir_ / "tmp";
  }();
};

TEST_F(SignalsTest, ASaveEndedBySigtermOrSigintLeavesNothingBeside) {
  const fs::path plan = LargePlan(dir_, "Plan.xml");
  for (const int intSignal : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(intSignal);
    const pid_t pid = Start({plan.string(), "-o", (dir_ / "Diagramm.xls").string()});
    ASSERT_TRUE(AwaitEntry(dir_.Path(), ".~quorvan-", pid)) << "the save did not begin";
    ::kill(pid, intSignal);
    const int status = Wait(pid);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before the signal came";
    EXPECT_EQ(WTERMSIG(status), intSignal);  // the caller sees the signal
    EXPECT_EQ(WorkFolders(dir_.Path()), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(dir_ / "Diagramm.xls"));
  }
}

TEST_F(SignalsTest, APicturesRunLeavesNoTemporaryWorkbookAndTidiesWhatKilledRunsLeft) {
  const fs::path plan = LargePlan(dir_, "Plan.xml");
  const pid_t pid = Start({plan.string(), "--png", (dir_ / "Bild.png").string()});
  ASSERT_TRUE(AwaitEntry(temporary_, ".~quorvan-", pid)) << "no temporary folder was made";
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ::kill(pid, SIGTERM);
  ASSERT_TRUE(WIFSIGNALED(Wait(pid)));
  EXPECT_EQ(WorkFolders(temporary_), std::vector<std::string>{});

  // What a run killed outright (SIGKILL, no handler) left is removed by the next run.
  fs::create_directory(temporary_ / ".~quorvan-AbC123");
  testsupport::WriteFile(temporary_ / ".~quorvan-AbC123" / "Plan.xlsx", "halb geschrieben");
  const fs::path small = PlanXml().Task("A").Resource("Anna").Write(dir_, "Klein.xml");
  ASSERT_EQ(WEXITSTATUS(Wait(Start({small.string(), "--png", (dir_ / "Klein.png").string()}))), 0);
  EXPECT_EQ(WorkFolders(temporary_), std::vector<std::string>{});
  EXPECT_TRUE(fs::exists(dir_ / "Klein.png"));
}

TEST_F(SignalsTest, TheRunsOfABatchEndWithTheirParent) {
  std::vector<std::string> colArguments;
  for (const char* strName : {"Eins.xml", "Zwei.xml", "Drei.xml"}) {
    colArguments.push_back(LargePlan(dir_, strName).string());
  }
  fs::create_directory(dir_ / "out");
  colArguments.insert(colArguments.end(), {"-o", (dir_ / "out").string() + "/"});
  const pid_t pid = Start(colArguments);

  // The runs the parent started, once they are at work.
  std::vector<pid_t> colChildren;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (colChildren.empty() && std::chrono::steady_clock::now() < end) {
    std::ifstream children("/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) +
                           "/children");
    for (pid_t child; children >> child;) colChildren.push_back(child);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  ASSERT_FALSE(colChildren.empty());
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  ::kill(pid, SIGTERM);
  ASSERT_TRUE(WIFSIGNALED(Wait(pid)));
  for (const pid_t child : colChildren) {
    EXPECT_EQ(::kill(child, 0), -1) << "run " << child << " still runs";
  }
  EXPECT_EQ(WorkFolders(dir_ / "out"), std::vector<std::string>{});
}

}  // namespace
