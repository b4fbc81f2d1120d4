#pragma once
// Copies of real .mpp files with one stream changed or left out, written with libgsf: damaged
// plans as a full disk, a faulty program or a careless edit leave them.

#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// Writes the compound file `source` as `target`, every stream as it is but the one at
// strStream ("   114/TBkndTask/FixedMeta"), which `change` changes; a change that returns
// false leaves the stream out.
void CopyCompoundFile(const std::filesystem::path& source, const std::filesystem::path& target,
                      const std::string& strStream,
                      const std::function<bool(std::string&)>& change);

}  // namespace testsupport
