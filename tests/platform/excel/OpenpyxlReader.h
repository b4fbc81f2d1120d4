#pragma once
// Reads a saved workbook with openpyxl (read_xlsx.py beside this file) and returns what it
// found as JSON: sheets with merges, columns, rows, pane and page set-up; the named cells of the
// active sheet with value and format. A workbook openpyxl cannot read fails the test.

#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

namespace exceltest {

nlohmann::json ReadWithOpenpyxl(const std::filesystem::path& workbook, const std::string& strCells);

}  // namespace exceltest
