#include "cli/PlanDump.h"

#include <fmt/format.h>

#include <filesystem>
#include <ostream>

#include "platform/msproject/Application.h"
#include "platform/msproject/PlanJson.h"

namespace cli {

namespace {

constexpr int kExitBadInput = 2;

}  // namespace

int DumpPlan(const std::string& strPlan, std::ostream& out, std::ostream& err) {
  msproject::Application objApplication;
  try {
    objApplication.FileOpen(strPlan);
  } catch (const msproject::Error& error) {
    err << error.Description() << '\n';
    return kExitBadInput;
  }
  out << msproject::PlanJson(objApplication.ActiveProject());
  return 0;
}

std::string UnreadSubprojectNotice(const msproject::UnreadSubproject& unread,
                                   const std::string& strPlanName) {
  using Reason = msproject::UnreadSubproject::Reason;
  std::string strName = std::filesystem::path(unread.strPath).filename().string();
  if (strName.empty()) strName = unread.strStoredPath;
  std::string strWhat;
  switch (unread.reason) {
    case Reason::NotFound:
      strWhat = "wurde nicht gefunden";
      break;
    case Reason::NotReadable:
      strWhat = fmt::format("konnte nicht gelesen werden ({})", unread.strProblem);
      break;
    case Reason::NotAPlan:
      strWhat = "ist kein Projektplan";
      break;
    case Reason::Faulty:
      strWhat = fmt::format("konnte nicht gelesen werden ({})", unread.strProblem);
      break;
  }
  const std::string strWhere =
      unread.strProject == strPlanName ? "" : fmt::format(" in „{}“", unread.strProject);
  return fmt::format(
      "Hinweis: Das eingefügte Projekt „{}“ (Vorgang {} „{}“{}) {}; seine Ressourcen fehlen im "
      "Diagramm.",
      strName, unread.lngTaskID, unread.strTaskName, strWhere, strWhat);
}

void PrintUnreadSubprojects(const msproject::Project& plan, std::ostream& err) {
  for (const msproject::UnreadSubproject& unread : plan.UnreadSubprojects()) {
    err << UnreadSubprojectNotice(unread, plan.Name()) << '\n';
  }
}

}  // namespace cli
