#pragma once
// The host's side of its COM add-ins: at its start the host connects every add-in registered
// under its add-in key with load behaviour 3, at its end it disconnects them (host shutdown,
// so their menu entries stay), and while it runs the user can connect or remove one (the
// host's "COM-Add-Ins..." dialog). Removing an add-in sets its load behaviour to 2, so that it
// is not connected at the next start.

#include <any>
#include <memory>
#include <string>
#include <vector>

#include "platform/office/IDTExtensibility2.h"

namespace msproject {
class Application;
}

namespace addin {

inline constexpr const char* kHostAddInsKey = "Software\\Microsoft\\Office\\MS Project\\Addins";

}  // namespace addin

class ProgressSink;

namespace addin {

class AddInHost {
 public:
  // observer: whoever watches the runs of the add-ins' wizards (the desktop); handed to each
  // add-in among the custom arguments of its connection. Not owned; nullptr: nobody.
  explicit AddInHost(msproject::Application& objApplication, ProgressSink* observer = nullptr);
  // Disconnects every connected add-in as at host shutdown.
  ~AddInHost();
  AddInHost(const AddInHost&) = delete;
  AddInHost& operator=(const AddInHost&) = delete;

  // The programmatic identifiers registered under the host's add-in key, in stored order.
  static std::vector<std::string> RegisteredAddIns();

  // Connects every registered add-in with load behaviour 3 (ext_cm_Startup). An identifier that
  // names no add-in this host knows is left alone.
  void StartUp();
  // The user connects a registered add-in while the host runs (ext_cm_AfterStartup). False
  // when it is not registered, unknown or already connected.
  bool ConnectAddIn(const std::string& strProgId);
  // The user removes a connected add-in (ext_dm_UserClosed). False when it is not connected.
  bool RemoveAddIn(const std::string& strProgId);

  // The connected add-in of that identifier; nullptr when there is none.
  office::IDTExtensibility2* Find(const std::string& strProgId) const;

 private:
  struct Connected {
    std::unique_ptr<office::COMAddIn> objAddInInst;
    std::unique_ptr<office::IDTExtensibility2> objAddIn;
  };
  bool ConnectIn(const std::string& strProgId, office::ext_ConnectMode mode);

  msproject::Application& objApplication_;
  std::vector<Connected> colConnected_;
  std::vector<std::any> custom_;
};

}  // namespace addin
