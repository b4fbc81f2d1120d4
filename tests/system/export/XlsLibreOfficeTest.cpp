// The charts saved as .xls, opened by LibreOffice: every chart of the fixture plans and the
// example converts to PDF and to .ods without error, object identifiers that repeat (as they do
// beyond 65,535 shapes) change nothing it reads, and in the .ods of the example's chart each
// shape lies in the same cell at the same offset as in the .ods of the same chart saved as
// .xlsx, with its gradient, shadow and arrowhead.
//
// The offsets are compared in Excel's layout of the sheet. LibreOffice lays the columns out
// wider than Excel; it keeps an .xlsx anchor's offset in points, but an .xls anchor's offset is a
// share of the column's width (1/1024), which LibreOffice takes of its own wider column. Each
// point LibreOffice drew is therefore taken back into Excel's columns the way it was read: from
// the .xlsx at its offset in points, from the .xls at its share of the column.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/excel/DrawingReaders.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;
namespace fs = std::filesystem;
using drawingtest::DrawnShape;

constexpr double kTolerance = 0.5;  // points

fs::path ExampleChart(const fs::path& dir, const std::string& extension) {
  const fs::path plan = testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml";
  ChartRun run(plan);
  const fs::path target = dir / ("Markteinfuehrung" + extension);
  run.Export(target);
  EXPECT_FALSE(run.Builder().blnFastExit) << target;
  return target;
}

