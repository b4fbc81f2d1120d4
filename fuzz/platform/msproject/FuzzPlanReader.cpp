// Feeds arbitrary bytes to the plan reader as the content of a plan file, then reads every
// member of what came out. A plan that cannot be read must end in msproject::Error, nothing
// else; one that can must give consistent collections.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "PlanWalk.h"
#include "platform/msproject/Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    // A folder that does not exist, so inserted projects are looked up nowhere but in their
    // stored (absolute) paths.
    const auto projects =
        msproject::Reader::ReadBuffer(bytes, "/nonexistent-quorvan-fuzz/Plan.xml");
    fuzzplan::Check(!projects.empty());
    for (const auto& project : projects) fuzzplan::Walk(*project);
  } catch (const msproject::Error& e) {
    // A message that cannot be read, or a refusal; both name the file.
    fuzzplan::Check(std::string_view(e.what()).starts_with("Die Projektdatei „Plan.xml“ "));
  }
  return 0;
}
