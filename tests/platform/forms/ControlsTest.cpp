// The single kinds of control: the values they accept, the events they raise.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Forms.h"

namespace {

class ControlsForm : public forms::Form {
 public:
  ControlsForm() : Form("frmTest") {}
  forms::Frame fraPage{*this, "fraPage"};
  forms::Label lblCaption{*this, "lblCaption"};
  forms::TextBox txtValue{*this, "txtValue"};
  forms::ComboBox cboField{*this, "cboField"};
  forms::CheckBox chkOption{*this, "chkOption"};
  forms::CommandButton cmdGo{*this, "cmdGo"};
  forms::ProgressBar barProgress{*this, "barProgress"};
  forms::UpDown updValue{*this, "updValue"};
};

TEST(CheckBoxTest, AcceptsTheThreeStatesAndRefusesOthers) {
  ControlsForm frm;
  for (int intState : {forms::vbChecked, forms::vbGrayed, forms::vbUnchecked}) {
    frm.chkOption.Value(intState);
    EXPECT_EQ(frm.chkOption.Value(), intState);
  }
  frm.chkOption.Value(forms::vbChecked);
  EXPECT_THROW(frm.chkOption.Value(3), forms::Error);
  EXPECT_THROW(frm.chkOption.Value(-1), vb::Error);
  EXPECT_EQ(frm.chkOption.Value(), forms::vbChecked);
}

TEST(CheckBoxTest, UserClickTogglesAndRaisesClickOncePerChange) {
  ControlsForm frm;
  int intClicks = 0;
  frm.chkOption.OnClick = [&] { ++intClicks; };
  frm.chkOption.Click();
  EXPECT_EQ(frm.chkOption.Value(), forms::vbChecked);
  frm.chkOption.Value(forms::vbGrayed);
  frm.chkOption.Click();
  EXPECT_EQ(frm.chkOption.Value(), forms::vbUnchecked);
  frm.chkOption.Value(forms::vbUnchecked);  // no change, no event
  EXPECT_EQ(intClicks, 3);
  frm.chkOption.Enabled(false);
  frm.chkOption.Click();
  EXPECT_EQ(frm.chkOption.Value(), forms::vbUnchecked);
  EXPECT_EQ(intClicks, 3);
}

TEST(CommandButtonTest, ClickReachesOnlyAnEnabledVisibleButtonInAReachableFrame) {
  ControlsForm frm;
  frm.cmdGo.Container(frm.fraPage);
  int intClicks = 0;
  frm.cmdGo.OnClick = [&] { ++intClicks; };
  frm.cmdGo.Click();
  frm.cmdGo.Enabled(false);
  frm.cmdGo.Click();
  frm.cmdGo.Enabled(true);
  frm.fraPage.Visible(false);
  frm.cmdGo.Click();
  frm.fraPage.Visible(true);
  frm.Enabled(false);
  frm.cmdGo.Click();
  EXPECT_EQ(intClicks, 1);
}

TEST(TextBoxTest, TextRaisesChangeOnlyWhenItChanges) {
  ControlsForm frm;
  std::vector<std::string> seen;
  frm.txtValue.OnChange = [&] { seen.push_back(frm.txtValue.Text()); };
  frm.txtValue.Text("8");
  frm.txtValue.Text("8");
  frm.txtValue.Text("");
  EXPECT_EQ(seen, (std::vector<std::string>{"8", ""}));
}

TEST(TextBoxTest, SelectionCountsCharactersAndStaysInsideTheText) {
  ControlsForm frm;
  frm.txtValue.Text("Größe");
  frm.txtValue.SelStart(2);
  frm.txtValue.SelLength(99);
  EXPECT_EQ(frm.txtValue.SelLength(), 3);
  EXPECT_EQ(frm.txtValue.SelText(), "öße");
  frm.txtValue.SelStart(40);
  EXPECT_EQ(frm.txtValue.SelStart(), 5);
  EXPECT_THROW(frm.txtValue.SelStart(-1), forms::Error);
  frm.txtValue.Text("ab");
  EXPECT_EQ(frm.txtValue.SelStart(), 2);
}

TEST(ComboBoxTest, FreeTextWithAListInInsertionOrder) {
  ControlsForm frm;
  frm.cboField.AddItem("Text2");
  frm.cboField.AddItem("Text1");
  frm.cboField.AddItem("Enterprise-Text1", 0);
  ASSERT_EQ(frm.cboField.ListCount(), 3);
  EXPECT_EQ(frm.cboField.List(0), "Enterprise-Text1");
  EXPECT_EQ(frm.cboField.List(2), "Text1");
  EXPECT_THROW(frm.cboField.List(3), forms::Error);
  EXPECT_THROW(frm.cboField.List(-1), forms::Error);

  frm.cboField.Text("Zahl1");
  EXPECT_EQ(frm.cboField.Text(), "Zahl1");
  EXPECT_EQ(frm.cboField.ListIndex(), -1);
  frm.cboField.Text("Text2");
  EXPECT_EQ(frm.cboField.ListIndex(), 1);

  int intClicks = 0;
  frm.cboField.OnClick = [&] { ++intClicks; };
  frm.cboField.ListIndex(2);
  EXPECT_EQ(frm.cboField.Text(), "Text1");
  EXPECT_EQ(intClicks, 1);
  frm.cboField.RemoveItem(0);
  EXPECT_EQ(frm.cboField.ListIndex(), 1);
  frm.cboField.Clear();
  EXPECT_EQ(frm.cboField.ListCount(), 0);
  EXPECT_EQ(frm.cboField.Text(), "Text1");
}

TEST(ComboBoxTest, NotesStayWithTheirItemsAndChoosingAnItemGivesTheItemAlone) {
  ControlsForm frm;
  frm.cboField.AddItem("Text1");
  frm.cboField.AddItem("Text2");
  frm.cboField.ItemNote(1, "Verantwortlich");
  frm.cboField.AddItem("Enterprise-Text1", 0);
  EXPECT_EQ(frm.cboField.ItemNote(0), "");
  EXPECT_EQ(frm.cboField.ItemNote(2), "Verantwortlich");
  EXPECT_THROW(frm.cboField.ItemNote(3, "Beteiligt"), forms::Error);
  frm.cboField.ListIndex(2);
  EXPECT_EQ(frm.cboField.Text(), "Text2");
  frm.cboField.RemoveItem(1);
  EXPECT_EQ(frm.cboField.ItemNote(1), "Verantwortlich");
  frm.cboField.Clear();
  frm.cboField.AddItem("Text2");
  EXPECT_EQ(frm.cboField.ItemNote(0), "");
}

TEST(ComboBoxTest, AListOnlyBoxRefusesATextOutsideItsList) {
  ControlsForm frm;
  frm.cboField.Style(forms::vbComboDropdownList);
  frm.cboField.AddItem("klein");
  frm.cboField.Text("klein");
  EXPECT_THROW(frm.cboField.Text("riesig"), forms::Error);
  EXPECT_EQ(frm.cboField.Text(), "klein");
}

TEST(ProgressBarTest, RefusesAValueOutsideItsRangeAndKeepsTheOldOne) {
  ControlsForm frm;
  frm.barProgress.Value(2.0F);
  frm.barProgress.Value(100.0F);
  EXPECT_THROW(frm.barProgress.Value(100.5F), forms::Error);
  EXPECT_THROW(frm.barProgress.Value(-1.0F), forms::Error);
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
}

TEST(UpDownTest, ArrowClicksReachTheirHandlersOnlyWhenEnabled) {
  ControlsForm frm;
  std::string strLog;
  frm.updValue.OnUpClick = [&] { strLog += "U"; };
  frm.updValue.OnDownClick = [&] { strLog += "D"; };
  frm.updValue.UpClick();
  frm.updValue.DownClick();
  frm.updValue.Enabled(false);
  frm.updValue.UpClick();
  EXPECT_EQ(strLog, "UD");
}

TEST(LabelTest, MouseMoveAndUnderlineForALink) {
  ControlsForm frm;
  frm.lblCaption.OnMouseMove = [&](int, int, float, float) { frm.lblCaption.FontUnderline(true); };
  frm.lblCaption.MouseMove(0, 0, 10.0F, 5.0F);
  EXPECT_TRUE(frm.lblCaption.FontUnderline());
}

}  // namespace
