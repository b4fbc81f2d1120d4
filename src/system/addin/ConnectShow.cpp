// The launch of the wizard: the checks of the active project, the questions about doubtful
// data, the wizard filled with the stored defaults and the field lists, shown modally.

#include "addin/AddInErr.h"
#include "addin/Connect.h"
#include "addin/Nothing.h"
#include "addin/basProjectTools.h"
#include "chart/GetFieldId.h"
#include "chart/clsQuorvan.h"
#include "platform/catalog/Catalog.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/msproject/Application.h"
#include "platform/vb/OnError.h"
#include "settings/LoadSettings.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

namespace {

// Asks whether to go on despite the problem; true only for Yes.
bool GoOnDespite(const char* strProblem) {
  const std::string strPrompt = std::string(_(strProblem)) + "\r\n" + _("Trotzdem fortfahren?");
  return forms::MsgBox(strPrompt, forms::vbYesNo + forms::vbQuestion, addin::kAppTitle) ==
         forms::vbYes;
}

}  // namespace

bool addin::CheckLaunch(msproject::Application& objApplication) {
  if (!CheckProjectOpen(objApplication, true, addin::kAppTitle)) return false;
  if (!CheckResourcesExist(objApplication, true, addin::kAppTitle)) return false;
  if (!CheckTasksExist(objApplication, true, addin::kAppTitle)) return false;
  if (HasDuplicateResourceNames(objApplication, false, addin::kAppTitle) &&
      !GoOnDespite(addin::kMsgDuplicateResourceNames)) {
    return false;
  }
  if (HasDuplicateWbsCodes(objApplication, false, addin::kAppTitle) &&
      !GoOnDespite(addin::kMsgDuplicateWbsCodes)) {
    return false;
  }
  return true;
}

void Connect::Show() {
  vb::ResumeNext steps;
  steps([&] {
    // The form hands its filled model to the export when Finish is pressed.
    if (!mfrmWizard) mfrmWizard = std::make_unique<frmQuorvan>();
    mfrmWizard->ObserveRuns(observer_);
  });
  steps([&] { gobjApplication = AppInstance; });
  steps([&] { gfrmWizard = mfrmWizard.get(); });

  // Without the host there is no project: the check reports that, as with no plan open.
  const auto host =
      vb::TryRead([&]() -> msproject::Application* { return &addin::Obj(AppInstance); });
  if (!host) {
    forms::MsgBox(_(addin::kMsgNoProject), forms::vbExclamation + forms::vbOKOnly,
                  addin::kAppTitle);
    return;
  }
  msproject::Application& objApplication = **host;
  if (!addin::CheckLaunch(objApplication)) return;

  steps([&] { objApplication.Interactive(false); });

  // A wizard that was unloaded when it closed is loaded again as its controls are first used.
  steps([&] { addin::Obj(mfrmWizard.get()).Load(); });
  frmQuorvan* frm = mfrmWizard.get();
  steps([&] {
    chart::ChartOptions options = addin::Obj(frm).Options();
    LoadSettings(options);
    frm->ShowOptions(options);
  });
  for (const chart::ArrowSize size :
       {chart::ArrowSize::Small, chart::ArrowSize::Medium, chart::ArrowSize::Large}) {
    steps([&] { addin::Obj(frm).cboArrowSize.AddItem(chart::ArrowSizeText(size)); });
  }
  for (const std::string& strField : FieldNames()) {
    // The plan's own name of the field, shown beside it in the lists ("Text21 (Verantwortlich)").
    const std::string strAlias =
        vb::TryRead([&] {
          return objApplication.ActiveProject().FieldAlias(GetFieldId(strField));
        }).value_or(std::string());
    for (forms::ComboBox frmQuorvan::*cbo :
         {&frmQuorvan::cboFieldResponsible, &frmQuorvan::cboFieldParticipiant,
          &frmQuorvan::cboFieldInformed, &frmQuorvan::cboFieldStatus, &frmQuorvan::cboFieldTargets,
          &frmQuorvan::cboFieldDesc}) {
      steps([&] {
        forms::ComboBox& cboField = addin::Obj(frm).*cbo;
        cboField.AddItem(strField);
        if (!strAlias.empty()) cboField.ItemNote(cboField.ListCount() - 1, strAlias);
      });
    }
  }

  // The initial keyboard order: only the buttons of the first step, Next first.
  steps([&] {
    for (forms::Control* ctl : addin::Obj(frm).Controls()) {
      vb::TrySkip([&] { ctl->TabStop(false); });
    }
  });
  steps([&] { addin::Obj(frm).cmdNext.TabStop(true); });
  steps([&] { addin::Obj(frm).cmdNext.TabIndex(0); });
  steps([&] { addin::Obj(frm).cmdNext.SetFocus(); });
  steps([&] { addin::Obj(frm).cmdFinish.TabStop(true); });
  steps([&] { addin::Obj(frm).cmdFinish.TabIndex(1); });
  steps([&] { addin::Obj(frm).txtChartPath.SelStart(0); });
  steps([&] { addin::Obj(frm).txtChartPath.SelLength(0); });
  steps([&] { addin::Obj(frm).cmdSave.TabStop(true); });
  steps([&] { addin::Obj(frm).cmdSave.TabIndex(2); });
  steps([&] { addin::Obj(frm).cmdCancel.TabStop(true); });
  steps([&] { addin::Obj(frm).cmdCancel.TabIndex(3); });
  steps([&] { addin::Obj(frm).cmdBack.TabStop(true); });
  steps([&] { addin::Obj(frm).cmdBack.TabIndex(4); });

  steps([&] { addin::Obj(frm).Show(forms::vbModal); });
  steps([&] { objApplication.Interactive(true); });
}
