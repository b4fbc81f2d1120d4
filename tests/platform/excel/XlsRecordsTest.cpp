// The records of a saved .xls, read by the tests' own record reader and compared with files that
// Excel saved (tests/data/excel-made): the globals and the sheet have their record types in
// Excel's order; every shape is an MSODRAWING followed by its OBJ, built of the same OfficeArt
// records as a shape that Excel drew; the containers' lengths hold exactly their shapes; the
// shape identifiers are unique and lie in the clusters the drawing group gives the drawing, even
// for the 130,000 shapes of a full chart.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "BiffRecords.h"
#include "platform/excel/Application.h"
#include "platform/excel/Interior.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "support/TestSupport.h"

namespace xlstest {
namespace {

namespace fs = std::filesystem;

constexpr std::uint16_t kMsoDrawing = 0x00EC;
constexpr std::uint16_t kMsoDrawingGroup = 0x00EB;
constexpr std::uint16_t kObj = 0x005D;

fs::path ExcelMade(const char* name) {
  return testsupport::SourceDir() / "tests/data/excel-made" / name;
}

// A sheet as the chart has it: texts, numbers, formats, a merged header, frozen headings,
// grouped rows, and its shapes: ovals and arrows between them.
fs::path SaveChartLike(const fs::path& dir, int pairs) {
  excel::Application app;
  app.SheetsInNewWorkbook(1);
  excel::Workbook& book = app.Workbooks().Add();
  excel::Worksheet& sheet = book.Worksheets(1);
  sheet.Range("A1").Value("Kommunikationsdiagramm");
  sheet.Range("A1:C1").MergeCells(true);
  sheet.Range("A2").Value(42.0);
  sheet.Range("B2:D2").Interior().Color(0xCCFFFF);
  sheet.Range("C:C").ColumnWidth(4);
  sheet.Rows("3:5").Group();
  sheet.Range("B3").Select();
  book.Windows(1).FreezePanes(true);
  excel::Shapes& shapes = sheet.Shapes();
  for (int i = 0; i < pairs; ++i) {
    const double y = 40 + (i % 2000) * 12.75;
    excel::Shape oval = shapes.AddShape(excel::msoShapeOval, 100 + i % 7, y, 9, 9);
    oval.Fill().ForeColor().RGB(0x0000FF);
    oval.Fill().OneColorGradient(excel::msoGradientFromCenter, 1, 0.35);
    oval.Shadow().Type(excel::msoShadow6);
    excel::Shape arrow = shapes.AddLine(104, y + 4, 300 - i % 11, y + 30);
    arrow.Line().EndArrowheadStyle(excel::msoArrowheadTriangle);
  }
  const fs::path file = dir / "Diagramm.xls";
  book.SaveAs(file.string());
  return file;
}

// The types of the records in the order each first appears, of those the other list has too.
std::vector<std::uint16_t> FirstAppearances(const std::vector<Record>& records,
                                            const std::vector<Record>& other) {
  std::set<std::uint16_t> known;
  for (const Record& record : other) known.insert(record.type);
  std::vector<std::uint16_t> order;
  for (std::uint16_t type : TypeOrder(records)) {
    if (known.count(type) && std::find(order.begin(), order.end(), type) == order.end()) {
      order.push_back(type);
    }
  }
  return order;
}

std::vector<std::uint16_t> Types(const std::vector<ArtRecord>& records) {
  std::vector<std::uint16_t> types;
  for (const ArtRecord& record : records) types.push_back(record.type);
  return types;
}

// The sub-record kinds of an OBJ record, up to its end.
std::vector<std::uint16_t> ObjParts(const std::string& data) {
  std::vector<std::uint16_t> parts;
  for (std::size_t offset = 0; offset + 4 <= data.size();) {
    const std::uint16_t kind = U16(data, offset);
    parts.push_back(kind);
    if (kind == 0) break;
    offset += 4 + U16(data, offset + 2);
  }
  return parts;
}

std::string DrawingOf(const std::vector<Record>& sheet) {
  std::string drawing;
  for (const Record& record : sheet) {
    if (record.type == kMsoDrawing) drawing += record.data;
  }
  return drawing;
}

std::string DrawingGroupOf(const std::vector<Record>& globals) {
  for (std::size_t i = 0; i < globals.size(); ++i) {
    if (globals[i].type == kMsoDrawingGroup) return Continued(globals, i);
  }
  return {};
}

class XlsRecords : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
};

TEST_F(XlsRecords, GlobalsAndSheetRecordsComeInTheOrderExcelWritesThem) {
  const auto ours = Substreams(SaveChartLike(dir.Path(), 3));
  ASSERT_EQ(ours.size(), 2u);
  EXPECT_EQ(StreamNames(dir / "Diagramm.xls"), StreamNames(ExcelMade("sheet-with-drawing.xls")))
      << "the workbook and the summary information streams";
  for (const char* name : {"sheet-with-drawing.xls", "drawings.xls"}) {
    const auto excels = Substreams(ExcelMade(name));
    for (std::size_t i = 0; i < 2; ++i) {
      EXPECT_EQ(FirstAppearances(ours[i], excels[i]), FirstAppearances(excels[i], ours[i]))
          << name << (i == 0 ? ": globals" : ": first sheet");
    }
  }
}

TEST_F(XlsRecords, EveryShapeIsBuiltOfTheRecordsExcelBuildsAShapeOf) {
  const auto ours = Substreams(SaveChartLike(dir.Path(), 3));
  const auto excels = Substreams(ExcelMade("sheet-with-drawing.xls"));

  // The drawing group: Excel's, without the store of pictures that the chart has none of.
  const auto ourGroup = ReadArt(DrawingGroupOf(ours[0]));
  const auto excelGroup = ReadArt(DrawingGroupOf(excels[0]));
  ASSERT_EQ(ourGroup.size(), 1u);
  ASSERT_EQ(excelGroup.size(), 1u);
  std::vector<std::uint16_t> excelParts = Types(excelGroup[0].children);
  std::erase(excelParts, 0xF001);
  EXPECT_EQ(Types(ourGroup[0].children), excelParts);

  // The drawing: its head, the group shape, then one container per shape of the same records as
  // Excel's shape.
  const auto ourDrawing = ReadArt(DrawingOf(ours[1]));
  const auto excelDrawing = ReadArt(DrawingOf(excels[1]));
  ASSERT_EQ(ourDrawing.size(), 1u) << "one drawing container holds all";
  ASSERT_EQ(excelDrawing.size(), 1u);
  EXPECT_EQ(Types(ourDrawing[0].children), Types(excelDrawing[0].children));
  const auto& ourShapes = ourDrawing[0].children.at(1).children;
  const auto& excelShapes = excelDrawing[0].children.at(1).children;
  ASSERT_EQ(ourShapes.size(), 7u) << "the group and six shapes";
  EXPECT_EQ(Types(ourShapes[0].children), Types(excelShapes[0].children)) << "the group";
  for (std::size_t i = 1; i < ourShapes.size(); ++i) {
    EXPECT_EQ(Types(ourShapes[i].children), Types(excelShapes[1].children)) << "shape " << i;
  }

  // Behind each MSODRAWING its OBJ, of the parts of the OBJ of an oval that Excel drew.
  std::string excelOval;
  for (const auto& sheet : Substreams(ExcelMade("drawings.xls"))) {
    for (const Record& record : sheet) {
      if (record.type == kObj && U16(record.data, 4) == 3 && excelOval.empty()) {
        excelOval = record.data;
      }
    }
  }
  ASSERT_FALSE(excelOval.empty());
  std::size_t objects = 0;
  for (std::size_t i = 0; i < ours[1].size(); ++i) {
    if (ours[1][i].type != kMsoDrawing) continue;
    ASSERT_LT(i + 1, ours[1].size());
    ASSERT_EQ(ours[1][i + 1].type, kObj) << "record " << i;
    EXPECT_EQ(ObjParts(ours[1][i + 1].data), ObjParts(excelOval));
    ++objects;
  }
  EXPECT_EQ(objects, 6u);
}

TEST_F(XlsRecords, TheShapesOfAFullChartFitWithUniqueIdentifiers) {
  constexpr int kPairs = 65000;
  const auto ours = Substreams(SaveChartLike(dir.Path(), kPairs));
  const auto group = ReadArt(DrawingGroupOf(ours[0]));
  ASSERT_EQ(group.size(), 1u);
  const std::string& fdgg = group[0].children.at(0).data;
  const std::uint32_t clusters = U32(fdgg, 4) - 1;
  EXPECT_EQ(U32(fdgg, 8), 2u * kPairs + 1) << "shapes saved, the group's included";
  EXPECT_EQ(U32(fdgg, 12), 1u) << "one drawing";
  // The clusters of identifiers: cluster k holds 1024 k and the following ones.
  std::map<std::uint32_t, std::uint32_t> used;  // by cluster
  for (std::uint32_t k = 0; k < clusters; ++k) {
    EXPECT_EQ(U32(fdgg, 16 + 8 * k), 1u) << "cluster " << k << " of drawing 1";
    used[k + 1] = U32(fdgg, 20 + 8 * k);
  }

  const auto drawing = ReadArt(DrawingOf(ours[1]));
  ASSERT_EQ(drawing.size(), 1u);
  const auto& shapes = drawing[0].children.at(1).children;
  ASSERT_EQ(shapes.size(), 2u * kPairs + 1);
  std::set<std::uint32_t> ids;
  for (const ArtRecord& shape : shapes) {
    const auto fsp = std::find_if(shape.children.begin(), shape.children.end(),
                                  [](const ArtRecord& r) { return r.type == 0xF00A; });
    ASSERT_NE(fsp, shape.children.end());
    const std::uint32_t id = U32(fsp->data, 0);
    EXPECT_TRUE(ids.insert(id).second) << "identifier " << id << " twice";
    EXPECT_LT(id % 1024, used[id / 1024]) << "identifier " << id << " outside its cluster";
  }
  const std::string& fdg = drawing[0].children.at(0).data;
  EXPECT_EQ(U32(fdg, 0), 2u * kPairs + 1);
  EXPECT_EQ(U32(fdg, 4), *ids.rbegin()) << "the last identifier";
}

}  // namespace
}  // namespace xlstest
