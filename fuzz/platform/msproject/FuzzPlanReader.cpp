// Feeds arbitrary bytes to the plan reader as the content of a plan file, then reads every
// member of what came out. A plan that cannot be read must end in msproject::Error, nothing
// else; one that can must give consistent collections.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "PlanWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzzplan::ReadAndWalk(bytes, "Plan.xml");
  return 0;
}
