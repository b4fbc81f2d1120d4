#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/shell/DesktopBackend.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

// An opener that writes its arguments, one a line, into a file beside it.
class FakeOpener {
 public:
  FakeOpener() {
    testsupport::WriteFile(script(),
                           "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > " +
                               testsupport::ShellQuote((dir_ / "args.tmp").string()) + "\nmv " +
                               testsupport::ShellQuote((dir_ / "args.tmp").string()) + " " +
                               testsupport::ShellQuote(args().string()) + "\n");
    fs::permissions(script(), fs::perms::owner_all);
  }
  fs::path script() const { return dir_ / "opener"; }
  fs::path args() const { return dir_ / "args"; }

  // What the opener was given; waits for the detached program to finish writing it.
  std::string Received() const {
    for (int i = 0; i < 500 && !fs::exists(args()); ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return testsupport::ReadFile(args());
  }

 private:
  testsupport::TempDir dir_;
};

shell::ShellExecuteRequest Open(const std::string& strFile, const std::string& strVerb = "Open") {
  shell::ShellExecuteRequest request;
  request.strOperation = strVerb;
  request.strFile = strFile;
  request.nShowCmd = shell::SW_SHOWNORMAL;
  return request;
}

TEST(DesktopBackend, OpensTheLinkAsOneArgumentWithoutAShell) {
  FakeOpener opener;
  shell::DesktopBackend backend(opener.script().string());
  const std::string strLink = "http://example.org/a b;touch x$(id)&c=1";
  EXPECT_GT(backend.ShellExecute(Open(strLink)), 32u);
  EXPECT_EQ(opener.Received(), strLink + "\n");
}

TEST(DesktopBackend, TheOpenVerbInAnyCaseOrNoneOpens) {
  FakeOpener opener;
  shell::DesktopBackend backend(opener.script().string());
  EXPECT_GT(backend.ShellExecute(Open("http://example.org", "")), 32u);
  EXPECT_EQ(opener.Received(), "http://example.org\n");
}

TEST(DesktopBackend, ALeadingDashIsNoOption) {
  FakeOpener opener;
  shell::DesktopBackend backend(opener.script().string());
  EXPECT_GT(backend.ShellExecute(Open("--help", "OPEN")), 32u);
  EXPECT_EQ(opener.Received(), "./--help\n");
}

TEST(DesktopBackend, ReportsWhatItCannotOpen) {
  FakeOpener opener;
  shell::DesktopBackend backend(opener.script().string());
  EXPECT_EQ(backend.ShellExecute(Open("http://example.org", "print")), shell::SE_ERR_NOASSOC);
  EXPECT_EQ(backend.ShellExecute(Open("")), shell::SE_ERR_FNF);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(fs::exists(opener.args()));

  shell::DesktopBackend missing((opener.script().parent_path() / "no-such-opener").string());
  EXPECT_EQ(missing.ShellExecute(Open("http://example.org")), shell::SE_ERR_NOASSOC);
}

TEST(DesktopBackend, HasNoDialogsOfItsOwn) {
  shell::DesktopBackend backend("true");
  std::array<shell::COLORREF, shell::kCustomColorCount> colors{};
  EXPECT_FALSE(backend.GetSaveFileName({}).has_value());
  EXPECT_FALSE(backend.GetOpenFileName({}).has_value());
  EXPECT_FALSE(backend.ChooseColor({}, colors).has_value());
  EXPECT_FALSE(backend.BrowseForFolder({}).has_value());
}

}  // namespace
