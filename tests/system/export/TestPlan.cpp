#include "system/export/TestPlan.h"

#include <map>

#include "support/PlanXml.h"
#include "support/TestSupport.h"

namespace exporttest {

PlanTask Linked(const std::string& strName, const std::string& strWBS,
                const std::string& strResponsible, std::vector<int> colSuccessors) {
  PlanTask objTask;
  objTask.strName = strName;
  objTask.strWBS = strWBS;
  objTask.strResponsible = strResponsible;
  objTask.colSuccessors = std::move(colSuccessors);
  return objTask;
}

PlanTask Blank() {
  PlanTask objTask;
  objTask.blnBlank = true;
  return objTask;
}

void WritePlan(const std::filesystem::path& path, const std::vector<PlanTask>& colTasks,
               const std::vector<PlanResource>& colResources) {
  // Links are stored with the task that follows.
  std::vector<std::vector<int>> colPredecessors(colTasks.size());
  for (std::size_t i = 0; i < colTasks.size(); ++i) {
    for (int lngSuccessor : colTasks[i].colSuccessors) {
      colPredecessors[static_cast<std::size_t>(lngSuccessor - 1)].push_back(
          static_cast<int>(i + 1));
    }
  }
  testsupport::PlanXml objPlan;
  for (std::size_t i = 0; i < colTasks.size(); ++i) {
    const PlanTask& t = colTasks[i];
    if (t.blnBlank) {
      objPlan.BlankTask();
      continue;
    }
    std::map<std::int32_t, std::string> colTexts;
    if (!t.strResponsible.empty()) colTexts[testsupport::kText21] = t.strResponsible;
    if (!t.strParticipiant.empty()) colTexts[testsupport::kText22] = t.strParticipiant;
    if (!t.strInformed.empty()) colTexts[testsupport::kText23] = t.strInformed;
    if (!t.strStatus.empty()) colTexts[testsupport::kText24] = t.strStatus;
    objPlan.Task(t.strName, t.lngOutlineLevel, colTexts)
        .WBS(t.strWBS)
        .Dates(t.strStart, t.strFinish);
    for (int lngPredecessor : colPredecessors[i]) objPlan.Predecessor(lngPredecessor);
  }
  for (const auto& objResource : colResources) {
    objPlan.Resource(objResource.strName, objResource.strGroup);
  }
  testsupport::WriteFile(path, objPlan.Xml());
}

}  // namespace exporttest
