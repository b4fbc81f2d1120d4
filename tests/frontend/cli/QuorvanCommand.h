#pragma once
// Runs the real `quorvan` binary with a registry file of its own, so that no test touches the
// user's settings.

#include <string>

#include "support/TestSupport.h"

namespace clitest {

class QuorvanCommand {
 public:
  // Runs `quorvan` with the arguments (already quoted for the shell), in German whatever the
  // environment of the tests; strEnvironment ("LANGUAGE=en") goes before it.
  testsupport::CommandResult Run(const std::string& strArguments,
                                 const std::string& strEnvironment = "LANGUAGE=de") const;
  const testsupport::TempDir& Dir() const { return dir_; }
  std::filesystem::path RegistryFile() const { return dir_ / "HKCU.reg"; }

 private:
  testsupport::TempDir dir_;
};

}  // namespace clitest
