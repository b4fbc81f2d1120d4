#pragma once
// The real readers the drawing tests open saved workbooks with: LibreOffice (headless, each run
// with a profile of its own so that tests can run side by side), the .ods it converts to, and
// openpyxl.

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

namespace drawingtest {

// Converts the file with LibreOffice into outDir ("ods", "pdf", ...) and returns the new file.
// Throws std::runtime_error with LibreOffice's output when it is missing or fails.
std::filesystem::path ConvertWithLibreOffice(const std::filesystem::path& input,
                                             const std::string& strFormat,
                                             const std::filesystem::path& outDir);

// One entry of a zip archive; throws when the archive or the entry cannot be read.
std::string ReadZipEntry(const std::filesystem::path& archive, const std::string& strEntry);

// An ODF length ("0.2846in", "1.2cm", "3mm", "12pt") in points.
double LengthInPoints(const std::string& strLength);

// A drawing object of the converted sheet with its position in points and its graphic style.
// A shape anchored to a cell is written inside that cell, its position relative to the cell's
// top-left corner, in a layout where hidden columns and rows keep their width (so that the
// shape keeps its place when they are shown again).
struct DrawnShape {
  std::string strKind;              // "draw:custom-shape", "draw:connector", "draw:line", ...
  int intColumn = -1, intRow = -1;  // 0-based cell it is anchored to; -1: the page
  double x = 0, y = 0, width = 0, height = 0;  // shapes with a box
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;       // lines and connectors
  int intZIndex = -1;
  pugi::xml_node style;  // style:graphic-properties of its automatic style
};

// The drawing objects of an .ods, by name.
std::map<std::string, DrawnShape> ReadDrawnShapes(const pugi::xml_document& content);

// The first sheet's column widths and row heights in points, from the .ods's automatic styles,
// hidden columns and rows with theirs: where the cells of that layout begin.
class OdsGrid {
 public:
  explicit OdsGrid(const pugi::xml_document& content);
  double ColumnLeft(int intColumn) const;  // 0-based
  double RowTop(int intRow) const;         // 0-based

 private:
  static double Edge(const std::vector<std::pair<double, int>>& runs, int intCell);
  std::vector<std::pair<double, int>> columns_, rows_;  // size and how often repeated
};

// Runs a Python script with /usr/bin/python3 (openpyxl); returns its exit code and output.
struct PythonResult {
  int intExitCode = -1;
  std::string strOutput;
};
PythonResult RunPython(const std::string& strScript, const std::filesystem::path& workbook);

}  // namespace drawingtest
