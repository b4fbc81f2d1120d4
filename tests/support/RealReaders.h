#pragma once
// The real programs the tests open saved workbooks with: LibreOffice, headless, and Python 3
// with openpyxl.

#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace testsupport {

// LibreOffice converting the files into outDir as strFormat ("pdf", "ods", ...), with the user
// profile in profileDir, a folder of each run's own, so that tests can run side by side.
CommandResult ConvertWithLibreOffice(const std::vector<std::filesystem::path>& colInputs,
                                     const std::string& strFormat,
                                     const std::filesystem::path& outDir,
                                     const std::filesystem::path& profileDir);

// /usr/bin/python3 running a script file, or the code given, on the arguments.
CommandResult RunPythonScript(const std::filesystem::path& script,
                              const std::vector<std::string>& colArguments);
CommandResult RunPythonCode(const std::string& strCode,
                            const std::vector<std::string>& colArguments);

}  // namespace testsupport
