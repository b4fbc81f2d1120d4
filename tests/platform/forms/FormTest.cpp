// The form: focus, tab order, loading and unloading, the view that observes it.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/forms/Forms.h"
#include "platform/vb/OnError.h"

namespace {

class TestForm : public forms::Form {
 public:
  TestForm() : Form("frmTest") {}
  forms::Frame fraPage{*this, "fraPage"};
  forms::Label lblCaption{*this, "lblCaption"};
  forms::TextBox txtValue{*this, "txtValue"};
  forms::CommandButton cmdOne{*this, "cmdOne"};
  forms::CommandButton cmdTwo{*this, "cmdTwo"};
  forms::CommandButton cmdThree{*this, "cmdThree"};
  int intLoads = 0;
  int intUnloads = 0;

 protected:
  void InitializeComponent() override {
    Caption("Test");
    txtValue.Text("Vorgabe");
  }
  void Form_Load() override { ++intLoads; }
  void Form_Unload() override { ++intUnloads; }
};

std::vector<std::string> Names(const std::vector<forms::Control*>& controls) {
  std::vector<std::string> names;
  for (const forms::Control* ctl : controls) names.push_back(ctl->Name());
  return names;
}

TEST(FocusTest, AControlThatCannotBeReachedRefusesTheFocus) {
  TestForm frm;
  frm.cmdOne.Container(frm.fraPage);
  frm.cmdOne.SetFocus();
  EXPECT_EQ(frm.ActiveControl(), &frm.cmdOne);

  frm.cmdTwo.Enabled(false);
  EXPECT_THROW(frm.cmdTwo.SetFocus(), forms::Error);
  frm.cmdThree.Visible(false);
  EXPECT_THROW(frm.cmdThree.SetFocus(), forms::Error);
  EXPECT_THROW(frm.lblCaption.SetFocus(), forms::Error);
  EXPECT_EQ(frm.ActiveControl(), &frm.cmdOne);

  // Disabling the control with the focus takes it away.
  frm.fraPage.Visible(false);
  EXPECT_THROW(frm.cmdOne.SetFocus(), forms::Error);
  frm.cmdOne.Enabled(false);
  EXPECT_EQ(frm.ActiveControl(), nullptr);
}

TEST(FocusTest, RefusedFocusIsSkippedByResumeNext) {
  TestForm frm;
  frm.cmdOne.Enabled(false);
  vb::ResumeNext steps;
  steps([&] { frm.cmdOne.SetFocus(); });
  steps([&] { frm.cmdTwo.SetFocus(); });
  EXPECT_TRUE(steps.Failed());
  EXPECT_EQ(frm.ActiveControl(), &frm.cmdTwo);
}

TEST(TabOrderTest, SettingAnIndexRenumbersTheOthersUniquely) {
  TestForm frm;
  frm.cmdThree.TabIndex(0);
  frm.cmdTwo.TabIndex(1);
  frm.cmdOne.TabIndex(2);
  EXPECT_EQ(frm.cmdThree.TabIndex(), 0);
  EXPECT_EQ(frm.cmdTwo.TabIndex(), 1);
  EXPECT_EQ(frm.cmdOne.TabIndex(), 2);
  std::vector<int> indices;
  for (const forms::Control* ctl : frm.Controls()) indices.push_back(ctl->TabIndex());
  std::sort(indices.begin(), indices.end());
  for (std::size_t i = 0; i < indices.size(); ++i) EXPECT_EQ(indices[i], static_cast<int>(i));
  frm.cmdOne.TabIndex(999);
  EXPECT_EQ(frm.cmdOne.TabIndex(), static_cast<int>(frm.Controls().size()) - 1);
  EXPECT_THROW(frm.cmdOne.TabIndex(-1), forms::Error);
}

TEST(TabOrderTest, TheTabKeyVisitsReachableControlsWithATabStopByIndex) {
  TestForm frm;
  frm.cmdTwo.TabIndex(0);
  frm.txtValue.TabIndex(1);
  frm.cmdOne.TabIndex(2);
  frm.cmdThree.TabStop(false);
  frm.txtValue.Container(frm.fraPage);
  EXPECT_EQ(Names(frm.TabOrder()), (std::vector<std::string>{"cmdTwo", "txtValue", "cmdOne"}));
  frm.fraPage.Visible(false);
  EXPECT_EQ(Names(frm.TabOrder()), (std::vector<std::string>{"cmdTwo", "cmdOne"}));
  EXPECT_THROW(frm.lblCaption.TabStop(false), forms::Error);
  EXPECT_THROW(frm.fraPage.TabStop(true), forms::Error);
}

TEST(LoadTest, EachLoadingStartsFromTheDesignTimeState) {
  TestForm frm;
  EXPECT_FALSE(frm.Loaded());
  frm.Load();
  frm.Load();
  EXPECT_EQ(frm.intLoads, 1);
  EXPECT_EQ(frm.txtValue.Text(), "Vorgabe");
  frm.txtValue.Text("geändert");
  frm.cmdOne.SetFocus();
  frm.Unload();
  EXPECT_FALSE(frm.Loaded());
  EXPECT_FALSE(frm.Visible());
  EXPECT_EQ(frm.ActiveControl(), nullptr);
  EXPECT_EQ(frm.intUnloads, 1);
  frm.Unload();
  EXPECT_EQ(frm.intUnloads, 1);
  EXPECT_EQ(frm.txtValue.Text(), "Vorgabe");
  frm.Show();
  EXPECT_EQ(frm.intLoads, 2);
  EXPECT_TRUE(frm.Visible());
  EXPECT_EQ(frm.txtValue.Text(), "Vorgabe");
}

TEST(LoadTest, WhatIsSetBetweenUnloadAndTheNextLoadIsKept) {
  TestForm frm;
  frm.Load();
  frm.txtValue.Text("alt");
  frm.Unload();
  frm.txtValue.Text("neu");  // the next launch fills the form before showing it
  frm.Show();
  EXPECT_EQ(frm.intLoads, 2);
  EXPECT_EQ(frm.txtValue.Text(), "neu");
}

class GuardedForm : public forms::Form {
 public:
  GuardedForm() : Form("frmGuarded") {}
  bool blnBusy = false;
  int intMoves = 0;

