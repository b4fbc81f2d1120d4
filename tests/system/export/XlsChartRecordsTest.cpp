// A real chart saved as .xls, read back record by record and by xlrd, against the same chart
// saved as .xlsx and read by openpyxl (read_chart.py): the page set-up (paper, orientation,
// fitting to one page, margins, header and footer margins, centring, the sheet's fit-to-page
// and summary bits), the merged header cells, the hidden columns, the frozen pane, the rows'
// outline levels and hidden rows, and every shape with its fill, outline and shadow colour,
// line weight and arrowhead. For the example plan and every fixture plan; the colours are all
// unlike their own byte-swapped selves, so that a colour written in the wrong byte order shows.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "platform/excel/BiffRecords.h"
#include "support/PlanXml.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;
using xlstest::ArtRecord;
using xlstest::Record;
using xlstest::U16;
using xlstest::U32;
namespace fs = std::filesystem;

constexpr double kEmuPerPoint = 12700;

// Record types of the sheet.
constexpr std::uint16_t kLeftMargin = 0x0026, kRightMargin = 0x0027, kTopMargin = 0x0028,
                        kBottomMargin = 0x0029, kPane = 0x0041, kColInfo = 0x007D, kWsBool = 0x0081,
                        kHCenter = 0x0083, kVCenter = 0x0084, kSetup = 0x00A1,
                        kMergedCells = 0x00E5, kMsoDrawing = 0x00EC, kRow = 0x0208,
                        kWindow2 = 0x023E;

double Double(std::string_view data, std::size_t offset) {
  const std::uint64_t bits = U32(data, offset) | std::uint64_t{U32(data, offset + 4)} << 32;
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

// A colour as RRGGBB: OfficeArt stores red in the low byte.
std::string Rgb(std::uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF,
                (colour >> 16) & 0xFF);
  return text;
}

std::string ColumnName(int column) {  // 0-based
  std::string name;
  for (++column; column > 0; column = (column - 1) / 26) {
    name.insert(name.begin(), static_cast<char>('A' + (column - 1) % 26));
  }
  return name;
}

std::string Cell(int row, int column) {  // 0-based
  return ColumnName(column) + std::to_string(row + 1);
}

// What the tests compare of the .xls, in read_chart.py's terms.
struct XlsSheet {
  nlohmann::json page = nlohmann::json::object();
  std::vector<std::string> merged;
  std::map<std::string, bool> hiddenColumns;
  std::map<std::string, nlohmann::json> rows;  // by row number: outline level, hidden
  nlohmann::json freeze;
  bool summaryBelow = true, summaryRight = true;
  std::vector<nlohmann::json> shapes;
};

// One shape's properties from its OfficeArt property table, in read_chart.py's terms.
nlohmann::json ShapeOf(const ArtRecord& container) {
  nlohmann::json shape;
  for (const ArtRecord& child : container.children) {
    if (child.type == 0xF00A) {
      shape["kind"] = child.instance == 3 ? "oval" : child.instance == 20 ? "line" : "?";
    }
    if (child.type != 0xF00B) continue;
    std::map<std::uint16_t, std::uint32_t> values;
    std::size_t complexAt = 6u * child.instance;
    for (std::size_t i = 0; i < child.instance; ++i) {
      const std::uint16_t id = U16(child.data, 6 * i);
      const std::uint32_t value = U32(child.data, 6 * i + 2);
      if ((id & 0x8000) != 0) {
        if ((id & 0x3FFF) == 0x0380) {  // the name, UTF-16 ending in NUL; ours are ASCII
          std::string name;
          for (std::size_t at = complexAt; at + 2 < complexAt + value; at += 2) {
            name += static_cast<char>(U16(child.data, at));
          }
          shape["name"] = name;
        }
        complexAt += value;
        continue;
      }
      values[id & 0x3FFF] = value;
    }
    const bool filled = values.count(0x01BF) && (values[0x01BF] & 0x10) != 0;
    if (filled && values.count(0x0181)) shape["fill"] = Rgb(values[0x0181]);
    const bool lined = !values.count(0x01FF) || (values[0x01FF] & 0x08) != 0;
    if (lined) {
      shape["lineWeight"] = values.count(0x01CB) ? values[0x01CB] / kEmuPerPoint : 0.75;
      if (values.count(0x01C0)) shape["lineColour"] = Rgb(values[0x01C0]);
      if (values.count(0x01D1) && values[0x01D1] != 0) {
        static const char* kSizes[] = {"sm", "med", "lg"};
        shape["tail"] = {{"type", values[0x01D1] == 1 ? "triangle" : "?"},
                         {"w", kSizes[std::min<std::uint32_t>(values[0x01D4], 2)]},
                         {"len", kSizes[std::min<std::uint32_t>(values[0x01D5], 2)]}};
      }
    }
    if (values.count(0x023F) && (values[0x023F] & 0x02) != 0 && values.count(0x0201)) {
      shape["shadow"] = Rgb(values[0x0201]);
    }
  }
  return shape;
}

