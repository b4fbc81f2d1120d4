#include "DrawingReaders.h"

#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string_view>
#include <tuple>

#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace drawingtest {

namespace fs = std::filesystem;
using testsupport::RunCommand;
using testsupport::ShellQuote;

fs::path ConvertWithLibreOffice(const fs::path& input, const std::string& strFormat,
                                const fs::path& outDir) {
  if (RunCommand("command -v soffice").intExitCode != 0) {
    throw std::runtime_error("LibreOffice (soffice) is not installed");
  }
  const fs::path profile = outDir / ("lo-profile-" + strFormat);
  const testsupport::CommandResult result =
      testsupport::ConvertWithLibreOffice({input}, strFormat, outDir, profile);
  const fs::path output = outDir / (input.stem().string() + "." + strFormat);
  if (result.intExitCode != 0 || !fs::exists(output) || fs::file_size(output) == 0) {
    throw std::runtime_error("LibreOffice could not convert " + input.string() + " to " +
                             strFormat + ":\n" + result.strStdout + result.strStderr);
  }
  return output;
}

std::string ReadZipEntry(const fs::path& archive, const std::string& strEntry) {
  int intError = 0;
  std::unique_ptr<zip_t, decltype(&zip_discard)> zip(
      zip_open(archive.c_str(), ZIP_RDONLY, &intError), &zip_discard);
  if (!zip) throw std::runtime_error("cannot open " + archive.string());
  zip_stat_t stat;
  if (zip_stat(zip.get(), strEntry.c_str(), 0, &stat) != 0) {
    throw std::runtime_error(archive.string() + " has no " + strEntry);
  }
  std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(zip.get(), strEntry.c_str(), 0),
                                                          &zip_fclose);
  std::string strContent(stat.size, '\0');
  if (!file ||
      zip_fread(file.get(), strContent.data(), stat.size) != static_cast<zip_int64_t>(stat.size)) {
    throw std::runtime_error("cannot read " + strEntry + " in " + archive.string());
  }
  return strContent;
}

double LengthInPoints(const std::string& strLength) {
  char* end = nullptr;
  const double dblValue = std::strtod(strLength.c_str(), &end);
  const std::string_view unit(end);
  if (unit == "in") return dblValue * 72.0;
  if (unit == "cm") return dblValue * 72.0 / 2.54;
  if (unit == "mm") return dblValue * 72.0 / 25.4;
  if (unit == "pt") return dblValue;
  throw std::runtime_error("unknown length: " + strLength);
}

namespace {

pugi::xml_node FirstTable(const pugi::xml_document& content) {
  return content.select_node("//table:table").node();
}

// Notes the cell of each drawing object within a cell, walking the table's rows (also those in
// header rows and row groups) and their cells as they repeat.
void NoteCells(pugi::xml_node node, int& intRow,
               std::map<pugi::xml_node, std::pair<int, int>>& cells) {
  for (pugi::xml_node child : node.children()) {
    const std::string_view name = child.name();
    if (name != "table:table-row") {
      if (name == "table:table-header-rows" || name == "table:table-row-group" ||
          name == "table:table-rows") {
        NoteCells(child, intRow, cells);
      }
      continue;
    }
    int intColumn = 0;
    for (pugi::xml_node cell : child.children()) {
      const std::string_view cellName = cell.name();
      if (cellName != "table:table-cell" && cellName != "table:covered-table-cell") continue;
      for (pugi::xml_node object : cell.children()) {
        if (object.attribute("draw:name")) cells[object] = {intColumn, intRow};
      }
      intColumn += cell.attribute("table:number-columns-repeated").as_int(1);
    }
    intRow += child.attribute("table:number-rows-repeated").as_int(1);
  }
}

}  // namespace

std::map<std::string, DrawnShape> ReadDrawnShapes(const pugi::xml_document& content) {
  std::map<std::string, pugi::xml_node> styles;
  for (pugi::xml_node style : content.child("office:document-content")
                                  .child("office:automatic-styles")
                                  .children("style:style")) {
    styles[style.attribute("style:name").value()] = style.child("style:graphic-properties");
  }
  std::map<pugi::xml_node, std::pair<int, int>> cells;
  int intRow = 0;
  NoteCells(FirstTable(content), intRow, cells);

  std::map<std::string, DrawnShape> shapes;
  const pugi::xpath_node_set nodes = content.select_nodes("//*[@draw:name and @draw:style-name]");
  for (const pugi::xpath_node& found : nodes) {
    const pugi::xml_node node = found.node();
    DrawnShape shape;
    shape.strKind = node.name();
    const auto cell = cells.find(node);
    if (cell != cells.end()) std::tie(shape.intColumn, shape.intRow) = cell->second;
    const auto length = [&node](const char* name) {
      const pugi::xml_attribute attr = node.attribute(name);
      return attr ? LengthInPoints(attr.value()) : 0.0;
    };
    shape.x = length("svg:x");
    shape.y = length("svg:y");
    shape.width = length("svg:width");
    shape.height = length("svg:height");
    shape.x1 = length("svg:x1");
    shape.y1 = length("svg:y1");
    shape.x2 = length("svg:x2");
    shape.y2 = length("svg:y2");
    shape.intZIndex = node.attribute("draw:z-index").as_int(-1);
    shape.style = styles[node.attribute("draw:style-name").value()];
    shapes[node.attribute("draw:name").value()] = shape;
  }
  return shapes;
}

OdsGrid::OdsGrid(const pugi::xml_document& content) {
  std::map<std::string, double> sizes;
  for (pugi::xml_node style : content.child("office:document-content")
                                  .child("office:automatic-styles")
                                  .children("style:style")) {
    const pugi::xml_node column = style.child("style:table-column-properties");
    const pugi::xml_node row = style.child("style:table-row-properties");
    if (column)
      sizes[style.attribute("style:name").value()] =
          LengthInPoints(column.attribute("style:column-width").value());
    if (row)
      sizes[style.attribute("style:name").value()] =
          LengthInPoints(row.attribute("style:row-height").value());
  }
  const pugi::xml_node table = FirstTable(content);
  const auto size = [&sizes](pugi::xml_node node) {
    const auto found = sizes.find(node.attribute("table:style-name").value());
    if (found == sizes.end()) throw std::runtime_error("a column or row without a size");
    return found->second;
  };
  for (const pugi::xpath_node& column : table.select_nodes(".//table:table-column")) {
    columns_.emplace_back(size(column.node()),
                          column.node().attribute("table:number-columns-repeated").as_int(1));
  }
  for (const pugi::xpath_node& row : table.select_nodes(".//table:table-row")) {
    rows_.emplace_back(size(row.node()),
                       row.node().attribute("table:number-rows-repeated").as_int(1));
  }
}

double OdsGrid::Edge(const std::vector<std::pair<double, int>>& runs, int intCell) {
  double dblEdge = 0;
  for (const auto& [dblSize, intRepeat] : runs) {
    const int intTaken = std::min(intRepeat, intCell);
    dblEdge += dblSize * intTaken;
    intCell -= intTaken;
    if (intCell == 0) return dblEdge;
  }
  throw std::runtime_error("a cell beyond the sheet");
}

double OdsGrid::ColumnLeft(int intColumn) const {
  return Edge(columns_, intColumn);
}

double OdsGrid::RowTop(int intRow) const {
  return Edge(rows_, intRow);
}

PythonResult RunPython(const std::string& strScript, const fs::path& workbook) {
  const testsupport::CommandResult result =
      testsupport::RunPythonCode(strScript, {workbook.string()});
  return {result.intExitCode, result.strStdout + result.strStderr};
}

}  // namespace drawingtest
