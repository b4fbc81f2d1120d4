#include "addin/AddInErr.h"

#include "addin/Connect.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"

namespace addin {

std::string AddInErrText(std::int32_t lngNumber, const std::string& strDescription) {
  const std::string vbCrLf = "\r\n";
  return "Es ist folgender Fehler aufgetreten:      " + vbCrLf + vbCrLf +
         "Fehlernummer: " + std::to_string(lngNumber) + vbCrLf +
         "Fehlerbeschreibung: " + strDescription + vbCrLf + vbCrLf +
         "Bitte übermitteln Sie diese Informationen an " + kSupportAddress + "      ";
}

}  // namespace addin

void Connect::AddInErr(const vb::Error& errX) {
  forms::MsgBox(addin::AddInErrText(errX.Number(), errX.Description()),
                forms::vbExclamation + forms::vbOKOnly, addin::kAppTitle);
}
