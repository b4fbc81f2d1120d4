// The launch of the wizard: each check with its message and its stop, the questions about
// duplicates, and the wizard as the launch prepares it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addin/basProjectTools.h"
#include "platform/forms/Constants.h"
#include "settings/basRegistry.h"
#include "system/addin/AddinTesting.h"
#include "wizard/Globals.h"

namespace {

using addintest::AddinTest;
using testing::ElementsAre;
using testsupport::PlanXml;

const std::string kDuplicateNames =
    "Das Projekt enthält doppelte Ressourcennamen.      \r\nTrotzdem fortfahren?";
const std::string kDuplicateCodes =
    "Das Projekt enthält doppelte PSP-Codes.      \r\nTrotzdem fortfahren?";

class ShowTest : public AddinTest {
 protected:
  // Launches the wizard as a click on the menu entry does.
  void Launch() {
    objConnect_.AppInstance = host_.get();
    objConnect_.Show();
  }
  void ExpectStoppedWith(const std::vector<std::string>& colPrompts) {
    EXPECT_EQ(intShown_, 0);
    EXPECT_EQ(Prompts(), colPrompts);
    EXPECT_TRUE(host_->Interactive());
  }

  Connect objConnect_;
};

TEST_F(ShowTest, WithoutAProjectOnlyThatIsReported) {
  StartHost();
  Launch();
  ExpectStoppedWith({"Es ist kein Projekt geöffnet!      "});
  const auto& box = script_.Boxes().front();
  EXPECT_EQ(box.intButtons, forms::vbExclamation + forms::vbOKOnly);
  EXPECT_EQ(box.strTitle, "Quorvan");
  // The globals are set before the checks.
  EXPECT_EQ(gobjApplication, host_.get());
  EXPECT_EQ(gfrmWizard, objConnect_.mfrmWizard.get());
}

TEST_F(ShowTest, WithoutTheHostTheProjectIsMissing) {
  Launch();  // no host at all
  EXPECT_EQ(intShown_, 0);
  EXPECT_EQ(Prompts(), std::vector<std::string>{"Es ist kein Projekt geöffnet!      "});
}

TEST_F(ShowTest, APlanWithoutResourcesStopsBeforeTheTaskCheck) {
  StartHost(PlanXml());  // neither tasks nor resources
  Launch();
  ExpectStoppedWith({"Das Projekt enthält keine Ressourcen.      "});
  EXPECT_EQ(script_.Boxes().front().intButtons, 48);
}

TEST_F(ShowTest, APlanWithoutTasksIsReported) {
  StartHost(PlanXml().Resource("Anna"));
  Launch();
  ExpectStoppedWith({"Das Projekt enthält keine Vorgänge.      "});
}

TEST_F(ShowTest, DuplicateResourceNamesAreAskedAboutAndNoStops) {
  StartHost(PlanXml().Task("A").Resource("Anna").Resource("Bert").Resource("Anna"));
  script_.Answer(forms::vbNo);
  Launch();
  ExpectStoppedWith({kDuplicateNames});
  EXPECT_EQ(script_.Boxes().front().intButtons, 36);
  EXPECT_EQ(script_.Boxes().front().strTitle, "Quorvan");
}

TEST_F(ShowTest, DuplicateWbsCodesAreAskedAboutAndYesGoesOn) {
  StartHost(PlanXml().Task("A").WBS("1").Task("B").WBS("1.1").Task("C").WBS("1").Resource("Anna"));
  script_.Answer(forms::vbYes);
  Launch();
  EXPECT_EQ(intShown_, 1);
  EXPECT_EQ(Prompts(), std::vector<std::string>{kDuplicateCodes});
}

TEST_F(ShowTest, DuplicateWbsCodesWithNoStop) {
  StartHost(PlanXml().Task("A").WBS("1").Task("B").WBS("1").Resource("Anna"));
  script_.Answer(forms::vbNo);
  Launch();
  ExpectStoppedWith({kDuplicateCodes});
}

TEST_F(ShowTest, BothKindsOfDuplicatesAskTwiceAndNoToTheSecondStops) {
  const PlanXml plan =
      PlanXml().Task("A").WBS("1").Task("B").WBS("1").Resource("Anna").Resource("Anna");
  StartHost(plan);
  script_.Answer(forms::vbYes);
  script_.Answer(forms::vbNo);
  Launch();
  ExpectStoppedWith({kDuplicateNames, kDuplicateCodes});

  script_.Clear();
  script_.Answer(forms::vbYes);
  script_.Answer(forms::vbYes);
  Launch();
  EXPECT_EQ(intShown_, 1);
  EXPECT_EQ(Prompts(), (std::vector<std::string>{kDuplicateNames, kDuplicateCodes}));
}

TEST_F(ShowTest, BlankRowsAndNamesThatDifferInCaseAreNoDuplicates) {
  StartHost(PlanXml()
                .Task("A")
                .BlankTask()
                .BlankTask()
                .Task("B")
                .Resource("Anna")
                .BlankResource()
                .BlankResource()
                .Resource("anna"));
  Launch();
  EXPECT_EQ(intShown_, 1);
  EXPECT_TRUE(script_.Boxes().empty());
}

TEST_F(ShowTest, TheChecksReportOnlyWhenAsked) {
  StartHost(PlanXml().Task("A").WBS("1").Task("B").WBS("1").Resource("Anna").Resource("Anna"));
  EXPECT_TRUE(HasDuplicateResourceNames(*host_, false, "T"));
  EXPECT_TRUE(HasDuplicateWbsCodes(*host_, false, "T"));
  EXPECT_TRUE(script_.Boxes().empty());
  EXPECT_TRUE(HasDuplicateWbsCodes(*host_, true, "Titel"));
  ASSERT_EQ(script_.Boxes().size(), 1u);
  EXPECT_EQ(script_.Boxes().front().strPrompt, "Das Projekt enthält doppelte PSP-Codes.      ");
  EXPECT_EQ(script_.Boxes().front().strTitle, "Titel");
  EXPECT_TRUE(HasDuplicateResourceNames(*host_, true, "Titel"));
  EXPECT_EQ(script_.Boxes().back().strPrompt,
            "Das Projekt enthält doppelte Ressourcennamen.      ");

  msproject::Application objEmpty;
  EXPECT_FALSE(CheckProjectOpen(objEmpty, false, "T"));
  EXPECT_FALSE(CheckResourcesExist(objEmpty, false, "T"));
  EXPECT_FALSE(CheckTasksExist(objEmpty, false, "T"));
  EXPECT_FALSE(HasDuplicateWbsCodes(objEmpty, true, "T"));
  EXPECT_EQ(script_.Boxes().size(), 2u);
}

TEST_F(ShowTest, TheWizardOpensWithTheListsTheDefaultsAndTheInitialKeyboardOrder) {
  StartHost(PlanXml().Task("A").Resource("Anna"));
  whileShown_ = [&](frmQuorvan& frm) {
    EXPECT_FALSE(host_->Interactive());
    EXPECT_EQ(gfrmWizard, &frm);
    EXPECT_TRUE(frm.Modal());
    ASSERT_EQ(frm.cboArrowSize.ListCount(), 3);
    EXPECT_EQ(frm.cboArrowSize.List(0), "klein");
    EXPECT_EQ(frm.cboArrowSize.List(1), "mittel");
    EXPECT_EQ(frm.cboArrowSize.List(2), "groß");
    for (forms::ComboBox* cbo :
         {&frm.cboFieldResponsible, &frm.cboFieldParticipiant, &frm.cboFieldInformed,
          &frm.cboFieldStatus, &frm.cboFieldTargets, &frm.cboFieldDesc}) {
      ASSERT_EQ(cbo->ListCount(), 70) << cbo->Name();
      EXPECT_EQ(cbo->List(0), "Enterprise-Text1");
      EXPECT_EQ(cbo->List(39), "Enterprise-Text40");
      EXPECT_EQ(cbo->List(40), "Text1");
      EXPECT_EQ(cbo->List(69), "Text30");
    }
    // The stored defaults of a machine without any.
    EXPECT_EQ(frm.cboFieldResponsible.Text(), "Text21");
    EXPECT_EQ(frm.txtArrowThickness.Text(), "2,5");

    EXPECT_EQ(frm.ActiveControl(), &frm.cmdNext);
    std::vector<std::string> colStops;
    for (forms::Control* ctl : frm.Controls()) {
      if (ctl->TabStop()) colStops.push_back(ctl->Name() + "=" + std::to_string(ctl->TabIndex()));
    }
    EXPECT_THAT(colStops, testing::UnorderedElementsAre("cmdNext=0", "cmdFinish=1", "cmdSave=2",
                                                        "cmdCancel=3", "cmdBack=4"));
    EXPECT_EQ(frm.txtChartPath.SelStart(), 0);
    EXPECT_EQ(frm.txtChartPath.SelLength(), 0);
  };
  Launch();
  EXPECT_EQ(intShown_, 1);
  EXPECT_TRUE(host_->Interactive());
  EXPECT_TRUE(script_.Boxes().empty());
}

TEST_F(ShowTest, EachLaunchShowsTheDefaultsStoredMeanwhileAndNoListGrows) {
  StartHost(PlanXml().Task("A").Resource("Anna"));
  std::vector<std::string> colSeen;
  whileShown_ = [&](frmQuorvan& frm) {
    colSeen.push_back(frm.cboFieldResponsible.Text() + " " +
                      std::to_string(frm.cboFieldResponsible.ListCount()) + " " +
                      std::to_string(frm.cboArrowSize.ListCount()));
  };
  Launch();
  ASSERT_TRUE(WriteRegString(registry::HKEY_CURRENT_USER, "Software\\Tevrana\\Quorvan\\Settings",
                             "FieldResponsible", "Enterprise-Text7"));
  Launch();
  EXPECT_THAT(colSeen, ElementsAre("Text21 70 3", "Enterprise-Text7 70 3"));
  frmQuorvan* first = objConnect_.mfrmWizard.get();
  Launch();
  EXPECT_EQ(objConnect_.mfrmWizard.get(), first);  // one wizard for the connection
}

}  // namespace
