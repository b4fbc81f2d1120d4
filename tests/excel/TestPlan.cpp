#include "excel/TestPlan.h"

#include <fmt/format.h>

#include "support/TestSupport.h"

namespace exporttest {

namespace {

std::string Escaped(const std::string& strText) {
  std::string strOut;
  for (char c : strText) {
    if (c == '&') {
      strOut += "&amp;";
    } else if (c == '<') {
      strOut += "&lt;";
    } else {
      strOut += c;
    }
  }
  return strOut;
}

std::string Text(std::int32_t lngField, const std::string& strValue) {
  if (strValue.empty()) return "";
  return fmt::format(
      "<ExtendedAttribute><FieldID>{}</FieldID><Value>{}</Value></ExtendedAttribute>", lngField,
      Escaped(strValue));
}

}  // namespace

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
  std::string strXml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Project xmlns=\"http://schemas.microsoft.com/project\"><SaveVersion>14</SaveVersion>"
      "<Name>Plan</Name><StartDate>2026-03-02T08:00:00</StartDate>"
      "<MinutesPerDay>480</MinutesPerDay><MinutesPerWeek>2400</MinutesPerWeek>"
      "<DaysPerMonth>20</DaysPerMonth><Tasks><Task><UID>0</UID><ID>0</ID><Name>Plan</Name>"
      "<OutlineLevel>0</OutlineLevel><Summary>1</Summary></Task>";
  for (std::size_t i = 0; i < colTasks.size(); ++i) {
    const PlanTask& t = colTasks[i];
    if (t.blnBlank) {
      strXml += fmt::format("<Task><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Task>", i + 1);
      continue;
    }
    strXml += fmt::format(
        "<Task><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><WBS>{2}</WBS>"
        "<OutlineLevel>{3}</OutlineLevel><Start>{4}</Start><Finish>{5}</Finish>"
        "<Duration>PT40H0M0S</Duration><DurationFormat>7</DurationFormat>",
        i + 1, Escaped(t.strName), Escaped(t.strWBS), t.lngOutlineLevel, t.strStart, t.strFinish);
    for (int lngPredecessor : colPredecessors[i]) {
      strXml += fmt::format(
          "<PredecessorLink><PredecessorUID>{}</PredecessorUID><Type>1</Type></PredecessorLink>",
          lngPredecessor);
    }
    strXml += Text(188744007, t.strResponsible) + Text(188744008, t.strParticipiant) +
              Text(188744009, t.strInformed) + Text(188744010, t.strStatus) + "</Task>";
  }
  strXml += "</Tasks><Resources><Resource><UID>0</UID><ID>0</ID><IsNull>0</IsNull></Resource>";
  for (std::size_t i = 0; i < colResources.size(); ++i) {
    strXml += fmt::format(
        "<Resource><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><Type>1</Type><IsNull>0</IsNull>"
        "<Group>{2}</Group></Resource>",
        i + 1, Escaped(colResources[i].strName), Escaped(colResources[i].strGroup));
  }
  strXml += "</Resources></Project>\n";
  testsupport::WriteFile(path, strXml);
}

}  // namespace exporttest
