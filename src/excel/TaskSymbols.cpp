#include "excel/TaskSymbols.h"

#include <string>

#include "chart/clsQuorvan.h"
#include "excel/ChartShapes.h"

namespace {

constexpr double kResponsibleRadius = 6;
constexpr double kParticipiantRadius = 3;
constexpr double kInformedRadius = 3;
constexpr std::int32_t kBlack = 0;

}  // namespace

bool DrawTaskSymbols(clsQuorvan& objQuorvan, const clsTask& objTask,
                     const std::vector<ResourceColumn>& colColumns) {
  bool blnFailed = false;
  std::vector<double> colSymbolX;
  if (objTask.colParticipiants.empty() && objTask.colInformed.empty() &&
      objTask.colResponsibles.empty()) {
    return false;
  }
  const double dblY = objTask.dblMidY + objQuorvan.dblYOffsetCorrect;
  auto symbols = [&](const ResourceColumn& objColumn, const std::vector<std::string>& colNames,
                     double dblRadius, std::int32_t lngColor) {
    for (const std::string& strName : colNames) {
      if (strName != *objColumn.strName) continue;
      blnFailed |= DrawCircle(objQuorvan, objColumn.dblMidX + objQuorvan.dblXOffsetCorrect, dblY,
                              dblRadius, lngColor, objQuorvan.blnShadowSymbols);
      colSymbolX.push_back(objColumn.dblMidX);
    }
  };
  for (const ResourceColumn& objColumn : colColumns) {
    symbols(objColumn, objTask.colParticipiants, kParticipiantRadius,
            objQuorvan.lngSymParticipiantColor);
    symbols(objColumn, objTask.colInformed, kInformedRadius, objQuorvan.lngSymInformedColor);
    symbols(objColumn, objTask.colResponsibles, kResponsibleRadius,
            objQuorvan.lngSymResponsibleColor);
  }
  if (colSymbolX.empty()) return blnFailed;
  const double dblFirstX = colSymbolX.front();
  for (double dblX : colSymbolX) {
    if (dblX == dblFirstX) continue;
    blnFailed |= DrawLine(objQuorvan, dblFirstX + objQuorvan.dblXOffsetCorrect, dblY,
                          dblX + objQuorvan.dblXOffsetCorrect, dblY, kBlack, false);
  }
  return blnFailed;
}
