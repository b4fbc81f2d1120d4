// Feeds arbitrary bytes to the reader of Microsoft Project's own files: the bytes of a
// compound file whose signature is always right, so that libgsf's directory, the streams of
// the tables and the blocks inside them are what varies. A file that cannot be read must end
// in msproject::Error naming it, nothing else; one that can must give consistent collections.
// Seeds: the .mpp files of tests/data/mpp (fuzz/run.sh takes them).

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "PlanWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static constexpr std::string_view kSignature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};
  std::string bytes(reinterpret_cast<const char*>(data), size);
  bytes.replace(0, std::min(bytes.size(), kSignature.size()), kSignature);
  fuzzplan::ReadAndWalk(bytes, "Plan.mpp");
  return 0;
}
