#include "wizard/Globals.h"

frmQuorvan* gfrmWizard = nullptr;
msproject::Application* gobjApplication = nullptr;
