#include "export/ChartShapeCount.h"

#include "chart/clsQuorvan.h"
#include "export/CommunicationNetwork.h"
#include "export/ResourceColumns.h"
#include "export/TaskRows.h"
#include "export/TaskSymbols.h"
#include "platform/msproject/Project.h"
#include "platform/vb/OnError.h"

namespace {

std::uint64_t Add(std::uint64_t a, std::uint64_t b) {
  std::uint64_t c = 0;
  return __builtin_add_overflow(a, b, &c) ? UINT64_MAX : c;
}

// 1 when the row's status shows a light, as WriteTaskRow draws it.
std::uint64_t StatusLights(const clsQuorvan& objQuorvan, const clsTask& objTask) {
  if (objTask.objTask == nullptr) return 0;
  std::uint64_t lngLights = 0;
  for (const clsField& objField : objQuorvan.objTasks.objHeaderTasks.objFields.colFields) {
    if (!objField.blnStatusLights) continue;
    const auto strStatus =
        vb::TryRead([&] { return objTask.objTask->GetField(objField.lngField); });
    if (strStatus && StatusLightColor(*strStatus)) ++lngLights;
  }
  return lngLights;
}

}  // namespace

std::uint64_t ChartShapeCount(const clsQuorvan& objQuorvan) {
  const ResourceColumns objColumns = IndexResourceColumns(objQuorvan.objResources);
  std::uint64_t lngShapes = NetworkArrowCount(objQuorvan);
  for (const clsTask& objTask : objQuorvan.objTasks.colTasks) {
    lngShapes = Add(lngShapes, StatusLights(objQuorvan, objTask));
    lngShapes = Add(lngShapes, TaskSymbolShapes(objTask, objColumns));
  }
  return lngShapes;
}
