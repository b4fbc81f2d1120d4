#include "platform/msproject/PlanJson.h"

#include <fmt/format.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <set>

#include "platform/msproject/Fields.h"

namespace msproject {

namespace {

using json = nlohmann::ordered_json;

// "2018-10-18T08:00:00"; counted in days and seconds of its own, so that a date centuries away
// is written as it stands (a conversion to nanoseconds overflows beyond the years 1677–2262).
json When(const Task& task, bool blnStart) {
  DateTime when;
  try {
    when = blnStart ? task.Start() : task.Finish();
  } catch (const Error&) {
    return nullptr;
  }
  const auto day = std::chrono::floor<std::chrono::days>(when);
  const std::chrono::year_month_day date{day};
  const std::chrono::hh_mm_ss time{when - day};
  return fmt::format("{:04}-{:02}-{:02}T{:02}:{:02}:{:02}", static_cast<int>(date.year()),
                     static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
                     time.hours().count(), time.minutes().count(), time.seconds().count());
}

json TaskJson(const Task& task) {
  json fields = json::object();
  for (int n = 1; n <= 30; ++n) {
    if (std::string strValue = task.GetField(TextFieldId(n)); !strValue.empty()) {
      fields["Text" + std::to_string(n)] = std::move(strValue);
    }
  }
  for (int n = 1; n <= 40; ++n) {
    if (std::string strValue = task.GetField(EnterpriseTextFieldId(n)); !strValue.empty()) {
      fields["Enterprise-Text" + std::to_string(n)] = std::move(strValue);
    }
  }
  return json{{"id", task.ID()},
              {"uniqueId", task.UniqueID()},
              {"name", task.Name()},
              {"wbs", task.WBS()},
              {"outlineLevel", task.OutlineLevel()},
              {"start", When(task, true)},
              {"finish", When(task, false)},
              {"duration", task.GetField(pjTaskDuration)},
              {"summary", task.Summary()},
              {"milestone", task.Milestone()},
              {"insertedProject", task.Subproject()},
              {"fields", std::move(fields)}};
}

json ProjectJson(const Project& project, std::set<const Project*>& path) {
  json plan{{"file", project.Name()},
            {"project",
             {{"title", project.Title()},
              {"minutesPerDay", project.MinutesPerDay()},
              {"minutesPerWeek", project.MinutesPerWeek()},
              {"daysPerMonth", project.DaysPerMonth()},
              {"durationFormat", project.DurationFormat()}}}};
  json aliases = json::object();
  for (const auto& [fieldId, strAlias] : project.FieldAliases())
    aliases[FieldName(fieldId)] = strAlias;
  plan["fieldAliases"] = std::move(aliases);

  json tasks = json::array();
  json links = json::array();
  for (const Task* task : project.Tasks()) {
    tasks.push_back(task ? TaskJson(*task) : json(nullptr));
    if (!task) continue;
    for (const Task* predecessor : task->PredecessorTasks()) {
      links.push_back(
          json{{"predecessor", predecessor->UniqueID()}, {"successor", task->UniqueID()}});
    }
  }
  plan["tasks"] = std::move(tasks);

  json resources = json::array();
  for (const Resource* resource : project.Resources()) {
    resources.push_back(resource ? json{{"id", resource->ID()},
                                        {"uniqueId", resource->UniqueID()},
                                        {"name", resource->Name()},
                                        {"group", resource->Group()}}
                                 : json(nullptr));
  }
  plan["resources"] = std::move(resources);
  plan["links"] = std::move(links);

  json inserted = json::array();
  path.insert(&project);
  for (const Subproject& subproject : project.Subprojects()) {
    json entry{{"taskId", subproject.InsertedProjectSummary().ID()},
               {"storedPath", subproject.InsertedProjectSummary().Subproject()}};
    try {
      const Project& source = subproject.SourceProject();
      entry["plan"] = path.contains(&source) ? json(nullptr) : ProjectJson(source, path);
    } catch (const Error&) {
      entry["plan"] = nullptr;
    }
    inserted.push_back(std::move(entry));
  }
  path.erase(&project);
  plan["insertedProjects"] = std::move(inserted);
  return plan;
}

const char* ReasonName(UnreadSubproject::Reason reason) {
  switch (reason) {
    case UnreadSubproject::Reason::NotFound:
      return "notFound";
    case UnreadSubproject::Reason::NotReadable:
      return "notReadable";
    case UnreadSubproject::Reason::NotAPlan:
      return "notAPlan";
    case UnreadSubproject::Reason::Faulty:
      break;
  }
  return "faulty";
}

}  // namespace

std::string PlanJson(const Project& plan) {
  std::set<const Project*> path;
  json document = ProjectJson(plan, path);
  json unread = json::array();
  for (const UnreadSubproject& entry : plan.UnreadSubprojects()) {
    json item{{"storedPath", entry.strStoredPath},  {"path", entry.strPath},
              {"reason", ReasonName(entry.reason)}, {"problem", entry.strProblem},
              {"taskId", entry.lngTaskID},          {"taskName", entry.strTaskName}};
    // The inserting project of a nested one; the plan's own name stands under "file" alone.
    if (entry.strProject != plan.Name()) item["project"] = entry.strProject;
    unread.push_back(std::move(item));
  }
  document["unreadInsertedProjects"] = std::move(unread);
  return document.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

}  // namespace msproject
