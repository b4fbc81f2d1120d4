#pragma once
// Saving a file of the engine atomically: the content is written beside the target under a
// temporary name, flushed to disk and renamed over the target; when anything fails the
// temporary file is removed and the target left as it was. A target that is a symbolic link is
// saved through: the file it points to is replaced. The new file keeps the old one's
// permissions.
//
// Refused with excel::Error, before anything is written: an extension not among those allowed
// (strFormats says in German what is allowed), a folder that does not exist or cannot be
// written, a target that another program holds open (its lock file lies beside it), a target
// that is a folder.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace excel {

// Writes through write(temporary path); returns the file that was replaced or created.
std::filesystem::path SaveAtomically(
    const std::filesystem::path& path, const std::vector<std::string>& colExtensions,
    const std::string& strFormats, const std::function<void(const std::filesystem::path&)>& write);

}  // namespace excel
