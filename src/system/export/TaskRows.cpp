#include "export/TaskRows.h"

#include "chart/clsQuorvan.h"
#include "export/CellFormats.h"
#include "export/ChartShapes.h"
#include "export/TaskSymbols.h"
#include "platform/excel/Worksheet.h"
#include "platform/msproject/Project.h"
#include "platform/vb/OnError.h"

namespace {

constexpr double kStatusLightRadius = 6;
// Status lights are placed with a fixed correction of their own.
constexpr double kStatusLightCorrect = -2;

const msproject::Task& HostTask(const clsTask& objTask) {
  if (objTask.objTask == nullptr) {
    throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: objTask");
  }
  return *objTask.objTask;
}

}  // namespace

std::int32_t TaskRowColor(const clsQuorvan& objQuorvan, const clsTask& objTask) {
  const clsTasks& objTasks = objQuorvan.objTasks;
  if (objTask.blnIsSubProject) return objTasks.lngProjectTaskColor;
  if (vb::TryRead([&] { return HostTask(objTask).Summary(); }).value_or(false)) {
    return objTasks.lngSummaryTaskColor;
  }
  if (vb::TryRead([&] { return HostTask(objTask).Milestone(); }).value_or(false)) {
    return objTasks.lngMilestoneColor;
  }
  return objTasks.lngTaskColor;
}

std::optional<std::int32_t> StatusLightColor(const std::string& strStatus) {
  if (strStatus == "unkritisch") return 0xFF0000;        // blue
  if (strStatus == "planmäßig") return 0x00FF00;         // green
  if (strStatus == "schwierig") return 0x00FFFF;         // yellow
  if (strStatus == "nicht erreichbar") return 0x0000FF;  // red
  return std::nullopt;
}

bool WriteTaskRow(clsQuorvan& objQuorvan, excel::Worksheet& objSheet, const clsTask& objTask,
                  std::int32_t lngResourceCount, const ResourceColumns& objColumns) {
  vb::ResumeNext steps;
  bool blnFailed = false;
  const clsHeaderTasks& objHeader = objQuorvan.objTasks.objHeaderTasks;
  const std::vector<clsField>& colFields = objHeader.objFields.colFields;
  const std::int32_t lngRow = objTask.lngRowNumber;
  const std::int32_t lngColor = TaskRowColor(objQuorvan, objTask);

  const std::int32_t lngFirstColumn =
      colFields.empty() ? objHeader.lngHeaderColumn : colFields.front().lngFieldColumn;
  auto objRow = vb::TryRead([&] {
    return objSheet.Range(objSheet.Cells(lngRow, lngFirstColumn),
                          objSheet.Cells(lngRow, objHeader.lngColumns + lngResourceCount));
  });
  if (objRow) {
    blnFailed |= FormatTaskRow(*objRow, true, objTask.dblRowHeight, excel::xlTop, excel::xlGeneral,
                               lngColor, kHairline);
  } else {
    blnFailed = true;
  }

  for (const clsField& objField : colFields) {
    if (objField.strFieldAlias.empty()) continue;
    if (objField.blnStatusLights) {
      auto strStatus = vb::TryRead([&] { return HostTask(objTask).GetField(objField.lngField); });
      if (!strStatus) {
        blnFailed = true;
        continue;
      }
      if (auto lngLight = StatusLightColor(*strStatus)) {
        blnFailed |= DrawCircle(objQuorvan, objField.dblFieldMidX + kStatusLightCorrect,
                                objTask.dblMidY + kStatusLightCorrect, kStatusLightRadius,
                                *lngLight, objQuorvan.blnShadowStatus);
      }
      continue;
    }
    auto objCell = vb::TryRead([&] { return objSheet.Cells(lngRow, objField.lngFieldColumn); });
    if (!objCell) {
      blnFailed = true;
      continue;
    }
    if (objField.strFieldDataType == "text" || objField.strFieldDataType == "date") {
      steps([&] { objCell->NumberFormat("@"); });
    }
    steps([&] { objCell->Value(HostTask(objTask).GetField(objField.lngField)); });
  }

  blnFailed |= DrawTaskSymbols(objQuorvan, objTask, objColumns);
  return steps.Failed() || blnFailed;
}
