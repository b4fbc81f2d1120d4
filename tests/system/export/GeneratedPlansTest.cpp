// Plans made at random from fixed seeds — outline levels with blank rows, summaries, milestones,
// links, role fields with repeated and unknown names, resources without a group, inserted
// projects, column widths and row heights across the wizard's range — each exported through the
// real export and read back by openpyxl, all workbooks in one Python run. For every chart:
// every symbol lies inside the cell of its task row and resource (or status) column, every
// arrow joins two responsible symbols, the rows are grouped as the plan's outline says, and the
// workbook opens.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <tuple>

#include "chart/LayoutNumbers.h"
#include "export/ChartExport.h"
#include "support/PlanXml.h"
#include "support/RealReaders.h"
#include "support/RunOptions.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;
using testsupport::PlanXml;

constexpr int kPlans = 300;
constexpr std::int32_t kMaxLevel = 10;  // deeper than the eight levels Excel groups

const char* const kNames[] = {"Anna", "Ben", "Cem", "Dörte", "Emil Groß", "R&D <extern>"};
const char* const kUnknownNames[] = {"Unbekannt", "anna", "Anna ", " Ben", ""};
const std::optional<std::string> kGroups[] = {
    "Leitung", "Technik", "technik", "Vertrieb & Service", " ", "", std::nullopt};
const char* const kStatusTexts[] = {"unkritisch",       "planmäßig",  "schwierig",
                                    "nicht erreichbar", "Unkritisch", "erledigt"};

class Random {
 public:
  explicit Random(unsigned intSeed) : engine_(intSeed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }
  bool Chance(double dblP) { return std::bernoulli_distribution(dblP)(engine_); }
  template <class T, std::size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

 private:
  std::mt19937 engine_;
};

// One row of the generated task table.
struct Row {
  std::int32_t lngLevel = 0;  // 0: a blank row
  std::string strInsertedFile;
  bool blnMilestone = false;
  std::vector<std::int32_t> colPredecessors;  // IDs
};

// What the generator made, as far as the checks need it.
struct GeneratedPlan {
  std::filesystem::path path;
  std::vector<Row> colRows;
  double dblColumnWidth = 0;
  double dblRowHeight = 0;
};

// What is written between the semicolons of a role field: names of the plan's resources,
// repeated, unknown or empty names, sometimes a trailing separator.
std::string RoleField(Random& rnd, const std::vector<std::string>& colKnown) {
  std::vector<std::string> colEntries;
  for (int i = rnd.Below(5); i > 0; --i) {
    if (!colEntries.empty() && rnd.Chance(0.2)) {
      colEntries.push_back(colEntries.back());
    } else if (!colKnown.empty() && rnd.Chance(0.75)) {
      colEntries.push_back(colKnown[static_cast<std::size_t>(rnd.Below(int(colKnown.size())))]);
    } else {
      colEntries.push_back(rnd.Pick(kUnknownNames));
    }
  }
  std::string strField;
  for (std::size_t i = 0; i < colEntries.size(); ++i) {
    strField += (i > 0 ? ";" : "") + colEntries[i];
  }
  if (!colEntries.empty() && rnd.Chance(0.1)) strField += ";";
  return strField;
}

void AddResources(Random& rnd, PlanXml& objPlan, int intCount, std::vector<std::string>& colKnown) {
  for (int i = 0; i < intCount; ++i) {
    if (rnd.Chance(0.08)) {
      objPlan.BlankResource();
      continue;
    }
    const std::string strName = rnd.Pick(kNames);
    objPlan.Resource(strName, rnd.Pick(kGroups));
    colKnown.push_back(strName);
  }
}

// Marks a task of the written plan as a summary or a milestone, as Project stores the flags.
void SetFlag(std::string& strXml, std::size_t lngID, const std::string& strElement) {
  const std::string strTask =
      "<Task><UID>" + std::to_string(lngID) + "</UID><ID>" + std::to_string(lngID) + "</ID>";
  const std::size_t pos = strXml.find(strTask);
  ASSERT_NE(pos, std::string::npos) << strTask;
  strXml.insert(pos + strTask.size(), strElement);
}

