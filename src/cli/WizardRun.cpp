#include "cli/WizardRun.h"

#include <filesystem>
#include <ostream>
#include <string>

#include "chart/clsQuorvan.h"
#include "cli/CommandLine.h"
#include "cli/ModelJson.h"
#include "cli/WizardLaunch.h"
#include "cli/WizardOptions.h"
#include "platform/forms/FrontEnd.h"
#include "platform/vb/OnError.h"
#include "wizard/frmQuorvan.h"

namespace cli {

namespace {

constexpr int kExitCheckFailed = 1;

// The terminal as the front end of message boxes and modal forms for the length of one run.
class TerminalFrontEnd {
 public:
  TerminalFrontEnd(std::ostream& err, bool blnYes, forms::ModalHandler modal)
      : previousMsgBox_(forms::SetMsgBoxHandler(
            [this, &err, blnYes](const std::string& strPrompt, int intButtons,
                                 const std::string& /*strTitle*/) {
              return Answer(err, blnYes, strPrompt, intButtons);
            })),
        previousModal_(forms::SetModalHandler(std::move(modal))) {}
  ~TerminalFrontEnd() {
    forms::SetMsgBoxHandler(std::move(previousMsgBox_));
    forms::SetModalHandler(std::move(previousModal_));
  }
  TerminalFrontEnd(const TerminalFrontEnd&) = delete;
  TerminalFrontEnd& operator=(const TerminalFrontEnd&) = delete;

  // True once a box has reported a problem (exclamation or critical icon).
  bool ProblemReported() const { return blnProblem_; }

 private:
  int Answer(std::ostream& err, bool blnYes, const std::string& strPrompt, int intButtons) {
    const int intIcon = intButtons & 0x70;
    if (intIcon == forms::vbExclamation || intIcon == forms::vbCritical) blnProblem_ = true;
    // The boxes' texts end in blanks that only a dialog needs.
    std::string strText = strPrompt;
    while (!strText.empty() && (strText.back() == ' ' || strText.back() == '\n'))
      strText.pop_back();
    err << strText << '\n';
    if ((intButtons & 7) == forms::vbYesNo || (intButtons & 7) == forms::vbYesNoCancel) {
      err << (blnYes ? "→ Ja" : "→ Nein (mit --yes: Ja)") << '\n';
      if (blnYes) return forms::vbYes;
      return (intButtons & 7) == forms::vbYesNo ? forms::vbNo : forms::vbCancel;
    }
    return (intButtons & 7) == forms::vbOKCancel ? forms::vbCancel : forms::vbOK;
  }

  bool blnProblem_ = false;
  forms::MsgBoxHandler previousMsgBox_;
  forms::ModalHandler previousModal_;
};

// The path the save dialog proposes: the plan's own name with the ending .xls, beside it.
std::string ProposedChartPath(const std::string& strPlan) {
  return std::filesystem::path(strPlan).replace_extension(".xls").string();
}

}  // namespace

int RunWizard(const CommandLine& options, std::ostream& out, std::ostream& err) {
  bool blnShown = false;
  bool blnRan = false;
  auto onModal = [&](forms::Form& form) {
    auto* frm = dynamic_cast<frmQuorvan*>(&form);
    if (frm == nullptr) return;
    blnShown = true;
    if (!options.wizard.strOutput) {
      vb::TrySkip([&] { frm->txtChartPath.Text(ProposedChartPath(options.strPlan)); });
    }
    ApplyWizardOptions(options.wizard, *frm);
    if (options.wizard.blnSaveDefaults) frm->cmdSetDefaults.Click();
    if (options.blnDumpModel) {
      frm->ExportChart = [&out](clsQuorvan& objQuorvan) {
        // Text that is not valid UTF-8 is shown with replacement characters rather than refused.
        out << ModelToJson(objQuorvan).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
            << '\n';
      };
      frm->cmdFinish.Click();
      blnRan = frm->cmdFinish.Tag() == "Exit";
      if (blnRan) frm->cmdFinish.Click();  // "Fertig" closes the wizard
    }
    if (frm->Loaded()) frm->cmdCancel.Click();
  };

  TerminalFrontEnd frontEnd(err, options.wizard.blnYes, onModal);
  frmQuorvan frm;
  LaunchWizard(frm);

  if (!blnShown || frontEnd.ProblemReported()) return kExitCheckFailed;
  if (options.blnDumpModel && !blnRan) return kExitCheckFailed;
  return 0;
}

}  // namespace cli