XlsSheet ReadXlsSheet(const fs::path& xls) {
  const auto substreams = xlstest::Substreams(xls);
  EXPECT_EQ(substreams.size(), 2u) << "the globals and one sheet";
  const std::vector<Record>& sheet = substreams.at(1);
  XlsSheet out;
  std::string drawing;
  bool frozen = false;
  for (const Record& r : sheet) {
    const std::string& d = r.data;
    switch (r.type) {
      case kLeftMargin:
        out.page["left"] = Double(d, 0);
        break;
      case kRightMargin:
        out.page["right"] = Double(d, 0);
        break;
      case kTopMargin:
        out.page["top"] = Double(d, 0);
        break;
      case kBottomMargin:
        out.page["bottom"] = Double(d, 0);
        break;
      case kHCenter:
        out.page["horizontalCentered"] = U16(d, 0) != 0;
        break;
      case kVCenter:
        out.page["verticalCentered"] = U16(d, 0) != 0;
        break;
      case kSetup: {
        const std::uint16_t flags = U16(d, 10);
        EXPECT_EQ(flags & 0x0004, 0) << "the printer settings are valid";
        out.page["paperSize"] = U16(d, 0);
        out.page["fitToWidth"] = U16(d, 6);
        out.page["fitToHeight"] = U16(d, 8);
        out.page["orientation"] = (flags & 0x0002) != 0 ? "portrait" : "landscape";
        out.page["header"] = Double(d, 16);
        out.page["footer"] = Double(d, 24);
        break;
      }
      case kWsBool: {
        const std::uint16_t flags = U16(d, 0);
        out.page["fitToPage"] = (flags & 0x0100) != 0;
        out.summaryBelow = (flags & 0x0040) != 0;
        out.summaryRight = (flags & 0x0080) != 0;
        break;
      }
      case kMergedCells:
        for (std::size_t i = 0; i < U16(d, 0); ++i) {
          const std::size_t at = 2 + 8 * i;
          out.merged.push_back(Cell(U16(d, at), U16(d, at + 4)) + ":" +
                               Cell(U16(d, at + 2), U16(d, at + 6)));
        }
        break;
      case kColInfo:
        for (int c = U16(d, 0); c <= U16(d, 2) && c < 256; ++c) {
          out.hiddenColumns[ColumnName(c)] = (U16(d, 8) & 0x0001) != 0;
        }
        break;
      case kRow: {
        const std::uint16_t flags = U16(d, 12);
        out.rows[std::to_string(U16(d, 0) + 1)] = {{"outline", flags & 0x0007},
                                                   {"hidden", (flags & 0x0020) != 0}};
        break;
      }
      case kWindow2:
        frozen = (U16(d, 0) & 0x0008) != 0;
        break;
      case kPane:
        if (U16(d, 0) != 0 || U16(d, 2) != 0) out.freeze = Cell(U16(d, 2), U16(d, 0));
        break;
      case kMsoDrawing:
        drawing += d;
        break;
      default:
        break;
    }
  }
  if (!frozen) out.freeze = nullptr;
  std::sort(out.merged.begin(), out.merged.end());
  if (!drawing.empty()) {
    const auto art = xlstest::ReadArt(drawing);
    EXPECT_EQ(art.size(), 1u) << "one drawing";
    const auto& shapes = art.at(0).children.at(1).children;  // the group, then the shapes
    for (std::size_t i = 1; i < shapes.size(); ++i) out.shapes.push_back(ShapeOf(shapes[i]));
  }
  return out;
}

// The chart of the plan saved in the format, with shadows on and colours whose bytes differ.
fs::path SaveChart(const fs::path& plan, const fs::path& target) {
  ChartRun run(plan);
  clsQuorvan& q = run.Builder();
  q.blnShadowArrow = q.blnShadowSymbols = q.blnShadowStatus = true;
  q.lngArrowColor = 0x3366CC;  // RGB(0xCC, 0x66, 0x33), red in the low byte
  q.lngArrowShadowColor = 0x102030;
  q.lngSymResponsibleColor = 0x0000C0;
  q.lngSymParticipiantColor = 0x40A000;
  q.lngSymInformedColor = 0xF08000;
  q.lngSymShadowColor = 0x405060;
  run.Export(target);
  EXPECT_FALSE(q.blnFastExit) << target;
  return target;
}

