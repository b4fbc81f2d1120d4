#pragma once
// Registry files for the benchmarks: the stored defaults as the wizard saves them, alone or at
// the end of a large export of a user's other programs' keys.

#include <cstddef>
#include <filesystem>

namespace benchsettings {

// The three keys of the stored defaults with every value, as the registry stand-in writes them.
void WriteDefaultsFile(const std::filesystem::path& file);

// The stored defaults after keys of other programs until the file holds at least cbSize bytes:
// many keys of a few values each (text, numbers, binary data over several lines) and one key
// with a value for every tenth of those keys.
void WriteLargeFile(const std::filesystem::path& file, std::size_t cbSize);

}  // namespace benchsettings
