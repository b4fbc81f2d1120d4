#pragma once
// Copies of real .mpp files with one stream changed or left out, written with libgsf: damaged
// plans as a full disk, a faulty program or a careless edit leave them.

#include <filesystem>
#include <functional>
#include <string>

namespace testsupport {

// Writes the compound file `source` as `target`, each stream as `change` makes it of its
// path ("   114/TBkndTask/FixedMeta") and bytes; a change that returns false leaves the
// stream out.
void CopyCompoundFile(const std::filesystem::path& source, const std::filesystem::path& target,
                      const std::function<bool(const std::string&, std::string&)>& change);

// The same with the one stream at strStream changed.
void CopyCompoundFile(const std::filesystem::path& source, const std::filesystem::path& target,
                      const std::string& strStream,
                      const std::function<bool(std::string&)>& change);

// The bytes of a stream of a compound file; "" for a stream that is missing.
std::string StreamOf(const std::filesystem::path& file, const std::string& strStream);

// A plan with the task table of one .mpp and the resource table of another of the same
// release (their field maps alike): real files have either tasks or resources.
void PlanOfTwo(const std::filesystem::path& tasks, const std::filesystem::path& resources,
               const std::filesystem::path& target);

}  // namespace testsupport
