// The progress display shared by the run and the export.

#include <gtest/gtest.h>

#include "platform/msproject/Application.h"
#include "wizard/Globals.h"
#include "wizard/basProgress.h"
#include "wizard/frmQuorvan.h"

namespace {

// Sets the two globals for one test and clears them afterwards.
class ProgressTest : public ::testing::Test {
 protected:
  ProgressTest() {
    gfrmWizard = &frm;
    gobjApplication = &objApplication;
  }
  ~ProgressTest() override {
    gfrmWizard = nullptr;
    gobjApplication = nullptr;
  }
  frmQuorvan frm;
  msproject::Application objApplication;
};

TEST_F(ProgressTest, TheWizardShowsPercentAndTextRepaintedAtOnce) {
  std::vector<std::string> repainted;
  frm.Observe([&](forms::Control* ctl, forms::Property property) {
    if (property == forms::Property::Refresh && ctl != nullptr) repainted.push_back(ctl->Name());
  });
  EXPECT_FALSE(ShowProgress(true, 100, "Kommunikationsdiagramm wurde erfolgreich erstellt."));
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
  EXPECT_EQ(frm.lblProgress.Caption(), "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  EXPECT_EQ(repainted, (std::vector<std::string>{"barProgress", "lblProgress"}));
  EXPECT_EQ(objApplication.StatusBar(), "");

  // The same values again: nothing changes and nothing fails.
  EXPECT_FALSE(ShowProgress(true, 100, "Kommunikationsdiagramm wurde erfolgreich erstellt."));
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
}

TEST_F(ProgressTest, OutsideTheWizardTheTextGoesToTheStatusBar) {
  EXPECT_FALSE(ShowProgress(false, 40, "Zeile 12 von 30"));
  EXPECT_EQ(objApplication.StatusBar(), "Zeile 12 von 30");
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 0.0F);
  EXPECT_EQ(frm.lblProgress.Caption(), "Label1");
}

TEST_F(ProgressTest, AFailingStepIsSkippedAndReported) {
  // A percentage beyond the bar: the bar keeps its value, the label still shows the text.
  ShowProgress(true, 30, "a");
  EXPECT_TRUE(ShowProgress(true, 120, "b"));
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 30.0F);
  EXPECT_EQ(frm.lblProgress.Caption(), "b");
}

TEST_F(ProgressTest, WithoutWizardOrHostEveryStepFailsSilently) {
  frm.Unload();
  EXPECT_TRUE(ShowProgress(true, 50, "x"));
  gfrmWizard = nullptr;
  EXPECT_TRUE(ShowProgress(true, 50, "x"));
  gobjApplication = nullptr;
  EXPECT_TRUE(ShowProgress(false, 50, "x"));
}

}  // namespace
