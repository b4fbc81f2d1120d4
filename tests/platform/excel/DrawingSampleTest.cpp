// A sample workbook that uses every feature of the engine the way a communication chart does:
// texts and formats, merged headings, column widths and row heights, a hidden column, grouped
// rows, a frozen pane, the page set-up, the palette, and the chart's shapes: symbols with their
// gradient and shadow, the lines joining a row's symbols behind them, and arrows of the three
// sizes. LibreOffice prints it; the first page is kept as a picture of the build
// (artifacts/sample.png) to be looked at.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "DrawingReaders.h"
#include "platform/excel/Application.h"
#include "platform/excel/Border.h"
#include "platform/excel/Font.h"
#include "platform/excel/Geometry.h"
#include "platform/excel/Interior.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "support/ChartShapes.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;
using testsupport::RunCommand;
using testsupport::ShellQuote;

constexpr std::int32_t kResponsible = 0x0000FF;  // red
constexpr std::int32_t kParticipant = 0x00C0FF;  // amber
constexpr std::int32_t kInformed = 0x00B050;     // green
constexpr std::int32_t kArrow = 0x993300;        // dark blue
constexpr std::int32_t kShadow = 0x808080;

constexpr std::int32_t kFirstResource = 4;  // column D
constexpr std::int32_t kResources = 6;
constexpr std::int32_t kFirstTask = 4;  // row 4
constexpr double kResourceWidth = 4;    // characters
constexpr double kTaskHeight = 20;      // points

struct Task {
  const char* strWbs;
  const char* strName;
  std::int32_t lngOutline;
  std::array<char, kResources> roles;  // 'V' responsible, 'B' participant, 'I' informed
};

const Task kTasks[] = {
    {"1", "Konzept", 1, {'V', 'B', ' ', 'I', ' ', ' '}},
    {"1.1", "Anforderungen aufnehmen", 2, {' ', 'V', 'B', ' ', 'I', ' '}},
    {"1.2", "Entwurf prüfen", 2, {'B', ' ', 'V', ' ', ' ', 'I'}},
    {"2", "Umsetzung", 1, {' ', ' ', 'B', 'V', 'B', ' '}},
    {"3", "Einführung beim Kunden", 1, {'I', ' ', ' ', 'B', ' ', 'V'}},
};

class Layout {
 public:
  explicit Layout(excel::Worksheet& sheet) : sheet_(sheet) {}
  double ColumnLeft(std::int32_t column) const {
    double dblLeft = 0;
    for (std::int32_t c = 1; c < column; ++c) dblLeft += sheet_.ColumnWidthPoints(c);
    return dblLeft;
  }
  double ColumnMid(std::int32_t column) const {
    return ColumnLeft(column) + sheet_.ColumnWidthPoints(column) / 2;
  }
  double RowMid(std::int32_t row) const {
    double dblTop = 0;
    for (std::int32_t r = 1; r < row; ++r) dblTop += sheet_.RowHeightPoints(r);
    return dblTop + sheet_.RowHeightPoints(row) / 2;
  }

 private:
  excel::Worksheet& sheet_;
};

void WriteHeader(excel::Worksheet& sheet) {
  sheet.Range("A1:I1").MergeCells(true);
  sheet.Range("A1").Value("Kommunikationsdiagramm – Beispiel");
  sheet.Range("A1").Font().Size(14);
  sheet.Rows(1).RowHeight(30);
  sheet.Range("A2").Value("PSP-Code");
  sheet.Range("B2").Value("Einmalige Nr.");
  sheet.Range("C2").Value("Vorgangsname");
  sheet.Range("D2:F2").MergeCells(true);
  sheet.Range("D2").Value("Entwicklung");
  sheet.Range("G2:I2").MergeCells(true);
  sheet.Range("G2").Value("Vertrieb");
  sheet.Range("D2:I2").HorizontalAlignment(excel::xlCenter);
  const char* names[kResources] = {"Anna Berg",   "Jonas Keller", "Mia Wolf",
                                   "Lukas Brand", "Lea Sommer",   "Paul Vogt"};
  for (std::int32_t i = 0; i < kResources; ++i) {
    sheet.Cells(3, kFirstResource + i).Value(names[i]);
  }
  sheet.Range("D3:I3").Orientation(90);
  sheet.Range("D3:I3").VerticalAlignment(excel::xlBottom);
  sheet.Rows(3).RowHeight(80);
  excel::Range header = sheet.Range("A2:I3");
  header.Interior().Color(0xF0E0C0);
  header.Interior().Pattern(excel::xlPatternSolid);
  header.Font().Size(9);
  header.WrapText(true);
  for (const std::int32_t edge :
       {excel::xlEdgeLeft, excel::xlEdgeTop, excel::xlEdgeBottom, excel::xlEdgeRight,
        excel::xlInsideVertical, excel::xlInsideHorizontal}) {
    header.Borders(edge).LineStyle(excel::xlContinuous);
    header.Borders(edge).Weight(excel::xlThin);
  }
}