// Plan number intPlan in dir, with the inserted projects it names beside it.
GeneratedPlan Generate(int intPlan, const std::filesystem::path& dir) {
  Random rnd(static_cast<unsigned>(intPlan));
  GeneratedPlan objGenerated;
  std::filesystem::create_directories(dir);
  objGenerated.path = dir / "Plan.xml";
  objGenerated.dblColumnWidth = chart::kMinColumnWidth + rnd.Below(17);
  objGenerated.dblRowHeight = chart::SnapRowHeight(chart::kMinRowHeight + rnd.Below(73));

  // At least one row in the resource table, as the launch demands; in some plans only blank
  // ones, which leave the chart without a resource column of the plan's own.
  PlanXml objPlan;
  std::vector<std::string> colKnown;
  if (intPlan % 25 == 3) {
    objPlan.BlankResource();
  } else {
    AddResources(rnd, objPlan, 1 + rnd.Below(8), colKnown);
  }

  // Inserted projects with resources of their own (names shared with the plan's now and then),
  // some with a project inserted in turn, some whose file is missing; stored with the Windows
  // paths Project writes and found beside the plan.
  std::vector<std::string> colInserted;
  for (int i = rnd.Chance(0.35) ? 1 + rnd.Below(2) : 0; i > 0; --i) {
    const std::string strStem = "Teil" + std::to_string(i);
    colInserted.push_back("C:\\Projekte\\" + strStem + ".mpp");
    if (rnd.Chance(0.15)) continue;  // its file is missing
    PlanXml objPart;
    AddResources(rnd, objPart, 1 + rnd.Below(4), colKnown);
    objPart.Task("Teilaufgabe");
    if (rnd.Chance(0.3)) {
      objPart.InsertedProject("Unterprojekt", "C:\\Projekte\\" + strStem + "a.mpp");
      PlanXml objNested;
      AddResources(rnd, objNested, 1 + rnd.Below(2), colKnown);
      testsupport::WriteFile(dir / (strStem + "a.xml"), objNested.Xml());
    }
    testsupport::WriteFile(dir / (strStem + ".xml"), objPart.Xml());
  }

  // The outline: each task at most one level below the task before it (blank rows do not
  // count), often one level deeper; inserted projects at the top level.
  const int intTasks = rnd.Below(31);
  std::int32_t lngPrevious = 0;
  for (int i = 0; i < intTasks || !colInserted.empty(); ++i) {
    Row objRow;
    if (i >= intTasks || (!colInserted.empty() && rnd.Chance(0.1))) {
      objRow.lngLevel = 1;
      objRow.strInsertedFile = colInserted.back();
      colInserted.pop_back();
    } else if (!rnd.Chance(0.1)) {
      const std::int32_t lngDeepest = std::min(lngPrevious + 1, kMaxLevel);
      objRow.lngLevel = rnd.Chance(0.4) ? lngDeepest : 1 + rnd.Below(lngDeepest);
    }
    if (objRow.lngLevel > 0) lngPrevious = objRow.lngLevel;
    objGenerated.colRows.push_back(objRow);
  }
  std::vector<std::int32_t> colTaskIDs;
  for (std::size_t i = 0; i < objGenerated.colRows.size(); ++i) {
    if (objGenerated.colRows[i].lngLevel > 0) colTaskIDs.push_back(std::int32_t(i + 1));
  }
  for (Row& objRow : objGenerated.colRows) {
    if (objRow.lngLevel == 0 || !rnd.Chance(0.35)) continue;
    for (int n = 1 + rnd.Below(3); n > 0; --n) {
      objRow.colPredecessors.push_back(
          colTaskIDs[static_cast<std::size_t>(rnd.Below(int(colTaskIDs.size())))]);
    }
  }

  std::vector<std::size_t> colSummaries;
  for (std::size_t i = 0; i < objGenerated.colRows.size(); ++i) {
    Row& objRow = objGenerated.colRows[i];
    const std::size_t lngID = i + 1;
    if (objRow.lngLevel == 0) {
      objPlan.BlankTask();
      continue;
    }
    // Names, WBS codes and dates repeat now and then, so that links may match several rows.
    const std::string strName = "Vorgang " + std::to_string(rnd.Chance(0.1) ? 1 : lngID);
    const std::string strWBS = std::to_string(rnd.Chance(0.1) ? 1 : lngID);
    const std::string strDay = std::to_string(2 + rnd.Below(3));
    const std::string strStart =
        "2026-03-0" + strDay + (rnd.Chance(0.3) ? "T13:00:00" : "T08:00:00");
    const std::string strFinish = "2026-03-1" + strDay + "T17:00:00";
    if (!objRow.strInsertedFile.empty()) {
      objPlan.InsertedProject(strName, objRow.strInsertedFile).WBS(strWBS);
    } else {
      objPlan
          .Task(strName, objRow.lngLevel,
                {{testsupport::kText21, RoleField(rnd, colKnown)},
                 {testsupport::kText22, RoleField(rnd, colKnown)},
                 {testsupport::kText23, RoleField(rnd, colKnown)},
                 {testsupport::kText24, rnd.Pick(kStatusTexts)}})
          .WBS(strWBS)
          .Dates(strStart, strFinish);
    }
    for (std::int32_t lngPredecessor : objRow.colPredecessors) {
      if (lngPredecessor != std::int32_t(lngID)) objPlan.Predecessor(lngPredecessor);
    }
    // A task is a summary when the next task lies below it.
    const auto next =
        std::find_if(objGenerated.colRows.begin() + std::ptrdiff_t(i) + 1,
                     objGenerated.colRows.end(), [](const Row& r) { return r.lngLevel > 0; });
    if (objRow.strInsertedFile.empty() && next != objGenerated.colRows.end() &&
        next->lngLevel > objRow.lngLevel) {
      colSummaries.push_back(lngID);
    } else if (objRow.strInsertedFile.empty()) {
      objRow.blnMilestone = rnd.Chance(0.15);
    }
  }
  std::string strXml = objPlan.Xml();
  for (std::size_t lngID : colSummaries) SetFlag(strXml, lngID, "<Summary>1</Summary>");
  for (std::size_t i = 0; i < objGenerated.colRows.size(); ++i) {
    if (objGenerated.colRows[i].blnMilestone) SetFlag(strXml, i + 1, "<Milestone>1</Milestone>");
  }
  testsupport::WriteFile(objGenerated.path, strXml);
  return objGenerated;
}

