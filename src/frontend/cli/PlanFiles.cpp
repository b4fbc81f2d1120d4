#include "cli/PlanFiles.h"

#include <fmt/format.h>

#include <optional>

#include "plan/PlanFiles.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Project.h"

namespace cli {

std::string OutputOverwritingPlan(const msproject::Project& objPlan,
                                  const std::vector<std::string>& colOutputs) {
  for (const std::string& strOutput : colOutputs) {
    const std::optional<plan::PlanFile> file = plan::PlanFileAt(objPlan, strOutput);
    if (!file) continue;
    return catalog::Format(
        _("Die Ausgabe „{}“ würde {} „{}“ überschreiben. Bitte einen anderen Namen wählen."),
        strOutput, file->blnInserted ? _("das eingefügte Projekt") : _("den Projektplan"),
        file->strName);
  }
  return "";
}

}  // namespace cli
