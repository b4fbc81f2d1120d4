#include "cli/PlanFiles.h"

#include <fmt/format.h>
#include <sys/stat.h>

#include <optional>
#include <set>
#include <utility>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Project.h"

namespace cli {

namespace {

using FileId = std::pair<dev_t, ino_t>;

std::optional<FileId> IdOf(const std::string& strPath) {
  struct stat info {};
  if (::stat(strPath.c_str(), &info) != 0) return std::nullopt;
  return FileId{info.st_dev, info.st_ino};
}

struct PlanFile {
  FileId id;
  std::string strName;
  bool blnInserted;
};

// The plan first, then its inserted projects depth first, each project once.
void CollectFiles(const msproject::Project& objProject, bool blnInserted,
                  std::set<const msproject::Project*>& colSeen, std::vector<PlanFile>& colFiles) {
  if (!colSeen.insert(&objProject).second) return;
  if (const auto id = IdOf(objProject.FullName())) {
    colFiles.push_back({*id, objProject.Name(), blnInserted});
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

std::string OutputOverwritingPlan(const msproject::Project& objPlan,
                                  const std::vector<std::string>& colOutputs) {
  std::set<const msproject::Project*> colSeen;
  std::vector<PlanFile> colFiles;
  CollectFiles(objPlan, false, colSeen, colFiles);
  for (const std::string& strOutput : colOutputs) {
    const auto id = IdOf(strOutput);
    if (!id) continue;
    for (const PlanFile& file : colFiles) {
      if (file.id != *id) continue;
      return catalog::Format(
          _("Die Ausgabe „{}“ würde {} „{}“ überschreiben. Bitte einen anderen Namen wählen."),
          strOutput, file.blnInserted ? _("das eingefügte Projekt") : _("den Projektplan"),
          file.strName);
    }
  }
  return "";
}

}  // namespace cli
