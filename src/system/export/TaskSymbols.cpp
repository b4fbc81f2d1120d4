#include "export/TaskSymbols.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "chart/clsQuorvan.h"
#include "export/ChartShapes.h"

namespace {

constexpr double kResponsibleRadius = 6;
constexpr double kParticipiantRadius = 3;
constexpr double kInformedRadius = 3;

// One symbol: its column, its role (participant, informed, responsible: the order in which a
// cell's symbols are stacked) and its entry in the role's list.
struct Symbol {
  std::size_t lngColumn;
  int intRole;
  std::size_t lngEntry;
  bool operator<(const Symbol& other) const {
    return std::tie(lngColumn, intRole, lngEntry) <
           std::tie(other.lngColumn, other.intRole, other.lngEntry);
  }
};

// The symbols of a row: the role entries found through the index, one per column of the name.
std::vector<Symbol> SymbolsOf(const clsTask& objTask, const ResourceColumns& objColumns) {
  const std::vector<std::string>* colRoles[] = {&objTask.colParticipiants, &objTask.colInformed,
                                                &objTask.colResponsibles};
  std::vector<Symbol> colSymbols;
  for (int intRole = 0; intRole < 3; ++intRole) {
    const std::vector<std::string>& colNames = *colRoles[intRole];
    for (std::size_t k = 0; k < colNames.size(); ++k) {
      auto it = objColumns.colByName.find(colNames[k]);
      if (it == objColumns.colByName.end()) continue;
      for (std::size_t lngColumn : it->second) colSymbols.push_back({lngColumn, intRole, k});
    }
  }
  return colSymbols;
}

}  // namespace

std::uint64_t TaskSymbolShapes(const clsTask& objTask, const ResourceColumns& objColumns) {
  const std::vector<Symbol> colSymbols = SymbolsOf(objTask, objColumns);
  if (colSymbols.empty()) return 0;
  const Symbol& objFirst = *std::min_element(colSymbols.begin(), colSymbols.end());
  const double dblFirstX = objColumns.colMidX[objFirst.lngColumn];
  const auto lngLines = std::count_if(colSymbols.begin(), colSymbols.end(), [&](const Symbol& s) {
    return objColumns.colMidX[s.lngColumn] != dblFirstX;
  });
  return colSymbols.size() + static_cast<std::uint64_t>(lngLines);
}

bool DrawTaskSymbols(clsQuorvan& objQuorvan, const clsTask& objTask,
                     const ResourceColumns& objColumns) {
  const double colRadius[] = {kParticipiantRadius, kInformedRadius, kResponsibleRadius};
  const std::int32_t colColor[] = {objQuorvan.lngSymParticipiantColor,
                                   objQuorvan.lngSymInformedColor,
                                   objQuorvan.lngSymResponsibleColor};

  // The names found through the index, put into the order of the walk over the columns.
  std::vector<Symbol> colSymbols = SymbolsOf(objTask, objColumns);
  if (colSymbols.empty()) return false;
  std::sort(colSymbols.begin(), colSymbols.end());

  bool blnFailed = false;
  const double dblY = objTask.dblMidY + objQuorvan.dblYOffsetCorrect;
  std::vector<double> colSymbolX;
  colSymbolX.reserve(colSymbols.size());
  for (const Symbol& objSymbol : colSymbols) {
    const double dblMidX = objColumns.colMidX[objSymbol.lngColumn];
    blnFailed |= DrawCircle(objQuorvan, dblMidX + objQuorvan.dblXOffsetCorrect, dblY,
                            colRadius[objSymbol.intRole], colColor[objSymbol.intRole],
                            objQuorvan.blnShadowSymbols);
    colSymbolX.push_back(dblMidX);
  }
  const double dblFirstX = colSymbolX.front();
  for (double dblX : colSymbolX) {
    if (dblX == dblFirstX) continue;
    blnFailed |= DrawLine(objQuorvan, dblFirstX + objQuorvan.dblXOffsetCorrect, dblY,
                          dblX + objQuorvan.dblXOffsetCorrect, dblY, kBlack, false);
  }
  return blnFailed;
}