// The outline level of each task row when the rows are grouped: one level for each level L
// from 2 to the row's own (at most 8) at which the block of rows at L or deeper that holds the
// row begins with a row of exactly L. Without blank rows that is the row's outline level less
// one; a blank row ends the blocks of every level.
std::vector<std::int32_t> GroupedLevels(const std::vector<Row>& colRows) {
  std::vector<std::int32_t> colLevels;
  for (std::size_t i = 0; i < colRows.size(); ++i) {
    std::int32_t lngGroups = 0;
    for (std::int32_t L = 2; L <= std::min(colRows[i].lngLevel, 8); ++L) {
      std::size_t lngFirst = i;
      while (lngFirst > 0 && colRows[lngFirst - 1].lngLevel >= L) --lngFirst;
      if (colRows[lngFirst].lngLevel == L) ++lngGroups;
    }
    colLevels.push_back(lngGroups);
  }
  return colLevels;
}

// A symbol by its cell and look: row, column, radius in points, fill colour.
using SymbolCell = std::tuple<std::int32_t, std::int32_t, long, std::int32_t>;

std::optional<std::int32_t> StatusLight(const std::string& strStatus) {
  if (strStatus == "unkritisch") return 255 << 16;
  if (strStatus == "planmäßig") return 255 << 8;
  if (strStatus == "schwierig") return 255 | (255 << 8);
  if (strStatus == "nicht erreichbar") return 255;
  return std::nullopt;
}

