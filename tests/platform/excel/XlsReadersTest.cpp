// The sample chart and the workbook of the other property values saved as .xls, read back by
// xlrd with its formatting: every sheet and every cell must read as openpyxl reads the .xlsx of
// the same workbook (values, merges, column widths, row heights, hidden rows and columns,
// outline levels, fonts, fills, borders, alignment, the frozen pane), the fills in the palette's
// colours. A colour the palette lacks shows as its nearest entry; a sheet larger than the format
// holds is refused before anything is written.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "OpenpyxlReader.h"
#include "SampleWorkbook.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Interior.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace exceltest {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;

json ReadWithXlrd(const fs::path& workbook, const std::string& cells) {
  const auto script = testsupport::SourceDir() / "tests/platform/excel/read_xls.py";
  std::vector<std::string> arguments{workbook.string()};
  std::istringstream names(cells);
  for (std::string name; names >> name;) arguments.push_back(name);
  auto result = testsupport::RunPythonScript(script, arguments);
  if (result.intExitCode != 0) {
    ADD_FAILURE() << "xlrd could not read " << workbook << ":\n" << result.strStderr;
    return json::object();
  }
  return json::parse(result.strStdout);
}

// Every cell of the rectangle, by name.
std::string CellNames(int rows, int columns) {
  std::string names;
  for (int r = 1; r <= rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      names += std::string(1, static_cast<char>('A' + c)) + std::to_string(r) + " ";
    }
  }
  return names;
}

// The rows that have something of their own (a height, hidden, an outline level), in the terms
// both readers share: a hidden row's height means nothing.
json Rows(const json& rows) {
  json kept = json::object();
  for (const auto& [number, row] : rows.items()) {
    json copy = row;
    if (copy["hidden"] == true) copy["height"] = nullptr;
    if (copy["height"].is_null() && copy["hidden"] == false && copy["outline"] == 0) continue;
    kept[number] = copy;
  }
  return kept;
}

// Columns as openpyxl groups them: a run of neighbours alike under the first one's letter.
json Columns(const json& columns) {
  json grouped = json::object();
  std::string last;
  for (const auto& [letter, column] : columns.items()) {
    const bool neighbour =
        !last.empty() && letter.size() == 1 && last.size() == 1 && letter[0] == last[0] + 1;
    last = letter;
    if (neighbour && !grouped.empty() && grouped.back() == column) continue;
    grouped[letter] = column;
  }
  return grouped;
}

// RGB only: openpyxl's default palette has no alpha.
json Colours(const json& palette) {
  json colours = json::array();
  for (const json& colour : palette) colours.push_back(colour.get<std::string>().substr(2));
  return colours;
}

// A cell that a merged area covers but does not begin with: openpyxl reports no format for it.
bool Covered(const json& merges, const std::string& cell) {
  for (const json& merge : merges) {
    const std::string area = merge.get<std::string>();
    const std::string first = area.substr(0, area.find(':'));
    const std::string last = area.substr(area.find(':') + 1);
    const bool inside = cell.size() == 2 && first.size() == 2 && last.size() == 2 &&
                        cell[0] >= first[0] && cell[0] <= last[0] && cell[1] >= first[1] &&
                        cell[1] <= last[1];
    if (inside && cell != first) return true;
  }
  return false;
}

struct Case {
  const char* name;
  excel::Workbook& (*build)(excel::Application&);
  int rows, columns;
};

class XlsReaders : public ::testing::TestWithParam<Case> {};

