// The host connects the registered add-ins at its start and disconnects them at its end; the
// user connects or removes one while it runs.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "addin/AddInHost.h"
#include "addin/Registration.h"
#include "platform/office/CommandBars.h"
#include "settings/basRegistry.h"
#include "system/addin/AddinTesting.h"

namespace {

using addintest::AddinTest;
using testsupport::PlanXml;

const std::string kAddInKey = "Software\\Microsoft\\Office\\MS Project\\Addins\\Quorvan.Connect";

class AddInHostTest : public AddinTest {
 protected:
  bool HasMenuEntry() {
    return host_->CommandBars().FindControl(std::nullopt, std::nullopt,
                                            std::string("QuorvanWizard")) != nullptr;
  }
  std::string LoadBehavior() {
    return ReadRegString(registry::HKEY_CURRENT_USER, kAddInKey, "LoadBehavior");
  }
};

TEST_F(AddInHostTest, ARegisteredAddInIsConnectedAtEveryStartWithoutDuplicates) {
  ASSERT_EQ(addin::RegisterAddIn(), "");
  // Another program's add-in that this host cannot create is left alone.
  ASSERT_TRUE(WriteRegString(registry::HKEY_CURRENT_USER,
                             std::string(addin::kHostAddInsKey) + "\\Fremd.Connect", "FriendlyName",
                             "Fremd"));
  EXPECT_THAT(addin::AddInHost::RegisteredAddIns(),
              testing::ElementsAre("Quorvan.Connect", "Fremd.Connect"));
  for (int intStart = 0; intStart < 2; ++intStart) {
    StartHost(PlanXml().Task("A").Resource("Anna"));
    const int intTools = host_->CommandBars()("Tools").Controls().Count();
    {
      addin::AddInHost host(*host_);
      host.StartUp();
      ASSERT_NE(host.Find("Quorvan.Connect"), nullptr);
      EXPECT_EQ(host.Find("Fremd.Connect"), nullptr);
      EXPECT_TRUE(HasMenuEntry());
      EXPECT_EQ(host_->CommandBars()("Tools").Controls().Count(),
                intStart == 0 ? intTools + 1 : intTools);
      // The entry starts the wizard.
      host_->CommandBars()
          .FindControl(std::nullopt, std::nullopt, std::string("QuorvanWizardToolbar"))
          ->Execute();
      EXPECT_EQ(intShown_, intStart + 1);
    }
    EXPECT_TRUE(HasMenuEntry());  // host shutdown removes nothing
    EndHost();
  }
  EXPECT_TRUE(script_.Boxes().empty());
}

TEST_F(AddInHostTest, TheUserRemovesAndConnectsTheAddIn) {
  ASSERT_EQ(addin::RegisterAddIn(), "");
  StartHost(PlanXml().Task("A").Resource("Anna"));
  {
    addin::AddInHost host(*host_);
    host.StartUp();
    EXPECT_TRUE(host.RemoveAddIn("Quorvan.Connect"));
    EXPECT_FALSE(host.RemoveAddIn("Quorvan.Connect"));
    EXPECT_EQ(host.Find("Quorvan.Connect"), nullptr);
    EXPECT_FALSE(HasMenuEntry());
    EXPECT_EQ(LoadBehavior(), "2");
  }
  EndHost();

  StartHost(PlanXml().Task("A").Resource("Anna"));
  addin::AddInHost host(*host_);
  host.StartUp();
  EXPECT_EQ(host.Find("Quorvan.Connect"), nullptr);
  EXPECT_FALSE(HasMenuEntry());
  EXPECT_TRUE(host.ConnectAddIn("Quorvan.Connect"));
  EXPECT_FALSE(host.ConnectAddIn("Quorvan.Connect"));  // already connected
  EXPECT_FALSE(host.ConnectAddIn("Fremd.Connect"));    // not registered
  EXPECT_TRUE(HasMenuEntry());
  EXPECT_EQ(LoadBehavior(), "3");
}

TEST_F(AddInHostTest, WithoutARegistrationNothingIsConnected) {
  StartHost(PlanXml().Task("A").Resource("Anna"));
  addin::AddInHost host(*host_);
  host.StartUp();
  EXPECT_TRUE(addin::AddInHost::RegisteredAddIns().empty());
  EXPECT_EQ(host.Find("Quorvan.Connect"), nullptr);
  EXPECT_FALSE(HasMenuEntry());
  EXPECT_FALSE(host.ConnectAddIn("Quorvan.Connect"));
}

}  // namespace