 protected:
  void Form_QueryUnload(int& intCancel) override { intCancel = blnBusy ? 1 : 0; }
  void Form_MouseMove(int, int, float, float) override { ++intMoves; }
};

TEST(LoadTest, TheFreeAreaHearsTheMouseOnlyWhileLoadedAndEnabled) {
  GuardedForm frm;
  frm.MouseMove(0, 0, 1.0F, 1.0F);
  frm.Load();
  frm.MouseMove(0, 0, 1.0F, 1.0F);
  frm.Enabled(false);
  frm.MouseMove(0, 0, 1.0F, 1.0F);
  EXPECT_EQ(frm.intMoves, 1);
}

TEST(LoadTest, QueryUnloadCanKeepTheFormOpen) {
  GuardedForm frm;
  frm.Show();
  frm.blnBusy = true;
  EXPECT_FALSE(frm.Unload());
  EXPECT_TRUE(frm.Loaded());
  EXPECT_TRUE(frm.Visible());
  frm.blnBusy = false;
  EXPECT_TRUE(frm.Unload());
  EXPECT_FALSE(frm.Loaded());
}

TEST(LoadTest, ModalShowRunsTheFrontEndsLoopUntilTheFormIsUnloaded) {
  TestForm frm;
  bool blnModalDuringLoop = false;
  auto previous = forms::SetModalHandler([&](forms::Form& shown) {
    EXPECT_EQ(&shown, &frm);
    blnModalDuringLoop = shown.Modal() && shown.Visible();
    frm.cmdOne.OnClick = [&] { frm.Unload(); };
    frm.cmdOne.Click();
  });
  frm.Show(forms::vbModal);
  forms::SetModalHandler(previous);
  EXPECT_TRUE(blnModalDuringLoop);
  EXPECT_FALSE(frm.Modal());
  EXPECT_FALSE(frm.Loaded());
  EXPECT_THROW(frm.Show(5), forms::Error);
}

TEST(ViewTest, TheViewHearsOfEveryChangeOfTheFormAndItsControls) {
  TestForm frm;
  std::vector<std::string> heard;
  frm.Observe([&](forms::Control* ctl, forms::Property property) {
    heard.push_back((ctl != nullptr ? ctl->Name() : frm.Name()) + ":" +
                    std::to_string(static_cast<int>(property)));
  });
  frm.Caption("Neu");
  frm.cmdOne.Caption("OK");
  frm.txtValue.Refresh();
  frm.cmdOne.SetFocus();
  frm.cmdTwo.SetFocus();
  auto heardOf = [&](const std::string& strName, forms::Property property) {
    return std::count(heard.begin(), heard.end(),
                      strName + ":" + std::to_string(static_cast<int>(property)));
  };
  EXPECT_EQ(heardOf("frmTest", forms::Property::Caption), 1);
  EXPECT_EQ(heardOf("cmdOne", forms::Property::Caption), 1);
  EXPECT_EQ(heardOf("txtValue", forms::Property::Refresh), 1);
  EXPECT_EQ(heardOf("cmdOne", forms::Property::Focus), 2);  // gained, then lost
  EXPECT_EQ(heardOf("cmdTwo", forms::Property::Focus), 1);
}

}  // namespace