// Excel's column widths in points, from the .xlsx's <cols>: a width of W characters is
// trunc((256 W + trunc(128/7)) / 256 * 7) pixels of 0.75 points; an unlisted column 64 pixels.
std::vector<double> ExcelColumns(const fs::path& xlsx) {
  pugi::xml_document sheet;
  const std::string xml = drawingtest::ReadZipEntry(xlsx, "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(sheet.load_string(xml.c_str()));
  std::vector<double> widths(256, 48.0);
  for (pugi::xpath_node col : sheet.select_nodes("//*[local-name()='col']")) {
    const double width = col.node().attribute("width").as_double();
    const double points = std::trunc((256 * width + std::trunc(128.0 / 7)) / 256 * 7) * 0.75;
    for (int c = col.node().attribute("min").as_int(); c <= col.node().attribute("max").as_int();
         ++c) {
      widths[static_cast<std::size_t>(c - 1)] = points;
    }
  }
  return widths;
}

struct Drawn {
  pugi::xml_document content;
  std::map<std::string, DrawnShape> shapes;
  std::unique_ptr<drawingtest::OdsGrid> grid;
  bool shares;  // offsets read as shares of the column (.xls), else in points (.xlsx)

  Drawn(const fs::path& ods, bool fromXls) : shares(fromXls) {
    const std::string xml = drawingtest::ReadZipEntry(ods, "content.xml");
    EXPECT_TRUE(content.load_string(xml.c_str()));
    shapes = drawingtest::ReadDrawnShapes(content);
    grid = std::make_unique<drawingtest::OdsGrid>(content);
  }
  // A point of a shape, taken from LibreOffice's columns back into Excel's.
  double X(const DrawnShape& shape, double x, const std::vector<double>& excel) const {
    const double sheetX = (shape.intColumn < 0 ? 0.0 : grid->ColumnLeft(shape.intColumn)) + x;
    int column = 0;
    while (column + 1 < 256 && grid->ColumnLeft(column + 1) <= sheetX) ++column;
    const double left = grid->ColumnLeft(column);
    const double width = grid->ColumnLeft(column + 1) - left;
    double excelLeft = 0;
    for (int c = 0; c < column; ++c) excelLeft += excel[static_cast<std::size_t>(c)];
    const double offset = sheetX - left;
    return excelLeft + (shares ? offset / width * excel[static_cast<std::size_t>(column)] : offset);
  }
  // Rows are as high in LibreOffice as in Excel.
  double Y(const DrawnShape& shape, double y) const {
    return (shape.intRow < 0 ? 0.0 : grid->RowTop(shape.intRow)) + y;
  }
};

TEST(XlsLibreOfficeTest, ConvertsEveryXlsChartToPdfAndOdsWithoutError) {
  testsupport::TempDir dir;
  std::vector<fs::path> plans{testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml"};
  for (const auto& entry : fs::directory_iterator(testsupport::FixturesDir() / "mspdi")) {
    if (entry.path().extension() == ".xml") plans.push_back(entry.path());
  }
  std::vector<fs::path> charts;
  for (const fs::path& plan : plans) {
    ChartRun run(plan);
    const fs::path target = dir / (plan.stem().string() + ".xls");
    run.Export(target);
    ASSERT_FALSE(run.Builder().blnFastExit) << plan;
    charts.push_back(target);
  }
  for (const char* format : {"pdf", "ods"}) {
    const fs::path out = dir / format;
    fs::create_directory(out);
    const auto result = testsupport::ConvertWithLibreOffice(
        charts, format, out, dir / ("profile-" + std::string(format)));
    EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
    EXPECT_EQ(result.strStderr.find("Error"), std::string::npos) << result.strStderr;
    for (const fs::path& plan : plans) {
      const fs::path converted = out / (plan.stem().string() + "." + format);
      ASSERT_TRUE(fs::exists(converted)) << converted << "\n"
                                         << result.strStdout << result.strStderr;
      EXPECT_GT(fs::file_size(converted), 1000U) << converted;
    }
  }
}

TEST(XlsLibreOfficeTest, ObjectIdentifiersThatRepeatChangeNothingLibreOfficeReads) {
  // Beyond 65,535 shapes an .xls sheet has no object identifier left and they repeat;
  // LibreOffice finds each shape by its drawing record. The example's chart with every OBJ
  // record's identifier set to 1 must convert to the very same sheet.
  testsupport::TempDir dir;
  const fs::path chart = ExampleChart(dir.Path(), ".xls");
  const fs::path repeated = dir / "Wiederholt.xls";
  const auto patch = testsupport::RunPythonCode(
      "import struct, sys\n"
      "from xlrd import compdoc\n"
      "data = bytearray(open(sys.argv[1], 'rb').read())\n"
      "doc = compdoc.CompDoc(bytes(data))\n"
      "entry = next(e for e in doc.dirlist if e.name == 'Workbook')\n"
      "chain, sid = [], entry.first_SID\n"
      "while sid >= 0:\n"
      "    chain.append(sid)\n"
      "    sid = doc.SAT[sid]\n"
      "at = lambda o: 512 + chain[o // doc.sec_size] * doc.sec_size + o % doc.sec_size\n"
      "stream, pos, count = doc.get_named_stream('Workbook'), 0, 0\n"
      "while pos + 4 <= len(stream):\n"
      "    kind, size = struct.unpack('<HH', stream[pos:pos + 4])\n"
      "    if kind == 0x5D:\n"
      "        data[at(pos + 10)], data[at(pos + 11)] = 1, 0\n"
      "        count += 1\n"
      "    pos += 4 + size\n"
      "open(sys.argv[2], 'wb').write(data)\n"
      "print(count)\n",
      {chart.string(), repeated.string()});
  ASSERT_EQ(patch.intExitCode, 0) << patch.strStderr;
  ASSERT_GT(std::stoi(patch.strStdout), 100) << "the example's shapes";
  fs::create_directory(dir / "ods");
  const auto result =
      testsupport::ConvertWithLibreOffice({chart, repeated}, "ods", dir / "ods", dir / "profile");
  ASSERT_EQ(result.intExitCode, 0) << result.strStderr;
  const std::string strUnique =
      drawingtest::ReadZipEntry(dir / "ods" / "Markteinfuehrung.ods", "content.xml");
  EXPECT_GT(strUnique.size(), 1000u);
  EXPECT_TRUE(strUnique == drawingtest::ReadZipEntry(dir / "ods" / "Wiederholt.ods", "content.xml"))
      << "the sheet LibreOffice reads differs";
}

TEST(XlsLibreOfficeTest, ShapesLieWhereTheyLieInTheXlsxOfTheSameChart) {
  testsupport::TempDir dir;
  fs::create_directory(dir / "xls");
  fs::create_directory(dir / "xlsx");
  const fs::path xlsx = ExampleChart(dir / "xlsx", ".xlsx");
  const std::vector<double> excel = ExcelColumns(xlsx);
  const Drawn fromXls(
      drawingtest::ConvertWithLibreOffice(ExampleChart(dir / "xls", ".xls"), "ods", dir / "xls"),
      true);
  const Drawn fromXlsx(drawingtest::ConvertWithLibreOffice(xlsx, "ods", dir / "xlsx"), false);
  ASSERT_GT(fromXlsx.shapes.size(), 10u);
  ASSERT_EQ(fromXls.shapes.size(), fromXlsx.shapes.size());

  int ovals = 0, arrows = 0;
  for (const auto& [name, expected] : fromXlsx.shapes) {
    ASSERT_EQ(fromXls.shapes.count(name), 1u) << name;
    const DrawnShape& shape = fromXls.shapes.at(name);
    const pugi::xml_node style = shape.style;
    ASSERT_TRUE(style) << name;
    if (name.rfind("Ellipse", 0) == 0) {
      ++ovals;
      EXPECT_NEAR(fromXls.X(shape, shape.x, excel), fromXlsx.X(expected, expected.x, excel),
                  kTolerance)
          << name;
      EXPECT_NEAR(fromXls.Y(shape, shape.y), fromXlsx.Y(expected, expected.y), kTolerance) << name;
      EXPECT_STREQ(style.attribute("draw:fill").value(),
                   expected.style.attribute("draw:fill").value())
          << name;
      EXPECT_STREQ(style.attribute("draw:shadow").value(),
                   expected.style.attribute("draw:shadow").value())
          << name;
      continue;
    }
    EXPECT_NEAR(fromXls.X(shape, shape.x1, excel), fromXlsx.X(expected, expected.x1, excel),
                kTolerance)
        << name;
    EXPECT_NEAR(fromXls.Y(shape, shape.y1), fromXlsx.Y(expected, expected.y1), kTolerance) << name;
    EXPECT_NEAR(fromXls.X(shape, shape.x2, excel), fromXlsx.X(expected, expected.x2, excel),
                kTolerance)
        << name;
    EXPECT_NEAR(fromXls.Y(shape, shape.y2), fromXlsx.Y(expected, expected.y2), kTolerance) << name;
    EXPECT_STREQ(style.attribute("draw:marker-start").value(), "") << name;
    const bool head = !std::string(expected.style.attribute("draw:marker-end").value()).empty();
    EXPECT_EQ(!std::string(style.attribute("draw:marker-end").value()).empty(), head) << name;
    if (head) {
      ++arrows;
      EXPECT_NEAR(
          drawingtest::LengthInPoints(style.attribute("draw:marker-end-width").value()),
          drawingtest::LengthInPoints(expected.style.attribute("draw:marker-end-width").value()),
          kTolerance)
          << name;
    }
  }
  EXPECT_GT(ovals, 0);
  EXPECT_GT(arrows, 0);
}

}  // namespace
