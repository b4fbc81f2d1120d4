#include "addin/SmallPlan.h"

#include <fmt/format.h>

namespace addintest {

SmallPlan& SmallPlan::Task(const std::string& strName, const std::string& strWBS) {
  const auto lngID = colTasks_.size() + 1;
  colTasks_.push_back(
      fmt::format("<Task><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><WBS>{2}</WBS>"
                  "<OutlineLevel>1</OutlineLevel><Start>2026-03-02T08:00:00</Start>"
                  "<Finish>2026-03-06T17:00:00</Finish><Duration>PT40H0M0S</Duration>"
                  "<DurationFormat>7</DurationFormat></Task>",
                  lngID, strName, strWBS.empty() ? std::to_string(lngID) : strWBS));
  return *this;
}

SmallPlan& SmallPlan::BlankTask() {
  const auto lngID = colTasks_.size() + 1;
  colTasks_.push_back(
      fmt::format("<Task><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Task>", lngID));
  return *this;
}

SmallPlan& SmallPlan::Resource(const std::string& strName) {
  const auto lngID = colResources_.size() + 1;
  colResources_.push_back(
      fmt::format("<Resource><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><Type>1</Type>"
                  "<IsNull>0</IsNull><Group>Team</Group></Resource>",
                  lngID, strName));
  return *this;
}

SmallPlan& SmallPlan::BlankResource() {
  const auto lngID = colResources_.size() + 1;
  colResources_.push_back(
      fmt::format("<Resource><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Resource>", lngID));
  return *this;
}

std::string SmallPlan::Xml() const {
  std::string strXml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Project xmlns=\"http://schemas.microsoft.com/project\">"
      "<SaveVersion>14</SaveVersion><Name>Plan</Name>"
      "<StartDate>2026-03-02T08:00:00</StartDate>"
      "<MinutesPerDay>480</MinutesPerDay><MinutesPerWeek>2400</MinutesPerWeek>"
      "<DaysPerMonth>20</DaysPerMonth>"
      "<Tasks><Task><UID>0</UID><ID>0</ID><Name>Plan</Name><WBS>0</WBS>"
      "<OutlineLevel>0</OutlineLevel><Summary>1</Summary></Task>";
  for (const auto& strTask : colTasks_) strXml += strTask;
  strXml += "</Tasks><Resources><Resource><UID>0</UID><ID>0</ID><IsNull>0</IsNull></Resource>";
  for (const auto& strResource : colResources_) strXml += strResource;
  strXml += "</Resources></Project>\n";
  return strXml;
}

std::filesystem::path SmallPlan::Write(const testsupport::TempDir& dir,
                                       const std::string& strFile) const {
  const auto path = dir / strFile;
  testsupport::WriteFile(path, Xml());
  return path;
}

}  // namespace addintest
