#include "export/CommunicationNetwork.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

#include "chart/clsQuorvan.h"
#include "export/ChartShapes.h"
#include "platform/msproject/Project.h"
#include "platform/vb/OnError.h"

namespace {

// What makes two host tasks the same task for the network: name, WBS code and the calendar
// days of start and finish (a task without the date has none, which only matches none).
struct TaskIdentity {
  std::string strName;
  std::string strWBS;
  std::optional<std::int64_t> lngStartDay;
  std::optional<std::int64_t> lngFinishDay;

  bool operator==(const TaskIdentity&) const = default;
};

struct TaskIdentityHash {
  std::size_t operator()(const TaskIdentity& objKey) const {
    std::size_t lngHash = std::hash<std::string>{}(objKey.strName);
    auto mix = [&](std::size_t lngValue) {
      lngHash ^= lngValue + 0x9e3779b97f4a7c15ULL + (lngHash << 6) + (lngHash >> 2);
    };
    mix(std::hash<std::string>{}(objKey.strWBS));
    mix(std::hash<std::int64_t>{}(objKey.lngStartDay.value_or(INT64_MIN)));
    mix(std::hash<std::int64_t>{}(objKey.lngFinishDay.value_or(INT64_MIN)));
    return lngHash;
  }
};

std::optional<std::int64_t> Day(const std::optional<msproject::DateTime>& dtmValue) {
  if (!dtmValue) return std::nullopt;
  return std::chrono::floor<std::chrono::days>(*dtmValue).time_since_epoch().count();
}

TaskIdentity IdentityOf(const msproject::Task& objTask) {
  return {objTask.Name(), objTask.WBS(), Day(vb::TryRead([&] { return objTask.Start(); })),
          Day(vb::TryRead([&] { return objTask.Finish(); }))};
}

// The task rows by the identity of their host task, each list in row order.
using RowIndex = std::unordered_map<TaskIdentity, std::vector<std::size_t>, TaskIdentityHash>;

RowIndex IndexRows(const std::vector<clsTask>& colTasks) {
  RowIndex colIndex;
  colIndex.reserve(colTasks.size());
  for (std::size_t i = 0; i < colTasks.size(); ++i) {
    if (colTasks[i].objTask != nullptr) colIndex[IdentityOf(*colTasks[i].objTask)].push_back(i);
  }
  return colIndex;
}

// The X of each responsible that names a resource column, in list order.
std::vector<double> ResponsibleXs(const clsTask& objTask,
                                  const std::unordered_map<std::string, double>& colXByName) {
  std::vector<double> colXs;
  for (const std::string& strName : objTask.colResponsibles) {
    auto it = colXByName.find(strName);
    if (it != colXByName.end()) colXs.push_back(it->second);
  }
  return colXs;
}

}  // namespace

std::unordered_map<std::string, double> ResourceXByName(const clsResources& objResources) {
  std::unordered_map<std::string, double> colXByName;
  for (const clsResourceGroup& objGroup : objResources.colResourceGroups) {
    std::unordered_map<std::string, double> colInGroup;
    for (const clsResource& objResource : objGroup.colResources) {
      if (objResource.objResource == nullptr) continue;
      colInGroup.try_emplace(objResource.objResource->Name(), objResource.dblMidX);
    }
    for (auto& [strName, dblX] : colInGroup) colXByName[strName] = dblX;
  }
  return colXByName;
}

std::vector<NetworkArrow> CommunicationNetwork(const clsQuorvan& objQuorvan) {
  const std::vector<clsTask>& colTasks = objQuorvan.objTasks.colTasks;
  const auto colXByName = ResourceXByName(objQuorvan.objResources);
  const RowIndex colIndex = IndexRows(colTasks);
  const double dblDX = objQuorvan.dblXOffsetCorrect;
  const double dblDY = objQuorvan.dblYOffsetCorrect;

  std::vector<NetworkArrow> colArrows;
  for (const clsTask& objTask : colTasks) {
    if (objTask.objTask == nullptr || objTask.colResponsibles.empty()) continue;
    const std::vector<double> colFromX = ResponsibleXs(objTask, colXByName);
    if (colFromX.empty()) continue;
    for (const msproject::Task* objLinked : objTask.objTask->SuccessorTasks()) {
      if (objLinked == nullptr) continue;
      auto it = colIndex.find(IdentityOf(*objLinked));
      if (it == colIndex.end()) continue;
      for (std::size_t lngRow : it->second) {
        const clsTask& objTarget = colTasks[lngRow];
        const std::vector<double> colToX = ResponsibleXs(objTarget, colXByName);
        for (double dblX1 : colFromX) {
          for (double dblX2 : colToX) {
            if (dblX1 > 0 && dblX2 > 0) {
              colArrows.push_back({dblX1 + dblDX, objTask.dblMidY + dblDY, dblX2 + dblDX,
                                   objTarget.dblMidY + dblDY});
            }
          }
        }
      }
    }
  }
  return colArrows;
}

std::uint64_t NetworkArrowCount(const clsQuorvan& objQuorvan) {
  const std::vector<clsTask>& colTasks = objQuorvan.objTasks.colTasks;
  const auto colXByName = ResourceXByName(objQuorvan.objResources);
  const RowIndex colIndex = IndexRows(colTasks);
  // The responsibles of each row that an arrow may begin or end at.
  std::vector<std::uint64_t> colEnds(colTasks.size(), 0);
  for (std::size_t i = 0; i < colTasks.size(); ++i) {
    for (double dblX : ResponsibleXs(colTasks[i], colXByName)) colEnds[i] += dblX > 0 ? 1 : 0;
  }
  // Saturates instead of overflowing: a count past any bound is all that matters then.
  const auto add = [](std::uint64_t a, std::uint64_t b) {
    std::uint64_t c = 0;
    return __builtin_add_overflow(a, b, &c) ? UINT64_MAX : c;
  };
  const auto multiply = [](std::uint64_t a, std::uint64_t b) {
    std::uint64_t c = 0;
    return __builtin_mul_overflow(a, b, &c) ? UINT64_MAX : c;
  };
  std::uint64_t lngArrows = 0;
  for (std::size_t i = 0; i < colTasks.size(); ++i) {
    const clsTask& objTask = colTasks[i];
    if (objTask.objTask == nullptr || colEnds[i] == 0) continue;
    std::uint64_t lngTargets = 0;
    for (const msproject::Task* objLinked : objTask.objTask->SuccessorTasks()) {
      if (objLinked == nullptr) continue;
      auto it = colIndex.find(IdentityOf(*objLinked));
      if (it == colIndex.end()) continue;
      for (std::size_t lngRow : it->second) lngTargets = add(lngTargets, colEnds[lngRow]);
    }
    lngArrows = add(lngArrows, multiply(colEnds[i], lngTargets));
  }
  return lngArrows;
}

bool DrawCommunicationNetwork(clsQuorvan& objQuorvan) {
  bool blnFailed = false;
  for (const NetworkArrow& objArrow : CommunicationNetwork(objQuorvan)) {
    blnFailed |= DrawArrow(objQuorvan, objArrow.dblBeginX, objArrow.dblBeginY, objArrow.dblEndX,
                           objArrow.dblEndY, objQuorvan.lngArrowColor, objQuorvan.blnShadowArrow);
  }
  return blnFailed;
}
