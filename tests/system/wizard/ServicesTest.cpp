// The wizard's buttons that open a dialog or store the defaults: the colour buttons, "Speichern..."
// and "Als Standard festlegen", answered by the scripted dialogs and a registry file of the test's
// own.

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/msproject/Application.h"
#include "support/ScriptedBackend.h"
#include "support/TestSupport.h"
#include "system/wizard/WizardTesting.h"
#include "wizard/Globals.h"

namespace {

class ServicesTest : public ::testing::Test {
 protected:
  ServicesTest() {
    testsupport::WriteFile(dir / "Plan.mpp",
                           testsupport::ReadFile(testsupport::FixturesDir() / "mspdi" /
                                                 "task-text-project2019-mspdi.xml"));
    objApplication.FileOpen(dir / "Plan.mpp");
    gobjApplication = &objApplication;
    gfrmWizard = &frm;
    wizardtest::FillDefaults(frm);
    frm.txtChartPath.Text((dir / "Plan.xls").string());
  }
  ~ServicesTest() override {
    gobjApplication = nullptr;
    gfrmWizard = nullptr;
  }

  testsupport::TempDir dir;
  shell::ScriptedBackend dialogs;
  forms::MsgBoxScript script;
  msproject::Application objApplication;
  frmQuorvan frm;
};

TEST_F(ServicesTest, AColourButtonOffersTheSwatchAndTheSixteenCustomColours) {
  wizardtest::GoTo(frm, 6);
  dialogs.Cancel();
  frm.cmdChangeColorShadowArrows.Click();
  EXPECT_EQ(frm.lblColorShadowArrows.BackColor(), 14737632);

  dialogs.AnswerColor(0x0000FF);
  frm.cmdChangeColorShadowArrows.Click();  // works with the shadow box clear
  EXPECT_EQ(frm.lblColorShadowArrows.BackColor(), 255);
  EXPECT_EQ(frm.lblColorArrows.BackColor(), 16711680);

  ASSERT_EQ(dialogs.ColorDialogs().size(), 2U);
  EXPECT_EQ(dialogs.ColorDialogs()[0].record.rgbResult, 14737632U);
  EXPECT_EQ(dialogs.ColorDialogs()[1].record.rgbResult, 14737632U);
  const auto& custom = dialogs.ColorDialogs()[1].custColors;
  EXPECT_EQ(custom[0], 0xFF8000U);   // (0, 128, 255)
  EXPECT_EQ(custom[8], 0x0000FFU);   // (255, 0, 0)
  EXPECT_EQ(custom[15], 0x00FFFFU);  // (255, 255, 0)
  EXPECT_TRUE(script.Boxes().empty());
}

TEST_F(ServicesTest, EachColourButtonChangesItsOwnSwatch) {
  const std::pair<forms::CommandButton*, forms::Label*> rows[] = {
      {&frm.cmdChangeColorHeaderTasks, &frm.lblColorHeaderTasks},
      {&frm.cmdChangeColorSubprojects, &frm.lblColorSubprojects},
      {&frm.cmdChangeColorSummaries, &frm.lblColorSummaries},
      {&frm.cmdChangeColorTasks, &frm.lblColorTasks},
      {&frm.cmdChangeColorMilestones, &frm.lblColorMilestones},
      {&frm.cmdChangeColorArrows, &frm.lblColorArrows},
      {&frm.cmdChangeColorShadowArrows, &frm.lblColorShadowArrows},
      {&frm.cmdChangeColorResponsible, &frm.lblColorResponsible},
      {&frm.cmdChangeColorParticipiant, &frm.lblColorParticipiant},
      {&frm.cmdChangeColorInformed, &frm.lblColorInformed},
      {&frm.cmdChangeColorShadowSymbols, &frm.lblColorShadowSymbols},
  };
  shell::COLORREF color = 1;
  for (std::size_t i = 0; i < std::size(rows); ++i) dialogs.AnswerColor(color++);
  for (auto [cmd, lbl] : rows) cmd->Click();
  std::int32_t lngExpected = 1;
  for (auto [cmd, lbl] : rows) EXPECT_EQ(lbl->BackColor(), lngExpected++) << cmd->Name();
}

TEST_F(ServicesTest, SaveProposesTheWorkbookNamedAfterThePlan) {
  frm.txtChartPath.Text("");
  dialogs.AnswerFile((dir / "Diagramm.xls").string());
  frm.cmdSave.Click();
  EXPECT_EQ(frm.txtChartPath.Text(), (dir / "Diagramm.xls").string());
  ASSERT_EQ(dialogs.FileDialogs().size(), 1U);
  EXPECT_TRUE(dialogs.FileDialogs()[0].blnSave);
  EXPECT_EQ(dialogs.FileDialogs()[0].strFile, "Plan.xls");
  EXPECT_EQ(dialogs.FileDialogs()[0].strTitle, "Kommunikationsdiagramm speichern");

  dialogs.Cancel();
  frm.cmdSave.Click();
  EXPECT_EQ(frm.txtChartPath.Text(), (dir / "Diagramm.xls").string());
}

TEST_F(ServicesTest, SetDefaultsStoresTheControlsAndConfirms) {
  const std::string strRegistry = (dir / "HKCU.reg").string();
  setenv("QUORVAN_REGISTRY", strRegistry.c_str(), 1);
  wizardtest::GoTo(frm, 7);
  frm.txtColumnWidth.Text("12");
  frm.cmdSetDefaults.Click();
  unsetenv("QUORVAN_REGISTRY");
  ASSERT_EQ(script.Boxes().size(), 1U);
  EXPECT_EQ(script.Boxes()[0].strPrompt,
            "Die aktuellen Diagrammeinstellungen wurden gespeichert.    ");
  EXPECT_EQ(script.Boxes()[0].intButtons, forms::vbInformation);
  EXPECT_EQ(script.Boxes()[0].strTitle, "Quorvan Assistent");
  std::string strStored = testsupport::ReadFile(strRegistry);
  EXPECT_NE(strStored.find("\"ColumnWidthRessources\"=\"12\""), std::string::npos);
  EXPECT_NE(strStored.find("\"FieldResponsible\"=\"Text21\""), std::string::npos);
}

}  // namespace