class XlsChartRecordsTest : public ::testing::TestWithParam<std::string> {
 protected:
  static fs::path Plan() {
    return GetParam() == "Markteinfuehrung.xml" ? testsupport::SourceDir() / "examples" / GetParam()
                                                : testsupport::FixturesDir() / "mspdi" / GetParam();
  }
  testsupport::TempDir dir_;
};

TEST_P(XlsChartRecordsTest, TheXlsHoldsWhatTheXlsxOfTheSameChartHolds) {
  const nlohmann::json xlsx = ReadChart(SaveChart(Plan(), dir_ / "Chart.xlsx"));
  const fs::path xlsFile = SaveChart(Plan(), dir_ / "Chart.xls");
  const XlsSheet xls = ReadXlsSheet(xlsFile);
  ASSERT_TRUE(xlsx.contains("page")) << xlsx;

  // The page: A4 landscape, fitted to one page, margins of 2 cm, header and footer 1 cm.
  const nlohmann::json& page = xlsx["page"];
  EXPECT_EQ(xls.page["paperSize"], 9);
  EXPECT_EQ(xls.page["paperSize"], page["paperSize"]) << page;
  EXPECT_EQ(xls.page["orientation"], "landscape");
  EXPECT_EQ(xls.page["orientation"], page["orientation"]);
  for (const char* key :
       {"fitToWidth", "fitToHeight", "fitToPage", "horizontalCentered", "verticalCentered"}) {
    EXPECT_EQ(xls.page.value(key, nlohmann::json()), page[key]) << key;
  }
  EXPECT_EQ(xls.page["fitToWidth"], 1);
  EXPECT_EQ(xls.page["fitToPage"], true);
  for (const char* key : {"left", "right", "top", "bottom", "header", "footer"}) {
    ASSERT_TRUE(xls.page.contains(key)) << key;
    EXPECT_NEAR(xls.page[key].get<double>(), page[key].get<double>(), 1e-9) << key;
  }
  EXPECT_NEAR(xls.page["left"].get<double>(), 2 / 2.54, 1e-9);
  EXPECT_NEAR(xls.page["header"].get<double>(), 1 / 2.54, 1e-9);
  // Summary rows above their detail, as the grouping of the task rows sets it.
  // (openpyxl reads an absent setting as nothing: the default, below and right.)
  EXPECT_FALSE(xls.summaryBelow);
  EXPECT_EQ(xls.summaryBelow, xlsx["summaryBelow"].is_null() || xlsx["summaryBelow"].get<bool>());
  EXPECT_EQ(xls.summaryRight, xlsx["summaryRight"].is_null() || xlsx["summaryRight"].get<bool>());

  // The sheet: merged group cells, hidden columns, frozen headings, outline levels.
  EXPECT_EQ(xls.merged, xlsx["merged"].get<std::vector<std::string>>());
  std::map<std::string, bool> hiddenXlsx;
  for (const auto& [column, info] : xlsx["cols"].items()) {
    if (info["hidden"].get<bool>()) hiddenXlsx[column] = true;
  }
  std::map<std::string, bool> hiddenXls;
  for (const auto& [column, hidden] : xls.hiddenColumns) {
    if (hidden) hiddenXls[column] = true;
  }
  EXPECT_EQ(hiddenXls, hiddenXlsx);
  EXPECT_FALSE(hiddenXls.empty()) << "the hidden unique ID";
  EXPECT_EQ(xls.freeze, xlsx["freeze"]);
  EXPECT_EQ(xls.freeze, "A7");
  for (const auto& [row, info] : xlsx["rows"].items()) {
    const auto it = xls.rows.find(row);
    const int outline = it == xls.rows.end() ? 0 : it->second["outline"].get<int>();
    const bool hidden = it != xls.rows.end() && it->second["hidden"].get<bool>();
    EXPECT_EQ(outline, info["outline"].get<int>()) << "row " << row;
    EXPECT_EQ(hidden, info["hidden"].get<bool>()) << "row " << row;
  }

  // The shapes, in the same order, with the same look.
  const nlohmann::json& shapes = xlsx["shapes"];
  ASSERT_EQ(xls.shapes.size(), shapes.size());
  for (std::size_t i = 0; i < xls.shapes.size(); ++i) {
    const nlohmann::json& ours = xls.shapes[i];
    const nlohmann::json& theirs = shapes[i];
    SCOPED_TRACE(theirs.value("name", "?"));
    EXPECT_EQ(ours.value("name", ""), theirs["name"]);
    EXPECT_EQ(ours["kind"], theirs["kind"]);
    for (const char* key : {"fill", "lineColour", "shadow", "tail"}) {
      EXPECT_EQ(ours.value(key, nlohmann::json()), theirs.value(key, nlohmann::json())) << key;
    }
    EXPECT_NEAR(ours.value("lineWeight", 0.0), theirs.value("lineWeight", 0.0), 1e-4);
  }

  // xlrd reads the merges, the hidden columns, the rows and the pane as the records say.
  const auto read = testsupport::RunPythonScript(
      testsupport::SourceDir() / "tests/platform/excel/read_xls.py", {xlsFile.string()});
  ASSERT_EQ(read.intExitCode, 0) << read.strStderr;
  const nlohmann::json xlrd = nlohmann::json::parse(read.strStdout).at("sheets").at(0);
  EXPECT_EQ(xlrd["merges"].get<std::vector<std::string>>(), xls.merged);
  EXPECT_EQ(xlrd["freeze"], xls.freeze);
  for (const auto& [column, hidden] : hiddenXlsx) {
    EXPECT_TRUE(xlrd["columns"][column]["hidden"].get<bool>()) << column;
  }
  for (const auto& [row, info] : xlsx["rows"].items()) {
    if (!xlrd["rows"].contains(row)) continue;
    EXPECT_EQ(xlrd["rows"][row]["outline"], info["outline"]) << "row " << row;
    EXPECT_EQ(xlrd["rows"][row]["hidden"], info["hidden"]) << "row " << row;
  }
}

