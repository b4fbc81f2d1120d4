#include "export/PlanCoverage.h"

#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <utility>

#include "chart/clsQuorvan.h"
#include "export/NumberText.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Project.h"
#include "platform/vb/OnError.h"

namespace {

using GroupAndName = std::pair<std::string, std::string>;

// The group as the builder gives it: a blank group is "(keine)".
std::string GroupOf(const msproject::Resource& objResource) {
  std::string strGroup = vb::TryRead([&] { return objResource.Group(); }).value_or("");
  if (std::all_of(strGroup.begin(), strGroup.end(), [](char c) { return c == ' '; })) {
    return "(keine)";
  }
  return strGroup;
}

// The resources of the project and of the projects inserted into it, depth first.
void CollectResources(const msproject::Project& objProject,
                      std::set<const msproject::Project*>& colSeen,
                      std::set<GroupAndName>& colResources) {
  if (!colSeen.insert(&objProject).second) return;
  for (const msproject::Resource* objResource : objProject.Resources()) {
    if (objResource == nullptr) continue;
    colResources.emplace(GroupOf(*objResource),
                         vb::TryRead([&] { return objResource->Name(); }).value_or(""));
  }
  for (const msproject::Subproject& objSubproject : objProject.Subprojects()) {
    const msproject::Project* objSource = nullptr;
    vb::TrySkip([&] { objSource = &objSubproject.SourceProject(); });
    if (objSource != nullptr) CollectResources(*objSource, colSeen, colResources);
  }
}

std::string Count(std::int64_t lngCount, const char* strOne, const char* strMany) {
  return catalog::Format(P_(strOne, strMany, static_cast<unsigned long>(lngCount)),
                         NumberText(static_cast<unsigned long long>(lngCount)));
}

std::string UnreadSubprojectNotice(const msproject::UnreadSubproject& objUnread,
                                   const std::string& strPlanName) {
  using Reason = msproject::UnreadSubproject::Reason;
  std::string strName = std::filesystem::path(objUnread.strPath).filename().string();
  if (strName.empty()) strName = objUnread.strStoredPath;
  std::string strWhat;
  switch (objUnread.reason) {
    case Reason::NotFound:
      strWhat = _("wurde nicht gefunden");
      break;
    case Reason::NotAPlan:
      strWhat = _("ist kein Projektplan");
      break;
    case Reason::NotReadable:
    case Reason::Faulty:
      strWhat = catalog::Format(_("konnte nicht gelesen werden ({})"), objUnread.strProblem);
      break;
  }
  const std::string strWhere = objUnread.strProject == strPlanName
                                   ? ""
                                   : catalog::Format(_(" in „{}“"), objUnread.strProject);
  return catalog::Format(
      // TRANSLATORS: the inserted project, its task's ID and name, where (" in „PLAN“" or
      // nothing) and what happened to it ("wurde nicht gefunden", ...).
      _("Hinweis: Das eingefügte Projekt „{}“ (Vorgang {} „{}“{}) {}; seine Ressourcen fehlen im "
        "Diagramm."),
      strName, objUnread.lngTaskID, objUnread.strTaskName, strWhere, strWhat);
}

}  // namespace

PlanCoverage CoverageOf(const clsQuorvan& objQuorvan) {
  PlanCoverage objCoverage;
  objCoverage.lngPlanTasks = objQuorvan.objProject.Tasks().Count();
  objCoverage.lngChartTasks = static_cast<std::int64_t>(objQuorvan.objTasks.colTasks.size());
  std::set<const msproject::Project*> colSeen;
  std::set<GroupAndName> colResources;
  CollectResources(objQuorvan.objProject, colSeen, colResources);
  objCoverage.lngPlanResources = static_cast<std::int64_t>(colResources.size());
  objCoverage.lngChartResources = objQuorvan.objResources.lngResourcesCount;
  return objCoverage;
}

std::string CoverageNotice(const PlanCoverage& objCoverage) {
  if (objCoverage.Complete()) return "";
  return catalog::Format(
      _("Hinweis: Der Plan hat {} und {}, das Diagramm zeigt davon {} und {}."),
      Count(objCoverage.lngPlanTasks, NP_("{} Vorgang", "{} Vorgänge")),
      Count(objCoverage.lngPlanResources, NP_("{} Ressource", "{} Ressourcen")),
      Count(objCoverage.lngChartTasks, NP_("{} Vorgang", "{} Vorgänge")),
      Count(objCoverage.lngChartResources, NP_("{} Ressource", "{} Ressourcen")));
}

std::vector<std::string> UnreadSubprojectNotices(const msproject::Project& objProject) {
  std::vector<std::string> colNotices;
  for (const msproject::UnreadSubproject& objUnread : objProject.UnreadSubprojects()) {
    colNotices.push_back(UnreadSubprojectNotice(objUnread, objProject.Name()));
  }
  return colNotices;
}
