#pragma once
// The add-in class: the host connects it at its start, it puts the entry "&Quorvan Assistent"
// into the host's "Tools" menu and a button onto its own toolbar "Quorvan", and a click on
// either launches the wizard (Show). When the user removes the add-in, the entry, the button
// and the emptied toolbar go again; at the host's shutdown they stay for its next start.

#include <any>
#include <memory>
#include <string>
#include <vector>

#include "platform/office/CommandBars.h"
#include "platform/office/IDTExtensibility2.h"
#include "platform/vb/Error.h"

namespace msproject {
class Application;
}

class frmQuorvan;
class ProgressSink;

namespace addin {

// The checks of the launch before the wizard opens: a project is open, it has resources and
// tasks (each reported when not), and the user goes on despite resource names or WBS codes
// that occur twice (asked). False when the launch ends there.
bool CheckLaunch(msproject::Application& objApplication);

}  // namespace addin

class Connect : public office::IDTExtensibility2 {
 public:
  Connect();
  ~Connect() override;
  Connect(const Connect&) = delete;
  Connect& operator=(const Connect&) = delete;

  void OnConnection(msproject::Application& Application, office::ext_ConnectMode ConnectMode,
                    office::COMAddIn& AddInInst, std::vector<std::any>& custom) override;
  void OnDisconnection(office::ext_DisconnectMode RemoveMode,
                       std::vector<std::any>& custom) override;
  void OnAddInsUpdate(std::vector<std::any>& custom) override;
  void OnStartupComplete(std::vector<std::any>& custom) override;
  void OnBeginShutdown(std::vector<std::any>& custom) override;

  // Checks the active project, prepares the wizard and shows it modally; returns when it has
  // closed. A check that fails, or a question answered other than Yes, ends it early.
  void Show();

  // Tells the user of an unexpected error, with its number and description and the support
  // address to send them to.
  void AddInErr(const vb::Error& errX);

  // The host's application, the menu entry, the toolbar button and the one wizard of the
  // connection.
  msproject::Application* AppInstance = nullptr;
  office::CommandBarControls::Handle objMenuButton;
  office::CommandBarControls::Handle objToolbarButton;
  std::unique_ptr<frmQuorvan> mfrmWizard;

  // The click handlers of the two buttons.
  void objMenuButton_Click(office::CommandBarButton& Ctrl, bool& CancelDefault);
  void objToolbarButton_Click(office::CommandBarButton& Ctrl, bool& CancelDefault);

 private:
  office::CommandBarControls::Handle AddMenuButton(const std::string& strMenuName,
                                                   const std::string& strCaption,
                                                   const std::string& strTag,
                                                   office::COMAddIn& AddInInst);
  office::CommandBars::Handle GetToolbar(const std::string& strToolbarName, bool blnVisible);
  office::CommandBarControls::Handle AddToolbarButton(const std::string& strToolbarName,
                                                      const std::string& strTag,
                                                      const std::string& strCaption, int intStyle,
                                                      bool blnBeginGroup);
  void RemoveCommandBarControls(office::ext_DisconnectMode RemoveMode);
  office::CommandBars& CommandBars() const;
  std::string OnActionText() const;

  std::string strProgId_;
  // Whoever watches the wizard's runs: a ProgressSink* among the connection's custom arguments.
  ProgressSink* observer_ = nullptr;
  // The event connections of the two buttons ("WithEvents").
  office::CommandBarButton::ClickSink menuButtonEvents_;
  office::CommandBarButton::ClickSink toolbarButtonEvents_;
};
