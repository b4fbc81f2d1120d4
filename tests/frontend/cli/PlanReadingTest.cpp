// What the real binary read from a plan: `--dump-plan` in every format, and the notice of a
// chart that lacks an inserted project.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "frontend/cli/QuorvanCommand.h"
#include "platform/msproject/CompoundFileCopy.h"
#include "support/PlanXml.h"
#include "support/RealReaders.h"

namespace {

using nlohmann::json;
using testing::HasSubstr;
using testsupport::ShellQuote;

// The keys of an object and, one level down, of its objects and of the first object of each
// array: the shape of a dump.
std::set<std::string> Shape(const json& value, const std::string& strPath = "") {
  std::set<std::string> keys;
  if (value.is_object()) {
    for (const auto& [key, child] : value.items()) {
      keys.insert(strPath + "/" + key);
      for (const std::string& sub : Shape(child, strPath + "/" + key)) keys.insert(sub);
    }
  } else if (value.is_array()) {
    for (const json& item : value) {
      if (item.is_object()) {
        for (const std::string& sub : Shape(item, strPath + "[]")) keys.insert(sub);
        break;
      }
    }
  }
  return keys;
}

class DumpPlanTest : public testing::Test {
 protected:
  json Dump(const std::filesystem::path& plan) {
    const auto result = quorvan_.Run("--dump-plan " + ShellQuote(plan.string()));
    EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
    EXPECT_EQ(result.strStderr, "");
    return json::parse(result.strStdout);
  }
  clitest::QuorvanCommand quorvan_;
};

TEST_F(DumpPlanTest, EveryFormatGivesTheSameKeysAndItsFileNameOnlyUnderFile) {
  const std::filesystem::path data = testsupport::FixturesDir();
  const json mpx = Dump(data / "mpp" / "task-links-project98.mpx");
  const json xml = Dump(data / "mspdi" / "task-links-project2016-mspdi.xml");
  EXPECT_EQ(Shape(mpx), Shape(xml));
  EXPECT_EQ(mpx["file"], "task-links-project98.mpx");
  EXPECT_EQ(mpx["tasks"].size(), 16u);
  EXPECT_EQ(mpx["links"][0], (json{{"predecessor", 1}, {"successor", 2}}));
  for (const json* dump : {&mpx, &xml}) {
    json rest = *dump;
    const std::string strName = rest["file"];
    rest.erase("file");
    const std::string strStem = strName.substr(0, strName.rfind('.'));
    EXPECT_EQ(rest.dump().find(strStem), std::string::npos) << strName;
  }
}

TEST_F(DumpPlanTest, APlanThatCannotBeReadEndsWithStatus2) {
  testsupport::WriteFile(quorvan_.Dir() / "Leer.mpx", "MPX,x,4.0,ANSI\r\n70,eins\r\n");
  const auto result =
      quorvan_.Run("--dump-plan " + ShellQuote((quorvan_.Dir() / "Leer.mpx").string()));
  EXPECT_EQ(result.intExitCode, 2);
  EXPECT_EQ(result.strStdout, "");
  EXPECT_THAT(result.strStderr, HasSubstr("„Leer.mpx“ konnte nicht gelesen werden: Zeile 2:"));
  const auto both = quorvan_.Run("--dump-plan --dump-model x.xml");
  EXPECT_EQ(both.intExitCode, 2);
}

// The example plan copied alone into a folder: its inserted project is not there.
TEST_F(DumpPlanTest, AChartWithoutItsInsertedProjectSaysSoAfterTheRun) {
  const std::filesystem::path plan = quorvan_.Dir() / "Markteinfuehrung.xml";
  std::filesystem::copy_file(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml", plan);
  const std::filesystem::path chart = quorvan_.Dir() / "Diagramm.xlsx";
  const auto result = quorvan_.Run(ShellQuote(plan.string()) + " -o " + ShellQuote(chart.string()));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_TRUE(std::filesystem::exists(chart));
  EXPECT_THAT(result.strStderr,
              testing::EndsWith("Kommunikationsdiagramm wurde erfolgreich erstellt.\n"
                                "Hinweis: Das eingefügte Projekt „Schulung.mpp“ (Vorgang 32 "
                                "„Vertriebsschulung“) wurde nicht gefunden; seine Ressourcen "
                                "fehlen im Diagramm.\n"));
  const json dump = Dump(plan);
  ASSERT_EQ(dump["unreadInsertedProjects"].size(), 1u);
  EXPECT_EQ(dump["unreadInsertedProjects"][0]["reason"], "notFound");
  EXPECT_EQ(dump["unreadInsertedProjects"][0]["taskId"], 32);
  EXPECT_EQ(dump["insertedProjects"][0]["plan"], nullptr);
  const auto ResourceCount = [&] {
    const auto model = quorvan_.Run(ShellQuote(plan.string()) + " --dump-model");
    EXPECT_EQ(model.intExitCode, 0) << model.strStderr;
    return json::parse(model.strStdout)["objResources"]["lngResourcesCount"].get<int>();
  };
  const int intWithout = ResourceCount();

  // Beside its inserted project the chart is whole and nothing is said.
  std::filesystem::copy_file(testsupport::SourceDir() / "examples" / "Schulung.xml",
                             quorvan_.Dir() / "Schulung.xml");
  const auto whole = quorvan_.Run(ShellQuote(plan.string()) + " -o " + ShellQuote(chart.string()));
  ASSERT_EQ(whole.intExitCode, 0) << whole.strStderr;
  EXPECT_THAT(whole.strStderr, testing::Not(HasSubstr("Hinweis")));
  EXPECT_EQ(Dump(plan)["insertedProjects"][0]["plan"]["file"], "Schulung.xml");
  // The inserted project's resources are the columns the chart lacked.
  EXPECT_GT(ResourceCount(), intWithout);
}

// The chart of a plan whose resources come from an inserted .mpp, and the chart of the same
// plan with the XML that the same release of Microsoft Project saved of that .mpp: the same
// model, the same workbook.
TEST_F(DumpPlanTest, AChartFromAnMppEqualsTheChartFromItsXml) {
  testsupport::PlanXml plan;
  plan.Resource("Leitung")
      .Task("Planung", 1, {{188743731, "Text1"}, {188743734, "Text2;Text3"}, {188743737, "Text4"}})
      .Task("Bau", 1, {{188743731, "Text5"}, {188743734, "Leitung"}})
      .Predecessor(1)
      .InsertedProject("Ressourcen", "C:\\Teile\\Teil.mpp");
  const std::filesystem::path data = testsupport::FixturesDir();
  std::string strOutputs[2];
  std::string strModels[2];
  for (int i = 0; i < 2; ++i) {
    const std::filesystem::path dir = quorvan_.Dir() / (i == 0 ? "mpp" : "xml");
    std::filesystem::create_directory(dir);
    testsupport::WriteFile(dir / "Plan.xml", plan.Xml());
    if (i == 0) {
      std::filesystem::copy_file(data / "mpp" / "resource-text-project2019-mpp14.mpp",
                                 dir / "Teil.mpp");
    } else {
      std::filesystem::copy_file(data / "mspdi" / "resource-text-project2019-mspdi.xml",
                                 dir / "Teil.xml");
    }
    const std::string strPlan = ShellQuote((dir / "Plan.xml").string());
    const auto model = quorvan_.Run(strPlan + " --dump-model");
    ASSERT_EQ(model.intExitCode, 0) << model.strStderr;
    strModels[i] = model.strStdout;
    const auto chart =
        quorvan_.Run(strPlan + " -o " + ShellQuote((dir / "Diagramm.xlsx").string()));
    ASSERT_EQ(chart.intExitCode, 0) << chart.strStderr;
    strOutputs[i] = (dir / "Diagramm.xlsx").string();
  }
  EXPECT_EQ(strModels[0], strModels[1]);
  EXPECT_EQ(json::parse(strModels[0])["objResources"].dump().find("Text30") != std::string::npos,
            true);
  const auto parts = testsupport::RunPythonCode(
      "import sys, zipfile\n"
      "a, b = (zipfile.ZipFile(p) for p in sys.argv[1:3])\n"
      "assert a.namelist() == b.namelist(), (a.namelist(), b.namelist())\n"
      "for name in a.namelist():\n"
      "    assert a.read(name) == b.read(name), name\n"
      "print(len(a.namelist()))\n",
      {strOutputs[0], strOutputs[1]});
  EXPECT_EQ(parts.intExitCode, 0) << parts.strStderr;
}

// Several plans of Microsoft Project's own formats in one call: each gets its workbook beside
// it under its own name, as an XML plan does.
TEST_F(DumpPlanTest, MppAndMpxPlansInOneCallEachGetTheirWorkbookBeside) {
  const std::filesystem::path data = testsupport::FixturesDir() / "mpp";
  testsupport::PlanOfTwo(data / "task-dates-project2019-mpp14.mpp",
                         data / "resource-text-project2019-mpp14.mpp", quorvan_.Dir() / "Plan.mpp");
  testsupport::WriteFile(quorvan_.Dir() / "Zweiter.mpx",
                         "MPX,Microsoft Project for Windows,4.0,ANSI\r\n"
                         "41,40,1\r\n"
                         "50,1,Leitung\r\n"
                         "61,90,98,1,2,40,4\r\n"
                         "70,1,1,Planung,1,3d,Leitung\r\n"
                         "70,2,2,Bau,2,2d,Leitung\r\n");
  const auto result = quorvan_.Run(ShellQuote((quorvan_.Dir() / "Plan.mpp").string()) + " " +
                                   ShellQuote((quorvan_.Dir() / "Zweiter.mpx").string()));
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_TRUE(std::filesystem::exists(quorvan_.Dir() / "Plan.xls"));
  EXPECT_TRUE(std::filesystem::exists(quorvan_.Dir() / "Zweiter.xls"));
  EXPECT_EQ(Dump(quorvan_.Dir() / "Plan.mpp")["resources"].size(), 30u);
}

}  // namespace
