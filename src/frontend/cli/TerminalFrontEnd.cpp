#include "cli/TerminalFrontEnd.h"

#include <fmt/format.h>

#include <ostream>

#include "platform/catalog/Catalog.h"
#include "platform/forms/Constants.h"
#include "platform/forms/Control.h"

namespace cli {

TerminalFrontEnd::TerminalFrontEnd(std::ostream& err, bool blnYes, bool blnTerminal,
                                   forms::ModalHandler modal)
    : err_(err), blnYes_(blnYes), blnTerminal_(blnTerminal) {
  previousMsgBox_ = forms::SetMsgBoxHandler(
      [this](const std::string& strPrompt, int intButtons, const std::string& /*strTitle*/) {
        return Answer(strPrompt, intButtons);
      });
  previousModal_ = forms::SetModalHandler(std::move(modal));
}

TerminalFrontEnd::~TerminalFrontEnd() {
  EndProgressLine();
  forms::SetMsgBoxHandler(std::move(previousMsgBox_));
  forms::SetModalHandler(std::move(previousModal_));
}

std::string TerminalFrontEnd::PlainText(const std::string& strPrompt) {
  std::string strText;
  std::string strLine;
  auto endLine = [&] {
    while (!strLine.empty() && strLine.back() == ' ') strLine.pop_back();
    strText += strLine + '\n';
    strLine.clear();
  };
  for (std::size_t i = 0; i < strPrompt.size(); ++i) {
    const char c = strPrompt[i];
    if (c == '\r' && i + 1 < strPrompt.size() && strPrompt[i + 1] == '\n') continue;
    if (c == '\r' || c == '\n') {
      endLine();
    } else {
      strLine += c;
    }
  }
  endLine();
  // No empty lines at the end.
  while (strText.size() > 1 && strText[strText.size() - 2] == '\n') strText.pop_back();
  return strText;
}

std::string TerminalFrontEnd::ProgressLine(double dblPercent, const std::string& strText) {
  return fmt::format("{:3.0f} % {}", dblPercent, strText);
}

int TerminalFrontEnd::Answer(const std::string& strPrompt, int intButtons) {
  EndProgressLine();
  const int intIcon = intButtons & 0x70;
  if (intIcon == forms::vbExclamation || intIcon == forms::vbCritical) blnProblem_ = true;
  err_ << PlainText(strPrompt);
  const int intKind = intButtons & 7;
  if (intKind == forms::vbYesNo || intKind == forms::vbYesNoCancel) {
    err_ << (blnYes_ ? _("→ Ja") : _("→ Nein (mit --yes: Ja)")) << '\n';
    err_.flush();
    if (blnYes_) return forms::vbYes;
    return intKind == forms::vbYesNo ? forms::vbNo : forms::vbCancel;
  }
  err_.flush();
  return intKind == forms::vbOKCancel ? forms::vbCancel : forms::vbOK;
}

void TerminalFrontEnd::ShowProgress(double dblPercent, const std::string& strText) {
  if (blnTerminal_) {
    err_ << "\r\033[K" << ProgressLine(dblPercent, strText);
    blnProgressLineOpen_ = true;
  } else {
    err_ << ProgressLine(dblPercent, strText) << '\n';
  }
  err_.flush();
}

void TerminalFrontEnd::EndProgressLine() {
  if (!blnProgressLineOpen_) return;
  err_ << '\n';
  err_.flush();
  blnProgressLineOpen_ = false;
}

}  // namespace cli