void WriteTasks(excel::Worksheet& sheet) {
  std::int32_t row = kFirstTask;
  for (const Task& task : kTasks) {
    excel::Range wbs = sheet.Cells(row, 1);
    wbs.NumberFormat("@");
    wbs.Value(task.strWbs);
    sheet.Cells(row, 2).Value(row * 7);
    sheet.Cells(row, 3).Value(task.strName);
    excel::Range cells = sheet.Range(sheet.Cells(row, 1), sheet.Cells(row, 9));
    cells.Font().Size(8);
    cells.VerticalAlignment(excel::xlCenter);
    cells.Borders(excel::xlEdgeBottom).LineStyle(excel::xlContinuous);
    cells.Borders(excel::xlEdgeBottom).Weight(excel::xlHairline);
    cells.Borders(excel::xlInsideVertical).LineStyle(excel::xlContinuous);
    cells.Borders(excel::xlInsideVertical).ColorIndex(15);
    if (task.lngOutline == 1) {
      sheet.Range(sheet.Cells(row, 1), sheet.Cells(row, 3)).Interior().Color(0xE8E8E8);
    }
    sheet.Rows(row).RowHeight(kTaskHeight);
    ++row;
  }
  sheet.Rows("5:6").Group();
  sheet.Outline().SummaryRow(excel::xlSummaryAbove);
  sheet.Outline().AutomaticStyles(false);
}

void DrawChart(excel::Worksheet& sheet) {
  const Layout layout(sheet);
  excel::Shapes& shapes = sheet.Shapes();
  std::vector<std::pair<double, double>> responsibles;  // per task row: x, y
  std::int32_t row = kFirstTask;
  for (const Task& task : kTasks) {
    const double y = layout.RowMid(row);
    std::vector<double> symbolX;
    for (const char role : {'B', 'I', 'V'}) {
      for (std::int32_t i = 0; i < kResources; ++i) {
        if (task.roles[static_cast<std::size_t>(i)] != role) continue;
        const double x = layout.ColumnMid(kFirstResource + i);
        const std::int32_t color = role == 'V'   ? kResponsible
                                   : role == 'B' ? kParticipant
                                                 : kInformed;
        testsupport::DrawChartSymbol(shapes, x, y, role == 'V' ? 6 : 3, color, kShadow);
        symbolX.push_back(x);
        if (role == 'V') responsibles.emplace_back(x, y);
      }
    }
    for (std::size_t i = 1; i < symbolX.size(); ++i) {
      testsupport::DrawChartRowLine(shapes, symbolX[0], y, symbolX[i], y);
    }
    ++row;
  }
  // The network: each task to its successor, in the three head sizes.
  for (std::size_t i = 0; i + 1 < responsibles.size(); ++i) {
    testsupport::DrawChartArrow(shapes, responsibles[i].first, responsibles[i].second,
                                responsibles[i + 1].first, responsibles[i + 1].second,
                                static_cast<std::int32_t>(i % 3) + 1, kArrow);
  }
}

