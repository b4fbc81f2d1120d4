// Writing a plan read from another format (.mpp, .mpx) as a new MSPDI document: what the host
// read of it, in the elements and the order in which Microsoft Project writes them, so that the
// MSPDI reader reads the same plan back.

#include <fmt/format.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/msproject/Fields.h"
#include "platform/msproject/Project.h"
#include "platform/msproject/mspdi/MspdiWriter.h"
#include "platform/msproject/mspdi/XmlText.h"

namespace msproject {

namespace {

// "2018-10-18T08:00:00".
std::string DateXml(DateTime value) {
  const auto day = std::chrono::floor<std::chrono::days>(value);
  const std::chrono::year_month_day date(day);
  const std::chrono::hh_mm_ss time(value - day);
  return fmt::format("{:04}-{:02}-{:02}T{:02}:{:02}:{:02}", static_cast<int>(date.year()),
                     static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                     time.hours().count(), time.minutes().count(), time.seconds().count());
}

// "PT8H0M0S", "-PT1H30M0S"; the seconds keep a fraction of a minute.
std::string DurationXml(double dblMinutes) {
  const bool blnNegative = dblMinutes < 0;
  const double dblSeconds = std::abs(dblMinutes) * 60.0;
  const auto lngSeconds = static_cast<std::int64_t>(std::floor(dblSeconds));
  const double dblFraction = dblSeconds - static_cast<double>(lngSeconds);
  std::string strSeconds = std::to_string(lngSeconds % 60);
  if (dblFraction > 0)
    strSeconds = fmt::format("{}", static_cast<double>(lngSeconds % 60) + dblFraction);
  return fmt::format("{}PT{}H{}M{}S", blnNegative ? "-" : "", lngSeconds / 3600,
                     (lngSeconds / 60) % 60, strSeconds);
}

class Document {
 public:
  void Open(std::string_view name, int intDepth) {
    Indent(intDepth);
    strText_ += "<" + std::string(name) + ">";
  }
  void Close(std::string_view name, int intDepth) {
    Indent(intDepth);
    strText_ += "</" + std::string(name) + ">";
  }
  void Value(std::string_view name, std::string_view value, int intDepth) {
    Indent(intDepth);
    strText_ +=
        "<" + std::string(name) + ">" + mspdi::XmlText(value) + "</" + std::string(name) + ">";
  }
  void Value(std::string_view name, std::int64_t lngValue, int intDepth) {
    Value(name, std::to_string(lngValue), intDepth);
  }
  std::string& Text() { return strText_; }

