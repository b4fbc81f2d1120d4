#pragma once
// Opens the wizard the way the add-in's launch opens it: the stored defaults loaded into its
// controls, the lists filled, the host disabled while it is shown modally.

class frmQuorvan;

namespace cli {

// Makes frm the global wizard, fills it and shows it modally; returns when it has closed.
void LaunchWizard(frmQuorvan& frm);

}  // namespace cli
