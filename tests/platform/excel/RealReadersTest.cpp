// Saves the sample chart and a workbook of the other property values, and opens them with the
// real readers: openpyxl must read back what the object model was told, LibreOffice must
// convert them to PDF. The workbooks, the PDFs and a PNG of the chart's page stay in the build
// folder (artefacts/platform/excel) for a look by eye.

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <regex>

#include "OpenpyxlReader.h"
#include "SampleWorkbook.h"
#include "platform/excel/Application.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace exceltest {
namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using testsupport::RunCommand;
using testsupport::ShellQuote;

// The column width attribute for w characters of Arial 10.
double FileWidth(double w) {
  return std::floor((w * 7 + 5) / 7 * 256) / 256;
}

fs::path ArtefactDir() {
  fs::path dir = testsupport::BinaryDir() / "artefacts/platform/excel";
  fs::create_directories(dir);
  return dir;
}

class SampleChart : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // Each test process saves its own copies: CTest runs the tests of this suite in
    // processes of their own, side by side.
    scratch_ = new testsupport::TempDir;
    workbook_ = new fs::path(*scratch_ / "Musterdiagramm.xlsx");
    variants_ = new fs::path(*scratch_ / "Varianten.xlsx");
    excel::Application app;
    excel::Workbook& book = BuildSampleChart(app);
    book.SaveAs(workbook_->string());
    book.Close();
    BuildVariantsWorkbook(app).SaveAs(variants_->string());
    app.Quit();
  }
  static void TearDownTestSuite() {
    delete workbook_;
    delete variants_;
    delete scratch_;
  }
  static testsupport::TempDir* scratch_;
  static fs::path* workbook_;
  static fs::path* variants_;
};

testsupport::TempDir* SampleChart::scratch_ = nullptr;
fs::path* SampleChart::workbook_ = nullptr;
fs::path* SampleChart::variants_ = nullptr;

