// Feeds arbitrary bytes to the registry file's parser as the content of HKCU.reg. Whatever it
// takes must come out of the writer as a file that reads back as the same keys and values, so
// that a setting stored once is never lost or changed by the next write.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/registry/Hive.h"
#include "platform/registry/RegFileFormat.h"

namespace {

void Check(bool blnCondition) {
  if (!blnCondition) std::abort();
}

bool SameValues(const registry::HiveKey& a, const registry::HiveKey& b) {
  if (a.Values().size() != b.Values().size()) return false;
  for (std::size_t i = 0; i < a.Values().size(); ++i) {
    const registry::HiveValue& x = a.Values()[i];
    const registry::HiveValue& y = b.Values()[i];
    if (x.strName != y.strName || x.dwType != y.dwType || x.data != y.data) return false;
  }
  return true;
}

void CheckSameHive(const registry::Hive& a, const registry::Hive& b) {
  Check(a.Keys().size() == b.Keys().size());
  for (std::size_t i = 0; i < a.Keys().size(); ++i) {
    Check(a.Keys()[i].Path() == b.Keys()[i].Path());
    Check(SameValues(a.Keys()[i], b.Keys()[i]));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto hive = registry::ParseRegFile(bytes);
  if (!hive) return 0;
  for (const registry::HiveKey& key : hive->Keys()) {
    Check(hive->FindKey(key.Path()) != nullptr);
    for (const registry::HiveValue& value : key.Values()) {
      Check(key.FindValue(value.strName) != nullptr);
    }
    hive->SubKeyNames(key.Path());
  }

  const std::string strWritten = registry::FormatRegFile(*hive);
  Check(strWritten.starts_with(registry::kRegFileHeader));
  const auto reread = registry::ParseRegFile(strWritten);
  Check(reread.has_value());
  CheckSameHive(*hive, *reread);
  Check(registry::FormatRegFile(*reread) == strWritten);
  return 0;
}
