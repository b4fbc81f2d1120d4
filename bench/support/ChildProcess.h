#pragma once
// The argument and environment vectors of a program a benchmark starts as a process of its
// own: the arguments given, and this process's environment with QUORVAN_REGISTRY pointing at
// the benchmark's own registry file. Header only.

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

namespace benchsupport {

class ChildProcess {
 public:
  ChildProcess(std::vector<std::string> colArgs, const std::filesystem::path& registry)
      : colArgs_(std::move(colArgs)) {
    colEnv_.push_back("QUORVAN_REGISTRY=" + registry.string());
    for (char** env = environ; *env != nullptr; ++env) {
      if (std::string(*env).rfind("QUORVAN_REGISTRY=", 0) != 0) colEnv_.emplace_back(*env);
    }
    for (auto& strArg : colArgs_) argv_.push_back(strArg.data());
    argv_.push_back(nullptr);
    for (auto& strEnv : colEnv_) envp_.push_back(strEnv.data());
    envp_.push_back(nullptr);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  char* const* Argv() const { return argv_.data(); }
  char* const* Envp() const { return envp_.data(); }

 private:
  std::vector<std::string> colArgs_;
  std::vector<std::string> colEnv_;
  std::vector<char*> argv_;
  std::vector<char*> envp_;
};

}  // namespace benchsupport