TEST(XlsChartOfManyShapes, TheFirst65535ShapesAreNumberedOnceAndTheUserIsToldOfTheRest) {
  // 3,450 tasks, each with ten responsible resources: ten symbols and nine lines a row, 65,550
  // shapes, fifteen more than an .xls sheet numbers.
  testsupport::TempDir dir;
  testsupport::PlanXml objPlan;
  std::string strNames;
  for (int r = 1; r <= 10; ++r) {
    objPlan.Resource("R" + std::to_string(r));
    strNames += (r > 1 ? ";R" : "R") + std::to_string(r);
  }
  for (int t = 1; t <= 3450; ++t) objPlan.Task("T" + std::to_string(t), 1, {{kText21, strNames}});
  const fs::path plan = objPlan.Write(dir);
  constexpr std::size_t kShapes = 3450 * 19;
  const std::string strNotice =
      "Hinweis: Das Diagramm hat 65.550 Formen; eine Excel-97–2003-Arbeitsmappe (.xls) kann nur "
      "65.535 Formen eines Blatts eigene Nummern geben. Excel kann die Datei deshalb für "
      "beschädigt halten; als .xlsx gespeichert hat das Diagramm diese Grenze nicht.";
  for (const char* strName : {"Chart.xls", "Chart.xlsx"}) {
    SCOPED_TRACE(strName);
    ChartRun run(plan);
    run.Export(dir / strName);
    ASSERT_FALSE(run.Builder().blnFastExit);
    EXPECT_EQ(run.Builder().colExportNotices, std::string(strName) == "Chart.xlsx"
                                                  ? std::vector<std::string>{}
                                                  : std::vector<std::string>{strNotice});
  }

  // Every shape has its OBJ; the first 65,535 have the identifiers 1 to 65,535, each once.
  std::vector<std::uint16_t> colIds;
  const auto substreams = xlstest::Substreams(dir / "Chart.xls");
  for (const Record& r : substreams.at(1)) {
    if (r.type == 0x005D) colIds.push_back(U16(r.data, 6));
  }
  ASSERT_EQ(colIds.size(), kShapes);
  for (std::size_t i = 0; i < colIds.size(); ++i) {
    ASSERT_EQ(colIds[i], i % 65535 + 1) << "shape " << i;
  }
  // xlrd reads the workbook with its objects.
  const auto read = testsupport::RunPythonCode(
      "import sys, xlrd\n"
      "sheet = xlrd.open_workbook(sys.argv[1], formatting_info=True).sheet_by_index(0)\n"
      "print(sheet.cell_value(6, 3), sheet.cell_value(3455, 3))\n",
      {(dir / "Chart.xls").string()});
  EXPECT_EQ(read.intExitCode, 0) << read.strStderr;
  EXPECT_EQ(read.strStdout, "T1 T3450\n");
}

std::vector<std::string> Plans() {
  std::vector<std::string> plans{"Markteinfuehrung.xml"};
  for (const auto& entry : fs::directory_iterator(testsupport::FixturesDir() / "mspdi")) {
    if (entry.path().extension() == ".xml") plans.push_back(entry.path().filename().string());
  }
  std::sort(plans.begin(), plans.end());
  return plans;
}

INSTANTIATE_TEST_SUITE_P(Plans, XlsChartRecordsTest, ::testing::ValuesIn(Plans()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           std::string name = fs::path(info.param).stem().string();
                           std::replace_if(
                               name.begin(), name.end(),
                               [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); },
                               '_');
                           return name;
                         });

}  // namespace
