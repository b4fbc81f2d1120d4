// The .xlsx package as a whole: every part listed in the content types exactly once, every
// relationship leading to its part (the workbook to each sheet, each sheet to its own drawing),
// every entry's checksum right, and openpyxl reading every sheet.

#include <gtest/gtest.h>
#include <zip.h>

#include <map>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "DrawingReaders.h"
#include "platform/excel/Application.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "support/TestSupport.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> ZipEntries(const fs::path& archive) {
  int error = 0;
  zip_t* zip = zip_open(archive.c_str(), ZIP_RDONLY, &error);
  if (zip == nullptr) return {};
  std::vector<std::string> names;
  for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
    names.emplace_back(zip_get_name(zip, static_cast<zip_uint64_t>(i), 0));
  }
  zip_discard(zip);
  return names;
}

pugi::xml_document Part(const fs::path& archive, const std::string& name) {
  pugi::xml_document doc;
  const pugi::xml_parse_result result =
      doc.load_string(drawingtest::ReadZipEntry(archive, name).c_str());
  EXPECT_TRUE(result) << name << ": " << result.description();
  return doc;
}

// The relationships of a part, by id, each target resolved to the part's name in the archive.
std::map<std::string, std::string> Relationships(const fs::path& archive, const std::string& part) {
  const std::size_t slash = part.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : part.substr(0, slash + 1);
  const std::string rels = folder + "_rels/" + part.substr(folder.size()) + ".rels";
  std::map<std::string, std::string> targets;
  const pugi::xml_document doc = Part(archive, rels);
  for (pugi::xml_node rel : doc.child("Relationships").children("Relationship")) {
    std::vector<std::string> path;
    const std::string joined = folder + rel.attribute("Target").value();
    for (std::size_t start = 0; start <= joined.size();) {
      const std::size_t end = std::min(joined.find('/', start), joined.size());
      const std::string step = joined.substr(start, end - start);
      if (step == "..") {
        if (!path.empty()) path.pop_back();
      } else if (!step.empty()) {
        path.push_back(step);
      }
      start = end + 1;
    }
    std::string name;
    for (const std::string& step : path) name += (name.empty() ? "" : "/") + step;
    EXPECT_TRUE(targets.emplace(rel.attribute("Id").value(), name).second)
        << "id twice in " << rels;
  }
  return targets;
}

TEST(XlsxPackageTest, EveryPartIsListedOnceAndEveryRelationshipLeadsToItsPart) {
  // Three sheets: shapes on the first and the last, none on the middle one.
  excel::Application app;
  app.SheetsInNewWorkbook(3);
  excel::Workbook& book = app.Workbooks().Add();
  for (std::int32_t i = 1; i <= 3; ++i) {
    book.Worksheets(i).Range("A1").Value("Blatt " + std::to_string(i));
  }
  book.Worksheets(1).Shapes().AddShape(excel::msoShapeOval, 10, 10, 12, 12);
  book.Worksheets(3).Shapes().AddLine(10, 10, 100, 50);
  book.Worksheets(3).Shapes().AddLine(100, 50, 10, 90);
  testsupport::TempDir dir;
  const fs::path file = dir / "Paket.xlsx";
  book.SaveAs(file.string());

  // Every part but the content types and the relationship parts once as an Override, and no
  // Override without its part.
  const std::vector<std::string> entries = ZipEntries(file);
  const std::set<std::string> entrySet(entries.begin(), entries.end());
  EXPECT_EQ(entrySet.size(), entries.size()) << "an entry twice in the archive";
  std::multiset<std::string> overrides;
  const pugi::xml_document types = Part(file, "[Content_Types].xml");
  for (pugi::xml_node node : types.child("Types").children("Override")) {
    const std::string name = node.attribute("PartName").value();
    ASSERT_EQ(name.rfind('/', 0), 0u) << name;
    overrides.insert(name.substr(1));
    EXPECT_TRUE(entrySet.contains(name.substr(1))) << name << " is listed but missing";
    EXPECT_FALSE(std::string(node.attribute("ContentType").value()).empty());
  }
  for (const std::string& entry : entries) {
    if (entry == "[Content_Types].xml" || entry.ends_with(".rels")) continue;
    EXPECT_EQ(overrides.count(entry), 1u) << entry;
  }

  // The package to its workbook, the workbook to its sheets and styles, each sheet to the
  // drawing that holds its shapes.
  const std::map<std::string, std::string> root = Relationships(file, "");
  ASSERT_EQ(root.size(), 1u);
  const std::string workbook = root.begin()->second;
  const std::map<std::string, std::string> parts = Relationships(file, workbook);
  for (const auto& [id, part] : parts) EXPECT_TRUE(entrySet.contains(part)) << part;
  std::vector<std::string> sheets;
  const pugi::xml_document workbookPart = Part(file, workbook);
  for (pugi::xml_node sheet : workbookPart.child("workbook").child("sheets").children()) {
    const auto found = parts.find(sheet.attribute("r:id").value());
    ASSERT_NE(found, parts.end()) << sheet.attribute("name").value();
    sheets.push_back(found->second);
  }
  ASSERT_EQ(sheets.size(), 3u);
  const std::size_t expectedShapes[] = {1, 0, 2};
  for (std::size_t i = 0; i < sheets.size(); ++i) {
    const pugi::xml_document sheet = Part(file, sheets[i]);
    const pugi::xml_node drawing = sheet.child("worksheet").child("drawing");
    if (expectedShapes[i] == 0) {
      EXPECT_FALSE(drawing) << sheets[i];
      continue;
    }
    const auto target = Relationships(file, sheets[i]).at(drawing.attribute("r:id").value());
    const pugi::xml_document drawingPart = Part(file, target);
    const auto anchors = drawingPart.child("xdr:wsDr").children();
    EXPECT_EQ(static_cast<std::size_t>(std::distance(anchors.begin(), anchors.end())),
              expectedShapes[i])
        << sheets[i] << " → " << target;
  }

  // A real reader: the checksums of every entry, and every sheet with its text.
  const drawingtest::PythonResult read = drawingtest::RunPython(
      "import sys, zipfile, openpyxl\n"
      "print(zipfile.ZipFile(sys.argv[1]).testzip())\n"
      "for ws in openpyxl.load_workbook(sys.argv[1]).worksheets:\n"
      "    print(ws.title, ws['A1'].value)\n",
      file);
  ASSERT_EQ(read.intExitCode, 0) << read.strOutput;
  EXPECT_EQ(read.strOutput, "None\nTabelle1 Blatt 1\nTabelle2 Blatt 2\nTabelle3 Blatt 3\n");
}

}  // namespace
