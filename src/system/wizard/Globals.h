#pragma once
// The two globals that the launch sets before the wizard opens: the wizard form and the host
// application. The builder, the export, the progress display and the loading of the stored
// defaults reach the wizard and the host through them.

namespace msproject {
class Application;
class Project;
}  // namespace msproject

class frmQuorvan;

extern frmQuorvan* gfrmWizard;
extern msproject::Application* gobjApplication;

// The host's active project; throws error 424 while there is no host.
msproject::Project& ActiveProject();
