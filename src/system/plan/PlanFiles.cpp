#include "plan/PlanFiles.h"

#include <sys/stat.h>

#include <exception>
#include <set>
#include <utility>
#include <vector>

#include "platform/msproject/Project.h"

namespace plan {

namespace {

using FileId = std::pair<dev_t, ino_t>;

std::optional<FileId> IdOf(const std::string& strPath) {
  struct stat info {};
  if (::stat(strPath.c_str(), &info) != 0) return std::nullopt;
  return FileId{info.st_dev, info.st_ino};
}

// The plan first, then its inserted projects depth first, each project once.
void CollectFiles(const msproject::Project& objProject, bool blnInserted,
                  std::set<const msproject::Project*>& colSeen,
                  std::vector<std::pair<FileId, PlanFile>>& colFiles) {
  if (!colSeen.insert(&objProject).second) return;
  if (const auto id = IdOf(objProject.FullName())) {
    colFiles.emplace_back(*id, PlanFile{objProject.Name(), blnInserted});
  }
  for (const msproject::Subproject& objSubproject : objProject.Subprojects()) {
    try {
      CollectFiles(objSubproject.SourceProject(), true, colSeen, colFiles);
    } catch (const std::exception&) {
      // An inserted project that could not be read has no file of the plan's.
    }
  }
}

}  // namespace

std::optional<PlanFile> PlanFileAt(const msproject::Project& objPlan,
                                   const std::filesystem::path& path) {
  const auto id = IdOf(path.string());
  if (!id) return std::nullopt;
  std::set<const msproject::Project*> colSeen;
  std::vector<std::pair<FileId, PlanFile>> colFiles;
  CollectFiles(objPlan, false, colSeen, colFiles);
  for (const auto& [fileId, file] : colFiles) {
    if (fileId == *id) return file;
  }
  return std::nullopt;
}

}  // namespace plan
