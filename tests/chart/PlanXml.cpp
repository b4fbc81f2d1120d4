#include "chart/PlanXml.h"

#include <fmt/format.h>

#include "wizard/Globals.h"

namespace charttest {

namespace {

std::string Escaped(const std::string& strText) {
  std::string strOut;
  for (char c : strText) {
    switch (c) {
      case '&':
        strOut += "&amp;";
        break;
      case '<':
        strOut += "&lt;";
        break;
      case '>':
        strOut += "&gt;";
        break;
      default:
        strOut += c;
    }
  }
  return strOut;
}

constexpr const char* kTaskDates =
    "<Start>2026-03-02T08:00:00</Start><Finish>2026-03-06T17:00:00</Finish>"
    "<Duration>PT40H0M0S</Duration><DurationFormat>7</DurationFormat>";

}  // namespace

PlanXml& PlanXml::Task(const std::string& strName, std::int32_t lngOutlineLevel,
                       const std::map<std::int32_t, std::string>& colTexts) {
  const auto lngID = colTasks_.size() + 1;
  std::string strTask = fmt::format(
      "<Task><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><WBS>{0}</WBS>"
      "<OutlineLevel>{2}</OutlineLevel>{3}",
      lngID, Escaped(strName), lngOutlineLevel, kTaskDates);
  for (const auto& [lngField, strValue] : colTexts) {
    strTask +=
        fmt::format("<ExtendedAttribute><FieldID>{}</FieldID><Value>{}</Value></ExtendedAttribute>",
                    lngField, Escaped(strValue));
  }
  colTasks_.push_back(strTask + "</Task>");
  return *this;
}

PlanXml& PlanXml::BlankTask() {
  const auto lngID = colTasks_.size() + 1;
  colTasks_.push_back(
      fmt::format("<Task><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Task>", lngID));
  return *this;
}

PlanXml& PlanXml::InsertedProject(const std::string& strName, const std::string& strFile) {
  const auto lngID = colTasks_.size() + 1;
  colTasks_.push_back(fmt::format(
      "<Task><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><WBS>{0}</WBS>"
      "<OutlineLevel>1</OutlineLevel>{2}<Summary>1</Summary><IsSubproject>1</IsSubproject>"
      "<SubprojectName>{3}</SubprojectName></Task>",
      lngID, Escaped(strName), kTaskDates, Escaped(strFile)));
  return *this;
}

PlanXml& PlanXml::Resource(const std::string& strName, const std::optional<std::string>& strGroup) {
  const auto lngID = colResources_.size() + 1;
  std::string strGroupElement;
  if (strGroup) strGroupElement = fmt::format("<Group>{}</Group>", Escaped(*strGroup));
  colResources_.push_back(
      fmt::format("<Resource><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><Type>1</Type>"
                  "<IsNull>0</IsNull>{2}</Resource>",
                  lngID, Escaped(strName), strGroupElement));
  return *this;
}

PlanXml& PlanXml::BlankResource() {
  const auto lngID = colResources_.size() + 1;
  colResources_.push_back(
      fmt::format("<Resource><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Resource>", lngID));
  return *this;
}

std::string PlanXml::Xml() const {
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

OpenPlan::OpenPlan(const PlanXml& objPlan, const std::map<std::string, PlanXml>& colOtherFiles) {
  for (const auto& [strFile, objOther] : colOtherFiles) {
    testsupport::WriteFile(dir_ / strFile, objOther.Xml());
  }
  testsupport::WriteFile(dir_ / "Plan.xml", objPlan.Xml());
  objApplication_.FileOpen(dir_ / "Plan.xml");
  gobjApplication = &objApplication_;
}

OpenPlan::OpenPlan(const std::string& strFixture) {
  objApplication_.FileOpen(testsupport::FixturesDir() / "mspdi" / strFixture);
  gobjApplication = &objApplication_;
}

OpenPlan::~OpenPlan() {
  gobjApplication = nullptr;
}

}  // namespace charttest
