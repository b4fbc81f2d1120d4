#pragma once
// The real readers the drawing tests open saved workbooks with: LibreOffice (headless, each run
// with a profile of its own so that tests can run side by side), the .ods it converts to, and
// openpyxl.

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>

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
struct DrawnShape {
  std::string strKind;  // "draw:custom-shape", "draw:connector", "draw:line", ...
  double x = 0, y = 0, width = 0, height = 0;  // shapes with a box
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;       // lines and connectors
  int intZIndex = -1;
  pugi::xml_node style;  // style:graphic-properties of its automatic style
};

// The drawing objects of an .ods, by name.
std::map<std::string, DrawnShape> ReadDrawnShapes(const pugi::xml_document& content);

// Runs a Python script with /usr/bin/python3 (openpyxl); returns its exit code and output.
struct PythonResult {
  int intExitCode = -1;
  std::string strOutput;
};
PythonResult RunPython(const std::string& strScript, const std::filesystem::path& workbook);

}  // namespace drawingtest
