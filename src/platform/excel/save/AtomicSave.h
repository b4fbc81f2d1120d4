#pragma once
// Saving a file of the engine atomically: the content is written into a work folder of its
// own beside the target (WorkFolder.h), flushed to disk and renamed over the target; when
// anything fails the folder is removed with all it holds and the target left as it was. A save
// that died on the way leaves its folder behind only when no signal handler removed it; the
// next save into the same folder removes it then. A target that is a
// symbolic link is saved through: the file it points to is replaced. The new file keeps the old
// one's permission bits and, as far as the process may give it, its owner.
//
// Refused with excel::Error, before anything is written: an extension not among those allowed
// (strFormats says in German what is allowed; no extensions given: any name), a folder that does
// not exist or cannot be written, a target that another program holds open (its lock file lies
// beside it), a target that is a folder, a target that is read-only for the user (its permission
// bits, whoever the user is), as the spreadsheet program refuses it. A write that fails for a full
// disk or a file grown too large says so in German.

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
