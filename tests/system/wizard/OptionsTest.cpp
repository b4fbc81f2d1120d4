// The spinners of Step 4, clicked as a user does, at and beyond their bounds.

#include <gtest/gtest.h>

#include "system/wizard/WizardTesting.h"

namespace {

struct SpinCase {
  const char* strBefore;
  const char* strAfterUp;
  const char* strAfterDown;
};

class SpinnerTest : public ::testing::Test {
 protected:
  SpinnerTest() { wizardtest::GoTo(frm, 1); }

  static void Expect(forms::TextBox& txt, forms::UpDown& upd, const SpinCase& c) {
    txt.Text(c.strBefore);
    upd.UpClick();
    EXPECT_EQ(txt.Text(), c.strAfterUp) << "Auf bei " << c.strBefore;
    txt.Text(c.strBefore);
    upd.DownClick();
    EXPECT_EQ(txt.Text(), c.strAfterDown) << "Ab bei " << c.strBefore;
  }

  forms::MsgBoxScript script;
  frmQuorvan frm;
};

TEST_F(SpinnerTest, LineWeightStepsByAQuarterInGermanWithinItsBounds) {
  for (const SpinCase& c : {SpinCase{"0,25", "0,5", "0,25"}, SpinCase{"6", "6", "5,75"},
                            SpinCase{"2,5", "2,75", "2,25"}, SpinCase{"1,5", "1,75", "1,25"},
                            SpinCase{"7", "7", "6,75"}, SpinCase{"0", "0,25", "0"},
                            // A step that would pass a bound stops at it, as the other spinners do.
                            SpinCase{"5,9", "6", "5,65"}, SpinCase{"0,3", "0,55", "0,25"}}) {
    Expect(frm.txtArrowThickness, frm.updArrowThickness, c);
  }
  // Not a number in German: the spinner leaves it alone.
  Expect(frm.txtArrowThickness, frm.updArrowThickness, SpinCase{"dick", "dick", "dick"});
  EXPECT_TRUE(script.Boxes().empty());
}

TEST_F(SpinnerTest, ColumnWidthStepsWholeNumbersFromFourToTwenty) {
  for (const SpinCase& c :
       {SpinCase{"4", "5", "4"}, SpinCase{"20", "20", "19"}, SpinCase{"12.6", "14", "12"},
        SpinCase{"12.5", "13", "11"}, SpinCase{"", "1", ""}, SpinCase{"25", "25", "24"},
        SpinCase{"8 Zeichen", "9", "7"}}) {
    Expect(frm.txtColumnWidth, frm.updColumnWidth, c);
  }
  EXPECT_TRUE(script.Boxes().empty());
}

TEST_F(SpinnerTest, RowHeightStepsWholeNumbersFromEighteenToNinety) {
  for (const SpinCase& c :
       {SpinCase{"18", "19", "18"}, SpinCase{"90", "90", "89"}, SpinCase{"32", "33", "31"},
        SpinCase{"95", "95", "94"}, SpinCase{"17.5", "19", "17.5"}}) {
    Expect(frm.txtRowHeight, frm.updRowHeight, c);
  }
}

TEST_F(SpinnerTest, RepeatedClicksStopAtTheBound) {
  frm.txtColumnWidth.Text("17");
  for (int i = 0; i < 10; ++i) frm.updColumnWidth.UpClick();
  EXPECT_EQ(frm.txtColumnWidth.Text(), "20");
  frm.txtArrowThickness.Text("1");
  for (int i = 0; i < 10; ++i) frm.updArrowThickness.DownClick();
  EXPECT_EQ(frm.txtArrowThickness.Text(), "0,25");
}

}  // namespace
