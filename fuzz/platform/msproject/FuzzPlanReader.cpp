// Feeds arbitrary bytes to the plan reader as the content of a plan file, then reads every
// member of what came out. A plan that cannot be read must end in msproject::Error, nothing
// else; one that can must give consistent collections.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/msproject/Fields.h"
#include "platform/msproject/Reader.h"

namespace {

void Check(bool blnCondition) {
  if (!blnCondition) std::abort();
}

void Walk(const msproject::Project& project) {
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
  std::size_t total = project.FullName().size();
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
  Check(total != static_cast<std::size_t>(-1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    // A folder that does not exist, so inserted projects are looked up nowhere but in their
    // stored (absolute) paths.
    const auto projects =
        msproject::Reader::ReadBuffer(bytes, "/nonexistent-quorvan-fuzz/Plan.xml");
    Check(!projects.empty());
    for (const auto& project : projects) Walk(*project);
  } catch (const msproject::Error& e) {
    Check(std::string_view(e.what()).starts_with(
        "Die Projektdatei „Plan.xml“ konnte nicht gelesen werden: "));
  }
  return 0;
}
