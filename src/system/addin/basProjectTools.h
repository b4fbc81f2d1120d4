#include "platform/catalog/Catalog.h"
#pragma once
// The checks of the active project before the wizard opens. Each takes the host, whether to
// report a problem itself (a message box with the exclamation icon and the given title), and
// the title.

#include <string>

namespace msproject {
class Application;
}

// True when a project is open. Reports "Es ist kein Projekt geöffnet!      ".
bool CheckProjectOpen(msproject::Application& objApplication, bool blnReport,
                      const std::string& strTitle);

// True when the active project has at least one resource. Reports
// "Das Projekt enthält keine Ressourcen.      ".
bool CheckResourcesExist(msproject::Application& objApplication, bool blnReport,
                         const std::string& strTitle);

// True when the active project has at least one task. Reports
// "Das Projekt enthält keine Vorgänge.      ".
bool CheckTasksExist(msproject::Application& objApplication, bool blnReport,
                     const std::string& strTitle);

// True when two different resources (different unique IDs) have the same name, letter case
// included; blank rows do not count. Reports "Das Projekt enthält doppelte Ressourcennamen.      ".
bool HasDuplicateResourceNames(msproject::Application& objApplication, bool blnReport,
                               const std::string& strTitle);

// True when two different tasks (different unique IDs) have the same WBS code, letter case
// included; blank rows do not count. Reports "Das Projekt enthält doppelte PSP-Codes.      ".
bool HasDuplicateWbsCodes(msproject::Application& objApplication, bool blnReport,
                          const std::string& strTitle);

namespace addin {

// The texts are translated where they are shown.
inline constexpr const char* kMsgNoProject = N_("Es ist kein Projekt geöffnet!      ");
inline constexpr const char* kMsgNoResources = N_("Das Projekt enthält keine Ressourcen.      ");
inline constexpr const char* kMsgNoTasks = N_("Das Projekt enthält keine Vorgänge.      ");
inline constexpr const char* kMsgDuplicateResourceNames =
    N_("Das Projekt enthält doppelte Ressourcennamen.      ");
inline constexpr const char* kMsgDuplicateWbsCodes =
    N_("Das Projekt enthält doppelte PSP-Codes.      ");

}  // namespace addin
