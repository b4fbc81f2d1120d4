// Feeds arbitrary text to the reader of MPX files: whatever follows "MPX" is taken for the
// file's delimiter, code page, settings and records. A file that cannot be read must end in
// msproject::Error naming it, nothing else; one that can must give consistent collections.
// Seeds: the .mpx files of tests/data/mpp and fuzz/corpus/mpx_text.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "PlanWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (!bytes.starts_with("MPX")) bytes.insert(0, "MPX,");
  fuzzplan::ReadAndWalk(bytes, "Plan.mpx");
  return 0;
}
