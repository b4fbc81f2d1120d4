#pragma once
// Small project plans written as Microsoft Project XML: tasks with their WBS codes, outline
// levels, dates, custom text fields and links; blank rows; inserted projects; resources in
// groups. Task and resource i of the plan get ID and UID i.

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "support/TestSupport.h"
#include "support/TextFields.h"

namespace testsupport {

class PlanXml {
 public:
  // A task with its outline level and custom text fields by field identifier; its WBS code is
  // its ID and it runs a working week from 2 March 2026 unless the calls below say otherwise.
  PlanXml& Task(const std::string& strName, std::int32_t lngOutlineLevel = 1,
                const std::map<std::int32_t, std::string>& colTexts = {});
  // The WBS code of the task added last.
  PlanXml& WBS(const std::string& strWBS);
  // Start and finish of the task added last, as "2026-03-02T08:00:00".
  PlanXml& Dates(const std::string& strStart, const std::string& strFinish);
  // Duration of the task added last as the plan stores it ("PT40H0M0S") and its format code
  // (7 days, 5 hours, 8 elapsed days, 39 estimated days, ...).
  PlanXml& Duration(const std::string& strDuration, std::int32_t lngFormat);
  // A finish-to-start link to the task added last from the task with the ID given.
  PlanXml& Predecessor(std::int32_t lngID);
  // A blank row of the task table.
  PlanXml& BlankTask();
  // A task row that stands for the plan in the file strFile.
  PlanXml& InsertedProject(const std::string& strName, const std::string& strFile);
  // A resource; std::nullopt writes no group at all.
  PlanXml& Resource(const std::string& strName,
                    const std::optional<std::string>& strGroup = std::string("Team"));
  // A blank row of the resource table.
  PlanXml& BlankResource();

  std::string Xml() const;
  // Writes the plan as dir/strFile and returns its path.
  std::filesystem::path Write(const TempDir& dir, const std::string& strFile = "Plan.xml") const;

 private:
  struct TaskRow {
    bool blnBlank = false;
    bool blnInserted = false;
    std::string strName;
    std::optional<std::string> strWBS;
    std::int32_t lngOutlineLevel = 1;
    std::string strStart = "2026-03-02T08:00:00";
    std::string strFinish = "2026-03-06T17:00:00";
    std::string strDuration = "PT40H0M0S";
    std::int32_t lngDurationFormat = 7;
    std::vector<std::int32_t> colPredecessors;
    std::map<std::int32_t, std::string> colTexts;
    std::string strFile;
  };
  TaskRow& Last();

  std::vector<TaskRow> colTasks_;
  std::vector<std::string> colResources_;
};

}  // namespace testsupport
