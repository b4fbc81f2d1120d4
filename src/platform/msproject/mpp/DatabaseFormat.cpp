#include "platform/msproject/mpp/DatabaseFormat.h"

#include <fmt/format.h>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/PlanBuilder.h"

namespace msproject {

// An Access database names its engine at byte 4.
bool DatabaseFormat::Recognises(std::string_view head) const {
  return head.size() >= 19 &&
         (head.substr(4, 15) == "Standard Jet DB" || head.substr(4, 15) == "Standard ACE DB");
}

void DatabaseFormat::Read(std::string, PlanBuilder& builder) const {
  throw PlanReadFailure{
      PlanReadFailure::Kind::Refused,
      catalog::Format(_("Die Projektdatei „{}“ ist eine Projektdatenbank von Microsoft Project "
                        "(.mpd); dieses Format liest Quorvan nicht. Bitte die Datei in Microsoft "
                        "Project öffnen und als aktuelle .mpp-Datei oder im XML-Format speichern."),
                      builder.FileName()),
      std::nullopt, std::nullopt};
}

}  // namespace msproject
