// The wizard's progress display.

#include <gtest/gtest.h>

#include "platform/msproject/Application.h"
#include "wizard/frmQuorvan.h"

namespace {

class ProgressTest : public ::testing::Test {
 protected:
  frmQuorvan frm;
  msproject::Application objApplication;
};

TEST_F(ProgressTest, TheWizardShowsPercentAndTextRepaintedAtOnce) {
  std::vector<std::string> repainted;
  frm.Observe([&](forms::Control* ctl, forms::Property property) {
    if (property == forms::Property::Refresh && ctl != nullptr) repainted.push_back(ctl->Name());
  });
  EXPECT_FALSE(frm.ShowProgress(100, "Kommunikationsdiagramm wurde erfolgreich erstellt."));
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
  EXPECT_EQ(frm.lblProgress.Caption(), "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  EXPECT_EQ(repainted, (std::vector<std::string>{"barProgress", "lblProgress"}));
  EXPECT_EQ(objApplication.StatusBar(), "");

  // The same values again: nothing changes and nothing fails.
  EXPECT_FALSE(frm.ShowProgress(100, "Kommunikationsdiagramm wurde erfolgreich erstellt."));
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
}

TEST_F(ProgressTest, AFailingStepIsSkippedAndReported) {
  // A percentage beyond the bar: the bar keeps its value, the label still shows the text.
  frm.ShowProgress(30, "a");
  EXPECT_TRUE(frm.ShowProgress(120, "b"));
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 30.0F);
  EXPECT_EQ(frm.lblProgress.Caption(), "b");
}

TEST_F(ProgressTest, AnUnloadedWizardFailsEveryStepSilently) {
  frm.Unload();
  EXPECT_TRUE(frm.ShowProgress(50, "x"));
}

}  // namespace
