#include "support/PlanXml.h"

#include <fmt/format.h>

#include <stdexcept>

namespace testsupport {

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

}  // namespace

PlanXml& PlanXml::Task(const std::string& strName, std::int32_t lngOutlineLevel,
                       const std::map<std::int32_t, std::string>& colTexts) {
  TaskRow objRow;
  objRow.strName = strName;
  objRow.lngOutlineLevel = lngOutlineLevel;
  objRow.colTexts = colTexts;
  colTasks_.push_back(std::move(objRow));
  return *this;
}

PlanXml::TaskRow& PlanXml::Last() {
  if (colTasks_.empty() || colTasks_.back().blnBlank) {
    throw std::logic_error("PlanXml: no task to add to");
  }
  return colTasks_.back();
}

PlanXml& PlanXml::WBS(const std::string& strWBS) {
  Last().strWBS = strWBS;
  return *this;
}

PlanXml& PlanXml::Dates(const std::string& strStart, const std::string& strFinish) {
  Last().strStart = strStart;
  Last().strFinish = strFinish;
  return *this;
}

PlanXml& PlanXml::Duration(const std::string& strDuration, std::int32_t lngFormat) {
  Last().strDuration = strDuration;
  Last().lngDurationFormat = lngFormat;
  return *this;
}

PlanXml& PlanXml::Predecessor(std::int32_t lngID) {
  Last().colPredecessors.push_back(lngID);
  return *this;
}

PlanXml& PlanXml::BlankTask() {
  TaskRow objRow;
  objRow.blnBlank = true;
  colTasks_.push_back(std::move(objRow));
  return *this;
}

PlanXml& PlanXml::InsertedProject(const std::string& strName, const std::string& strFile) {
  Task(strName);
  colTasks_.back().blnInserted = true;
  colTasks_.back().strFile = strFile;
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
  for (std::size_t i = 0; i < colTasks_.size(); ++i) {
    const TaskRow& t = colTasks_[i];
    const auto lngID = i + 1;
    if (t.blnBlank) {
      strXml += fmt::format("<Task><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Task>", lngID);
      continue;
    }
    strXml += fmt::format(
        "<Task><UID>{0}</UID><ID>{0}</ID><Name>{1}</Name><WBS>{2}</WBS>"
        "<OutlineLevel>{3}</OutlineLevel><Start>{4}</Start><Finish>{5}</Finish>"
        "<Duration>{6}</Duration><DurationFormat>{7}</DurationFormat>",
        lngID, Escaped(t.strName), Escaped(t.strWBS.value_or(std::to_string(lngID))),
        t.lngOutlineLevel, t.strStart, t.strFinish, t.strDuration, t.lngDurationFormat);
    if (t.blnInserted) {
      strXml += fmt::format(
          "<Summary>1</Summary><IsSubproject>1</IsSubproject>"
          "<SubprojectName>{}</SubprojectName>",
          Escaped(t.strFile));
    }
    for (std::int32_t lngPredecessor : t.colPredecessors) {
      strXml += fmt::format(
          "<PredecessorLink><PredecessorUID>{}</PredecessorUID><Type>1</Type></PredecessorLink>",
          lngPredecessor);
    }
    for (const auto& [lngField, strValue] : t.colTexts) {
      strXml += fmt::format(
          "<ExtendedAttribute><FieldID>{}</FieldID><Value>{}</Value></ExtendedAttribute>", lngField,
          Escaped(strValue));
    }
    strXml += "</Task>";
  }
  strXml += "</Tasks><Resources><Resource><UID>0</UID><ID>0</ID><IsNull>0</IsNull></Resource>";
  for (const auto& strResource : colResources_) strXml += strResource;
  strXml += "</Resources></Project>\n";
  return strXml;
}

std::filesystem::path PlanXml::Write(const TempDir& dir, const std::string& strFile) const {
  const auto path = dir / strFile;
  WriteFile(path, Xml());
  return path;
}

}  // namespace testsupport
