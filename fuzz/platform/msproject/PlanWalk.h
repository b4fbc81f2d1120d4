#pragma once
// What every fuzz target of a plan reader does with what was read: every member of every
// project asked for, every collection checked for consistency. A broken invariant aborts.
// ReadAndWalk reads the bytes as the file of that name and walks what came out.

#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/msproject/Fields.h"
#include "platform/msproject/PlanJson.h"
#include "platform/msproject/Project.h"
#include "platform/msproject/Reader.h"

namespace fuzzplan {

inline void Check(bool blnCondition) {
  if (!blnCondition) std::abort();
}

inline void Walk(const msproject::Project& project) {
  static constexpr std::int32_t kFields[] = {msproject::pjTaskName,
                                             msproject::pjTaskWBS,
                                             msproject::pjTaskUniqueID,
                                             msproject::pjTaskStart,
                                             msproject::pjTaskFinish,
                                             msproject::pjTaskDuration,
                                             188743731,
                                             188744016,
                                             188744479,
                                             188744518,
                                             188743783,
                                             188743961};
  std::size_t total = project.FullName().size() + project.Title().size();
  for (const msproject::Task* task : project.Tasks()) {
    if (!task) continue;
    Check(&task->Project() == &project);
    for (const std::int32_t field : kFields) total += task->GetField(field).size();
    try {
      task->GetField(-1);
      std::abort();
    } catch (const msproject::Error&) {
    }
    for (const msproject::Task* predecessor : task->PredecessorTasks()) {
      Check(predecessor != nullptr && predecessor != task);
    }
    for (const msproject::Task* successor : task->SuccessorTasks()) Check(successor != nullptr);
    total += static_cast<std::size_t>(task->OutlineLevel()) + task->Subproject().size();
  }
  for (const msproject::Resource* resource : project.Resources()) {
    if (resource) total += resource->Name().size() + resource->Group().size();
  }
  for (const msproject::Subproject& subproject : project.Subprojects()) {
    Check(!subproject.InsertedProjectSummary().Subproject().empty());
  }
  for (const auto& [fieldId, strAlias] : project.FieldAliases()) total += strAlias.size();
  // What --dump-plan prints of it.
  Check(!msproject::PlanJson(project).empty());
  Check(total != static_cast<std::size_t>(-1));
}

// A folder that does not exist, so inserted projects are looked up nowhere but in their stored
// (absolute) paths. A plan that cannot be read must end in msproject::Error naming the file.
inline void ReadAndWalk(std::string_view bytes, const std::string& strFile) {
  try {
    const auto projects =
        msproject::Reader::ReadBuffer(bytes, "/nonexistent-quorvan-fuzz/" + strFile);
    Check(!projects.empty());
    for (const auto& project : projects) Walk(*project);
  } catch (const msproject::Error& e) {
    Check(std::string_view(e.what()).starts_with("Die Projektdatei „" + strFile + "“ "));
  }
}

}  // namespace fuzzplan
