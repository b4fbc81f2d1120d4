// The wizard in English: its captions and messages from the catalog, the arrow sizes listed in
// English and read back from the English word and from the stored German one.

#include <gtest/gtest.h>

#include "platform/catalog/Catalog.h"
#include "system/wizard/WizardTesting.h"

namespace {

// English from construction to destruction, German again afterwards for the other tests.
struct English {
  English() { catalog::Use(catalog::Language::English); }
  ~English() { catalog::Use(catalog::Language::German); }
};

class EnglishWizardTest : public ::testing::Test {
 protected:
  EnglishWizardTest() { wizardtest::GoTo(frm, 1); }

  English english;
  forms::MsgBoxScript script;
  frmQuorvan frm;
};

TEST_F(EnglishWizardTest, ShowsItsStepsAndMessagesInEnglish) {
  EXPECT_EQ(frm.Caption(), "Quorvan Wizard");
  EXPECT_EQ(frm.lblStep1.Caption(), "Step 1 of 7");
  EXPECT_EQ(frm.cmdNext.Caption(), "&Next >");
  EXPECT_EQ(frm.lblFieldResponsible.Caption(), "Responsible");
  EXPECT_EQ(frm.lblFieldParticipiant.Caption(), "Participant");
  EXPECT_EQ(frm.lblFieldInformed.Caption(), "Informed");
  EXPECT_EQ(frm.chkFinish.Caption(), "Finish");

  // No path yet: Step 1 holds the wizard with its message.
  frm.cmdNext.Click();
  ASSERT_EQ(wizardtest::Prompts(script).size(), 1U);
  EXPECT_EQ(wizardtest::Prompts(script)[0], "Choose where to save the chart.");
  // A row height the wizard refuses: its message in English, the wizard held at Step 4.
  wizardtest::FillDefaults(frm);
  frm.txtChartPath.Text("/tmp/Chart.xls");
  wizardtest::GoTo(frm, 4);
  frm.txtRowHeight.Text("95");
  frm.cmdNext.Click();
  ASSERT_EQ(wizardtest::Prompts(script).size(), 2U);
  EXPECT_EQ(wizardtest::Prompts(script)[1], "Please enter a row height between 18 and 90.    ");
  EXPECT_EQ(wizardtest::StepInView(frm), 4);
}

TEST_F(EnglishWizardTest, ListsTheArrowSizesInEnglishAndReadsBothLanguagesWords) {
  chart::ChartOptions options = frm.Options();
  options.arrowSize = chart::ArrowSize::Large;
  frm.ShowOptions(options);
  EXPECT_EQ(frm.cboArrowSize.Text(), "large");
  EXPECT_EQ(frm.Options().arrowSize, chart::ArrowSize::Large);
  // The stored word, as settings written in German hold it.
  frm.cboArrowSize.Text("klein");
  EXPECT_EQ(frm.Options().arrowSize, chart::ArrowSize::Small);
  // What is stored stays German.
  EXPECT_EQ(chart::ArrowSizeWord(frm.Options().arrowSize), "klein");
}

}  // namespace
