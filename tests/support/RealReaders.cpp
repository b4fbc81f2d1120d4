#include "support/RealReaders.h"

namespace testsupport {

namespace {

std::string Quoted(const std::vector<std::string>& colArguments) {
  std::string strOut;
  for (const auto& strArgument : colArguments) strOut += " " + ShellQuote(strArgument);
  return strOut;
}

}  // namespace

CommandResult ConvertWithLibreOffice(const std::vector<std::filesystem::path>& colInputs,
                                     const std::string& strFormat,
                                     const std::filesystem::path& outDir,
                                     const std::filesystem::path& profileDir) {
  std::string strCommand =
      "soffice -env:UserInstallation=" + ShellQuote("file://" + profileDir.string()) +
      " --headless --norestore --convert-to " + ShellQuote(strFormat) + " --outdir " +
      ShellQuote(outDir.string());
  for (const auto& input : colInputs) strCommand += " " + ShellQuote(input.string());
  return RunCommand(strCommand);
}

CommandResult RunPythonScript(const std::filesystem::path& script,
                              const std::vector<std::string>& colArguments) {
  return RunCommand("/usr/bin/python3 " + ShellQuote(script.string()) + Quoted(colArguments));
}

CommandResult RunPythonCode(const std::string& strCode,
                            const std::vector<std::string>& colArguments) {
  return RunCommand("/usr/bin/python3 -c " + ShellQuote(strCode) + Quoted(colArguments));
}

}  // namespace testsupport
