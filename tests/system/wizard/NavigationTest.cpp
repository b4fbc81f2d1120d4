// Moving through the wizard as a user does: the steps in view, Back and Next, the checks on
// leaving Steps 1 and 4 with their messages, the tab order of each step, Cancel.

#include <gtest/gtest.h>

#include "system/wizard/WizardTesting.h"

namespace {

using wizardtest::Prompts;
using wizardtest::StepInView;
using wizardtest::TabOrderNames;
using Names = std::vector<std::string>;

constexpr const char* kMsgPath = "Legen Sie den Speicherort des Diagramms fest.";
constexpr const char* kMsgLineWeight = "Bitte nur Linienstärken zwischen 0,25 und 6 eingeben.    ";
constexpr const char* kMsgColumnWidth = "Bitte nur Spaltenbreiten zwischen 4 und 20 eingeben.    ";
constexpr const char* kMsgRowHeight = "Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.    ";

class NavigationTest : public ::testing::Test {
 protected:
  NavigationTest() {
    wizardtest::FillDefaults(frm);
    frm.txtChartPath.Text("/tmp/Plan.xls");
  }
  forms::MsgBoxScript script;
  frmQuorvan frm;
};

TEST_F(NavigationTest, OpensAtStepOneWithItsSizeAndCaptions) {
  EXPECT_EQ(frm.Caption(), "Quorvan Assistent");
  EXPECT_EQ(frm.Width(), 11100);
  EXPECT_EQ(frm.Height(), 7680);
  EXPECT_EQ(StepInView(frm), 1);
  EXPECT_EQ(frm.cmdNext.Tag(), "Step1");
  EXPECT_FALSE(frm.cmdBack.Enabled());
  EXPECT_TRUE(frm.cmdNext.Enabled());
  EXPECT_EQ(frm.fraStep2.Left(), -20000);
  EXPECT_EQ(frm.fraStep2.Top(), -20000);
  EXPECT_EQ(frm.barProgress.Left(), -20000);
  EXPECT_EQ(frm.lblProgress.Left(), -20000);
  EXPECT_EQ(frm.cmdFinish.Caption(), "&Ende");
  EXPECT_EQ(frm.cmdFinish.Tag(), "");
  EXPECT_EQ(frm.cmdBack.Caption(), "< &Zurück");
  EXPECT_EQ(frm.cmdNext.Caption(), "&Weiter >");
  EXPECT_EQ(frm.cmdCancel.ToolTipText(),
            "Klicken Sie hier, um den Assistent zu verlassen, ohne ein Diagramm zu erstellen.");
  EXPECT_EQ(frm.lblStep4.Caption(), "Schritt 4 von 7");
  EXPECT_EQ(frm.chkGroupTasks.Caption(), "Tasks gruppieren (maximal 8 Ebenen)");
  EXPECT_EQ(frm.cmdChangeColorShadowSymbols.Caption(), "Ändern...");
  EXPECT_EQ(frm.ActiveControl(), &frm.cmdNext);
  // Every control of a step sits in that step's frame.
  EXPECT_EQ(frm.cboFieldInformed.Container(), &frm.fraStep2);
  EXPECT_EQ(frm.updRowHeight.Container(), &frm.fraStep4);
  EXPECT_EQ(frm.lblColorShadowSymbols.Container(), &frm.fraStep6);
}

TEST_F(NavigationTest, OneToSevenAndBackToOne) {
  for (int intStep = 2; intStep <= 7; ++intStep) {
    frm.cmdNext.Click();
    EXPECT_EQ(StepInView(frm), intStep);
    EXPECT_EQ(frm.cmdNext.Tag(), "Step" + std::to_string(intStep));
    EXPECT_TRUE(frm.cmdBack.Enabled());
  }
  EXPECT_FALSE(frm.cmdNext.Enabled());
  EXPECT_EQ(frm.fraStep6.Left(), -20000);
  EXPECT_EQ(frm.fraStep6.Top(), -20000);
  frm.cmdNext.Click();  // disabled: nothing happens
  EXPECT_EQ(StepInView(frm), 7);

  for (int intStep = 6; intStep >= 1; --intStep) {
    frm.cmdBack.Click();
    EXPECT_EQ(StepInView(frm), intStep);
    EXPECT_TRUE(frm.cmdNext.Enabled());
  }
  EXPECT_FALSE(frm.cmdBack.Enabled());
  EXPECT_TRUE(frm.cmdNext.Enabled());
  EXPECT_EQ(TabOrderNames(frm), (Names{"cmdNext", "cmdFinish", "txtChartPath", "cmdSave", "cmdInfo",
                                       "cmdCancel", "cmdBack"}));
  EXPECT_EQ(frm.ActiveControl(), &frm.cmdNext);
  // The handlers themselves change nothing at either end.
  frm.cmdBack_Click();
  EXPECT_EQ(StepInView(frm), 1);
  EXPECT_TRUE(script.Boxes().empty());
}

TEST_F(NavigationTest, NextAtSevenChangesNothingEvenWhenCalledDirectly) {
  wizardtest::GoTo(frm, 7);
  frm.cmdNext_Click();
  EXPECT_EQ(StepInView(frm), 7);
  EXPECT_EQ(frm.cmdNext.Tag(), "Step7");
}

TEST_F(NavigationTest, EmptyPathHoldsStepOneWithItsMessage) {
  frm.txtChartPath.Text("");
  frm.cmdNext.Click();
  EXPECT_EQ(StepInView(frm), 1);
  EXPECT_FALSE(frm.cmdBack.Enabled());
  ASSERT_EQ(script.Boxes().size(), 1U);
  EXPECT_EQ(script.Boxes()[0].strPrompt, kMsgPath);
  EXPECT_EQ(script.Boxes()[0].intButtons, forms::vbOKOnly + forms::vbExclamation);
  EXPECT_EQ(script.Boxes()[0].strTitle, "Quorvan Assistent");
}

struct LayoutCase {
  const char* strLineWeight;
  const char* strColumnWidth;
  const char* strRowHeight;
  const char* strMessage;  // nullptr: Step 5 follows
};

class StepFourCheckTest : public NavigationTest,
                          public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(StepFourCheckTest, LeavesStepFourOnlyWithNumbersInRange) {
  const LayoutCase& c = GetParam();
  wizardtest::GoTo(frm, 4);
  frm.txtArrowThickness.Text(c.strLineWeight);
  frm.txtColumnWidth.Text(c.strColumnWidth);
  frm.txtRowHeight.Text(c.strRowHeight);
  frm.cmdNext.Click();
  if (c.strMessage == nullptr) {
    EXPECT_EQ(StepInView(frm), 5);
    EXPECT_TRUE(script.Boxes().empty());
  } else {
    EXPECT_EQ(StepInView(frm), 4);
    EXPECT_EQ(Prompts(script), (Names{c.strMessage}));
    EXPECT_EQ(script.Boxes()[0].intButtons, 48);
    EXPECT_EQ(script.Boxes()[0].strTitle, "Quorvan Assistent");
  }
}

INSTANTIATE_TEST_SUITE_P(LineWeight, StepFourCheckTest,
                         ::testing::Values(LayoutCase{"6", "8", "32", nullptr},
                                           LayoutCase{"0,25", "8", "32", nullptr},
                                           LayoutCase{"6,25", "8", "32", kMsgLineWeight},
                                           LayoutCase{"0", "8", "32", kMsgLineWeight},
                                           LayoutCase{"dick", "8", "32", kMsgLineWeight},
                                           LayoutCase{"", "8", "32", kMsgLineWeight},
                                           // The first failing check is the only one reported.
                                           LayoutCase{"7", "99", "1", kMsgLineWeight}));

INSTANTIATE_TEST_SUITE_P(ColumnWidth, StepFourCheckTest,
                         ::testing::Values(LayoutCase{"2,5", "20.4", "32", nullptr},
                                           LayoutCase{"2,5", "20.6", "32", kMsgColumnWidth},
                                           LayoutCase{"2,5", "4,9", "32", nullptr},
                                           LayoutCase{"2,5", "3.5", "32", nullptr},
                                           LayoutCase{"2,5", "2.5", "32", kMsgColumnWidth},
                                           LayoutCase{"2,5", "breit", "32", kMsgColumnWidth},
                                           LayoutCase{"2,5", "8", "95", kMsgRowHeight}));

INSTANTIATE_TEST_SUITE_P(RowHeight, StepFourCheckTest,
                         ::testing::Values(LayoutCase{"2,5", "8", "17.5", nullptr},
                                           LayoutCase{"2,5", "8", "90.5", nullptr},
                                           LayoutCase{"2,5", "8", "90.6", kMsgRowHeight},
                                           LayoutCase{"2,5", "8", "", kMsgRowHeight}));

TEST_F(NavigationTest, BackNeverChecks) {
  wizardtest::GoTo(frm, 4);
  frm.txtRowHeight.Text("500");
  frm.cmdBack.Click();
  EXPECT_EQ(StepInView(frm), 3);
  frm.txtChartPath.Text("");
  frm.cmdBack.Click();
  frm.cmdBack.Click();
  EXPECT_EQ(StepInView(frm), 1);
  EXPECT_TRUE(script.Boxes().empty());
}

TEST_F(NavigationTest, EachStepHasItsOwnTabOrder) {
  const Names tail{"cmdInfo", "cmdCancel", "cmdBack"};
  auto withFrame = [&](Names middle) {
    Names order{"cmdNext", "cmdFinish"};
    order.insert(order.end(), middle.begin(), middle.end());
    order.insert(order.end(), tail.begin(), tail.end());
    return order;
  };
  const std::vector<Names> expected{
      withFrame({"txtChartPath", "cmdSave"}),
      withFrame({"cboFieldResponsible", "cboFieldParticipiant", "cboFieldInformed"}),
      withFrame({"chkTargets", "cboFieldTargets", "chkStatus", "cboFieldStatus", "chkDesc",
                 "cboFieldDesc", "chkDuration", "chkStart", "chkFinish"}),
      withFrame({"chkGroupTasks", "chkFreezePanes", "txtColumnWidth", "txtRowHeight",
                 "txtArrowThickness", "cboArrowSize"}),
      withFrame({"cmdChangeColorHeaderTasks", "cmdChangeColorSubprojects",
                 "cmdChangeColorSummaries", "cmdChangeColorTasks", "cmdChangeColorMilestones"}),
      withFrame({"cmdChangeColorArrows", "chkShadowArrows", "cmdChangeColorShadowArrows",
                 "cmdChangeColorResponsible", "cmdChangeColorParticipiant",
                 "cmdChangeColorInformed", "chkShadowSymbols", "cmdChangeColorShadowSymbols"}),
      withFrame({"cmdSetDefaults"}),
  };
  // Forwards, then backwards: the same order each time.
  for (int intStep = 1; intStep <= 7; ++intStep) {
    wizardtest::GoTo(frm, intStep);
    EXPECT_EQ(TabOrderNames(frm), expected[static_cast<std::size_t>(intStep - 1)])
        << "Schritt " << intStep;
    EXPECT_EQ(frm.cmdNext.TabIndex(), 0);
  }
  EXPECT_NE(frm.ActiveControl(), &frm.cmdNext);  // disabled at Step 7
  for (int intStep = 6; intStep >= 1; --intStep) {
    frm.cmdBack.Click();
    EXPECT_EQ(TabOrderNames(frm), expected[static_cast<std::size_t>(intStep - 1)])
        << "Schritt " << intStep;
    EXPECT_EQ(frm.ActiveControl(), &frm.cmdNext);
  }
}

TEST_F(NavigationTest, TheTabOrderPutsTheCaretAtTheStartOfTheBoxes) {
  frm.txtColumnWidth.SelStart(1);
  frm.txtColumnWidth.SelLength(0);
  frm.cboArrowSize.SelStart(3);
  frm.cboArrowSize.SelLength(2);
  wizardtest::GoTo(frm, 4);
  EXPECT_EQ(frm.txtColumnWidth.SelStart(), 0);
  EXPECT_EQ(frm.cboArrowSize.SelStart(), 0);
  EXPECT_EQ(frm.cboArrowSize.SelLength(), 0);
}

TEST_F(NavigationTest, CancelClosesAtOnceWithoutAQuestion) {
  wizardtest::GoTo(frm, 5);
  frm.cmdCancel.Click();
  EXPECT_FALSE(frm.Loaded());
  EXPECT_FALSE(frm.Visible());
  EXPECT_TRUE(script.Boxes().empty());
  // The next launch starts again from the design-time state at Step 1, with what it loads.
  EXPECT_EQ(frm.txtChartPath.Text(), "");
  EXPECT_EQ(frm.txtRowHeight.Text(), "");
  frm.txtRowHeight.Text("40");
  frm.Show();
  EXPECT_EQ(StepInView(frm), 1);
  EXPECT_FALSE(frm.cmdBack.Enabled());
  EXPECT_EQ(frm.txtRowHeight.Text(), "40");
  EXPECT_EQ(frm.lblProgress.Caption(), "Label1");
}

TEST_F(NavigationTest, CancelEndsTheModalLoopOfTheLaunch) {
  int intLoops = 0;
  auto previous = forms::SetModalHandler([&](forms::Form& shown) {
    ++intLoops;
    EXPECT_TRUE(shown.Visible());
    frm.cmdCancel.Click();
  });
  frm.Show(forms::vbModal);
  forms::SetModalHandler(previous);
  EXPECT_EQ(intLoops, 1);
  EXPECT_FALSE(frm.Loaded());
}

TEST_F(NavigationTest, InfoOpensBesideTheWizardAndLeavesItAsItWas) {
  frm.Move(1200, 900, 11100, 7680);
  wizardtest::GoTo(frm, 3);
  std::string strShown;
  std::int32_t lngLeft = 0;
  std::int32_t lngTop = 0;
  bool blnModal = false;
  auto previous = forms::SetModalHandler([&](forms::Form& shown) {
    strShown = shown.Caption();
    lngLeft = shown.Left();
    lngTop = shown.Top();
    blnModal = shown.Modal();
    shown.Unload();
  });
  frm.cmdInfo.Click();
  forms::SetModalHandler(previous);
  EXPECT_EQ(strShown, "Quorvan Info");
  EXPECT_TRUE(blnModal);
  EXPECT_EQ(lngLeft, 1500);
  EXPECT_EQ(lngTop, 1200);
  EXPECT_EQ(StepInView(frm), 3);
  EXPECT_TRUE(frm.Loaded());
}

}  // namespace
