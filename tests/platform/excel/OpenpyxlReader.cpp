#include "OpenpyxlReader.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace exceltest {

nlohmann::json ReadWithOpenpyxl(const std::filesystem::path& workbook,
                                const std::string& strCells) {
  const auto script = testsupport::SourceDir() / "tests/platform/excel/read_xlsx.py";
  std::vector<std::string> colArguments{workbook.string()};
  std::istringstream cells(strCells);
  for (std::string strCell; cells >> strCell;) colArguments.push_back(strCell);
  auto result = testsupport::RunPythonScript(script, colArguments);
  if (result.intExitCode != 0) {
    ADD_FAILURE() << "openpyxl could not read " << workbook << ":\n" << result.strStderr;
    return nlohmann::json::object();
  }
  return nlohmann::json::parse(result.strStdout);
}

}  // namespace exceltest
