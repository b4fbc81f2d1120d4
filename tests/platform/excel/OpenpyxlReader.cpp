#include "OpenpyxlReader.h"

#include <gtest/gtest.h>

#include "support/TestSupport.h"

namespace exceltest {

nlohmann::json ReadWithOpenpyxl(const std::filesystem::path& workbook,
                                const std::string& strCells) {
  using testsupport::ShellQuote;
  const auto script = testsupport::SourceDir() / "tests/platform/excel/read_xlsx.py";
  auto result = testsupport::RunCommand("/usr/bin/python3 " + ShellQuote(script.string()) + " " +
                                        ShellQuote(workbook.string()) + " " + strCells);
  if (result.intExitCode != 0) {
    ADD_FAILURE() << "openpyxl could not read " << workbook << ":\n" << result.strStderr;
    return nlohmann::json::object();
  }
  return nlohmann::json::parse(result.strStdout);
}

}  // namespace exceltest