TEST_F(SampleChart, OpenpyxlReadsValuesFormatsAndLayout) {
  using L = SampleLayout;
  json book = ReadWithOpenpyxl(*workbook_, "A1 C3 D3 D4 D5 D6 A7 B7 C7 D7 H7 A11");
  ASSERT_TRUE(book.contains("sheets"));
  ASSERT_EQ(book["sheets"].size(), 1u);
  const json& sheet = book["sheets"][0];
  const json& cells = book["cells"];
  EXPECT_EQ(sheet["title"], "Tabelle1");

  // Values: text kept as text where the format is "@", numbers where Excel makes them.
  EXPECT_EQ(cells["A1"]["value"], "Kommunikationsdiagramm für Büro & Umzug <2026>");
  EXPECT_EQ(cells["A7"]["value"], "1.1");
  EXPECT_EQ(cells["A7"]["numberFormat"], "@");
  EXPECT_EQ(cells["B7"]["value"], 1000);
  EXPECT_EQ(cells["B7"]["type"], "n");
  EXPECT_EQ(cells["C7"]["value"], "Angebot \"Büro\" & <Umzug> prüfen\tjetzt");
  EXPECT_EQ(cells["D4"]["value"], "Anna Groß");
  EXPECT_EQ(cells["D5"]["value"], 100);
  EXPECT_EQ(cells["D6"]["value"], 1);
  EXPECT_EQ(cells["D3"]["value"], "Entwicklung");
  EXPECT_EQ(sheet["merges"], json::array({"D3:F3"}));

  // Formats.
  EXPECT_EQ(cells["A1"]["fontSize"], 16);
  EXPECT_EQ(cells["A1"]["fontName"], "Arial");
  EXPECT_EQ(cells["D7"]["fontSize"], 8);
  EXPECT_EQ(cells["D7"]["fill"], "solid");
  EXPECT_EQ(cells["D7"]["fillColor"], "FFFFFFCC");
  EXPECT_EQ(cells["A11"]["fillColor"], "FFFFCC99") << "the milestone row";
  EXPECT_EQ(cells["D7"]["vertical"], "top");
  EXPECT_TRUE(cells["D7"]["horizontal"].is_null()) << "general";
  EXPECT_TRUE(cells["D7"]["wrap"]);
  for (const char* side : {"left", "right", "top", "bottom"}) {
    EXPECT_EQ(cells["D7"][side]["style"], "hair") << side;
    EXPECT_EQ(cells["D7"][side]["color"], "indexed:64") << side;
  }
  EXPECT_TRUE(cells["D7"]["diagonal"].is_null());
  EXPECT_EQ(cells["D4"]["rotation"], 90);
  EXPECT_TRUE(cells["D4"]["vertical"].is_null()) << "bottom, the default";
  EXPECT_EQ(cells["D4"]["horizontal"], "center");
  EXPECT_EQ(cells["C3"]["fill"], nullptr) << "untouched cell";

  // Palette: the changed entries as indexed colours 8 + index - 1.
  ASSERT_TRUE(book["palette"].is_array());
  ASSERT_EQ(book["palette"].size(), 64u);
  EXPECT_EQ(book["palette"][7 + 46], "FFFFFFCC");
  EXPECT_EQ(book["palette"][7 + 43], "FFCC0000");
  EXPECT_EQ(book["palette"][7 + 1], "FF000000") << "unchanged entries stay Excel's";

  // Widths, heights, hidden rows and columns, outline levels.
  EXPECT_DOUBLE_EQ(sheet["columns"]["A"]["width"].get<double>(), FileWidth(8));
  EXPECT_TRUE(sheet["columns"]["B"]["hidden"]);
  EXPECT_DOUBLE_EQ(sheet["columns"]["C"]["width"].get<double>(), FileWidth(30));
  EXPECT_DOUBLE_EQ(sheet["columns"]["D"]["width"].get<double>(), FileWidth(4));
  EXPECT_FALSE(sheet["columns"]["D"]["hidden"]);
  const json& rows = sheet["rows"];
  EXPECT_EQ(rows["1"]["height"], 22);
  EXPECT_EQ(rows["4"]["height"], 100);
  EXPECT_TRUE(rows["5"]["hidden"]) << "the hidden numbers' row ends at height 0";
  EXPECT_EQ(rows["7"]["height"], 25);
  EXPECT_EQ(rows["11"]["height"], 40);
  EXPECT_EQ(rows["7"]["outline"], 0);
  EXPECT_EQ(rows["8"]["outline"], 1);
  EXPECT_EQ(rows["10"]["outline"], 2);
  EXPECT_EQ(rows["14"]["outline"], 0);
  EXPECT_EQ(rows["16"]["outline"], 1);
  EXPECT_EQ(sheet["summaryBelow"], false);
  EXPECT_EQ(sheet["summaryRight"], true);
  EXPECT_EQ(sheet["applyStyles"], false);
  EXPECT_EQ(sheet["freeze"], "C7");
  EXPECT_EQ(sheet["maxRow"], L::kFirstTask + L::kTasks - 1);
  EXPECT_EQ(sheet["maxColumn"], L::kFirstResource + L::kResources - 1);

  // Page set-up: one landscape A4 page, 2 cm margins, 1 cm header and footer.
  const json& page = sheet["page"];
  EXPECT_EQ(page["orientation"], "landscape");
  EXPECT_EQ(page["paperSize"], 9);
  EXPECT_EQ(page["fitToWidth"], 1);
  EXPECT_EQ(page["fitToHeight"], 1);
  EXPECT_TRUE(sheet["fitToPage"]);
  EXPECT_EQ(page["pageOrder"], "downThenOver");
  EXPECT_EQ(page["dpi"], 300);
  EXPECT_TRUE(page["scale"].is_null());
  EXPECT_NEAR(sheet["margins"]["left"].get<double>(), 2 / 2.54, 1e-9);
  EXPECT_NEAR(sheet["margins"]["bottom"].get<double>(), 2 / 2.54, 1e-9);
  EXPECT_NEAR(sheet["margins"]["header"].get<double>(), 1 / 2.54, 1e-9);
  EXPECT_NE(sheet["printOptions"]["gridLines"], true);
  EXPECT_EQ(sheet["header"]["center"], "Kommunikation und Abstimmung");
  EXPECT_EQ(sheet["footer"]["right"], "Seite &P");
  EXPECT_EQ(sheet["printTitleRows"], "$1:$6");
  EXPECT_TRUE(sheet["printArea"].is_null());
}

