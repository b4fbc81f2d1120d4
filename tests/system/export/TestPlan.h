#pragma once
// Small plans for the export's tests, described row by row and written by the shared plan
// builder: tasks with WBS codes, outline levels, dates, the role fields Text21 to Text24 and
// links; resources in groups.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace exporttest {

struct PlanTask {
  std::string strName;
  std::string strWBS;
  std::int32_t lngOutlineLevel = 1;
  std::string strResponsible;
  std::string strParticipiant;
  std::string strInformed;
  std::string strStatus;           // Text24
  std::vector<int> colSuccessors;  // IDs (1-based rows) of the tasks that follow this one
  std::string strStart = "2026-03-02T08:00:00";
  std::string strFinish = "2026-03-06T17:00:00";
  bool blnBlank = false;
};

struct PlanResource {
  std::string strName;
  std::string strGroup;
};

// A task with its responsibles and the IDs of the tasks that follow it.
PlanTask Linked(const std::string& strName, const std::string& strWBS,
                const std::string& strResponsible, std::vector<int> colSuccessors = {});
// A blank row of the task table.
PlanTask Blank();

// Writes the plan; task i of the list gets ID and UID i + 1.
void WritePlan(const std::filesystem::path& path, const std::vector<PlanTask>& colTasks,
               const std::vector<PlanResource>& colResources);

}  // namespace exporttest
