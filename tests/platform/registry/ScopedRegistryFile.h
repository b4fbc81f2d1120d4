#pragma once
// Points the registry stand-in at a file in a fresh scratch folder for the lifetime of the
// object, so that no test ever reads or writes the user's real registry file.

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "support/TestSupport.h"

namespace testsupport {

class ScopedRegistryFile {
 public:
  ScopedRegistryFile() {
    if (const char* previous = std::getenv("QUORVAN_REGISTRY")) strPrevious_ = previous;
    ::setenv("QUORVAN_REGISTRY", Path().c_str(), 1);
  }
  ~ScopedRegistryFile() {
    if (strPrevious_) {
      ::setenv("QUORVAN_REGISTRY", strPrevious_->c_str(), 1);
    } else {
      ::unsetenv("QUORVAN_REGISTRY");
    }
  }
  ScopedRegistryFile(const ScopedRegistryFile&) = delete;
  ScopedRegistryFile& operator=(const ScopedRegistryFile&) = delete;

  std::filesystem::path Path() const { return dir_ / "HKCU.reg"; }
  std::filesystem::path BackupPath() const { return dir_ / "HKCU.reg.bak"; }
  const std::filesystem::path& Dir() const { return dir_.Path(); }

  // Starts from a copy of a registry export of tests/data/registry/.
  void CopyFixture(const std::string& strName) const {
    std::filesystem::copy_file(FixturesDir() / "registry" / strName, Path(),
                               std::filesystem::copy_options::overwrite_existing);
    // The user's own file, whatever the fixture's permissions: one the user may write.
    std::filesystem::permissions(Path(), std::filesystem::perms::owner_read |
                                             std::filesystem::perms::owner_write |
                                             std::filesystem::perms::group_read |
                                             std::filesystem::perms::others_read);
  }

 private:
  TempDir dir_;
  std::optional<std::string> strPrevious_;
};

inline constexpr const char* kRegistryFixture = "quorvan-regedit-utf16.reg";

}  // namespace testsupport
