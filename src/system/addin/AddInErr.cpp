#include "addin/AddInErr.h"

#include "addin/Connect.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"

namespace addin {

std::string AddInErrText(std::int32_t lngNumber, const std::string& strDescription) {
  return catalog::Format(
      _("Es ist folgender Fehler aufgetreten:      \r\n\r\nFehlernummer: {}\r\n"
        "Fehlerbeschreibung: {}\r\n\r\nBitte übermitteln Sie diese Informationen an {}      "),
      lngNumber, strDescription, kSupportAddress);
}

}  // namespace addin

void Connect::AddInErr(const vb::Error& errX) {
  forms::MsgBox(addin::AddInErrText(errX.Number(), errX.Description()),
                forms::vbExclamation + forms::vbOKOnly, addin::kAppTitle);
}
