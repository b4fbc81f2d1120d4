#include "cli/PlanDump.h"

#include <ostream>

#include "cli/ExitStatus.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/PlanJson.h"

namespace cli {

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

}  // namespace cli
