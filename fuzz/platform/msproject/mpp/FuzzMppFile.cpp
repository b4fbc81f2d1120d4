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
#include "platform/msproject/Reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static constexpr std::string_view kSignature{"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8};
  std::string bytes(reinterpret_cast<const char*>(data), size);
  bytes.replace(0, std::min(bytes.size(), kSignature.size()), kSignature);
  try {
    const auto projects =
        msproject::Reader::ReadBuffer(bytes, "/nonexistent-quorvan-fuzz/Plan.mpp");
    fuzzplan::Check(!projects.empty());
    for (const auto& project : projects) fuzzplan::Walk(*project);
  } catch (const msproject::Error& e) {
    fuzzplan::Check(std::string_view(e.what()).starts_with("Die Projektdatei „Plan.mpp“ "));
  }
  return 0;
}
