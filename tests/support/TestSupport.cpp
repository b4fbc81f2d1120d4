#include "support/TestSupport.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace fs = std::filesystem;

fs::path SourceDir() {
  return QUORVAN_SOURCE_DIR;
}
fs::path FixturesDir() {
  return SourceDir() / "tests" / "data";
}
fs::path BinaryDir() {
  return QUORVAN_BINARY_DIR;
}

TempDir::TempDir() {
  std::random_device rd;
  const fs::path base = fs::temp_directory_path();
  for (int i = 0; i < 100; ++i) {
    fs::path candidate = base / ("quorvan-test-" + std::to_string(::getpid()) + "-" +
                                 std::to_string(rd() % 1000000));
    if (fs::create_directory(candidate)) {
      path_ = candidate;
      return;
    }
  }
  throw std::runtime_error("no scratch folder could be made");
}

TempDir::~TempDir() {
  std::error_code ec;
  // Folders made read-only by a test must become writable again before they can go.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::end(it);
       it.increment(ec)) {
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(path_, ec);
}

std::string ShellQuote(const std::string& strArgument) {
  std::string out = "'";
  for (char c : strArgument) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  return out + "'";
}

std::vector<std::string> FolderListing(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

void WriteFile(const fs::path& path, const std::string& strContent) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << strContent;
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

CommandResult RunCommand(const std::string& strCommandLine) {
  TempDir scratch;
  const fs::path outFile = scratch / "stdout";
  const fs::path errFile = scratch / "stderr";
  const std::string full = "(" + strCommandLine + ") >" + ShellQuote(outFile.string()) + " 2>" +
                           ShellQuote(errFile.string()) + " </dev/null";
  const int status = std::system(full.c_str());
  CommandResult result;
  if (status != -1 && WIFEXITED(status)) result.intExitCode = WEXITSTATUS(status);
  result.strStdout = ReadFile(outFile);
  result.strStderr = ReadFile(errFile);
  return result;
}

}  // namespace testsupport
