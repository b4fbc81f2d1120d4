#include "cli/WizardLaunch.h"

#include <string>

#include "platform/msproject/Application.h"
#include "platform/vb/OnError.h"
#include "settings/GetFieldId.h"
#include "settings/LoadSettings.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

namespace cli {

void LaunchWizard(frmQuorvan& frm) {
  gfrmWizard = &frm;
  vb::ResumeNext steps;
  steps([&] {
    if (gobjApplication != nullptr) gobjApplication->Interactive(false);
  });
  LoadSettings();
  for (const char* strSize : {"klein", "mittel", "groß"}) {
    steps([&] { frm.cboArrowSize.AddItem(strSize); });
  }
  for (const std::string& strField : FieldNames()) {
    for (forms::ComboBox* cbo :
         {&frm.cboFieldResponsible, &frm.cboFieldParticipiant, &frm.cboFieldInformed,
          &frm.cboFieldStatus, &frm.cboFieldTargets, &frm.cboFieldDesc}) {
      steps([&] { cbo->AddItem(strField); });
    }
  }
  steps([&] { frm.Show(forms::vbModal); });
  steps([&] {
    if (gobjApplication != nullptr) gobjApplication->Interactive(true);
  });
  gfrmWizard = nullptr;
}

}  // namespace cli
