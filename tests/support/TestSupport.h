#pragma once
// What every test needs from its surroundings: the test data, the source tree, a scratch
// folder of its own, and a way to run a real program and read what it printed.

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

std::filesystem::path FixturesDir();  // tests/data: real plans, registry exports, workbooks
std::filesystem::path SourceDir();    // the clone
std::filesystem::path BinaryDir();    // the build folder

// A fresh folder, removed with everything in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

struct CommandResult {
  int intExitCode = -1;  // the exit status, or -1 when the program did not end normally
  std::string strStdout;
  std::string strStderr;
};

// Runs a shell command line; stdout and stderr are captured separately.
CommandResult RunCommand(const std::string& strCommandLine);

// Quotes one argument for the shell.
std::string ShellQuote(const std::string& strArgument);

std::string ReadFile(const std::filesystem::path& path);
// The names in a folder, sorted.
std::vector<std::string> FolderListing(const std::filesystem::path& folder);
void WriteFile(const std::filesystem::path& path, const std::string& strContent);

}  // namespace testsupport
