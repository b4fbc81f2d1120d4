#include "system/wizard/WizardTesting.h"

#include <algorithm>

namespace wizardtest {

void FillDefaults(frmQuorvan& frm) {
  frm.cboFieldResponsible.Text("Text21");
  frm.cboFieldParticipiant.Text("Text22");
  frm.cboFieldInformed.Text("Text23");
  frm.cboFieldTargets.Text("Text20");
  frm.cboFieldStatus.Text("Text24");
  frm.cboFieldDesc.Text("Text25");
  for (forms::CheckBox* chk :
       {&frm.chkTargets, &frm.chkStatus, &frm.chkDesc, &frm.chkStart, &frm.chkFinish,
        &frm.chkDuration, &frm.chkGroupTasks, &frm.chkFreezePanes}) {
    chk->Value(forms::vbChecked);
  }
  frm.txtArrowThickness.Text("2,5");
  frm.cboArrowSize.Text("mittel");
  frm.txtColumnWidth.Text("8");
  frm.txtRowHeight.Text("32");
}

int StepInView(const frmQuorvan& frm) {
  const forms::Frame* frames[] = {&frm.fraStep1, &frm.fraStep2, &frm.fraStep3, &frm.fraStep4,
                                  &frm.fraStep5, &frm.fraStep6, &frm.fraStep7};
  int intInView = 0;
  for (int i = 0; i < 7; ++i) {
    if (frames[i]->Left() == 360 && frames[i]->Top() == 1920) {
      intInView = intInView == 0 ? i + 1 : -1;
    }
  }
  return intInView;
}

std::vector<std::string> TabOrderNames(const frmQuorvan& frm) {
  std::vector<const forms::Control*> stops;
  for (const forms::Control* ctl : frm.Controls()) {
    if (ctl->TabStop()) stops.push_back(ctl);
  }
  std::sort(stops.begin(), stops.end(), [](const forms::Control* a, const forms::Control* b) {
    return a->TabIndex() < b->TabIndex();
  });
  std::vector<std::string> names;
  for (const forms::Control* ctl : stops) names.push_back(ctl->Name());
  return names;
}

std::vector<std::string> Prompts(const forms::MsgBoxScript& script) {
  std::vector<std::string> prompts;
  for (const forms::MsgBoxRecord& box : script.Boxes()) prompts.push_back(box.strPrompt);
  return prompts;
}

void GoTo(frmQuorvan& frm, int intStep) {
  while (frm.cmdNext.Tag() != "Step" + std::to_string(intStep)) {
    std::string strBefore = frm.cmdNext.Tag();
    frm.cmdNext.Click();
    if (frm.cmdNext.Tag() == strBefore) return;  // a check held the wizard
  }
}

}  // namespace wizardtest
