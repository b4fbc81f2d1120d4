#include "frontend/cli/QuorvanCommand.h"

namespace clitest {

testsupport::CommandResult QuorvanCommand::Run(const std::string& strArguments,
                                               const std::string& strEnvironment) const {
  return testsupport::RunCommand(
      strEnvironment + " QUORVAN_REGISTRY=" + testsupport::ShellQuote(RegistryFile().string()) +
      " " + testsupport::ShellQuote((testsupport::BinaryDir() / "quorvan").string()) + " " +
      strArguments);
}

}  // namespace clitest