 private:
  void Indent(int intDepth) {
    strText_ += '\n';
    strText_.append(static_cast<std::size_t>(intDepth), '\t');
  }
  std::string strText_;
};

}  // namespace

std::string MspdiWriter::Write(const Project& plan) {
  Document xml;
  xml.Text() = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>";
  xml.Text() += "\n<Project xmlns=\"http://schemas.microsoft.com/project\">";
  if (!plan.Title().empty()) xml.Value("Title", plan.Title(), 1);
  xml.Value("MinutesPerDay", plan.MinutesPerDay(), 1);
  xml.Value("MinutesPerWeek", plan.MinutesPerWeek(), 1);
  xml.Value("DaysPerMonth", plan.DaysPerMonth(), 1);
  xml.Value("DurationFormat", plan.DurationFormat(), 1);

  // Every custom field that has an alias or a value in a task is defined.
  std::vector<std::int32_t> colFields;
  for (const auto& [fieldId, strAlias] : plan.FieldAliases()) colFields.push_back(fieldId);
  for (const Task* task : plan.Tasks()) {
    if (!task) continue;
    for (const auto& [fieldId, strValue] : task->extendedAttributes_) colFields.push_back(fieldId);
  }
  std::sort(colFields.begin(), colFields.end());
  colFields.erase(std::unique(colFields.begin(), colFields.end()), colFields.end());
  xml.Open("ExtendedAttributes", 1);
  for (const std::int32_t fieldId : colFields) {
    xml.Open("ExtendedAttribute", 2);
    xml.Value("FieldID", fieldId, 3);
    xml.Value("FieldName", FieldName(fieldId), 3);
    if (const std::string strAlias = plan.FieldAlias(fieldId); !strAlias.empty()) {
      xml.Value("Alias", strAlias, 3);
    }
    xml.Close("ExtendedAttribute", 2);
  }
  xml.Close("ExtendedAttributes", 1);

  // Blank rows get the ID after the row before them and unique IDs of their own.
  std::int32_t lngFreeUID = 0;
  for (const Task* task : plan.Tasks()) {
    if (task) lngFreeUID = std::max(lngFreeUID, task->UniqueID());
  }
  xml.Open("Tasks", 1);
  std::int32_t lngLastID = 0;
  for (const Task* task : plan.Tasks()) {
    xml.Open("Task", 2);
    if (!task) {
      xml.Value("UID", ++lngFreeUID, 3);
      xml.Value("ID", ++lngLastID, 3);
      xml.Value("IsNull", 1, 3);
      xml.Close("Task", 2);
      continue;
    }
    lngLastID = task->ID();
    xml.Value("UID", task->UniqueID(), 3);
    xml.Value("ID", task->ID(), 3);
    xml.Value("Name", task->Name(), 3);
    xml.Value("IsNull", 0, 3);
    xml.Value("WBS", task->WBS(), 3);
    xml.Value("OutlineLevel", task->OutlineLevel(), 3);
    if (task->start_) xml.Value("Start", DateXml(*task->start_), 3);
    if (task->finish_) xml.Value("Finish", DateXml(*task->finish_), 3);
    if (task->dblDurationMinutes_)
      xml.Value("Duration", DurationXml(*task->dblDurationMinutes_), 3);
    xml.Value("DurationFormat", task->lngDurationFormat_, 3);
    xml.Value("Estimated", task->Estimated() ? 1 : 0, 3);
    xml.Value("Milestone", task->Milestone() ? 1 : 0, 3);
    xml.Value("Summary", task->Summary() ? 1 : 0, 3);
    xml.Value("IsSubproject", task->Subproject().empty() ? 0 : 1, 3);
    if (!task->Subproject().empty()) xml.Value("SubprojectName", task->Subproject(), 3);
    for (const Task* predecessor : task->PredecessorTasks()) {
      xml.Open("PredecessorLink", 3);
      xml.Value("PredecessorUID", predecessor->UniqueID(), 4);
      xml.Value("Type", 1, 4);
      xml.Close("PredecessorLink", 3);
    }
    for (const auto& [fieldId, strValue] : task->extendedAttributes_) {
      if (!IsCustomTextField(fieldId)) continue;
      xml.Open("ExtendedAttribute", 3);
      xml.Value("FieldID", fieldId, 4);
      xml.Value("Value", strValue, 4);
      xml.Close("ExtendedAttribute", 3);
    }
    for (const Task::StoredDuration& duration : task->storedDurations_) {
      xml.Open("ExtendedAttribute", 3);
      xml.Value("FieldID", duration.fieldId, 4);
      xml.Value("Value", DurationXml(duration.dblMinutes), 4);
      xml.Value("DurationFormat", duration.lngFormat, 4);
      xml.Close("ExtendedAttribute", 3);
    }
    xml.Close("Task", 2);
  }
  xml.Close("Tasks", 1);

  std::int32_t lngFreeResourceUID = 0;
  for (const Resource* resource : plan.Resources()) {
    if (resource) lngFreeResourceUID = std::max(lngFreeResourceUID, resource->UniqueID());
  }
  xml.Open("Resources", 1);
  std::int32_t lngLastResourceID = 0;
  for (const Resource* resource : plan.Resources()) {
    xml.Open("Resource", 2);
    if (!resource) {
      xml.Value("UID", ++lngFreeResourceUID, 3);
      xml.Value("ID", ++lngLastResourceID, 3);
      xml.Value("IsNull", 1, 3);
      xml.Close("Resource", 2);
      continue;
    }
    lngLastResourceID = resource->ID();
    xml.Value("UID", resource->UniqueID(), 3);
    xml.Value("ID", resource->ID(), 3);
    xml.Value("Name", resource->Name(), 3);
    xml.Value("IsNull", 0, 3);
    if (!resource->Group().empty()) xml.Value("Group", resource->Group(), 3);
    xml.Close("Resource", 2);
  }
  xml.Close("Resources", 1);
  xml.Text() += "\n</Project>\n";
  return std::move(xml.Text());
}

}  // namespace msproject
