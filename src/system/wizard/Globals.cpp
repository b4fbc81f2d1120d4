#include "wizard/Globals.h"

#include "platform/msproject/Application.h"
#include "platform/vb/Error.h"

frmQuorvan* gfrmWizard = nullptr;
msproject::Application* gobjApplication = nullptr;

msproject::Project& ActiveProject() {
  if (gobjApplication == nullptr) {
    throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: gobjApplication");
  }
  return gobjApplication->ActiveProject();
}
