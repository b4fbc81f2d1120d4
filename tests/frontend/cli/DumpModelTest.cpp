// `quorvan PLAN.xml --dump-model` on real plans: the JSON's shape and values.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "frontend/cli/QuorvanCommand.h"

namespace {

using Json = nlohmann::ordered_json;
using Keys = std::vector<std::string>;
using testsupport::ShellQuote;

Keys KeysOf(const Json& object) {
  Keys colKeys;
  for (const auto& [strKey, value] : object.items()) colKeys.push_back(strKey);
  return colKeys;
}

Json DumpOf(const clitest::QuorvanCommand& quorvan, const std::filesystem::path& plan) {
  const auto result = quorvan.Run(ShellQuote(plan.string()) + " --dump-model");
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  EXPECT_EQ(result.strStderr, "");
  return Json::parse(result.strStdout);
}

TEST(DumpModelTest, TheModelOfAPlanWithBlankRowsHasTheDocumentedShape) {
  clitest::QuorvanCommand quorvan;
  const Json model =
      DumpOf(quorvan, testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");

  EXPECT_EQ(KeysOf(model), (Keys{"objTasks", "objResources"}));
  const Json& tasks = model["objTasks"];
  EXPECT_EQ(KeysOf(tasks),
            (Keys{"dblTopY", "dblWidth", "lngFirstTaskRow", "lngTaskColor", "lngSummaryTaskColor",
                  "lngMilestoneColor", "lngProjectTaskColor", "objHeaderTasks", "colTasks"}));
  const Json& header = tasks["objHeaderTasks"];
  EXPECT_EQ(KeysOf(header), (Keys{"dblHeaderTopY", "dblHeaderRowHeight", "lngHeaderColor",
                                  "lngHeaderRow", "lngHeaderColumn", "lngColumns", "objFields"}));
  EXPECT_EQ(KeysOf(header["objFields"]), (Keys{"dblOffsetX", "lngOffsetColumns", "colFields"}));
  EXPECT_EQ(
      KeysOf(header["objFields"]["colFields"][0]),
      (Keys{"blnStatusLights", "lngField", "lngFieldOrder", "lngFieldColumn", "dblFieldColumnWidth",
            "dblFieldWidth", "dblFieldMidX", "strFieldName", "strFieldAlias", "strFieldDataType"}));

  const Json& rows = tasks["colTasks"];
  ASSERT_EQ(rows.size(), 41u);
  EXPECT_EQ(KeysOf(rows[0]), (Keys{"objTask", "colResponsibles", "colParticipiants", "colInformed",
                                   "blnIsSubProject", "dblMidY", "dblRowHeight", "lngRowNumber",
                                   "lngOutlineLevel"}));
  EXPECT_EQ(rows[0]["objTask"]["Name"], "Projektstart");
  EXPECT_EQ(rows[0]["colResponsibles"], Json::array({"Dr. Petra Hansen"}));
  // The plan's blank rows are rows without a task and without roles.
  for (std::size_t i : {9u, 18u, 29u, 35u}) {
    EXPECT_TRUE(rows[i]["objTask"].is_null()) << i;
    EXPECT_EQ(rows[i]["colResponsibles"], Json::array()) << i;
    EXPECT_EQ(rows[i]["lngRowNumber"], 7 + static_cast<int>(i)) << i;
  }
  EXPECT_EQ(rows[7]["lngOutlineLevel"], 3);
  EXPECT_EQ(model["objResources"]["lngResourcesCount"], 15);
}

TEST(DumpModelTest, APlanWithoutResourcesIsStoppedByTheLaunch) {
  clitest::QuorvanCommand quorvan;
  const auto result = quorvan.Run(
      ShellQuote((testsupport::FixturesDir() / "mspdi" / "mspdinulltasks.xml").string()) +
      " --dump-model");
  EXPECT_EQ(result.intExitCode, 1);
  EXPECT_EQ(result.strStdout, "");
  EXPECT_EQ(result.strStderr, "Das Projekt enthält keine Ressourcen.\n");
}

TEST(DumpModelTest, TheDefaultRunsOptionsShapeTheModel) {
  clitest::QuorvanCommand quorvan;
  const Json model = DumpOf(quorvan, testsupport::FixturesDir() / "mspdi" / "mspdiresource.xml");
  const Json& tasks = model["objTasks"];

  // Every optional column is on: Text20 targets, Text25 remarks, Text24 status.
  std::vector<std::string> colAliases;
  for (const auto& field : tasks["objHeaderTasks"]["objFields"]["colFields"]) {
    colAliases.push_back(field["strFieldAlias"]);
  }
  EXPECT_EQ(colAliases, (Keys{"PSP-Code", "UniqueID", "Ziele", "Aufgaben", "Anfang", "Ende",
                              "Dauer", "Bemerkungen", "Status", ""}));
  const Json& fields = tasks["objHeaderTasks"]["objFields"]["colFields"];
  EXPECT_EQ(fields[2]["strFieldName"], "Text20");
  EXPECT_EQ(fields[2]["lngField"], 188744006);
  EXPECT_EQ(fields[7]["lngField"], 188744011);
  EXPECT_EQ(fields[8]["lngField"], 188744010);
  EXPECT_EQ(fields[8]["blnStatusLights"], true);
  EXPECT_EQ(tasks["objHeaderTasks"]["lngColumns"], 10);
  EXPECT_EQ(tasks["lngFirstTaskRow"], 7);
  EXPECT_EQ(tasks["dblTopY"], 180.0);
  EXPECT_EQ(tasks["dblWidth"], 825.0);

  // The row height "32" is snapped down to 31.5; resource columns are 8 characters wide.
  EXPECT_EQ(tasks["colTasks"][0]["dblRowHeight"], 31.5);
  EXPECT_EQ(tasks["colTasks"][0]["dblMidY"], 195.75);
  const Json& first = model["objResources"]["colResourceGroups"][0]["colResources"][0];
  EXPECT_EQ(first["dblColumnWidth"], 8.0);
  EXPECT_EQ(first["dblWidth"], 45.75);
  EXPECT_EQ(first["lngColumnNumber"], 11);
  EXPECT_EQ(first["dblMidX"], 825.0 + 45.75 / 2);
  EXPECT_EQ(first["objResource"],
            (Json{{"ID", 1}, {"UniqueID", 1}, {"Name", "Wade Golden"}, {"Group", "Steelray"}}));
  EXPECT_EQ(model["objResources"]["lngResourcesCount"], 4);

  // The colours are the stored defaults as the run sets them after reading.
  EXPECT_EQ(tasks["lngTaskColor"], 16777215);
  EXPECT_EQ(tasks["lngSummaryTaskColor"], 12648447);
  EXPECT_EQ(tasks["lngMilestoneColor"], 14737632);
  EXPECT_EQ(tasks["lngProjectTaskColor"], 12640511);
  EXPECT_EQ(tasks["objHeaderTasks"]["lngHeaderColor"], 14737632);

  // A dump writes no settings.
  EXPECT_FALSE(std::filesystem::exists(quorvan.RegistryFile()));
}

TEST(DumpModelTest, RolesAndTheNoGroupOfAPlanAreShown) {
  clitest::QuorvanCommand quorvan;
  const auto plan = quorvan.Dir() / "Rollen.xml";
  testsupport::WriteFile(plan,
                         R"(<?xml version="1.0" encoding="UTF-8"?>
<Project xmlns="http://schemas.microsoft.com/project"><Name>Rollen</Name>
<Tasks>
<Task><UID>0</UID><ID>0</ID><Name>Rollen</Name><OutlineLevel>0</OutlineLevel></Task>
<Task><UID>7</UID><ID>1</ID><Name>Konzept schreiben</Name><WBS>1</WBS><OutlineLevel>1</OutlineLevel>
<ExtendedAttribute><FieldID>188744007</FieldID><Value>Jürgen Groß</Value></ExtendedAttribute>
<ExtendedAttribute><FieldID>188744008</FieldID><Value>Anna;Ben</Value></ExtendedAttribute>
<ExtendedAttribute><FieldID>188744009</FieldID><Value>Carla;</Value></ExtendedAttribute>
</Task>
</Tasks>
<Resources>
<Resource><UID>0</UID><ID>0</ID></Resource>
<Resource><UID>3</UID><ID>1</ID><Name>Jürgen Groß</Name></Resource>
<Resource><UID>4</UID><ID>2</ID><Name>Anna</Name><Group>Technik</Group></Resource>
</Resources></Project>
)");
  const Json model = DumpOf(quorvan, plan);
  const Json& row = model["objTasks"]["colTasks"][0];
  EXPECT_EQ(row["objTask"], (Json{{"ID", 1}, {"UniqueID", 7}, {"Name", "Konzept schreiben"}}));
  EXPECT_EQ(row["colResponsibles"], Json::array({"Jürgen Groß"}));
  EXPECT_EQ(row["colParticipiants"], Json::array({"Anna", "Ben"}));
  EXPECT_EQ(row["colInformed"], Json::array({"Carla"}));

  const Json& groups = model["objResources"]["colResourceGroups"];
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0]["strName"], "(keine)");
  EXPECT_EQ(groups[0]["colResources"][0]["objResource"]["Group"], "(keine)");
  EXPECT_EQ(groups[1]["strName"], "Technik");
  EXPECT_EQ(groups[1]["colResources"][0]["lngColumnNumber"], 12);
}

}  // namespace