TEST_F(SampleChart, OpenpyxlReadsTheOtherValuesOfEveryProperty) {
  json book = ReadWithOpenpyxl(*variants_, "A1 A2 A3 A4 B2 C2 D2 E2 F2 G2 H2 B3 C3 D3 B4 C4 D4");
  ASSERT_TRUE(book.contains("sheets"));
  ASSERT_EQ(book["sheets"].size(), 2u);
  EXPECT_EQ(book["active"], "Tabelle2");
  const json& first = book["sheets"][0];
  EXPECT_EQ(first["page"]["orientation"], "portrait") << "Excel's defaults on an untouched sheet";
  EXPECT_EQ(first["page"]["scale"], 100);
  EXPECT_DOUBLE_EQ(first["margins"]["left"].get<double>(), 0.7);
  EXPECT_FALSE(first["fitToPage"]);

  const json& sheet = book["sheets"][1];
  const json& cells = book["cells"];
  EXPECT_EQ(cells["A1"]["value"], 3.25);
  EXPECT_EQ(cells["A1"]["numberFormat"], "0.00");
  EXPECT_EQ(cells["A2"]["value"], -7);
  EXPECT_EQ(cells["A2"]["numberFormat"], "#,##0.0 \"Std.\"");
  EXPECT_EQ(cells["A3"]["value"], " eingerückt") << "leading blank kept";
  EXPECT_EQ(cells["A4"]["value"], "Zeile 1\nZeile 2");

  EXPECT_EQ(cells["B2"]["diagonal"]["style"], "mediumDashed");
  EXPECT_TRUE(cells["B2"]["diagonalUp"]);
  EXPECT_TRUE(cells["B2"]["left"].is_null());
  for (const char* side : {"left", "right", "top", "bottom"}) {
    EXPECT_EQ(cells["C2"][side]["style"], "thick") << side;
  }
  EXPECT_EQ(cells["D2"]["bottom"]["style"], "double");
  EXPECT_EQ(cells["E2"]["top"]["style"], "dotted");
  EXPECT_EQ(cells["E2"]["top"]["color"], "indexed:10") << "palette entry 3";
  EXPECT_EQ(cells["F2"]["fill"], "mediumGray");
  EXPECT_EQ(cells["G2"]["fill"], "darkGrid");
  EXPECT_EQ(cells["H2"]["fill"], "lightUp");
  EXPECT_EQ(cells["B3"]["rotation"], 180) << "-90 degrees";
  EXPECT_EQ(cells["C3"]["rotation"], 255) << "stacked letters";
  EXPECT_EQ(cells["D3"]["rotation"], 45);
  EXPECT_EQ(cells["B4"]["horizontal"], "left");
  EXPECT_EQ(cells["B4"]["vertical"], "center");
  EXPECT_EQ(cells["C4"]["horizontal"], "right");
  EXPECT_EQ(cells["C4"]["vertical"], "justify");
  EXPECT_EQ(cells["D4"]["horizontal"], "centerContinuous");

  EXPECT_DOUBLE_EQ(sheet["columns"]["G"]["width"].get<double>(), FileWidth(255));
  EXPECT_DOUBLE_EQ(sheet["columns"]["H"]["width"].get<double>(), FileWidth(0.5));
  EXPECT_EQ(sheet["rows"]["5"]["height"], 409);
  EXPECT_EQ(sheet["rows"]["6"]["height"], 0.75);
  EXPECT_FALSE(sheet["rows"]["6"]["hidden"]);
  EXPECT_EQ(sheet["rows"]["3"]["outline"], 1);
  EXPECT_EQ(sheet["summaryBelow"], true);
  EXPECT_EQ(sheet["summaryRight"], false);
  EXPECT_EQ(sheet["applyStyles"], true);
  EXPECT_EQ(sheet["freeze"], "A4") << "rows frozen, no columns";

  const json& page = sheet["page"];
  EXPECT_FALSE(sheet["fitToPage"]);
  EXPECT_EQ(page["scale"], 75);
  EXPECT_EQ(page["orientation"], "portrait");
  EXPECT_EQ(page["paperSize"], 8);
  EXPECT_EQ(page["pageOrder"], "overThenDown");
  EXPECT_EQ(page["firstPageNumber"], 3);
  EXPECT_EQ(page["useFirstPageNumber"], true);
  EXPECT_EQ(page["blackAndWhite"], true);
  EXPECT_EQ(page["draft"], true);
  EXPECT_EQ(page["cellComments"], "atEnd");
  EXPECT_EQ(page["dpi"], 600);
  EXPECT_DOUBLE_EQ(sheet["margins"]["left"].get<double>(), 0.5);
  for (const char* option : {"headings", "gridLines", "horizontalCentered", "verticalCentered"}) {
    EXPECT_EQ(sheet["printOptions"][option], true) << option;
  }
  EXPECT_EQ(sheet["header"]["left"], "Links oben");
  EXPECT_EQ(sheet["footer"]["left"], "Fuß");
  EXPECT_EQ(sheet["printArea"], json::array({"$A$1:$F$20"}));
  EXPECT_EQ(sheet["printTitleRows"], "$1:$2");
  EXPECT_EQ(sheet["printTitleCols"], "$A:$B");
}