// The cells the model puts symbols into: a status light in the status column, a circle for
// each role name that is a resource's, in that resource's column.
std::vector<SymbolCell> ExpectedSymbolCells(const clsQuorvan& q) {
  std::vector<SymbolCell> colCells;
  for (const clsTask& objTask : q.objTasks.colTasks) {
    const std::int32_t lngRow = objTask.lngRowNumber;
    for (const clsField& objField : q.objTasks.objHeaderTasks.objFields.colFields) {
      if (!objField.blnStatusLights || objTask.objTask == nullptr) continue;
      if (const auto lngLight = StatusLight(objTask.objTask->GetField(objField.lngField))) {
        colCells.emplace_back(lngRow, objField.lngFieldColumn, 6, *lngLight);
      }
    }
    for (const clsResourceGroup& objGroup : q.objResources.colResourceGroups) {
      for (const clsResource& objResource : objGroup.colResources) {
        const std::string& strName = objResource.objResource->Name();
        const std::int32_t lngColumn = objResource.lngColumnNumber;
        for (const auto& [colNames, lngRadius, lngColor] :
             {std::tuple{&objTask.colParticipiants, 3L, q.lngSymParticipiantColor},
              std::tuple{&objTask.colInformed, 3L, q.lngSymInformedColor},
              std::tuple{&objTask.colResponsibles, 6L, q.lngSymResponsibleColor}}) {
          for (const std::string& strEntry : *colNames) {
            if (strEntry == strName) colCells.emplace_back(lngRow, lngColumn, lngRadius, lngColor);
          }
        }
      }
    }
  }
  std::sort(colCells.begin(), colCells.end());
  return colCells;
}

// What one export should show, worked out while its model is at hand.
struct Expected {
  int intPlan = 0;
  std::filesystem::path workbook;
  std::vector<SymbolCell> colSymbols;
  std::size_t lngArrows = 0;
  std::map<std::string, std::int32_t> colOutline;  // rows with an outline level above 0
  std::int32_t lngColumns = 0;                     // the last column and row in use
  std::int32_t lngRows = 0;
};

Expected ExportPlan(int intPlan, const GeneratedPlan& objGenerated,
                    const std::filesystem::path& workbook) {
  ChartRun run(objGenerated.path);
  clsQuorvan q(run.Host().ActiveProject());
  testsupport::SetRunFields(q);
  q.dblColumnWidthResources = objGenerated.dblColumnWidth;
  q.dblRowHeightTasks = objGenerated.dblRowHeight;
  q.GetChartData();
  testsupport::SetRunLook(q);
  run.Wizard().txtChartPath.Text(workbook.string());
  ChartExport(q, workbook.string(), run).Run();
  EXPECT_FALSE(q.blnFastExit) << "plan " << intPlan;
  EXPECT_TRUE(run.Boxes().empty()) << "plan " << intPlan;

  Expected objExpected;
  objExpected.intPlan = intPlan;
  objExpected.workbook = workbook;
  objExpected.colSymbols = ExpectedSymbolCells(q);
  objExpected.lngArrows = ExpectedArrows(q).size();
  const std::vector<std::int32_t> colLevels = GroupedLevels(objGenerated.colRows);
  for (std::size_t i = 0; i < colLevels.size(); ++i) {
    if (colLevels[i] > 0) {
      objExpected.colOutline[std::to_string(q.objTasks.lngFirstTaskRow + std::int32_t(i))] =
          colLevels[i];
    }
  }
  objExpected.lngColumns = q.objTasks.objHeaderTasks.lngColumns + q.objResources.lngResourcesCount;
  objExpected.lngRows = q.objTasks.lngFirstTaskRow + std::int32_t(colLevels.size());
  return objExpected;
}

// The 1-based index of the band between edges that holds dblAt; 0 when none does.
std::int32_t BandOf(const nlohmann::json& colEdges, double dblAt) {
  for (std::size_t i = 1; i < colEdges.size(); ++i) {
    if (dblAt >= colEdges[i - 1].get<double>() && dblAt < colEdges[i].get<double>()) {
      return std::int32_t(i);
    }
  }
  return 0;
}

