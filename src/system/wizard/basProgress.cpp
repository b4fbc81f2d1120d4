#include "wizard/basProgress.h"

#include "platform/msproject/Application.h"
#include "platform/vb/Error.h"
#include "platform/vb/OnError.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

namespace {

frmQuorvan& Wizard() {
  if (gfrmWizard == nullptr || !gfrmWizard->Loaded()) {
    throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: gfrmWizard");
  }
  return *gfrmWizard;
}

msproject::Application& Host() {
  if (gobjApplication == nullptr) {
    throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: gobjApplication");
  }
  return *gobjApplication;
}

}  // namespace

bool ShowProgress(bool blnInWizard, double dblPercent, const std::string& strText) {
  vb::ResumeNext steps;
  if (blnInWizard) {
    steps([&] { Wizard().barProgress.Value(static_cast<float>(dblPercent)); });
    steps([&] { Wizard().lblProgress.Caption(strText); });
    steps([&] { Wizard().barProgress.Refresh(); });
    steps([&] { Wizard().lblProgress.Refresh(); });
  } else {
    steps([&] { Host().StatusBar(strText); });
  }
  return steps.Failed();
}