TEST_F(SampleChart, LibreOfficeConvertsItToPdfAndPng) {
  ASSERT_EQ(RunCommand("command -v soffice").intExitCode, 0) << "LibreOffice is not installed";
  testsupport::TempDir profile;
  const fs::path out = scratch_->Path();
  auto result =
      testsupport::ConvertWithLibreOffice({*workbook_, *variants_}, "pdf", out, profile.Path());
  ASSERT_EQ(result.intExitCode, 0) << result.strStdout << result.strStderr;
  const fs::path pdf = out / "Musterdiagramm.pdf";
  ASSERT_TRUE(fs::exists(pdf)) << result.strStdout << result.strStderr;
  EXPECT_EQ(testsupport::ReadFile(pdf).substr(0, 5), "%PDF-");
  EXPECT_TRUE(fs::exists(out / "Varianten.pdf")) << result.strStdout << result.strStderr;
  // One page: the whole chart is fitted to one landscape A4 sheet.
  auto info = RunCommand("pdfinfo " + ShellQuote(pdf.string()));
  ASSERT_EQ(info.intExitCode, 0) << info.strStderr;
  EXPECT_TRUE(std::regex_search(info.strStdout, std::regex("Pages: +1\n"))) << info.strStdout;
  EXPECT_TRUE(std::regex_search(info.strStdout, std::regex("Page size: +841\\.89 x 595\\.3")))
      << "landscape A4\n"
      << info.strStdout;
  auto png = RunCommand("pdftoppm -png -r 80 -singlefile " + ShellQuote(pdf.string()) + " " +
                        ShellQuote((out / "Musterdiagramm").string()));
  ASSERT_EQ(png.intExitCode, 0) << png.strStderr;
  EXPECT_TRUE(fs::exists(out / "Musterdiagramm.png"));

  // Kept for a look by eye.
  for (const char* name : {"Musterdiagramm.xlsx", "Musterdiagramm.pdf", "Musterdiagramm.png",
                           "Varianten.xlsx", "Varianten.pdf"}) {
    fs::copy_file(out / name, ArtefactDir() / name, fs::copy_options::overwrite_existing);
  }
}

}  // namespace
}  // namespace exceltest
