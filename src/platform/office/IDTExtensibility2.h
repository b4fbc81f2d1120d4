#pragma once
// The host's add-in interface: the host connects an add-in at its start (or later, or for a
// program that starts it from outside) and disconnects it when the user removes it or the host
// ends.

#include <any>
#include <string>
#include <utility>
#include <vector>

namespace msproject {
class Application;
}

namespace office {

// How the add-in was connected (ext_ConnectMode).
enum ext_ConnectMode {
  ext_cm_AfterStartup = 0,  // the user connected it while the host was running
  ext_cm_Startup = 1,       // the host connected it at its start
  ext_cm_External = 2,      // a program started it from outside
  ext_cm_CommandLine = 3,   // the host's command line named it
};

// Why the add-in is disconnected (ext_DisconnectMode).
enum ext_DisconnectMode {
  ext_dm_HostShutdown = 0,  // the host ends
  ext_dm_UserClosed = 1,    // the user removed the add-in
};

// The host's record of one connected add-in.
class COMAddIn {
 public:
  explicit COMAddIn(std::string strProgId, std::string strDescription = "")
      : strProgId_(std::move(strProgId)), strDescription_(std::move(strDescription)) {}
  const std::string& ProgId() const { return strProgId_; }
  const std::string& Description() const { return strDescription_; }

 private:
  std::string strProgId_;
  std::string strDescription_;
};

class IDTExtensibility2 {
 public:
  virtual ~IDTExtensibility2() = default;
  virtual void OnConnection(msproject::Application& Application, ext_ConnectMode ConnectMode,
                            COMAddIn& AddInInst, std::vector<std::any>& custom) = 0;
  virtual void OnDisconnection(ext_DisconnectMode RemoveMode, std::vector<std::any>& custom) = 0;
  virtual void OnAddInsUpdate(std::vector<std::any>& custom) = 0;
  virtual void OnStartupComplete(std::vector<std::any>& custom) = 0;
  virtual void OnBeginShutdown(std::vector<std::any>& custom) = 0;
};

}  // namespace office