// Every check of one chart; what fails is described in the returned lines.
std::vector<std::string> CheckChart(const Expected& objExpected, const nlohmann::json& objRead) {
  std::vector<std::string> colFaults;
  auto fault = [&](const std::string& strWhat) { colFaults.push_back(strWhat); };
  if (objRead.contains("error")) {
    fault("openpyxl cannot open the workbook: " + objRead["error"].get<std::string>());
    return colFaults;
  }
  if (objRead["sheets"] != 1) fault("the workbook has " + objRead["sheets"].dump() + " sheets");

  const Drawing objDrawing = DrawingOf(objRead);
  const nlohmann::json& colColumnEdges = objRead["colEdges"];
  const nlohmann::json& colRowEdges = objRead["rowEdges"];
  std::vector<SymbolCell> colSymbols;
  for (const Circle& objCircle : objDrawing.colCircles) {
    const std::int32_t lngColumn = BandOf(colColumnEdges, objCircle.dblX);
    const std::int32_t lngRow = BandOf(colRowEdges, objCircle.dblY);
    std::ostringstream where;
    where << "circle at (" << objCircle.dblX << ", " << objCircle.dblY << ") r "
          << objCircle.dblRadius;
    if (lngColumn == 0 || lngRow == 0) {
      fault(where.str() + " lies outside the sheet's columns and rows");
      continue;
    }
    constexpr double kEpsilon = 0.01;
    const double dblLeft = colColumnEdges[std::size_t(lngColumn - 1)];
    const double dblRight = colColumnEdges[std::size_t(lngColumn)];
    const double dblTop = colRowEdges[std::size_t(lngRow - 1)];
    const double dblBottom = colRowEdges[std::size_t(lngRow)];
    if (objCircle.dblX - objCircle.dblRadius < dblLeft - kEpsilon ||
        objCircle.dblX + objCircle.dblRadius > dblRight + kEpsilon ||
        objCircle.dblY - objCircle.dblRadius < dblTop - kEpsilon ||
        objCircle.dblY + objCircle.dblRadius > dblBottom + kEpsilon) {
      where << " reaches out of its cell " << CellName(lngRow, lngColumn) << " [" << dblLeft << ", "
            << dblRight << "] x [" << dblTop << ", " << dblBottom << "]";
      fault(where.str());
    }
    colSymbols.emplace_back(lngRow, lngColumn, std::lround(objCircle.dblRadius),
                            objCircle.lngColor);
  }
  std::sort(colSymbols.begin(), colSymbols.end());
  if (colSymbols != objExpected.colSymbols) {
    std::ostringstream what;
    what << "symbols in cells differ: " << colSymbols.size() << " drawn, "
         << objExpected.colSymbols.size() << " expected";
    for (std::size_t i = 0; i < std::max(colSymbols.size(), objExpected.colSymbols.size()); ++i) {
      if (i < colSymbols.size() && i < objExpected.colSymbols.size() &&
          colSymbols[i] == objExpected.colSymbols[i]) {
        continue;
      }
      auto text = [](const std::vector<SymbolCell>& col, std::size_t n) {
        if (n >= col.size()) return std::string("none");
        const auto& [r, c, radius, color] = col[n];
        return CellName(r, c) + " r " + std::to_string(radius) + " colour " + std::to_string(color);
      };
      what << "; first difference: drawn " << text(colSymbols, i) << ", expected "
           << text(objExpected.colSymbols, i);
      break;
    }
    fault(what.str());
  }

  auto atResponsible = [&](double dblX, double dblY) {
    return std::any_of(
        objDrawing.colCircles.begin(), objDrawing.colCircles.end(), [&](const Circle& c) {
          return std::lround(c.dblRadius) == 6 && c.lngColor == testsupport::kResponsibleColor &&
                 BandOf(colColumnEdges, c.dblX) > 0 &&
                 std::hypot(c.dblX - dblX, c.dblY - dblY) < 0.5;
        });
  };
  for (const Segment& objArrow : objDrawing.colArrows) {
    if (!atResponsible(objArrow.dblX1, objArrow.dblY1) ||
        !atResponsible(objArrow.dblX2, objArrow.dblY2)) {
      std::ostringstream what;
      what << "arrow from (" << objArrow.dblX1 << ", " << objArrow.dblY1 << ") to ("
           << objArrow.dblX2 << ", " << objArrow.dblY2 << ") does not join two responsibles";
      fault(what.str());
    }
  }
  if (objDrawing.colArrows.size() != objExpected.lngArrows) {
    fault(std::to_string(objDrawing.colArrows.size()) + " arrows drawn, " +
          std::to_string(objExpected.lngArrows) + " expected");
  }

  const auto colOutline = objRead["outline"].get<std::map<std::string, std::int32_t>>();
  if (colOutline != objExpected.colOutline) {
    std::ostringstream what;
    what << "grouping levels differ from the outline: rows";
    for (const auto& [strRow, lngLevel] : objExpected.colOutline) {
      const auto it = colOutline.find(strRow);
      const std::int32_t lngRead = it == colOutline.end() ? 0 : it->second;
      if (lngRead != lngLevel) what << " " << strRow << ": " << lngRead << " not " << lngLevel;
    }
    for (const auto& [strRow, lngLevel] : colOutline) {
      if (!objExpected.colOutline.contains(strRow)) what << " " << strRow << ": " << lngLevel;
    }
    fault(what.str());
  }
  return colFaults;
}

