// LibreOffice opens every chart the export writes: the example plan's and those of the real
// plans in tests/data/mspdi, converted in one run with a profile of its own.

#include <gtest/gtest.h>

#include "support/RealReaders.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;
namespace fs = std::filesystem;

TEST(LibreOfficeTest, ConvertsTheExampleChartAndEveryFixtureChartWithoutError) {
  testsupport::TempDir dir;
  std::vector<fs::path> colPlans{testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml"};
  for (const auto& entry : fs::directory_iterator(testsupport::FixturesDir() / "mspdi")) {
    if (entry.path().extension() == ".xml") colPlans.push_back(entry.path());
  }
  std::vector<fs::path> colCharts;
  for (const fs::path& plan : colPlans) {
    ChartRun run(plan);
    const fs::path target = dir / (plan.stem().string() + ".xlsx");
    run.Export(target);
    ASSERT_FALSE(run.Builder().blnFastExit) << plan;
    colCharts.push_back(target);
  }
  fs::create_directory(dir / "pdf");
  const auto result =
      testsupport::ConvertWithLibreOffice(colCharts, "pdf", dir / "pdf", dir / "profile");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStderr.find("Error"), std::string::npos) << result.strStderr;
  for (const fs::path& plan : colPlans) {
    const fs::path pdf = dir / "pdf" / (plan.stem().string() + ".pdf");
    ASSERT_TRUE(fs::exists(pdf)) << pdf << "\n" << result.strStdout << result.strStderr;
    EXPECT_GT(fs::file_size(pdf), 1000U) << pdf;
  }
}

}  // namespace
