#pragma once
// What the add-in's tests share: a registry file of their own (the host keeps its command bars
// beside it), message boxes answered from a script, a host with or without a plan, and a front
// end that records each modal display of the wizard and closes it with Cancel.

#include <gtest/gtest.h>

#include <any>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "addin/Connect.h"
#include "platform/msproject/Application.h"
#include "platform/office/IDTExtensibility2.h"
#include "platform/registry/ScopedRegistryFile.h"
#include "support/MsgBoxScript.h"
#include "support/PlanXml.h"
#include "wizard/frmQuorvan.h"

namespace addintest {

class AddinTest : public testing::Test {
 protected:
  AddinTest();
  ~AddinTest() override;

  // Starts the host anew (its command bars read from their file), with the plan open if given.
  msproject::Application& StartHost();
  msproject::Application& StartHost(const testsupport::PlanXml& objPlan);
  // Ends the host: its command bars go to their file.
  void EndHost();

  void ConnectIn(Connect& objConnect, office::ext_ConnectMode mode);
  void Disconnect(Connect& objConnect, office::ext_DisconnectMode mode);

  std::vector<std::string> Prompts() const;

  testsupport::ScopedRegistryFile registry_;
  testsupport::TempDir planDir_;
  forms::MsgBoxScript script_;
  office::COMAddIn addIn_{"Quorvan.Connect"};
  std::vector<std::any> custom_;
  std::unique_ptr<msproject::Application> host_;
  // How often the wizard was shown, and what the test checks while it is.
  int intShown_ = 0;
  std::function<void(frmQuorvan&)> whileShown_;

 private:
  forms::ModalHandler previousModal_;
};

}  // namespace addintest