TEST(GeneratedPlansTest, EveryChartPlacesItsSymbolsArrowsAndGroupsAsItsPlanSays) {
  testsupport::TempDir dir;
  std::vector<Expected> colExpected;
  std::vector<std::string> colArguments{"", ""};
  std::int32_t lngColumns = 0, lngRows = 0;
  // What the plans held, so that the checks above are known to have met each kind of input.
  int intBlankRows = 0, intDeepRows = 0, intInserted = 0, intMilestones = 0;
  std::size_t lngArrows = 0, lngSymbols = 0;
  for (int intPlan = 0; intPlan < kPlans; ++intPlan) {
    const GeneratedPlan objGenerated =
        Generate(intPlan, dir.Path() / ("Plan" + std::to_string(intPlan)));
    const auto workbook = dir.Path() / ("Chart" + std::to_string(intPlan) + ".xlsx");
    colExpected.push_back(ExportPlan(intPlan, objGenerated, workbook));
    colArguments.push_back(workbook.string());
    lngColumns = std::max(lngColumns, colExpected.back().lngColumns);
    lngRows = std::max(lngRows, colExpected.back().lngRows);
    for (const Row& objRow : objGenerated.colRows) {
      intBlankRows += objRow.lngLevel == 0;
      intDeepRows += objRow.lngLevel > 8;
      intInserted += !objRow.strInsertedFile.empty();
      intMilestones += objRow.blnMilestone;
    }
    lngArrows += colExpected.back().lngArrows;
    lngSymbols += colExpected.back().colSymbols.size();
  }
  EXPECT_GT(intBlankRows, 0);
  EXPECT_GT(intDeepRows, 0);
  EXPECT_GT(intInserted, 0);
  EXPECT_GT(intMilestones, 0);
  EXPECT_GT(lngArrows, 100U);
  EXPECT_GT(lngSymbols, 1000U);

  colArguments[0] = std::to_string(lngColumns + 1);
  colArguments[1] = std::to_string(lngRows + 1);
  const auto result = testsupport::RunPythonScript(
      testsupport::SourceDir() / "tests" / "system" / "export" / "read_generated_charts.py",
      colArguments);
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  std::istringstream lines(result.strStdout);
  int intFailed = 0;
  for (const Expected& objExpected : colExpected) {
    std::string strLine;
    ASSERT_TRUE(std::getline(lines, strLine)) << "no reading of plan " << objExpected.intPlan;
    const std::vector<std::string> colFaults =
        CheckChart(objExpected, nlohmann::json::parse(strLine));
    if (colFaults.empty()) continue;
    if (++intFailed > 5) continue;  // the first few tell enough
    std::string strFaults;
    for (const std::string& strFault : colFaults) strFaults += "\n  " + strFault;
    ADD_FAILURE() << "plan " << objExpected.intPlan << " (seed " << objExpected.intPlan
                  << "):" << strFaults;
  }
  EXPECT_EQ(intFailed, 0) << "of " << kPlans << " plans";
}

}  // namespace