void SetUpPage(excel::Application& app, excel::Workbook& book, excel::Worksheet& sheet) {
  excel::PageSetup& page = sheet.PageSetup();
  page.Orientation(excel::xlLandscape);
  page.PaperSize(excel::xlPaperA4);
  page.PrintTitleRows("$1:$3");
  page.CenterHeader("Kommunikationsdiagramm");
  page.RightFooter("Seite &P von &N");
  page.LeftMargin(app.CentimetersToPoints(1.5));
  page.RightMargin(app.CentimetersToPoints(1.5));
  page.TopMargin(app.CentimetersToPoints(2));
  page.BottomMargin(app.CentimetersToPoints(2));
  page.Zoom(100);
  sheet.Range("D4").Select();
  book.Windows(1).FreezePanes(true);
}

// Counts the pixels of a binary PPM (P6) that are clearly of the given hue.
struct Counts {
  long red = 0, blue = 0, amber = 0;
};
Counts CountColours(const fs::path& ppm) {
  const std::string data = testsupport::ReadFile(ppm);
  int width = 0, height = 0, max = 0, consumed = 0;
  if (std::sscanf(data.c_str(), "P6 %d %d %d%n", &width, &height, &max, &consumed) != 3) return {};
  const auto* pixels = reinterpret_cast<const unsigned char*>(data.data()) + consumed + 1;
  Counts counts;
  const long size = static_cast<long>(width) * height;
  if (static_cast<long>(data.size()) < consumed + 1 + 3 * size) return {};
  for (long i = 0; i < size; ++i) {
    const int r = pixels[3 * i], g = pixels[3 * i + 1], b = pixels[3 * i + 2];
    if (r > 150 && g < 60 && b < 60) ++counts.red;
    if (b > 100 && r < 60 && g < 80) ++counts.blue;
    if (r > 200 && g > 140 && g < 210 && b < 60) ++counts.amber;
  }
  return counts;
}

TEST(DrawingSampleTest, TheSampleChartPrintsWithItsShapes) {
  testsupport::TempDir dir;
  const fs::path xlsx = dir / "Beispiel.xlsx";
  {
    excel::Application app;
    app.SheetsInNewWorkbook(1);
    excel::Workbook& book = app.Workbooks().Add();
    excel::Worksheet& sheet = book.Worksheets(1);
    book.Colors(17, kArrow);
    sheet.Range("A:A").ColumnWidth(8);
    sheet.Range("B:B").ColumnWidth(0);
    sheet.Range("C:C").ColumnWidth(28);
    sheet.Range("D:I").ColumnWidth(kResourceWidth);
    WriteHeader(sheet);
    WriteTasks(sheet);
    DrawChart(sheet);
    SetUpPage(app, book, sheet);
    book.SaveAs(xlsx.string());
    book.Close();
    app.Quit();
  }
  const fs::path pdf = drawingtest::ConvertWithLibreOffice(xlsx, "pdf", dir.Path());

  const fs::path artifacts = testsupport::BinaryDir() / "artifacts";
  fs::create_directories(artifacts);
  const testsupport::CommandResult png =
      RunCommand("pdftoppm -png -r 110 -f 1 -l 1 -singlefile " + ShellQuote(pdf.string()) + " " +
                 ShellQuote((artifacts / "sample").string()));
  ASSERT_EQ(png.intExitCode, 0) << png.strStderr;
  ASSERT_GT(fs::file_size(artifacts / "sample.png"), 1000u);
  fs::copy_file(xlsx, artifacts / "sample.xlsx", fs::copy_options::overwrite_existing);

  // The symbols and arrows must be on the page: red responsibles, amber participants and the
  // dark blue arrows.
  const testsupport::CommandResult ppm =
      RunCommand("pdftoppm -r 72 -f 1 -l 1 -singlefile " + ShellQuote(pdf.string()) + " " +
                 ShellQuote((dir / "page").string()));
  ASSERT_EQ(ppm.intExitCode, 0) << ppm.strStderr;
  const Counts counts = CountColours(dir / "page.ppm");
  EXPECT_GT(counts.red, 5 * 40) << "five responsible symbols";
  EXPECT_GT(counts.amber, 10) << "participant symbols";
  EXPECT_GT(counts.blue, 4 * 20) << "four arrows";
}

}  // namespace