TEST_P(XlsReaders, XlrdReadsTheXlsAsOpenpyxlReadsTheXlsx) {
  testsupport::TempDir dir;
  excel::Application app;
  excel::Workbook& book = GetParam().build(app);
  const fs::path xls = dir / "Mappe.xls", xlsx = dir / "Mappe.xlsx";
  book.SaveAs(xls.string());
  book.SaveAs(xlsx.string());
  const std::string cells = CellNames(GetParam().rows, GetParam().columns);
  const json fromXls = ReadWithXlrd(xls, cells);
  const json fromXlsx = ReadWithOpenpyxl(xlsx, cells);
  ASSERT_TRUE(fromXls.contains("sheets") && fromXlsx.contains("sheets"));

  EXPECT_EQ(fromXls["active"], fromXlsx["active"]);
  if (fromXlsx["palette"].is_array()) {
    EXPECT_EQ(Colours(fromXls["palette"]), Colours(fromXlsx["palette"]));
  }
  ASSERT_EQ(fromXls["sheets"].size(), fromXlsx["sheets"].size());
  for (std::size_t i = 0; i < fromXls["sheets"].size(); ++i) {
    const json& a = fromXls["sheets"][i];
    const json& b = fromXlsx["sheets"][i];
    for (const char* key : {"title", "merges", "freeze", "maxRow", "maxColumn"}) {
      EXPECT_EQ(a[key], b[key]) << b["title"] << " " << key;
    }
    EXPECT_EQ(Columns(a["columns"]), b["columns"]) << b["title"];
    EXPECT_EQ(Rows(a["rows"]), Rows(b["rows"])) << b["title"];
  }
  json merges;
  for (const json& sheet : fromXlsx["sheets"]) {
    if (sheet["title"] == fromXlsx["active"]) merges = sheet["merges"];
  }
  for (const auto& [name, cell] : fromXlsx["cells"].items()) {
    if (Covered(merges, name)) continue;
    json expected = cell;
    const json& actual = fromXls["cells"][name];
    // xlrd knows numbers and texts; openpyxl types an empty cell as a number.
    if (expected["type"] != "n" || expected["value"].is_null()) expected["type"] = "s";
    for (const auto& [key, value] : expected.items()) {
      EXPECT_EQ(actual[key], value) << name << " " << key;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, XlsReaders,
                         ::testing::Values(Case{"Chart", &BuildSampleChart, 18, 9},
                                           Case{"Variants", &BuildVariantsWorkbook, 8, 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(XlsFile, ColoursOutsideThePaletteShowAsTheNearestEntryAndLongTablesReadBack) {
  testsupport::TempDir dir;
  excel::Application app;
  app.SheetsInNewWorkbook(1);
  excel::Workbook& book = app.Workbooks().Add();
  book.Colors(20, 0x3366FF);  // the chart's own colour replaces an entry
  excel::Worksheet& sheet = book.Worksheets(1);
  sheet.Range("A1").Interior().Color(0x3366FF);
  sheet.Range("A2").Interior().Color(0xFEFEFE);  // next to white
  sheet.Range("A3").Interior().Color(0x3265FE);  // next to the chart's colour
  // Enough distinct texts for several records, with texts of two bytes a character among them.
  std::vector<std::string> texts;
  for (int i = 0; i < 3000; ++i) {
    texts.push_back((i % 7 == 0 ? "Vorgang Ω " : "Vorgang ") + std::to_string(i) +
                    std::string(static_cast<std::size_t>(i % 40), 'x'));
    sheet.Cells(i + 1, 2).Value(texts.back());
  }
  const fs::path xls = dir / "Farben.xls";
  book.SaveAs(xls.string());

  const auto result = testsupport::RunPythonCode(
      "import sys, json, xlrd\n"
      "b = xlrd.open_workbook(sys.argv[1], formatting_info=True)\n"
      "s = b.sheet_by_index(0)\n"
      "fill = lambda r: '%02X%02X%02X' % b.colour_map[b.xf_list[s.cell_xf_index(r, 0)]"
      ".background.pattern_colour_index]\n"
      "print(json.dumps({'fills': [fill(r) for r in range(3)],"
      " 'texts': [s.cell_value(r, 1) for r in range(s.nrows)]}, ensure_ascii=False))\n",
      {xls.string()});
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  const json read = json::parse(result.strStdout);
  EXPECT_EQ(read["fills"], json::array({"FF6633", "FFFFFF", "FF6633"}));
  EXPECT_EQ(read["texts"], json(texts));
}

TEST(XlsFile, WhatTheFormatCannotHoldIsRefusedBeforeAnythingIsWritten) {
  struct Limit {
    const char* cell;
    const char* message;
  };
  const Limit limits[] = {{"A65537", "65.536 Zeilen"}, {"IW1", "256 Spalten"}};
  for (const Limit& limit : limits) {
    testsupport::TempDir dir;
    excel::Application app;
    app.SheetsInNewWorkbook(1);
    excel::Workbook& book = app.Workbooks().Add();
    book.Worksheets(1).Range(limit.cell).Value("zu weit");
    try {
      book.SaveAs((dir / "Grenze.xls").string());
      ADD_FAILURE() << limit.cell << " was saved";
    } catch (const excel::Error& error) {
      EXPECT_NE(std::string(error.what()).find(limit.message), std::string::npos) << error.what();
    }
    EXPECT_TRUE(fs::is_empty(dir.Path())) << limit.cell;
    EXPECT_NO_THROW(book.SaveAs((dir / "Grenze.xlsx").string())) << limit.cell;
  }
  testsupport::TempDir dir;
  excel::Application app;
  app.SheetsInNewWorkbook(1);
  excel::Workbook& book = app.Workbooks().Add();
  book.Worksheets(1).Range("IV65536").Value(std::string(32767, 'x'));
  EXPECT_NO_THROW(book.SaveAs((dir / "Grenze.xls").string())) << "the last cell, full";
}

}  // namespace
}  // namespace exceltest
