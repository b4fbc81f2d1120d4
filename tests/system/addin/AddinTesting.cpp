#include "system/addin/AddinTesting.h"

#include "platform/forms/FrontEnd.h"
#include "wizard/Globals.h"

namespace addintest {

AddinTest::AddinTest() {
  previousModal_ = forms::SetModalHandler([this](forms::Form& form) {
    auto* frm = dynamic_cast<frmQuorvan*>(&form);
    if (frm == nullptr) return;
    ++intShown_;
    if (whileShown_) whileShown_(*frm);
    frm->cmdCancel.Click();
  });
}

AddinTest::~AddinTest() {
  forms::SetModalHandler(std::move(previousModal_));
  gobjApplication = nullptr;
  gfrmWizard = nullptr;
}

msproject::Application& AddinTest::StartHost() {
  host_ = std::make_unique<msproject::Application>();
  return *host_;
}

msproject::Application& AddinTest::StartHost(const testsupport::PlanXml& objPlan) {
  StartHost().FileOpen(objPlan.Write(planDir_));
  return *host_;
}

void AddinTest::EndHost() {
  host_.reset();
  gobjApplication = nullptr;
}

void AddinTest::ConnectIn(Connect& objConnect, office::ext_ConnectMode mode) {
  objConnect.OnConnection(*host_, mode, addIn_, custom_);
}

void AddinTest::Disconnect(Connect& objConnect, office::ext_DisconnectMode mode) {
  objConnect.OnDisconnection(mode, custom_);
}

std::vector<std::string> AddinTest::Prompts() const {
  std::vector<std::string> colPrompts;
  for (const auto& box : script_.Boxes()) colPrompts.push_back(box.strPrompt);
  return colPrompts;
}

}  // namespace addintest
