// Finish as the user meets it: the checks, the run on a real plan with every option taken from
// the controls, the progress display, the wizard's end state and its closing.

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "chart/clsQuorvan.h"
#include "export/RunChart.h"
#include "platform/msproject/Application.h"
#include "support/TestSupport.h"
#include "system/wizard/WizardTesting.h"
#include "wizard/Globals.h"

namespace {

using wizardtest::Prompts;
using wizardtest::StepInView;
using Names = std::vector<std::string>;

// Watches the wizard's runs: hands each finished model to onModel and takes it (no export), or
// lets the export go on with blnExport.
struct ModelWatch : ProgressSink {
  std::function<void(const clsQuorvan&)> onModel;
  bool blnExport = false;
  std::vector<RunResult> colResults;

  void Progress(double, const std::string&) override {}
  bool ModelReady(const clsQuorvan& q) override {
    if (onModel) onModel(q);
    return blnExport;
  }
  void RunEnded(const RunResult& result) override { colResults.push_back(result); }
};

// What the export would find on the builder when it is handed over.
struct HandedOver {
  clsQuorvan* objQuorvan = nullptr;
  std::int32_t lngFirstRow = 0, lngFirstColumn = 0, lngMaxResourcesCount = 0, lngMaxTasksCount = 0;
  std::string strTitle;
  std::optional<chart::ArrowSize> arrowSize;
  double dblXOffsetCorrect = 0, dblYOffsetCorrect = 0, dblColumnWidthResources = 0,
         dblRowHeightTasks = 0, dblArrowThickness = 0;
  std::string strFieldResponsible, strFieldParticipiant, strFieldInformed, strFieldTargets,
      strFieldStatus, strFieldDesc, strFieldStart, strFieldFinish, strFieldDuration;
  std::int32_t lngFieldResponsible = 0, lngFieldParticipiant = 0, lngFieldInformed = 0,
               lngFieldTargets = 0, lngFieldStatus = 0, lngFieldDesc = 0, lngFieldStart = 0,
               lngFieldFinish = 0, lngFieldDuration = 0;
  std::int32_t lngArrowColor = 0, lngArrowShadowColor = 0, lngSymResponsibleColor = 0,
               lngSymParticipiantColor = 0, lngSymInformedColor = 0, lngSymShadowColor = 0;
  std::int32_t lngSummaryTaskColor = 0, lngMilestoneColor = 0, lngTaskColor = 0,
               lngProjectTaskColor = 0, lngHeaderColor = 0;
  bool blnShadowArrow = false, blnShadowSymbols = false, blnShadowStatus = false,
       blnFreezePanes = false, blnGroupTasks = false;
  std::size_t lngRows = 0;
  Names colResponsiblesOfRow21;
};

class FinishTest : public ::testing::Test {
 protected:
  FinishTest() {
    objApplication.FileOpen(testsupport::FixturesDir() / "mspdi" /
                            "task-text-project2019-mspdi.xml");
    gobjApplication = &objApplication;
    wizardtest::FillDefaults(frm);
    frm.txtChartPath.Text("/tmp/Plan.xls");
    frm.ObserveRuns(&watch);
    watch.onModel = [this](const clsQuorvan& q) {
      ++intExports;
      HandedOver& h = handedOver;
      h.objQuorvan = &const_cast<clsQuorvan&>(q);
      h.lngFirstRow = q.lngFirstRow;
      h.lngFirstColumn = q.lngFirstColumn;
      h.lngMaxResourcesCount = q.lngMaxResourcesCount;
      h.lngMaxTasksCount = q.lngMaxTasksCount;
      h.strTitle = q.strTitle;
      h.arrowSize = q.arrowSize;
      h.dblXOffsetCorrect = q.dblXOffsetCorrect;
      h.dblYOffsetCorrect = q.dblYOffsetCorrect;
      h.dblColumnWidthResources = q.dblColumnWidthResources;
      h.dblRowHeightTasks = q.dblRowHeightTasks;
      h.dblArrowThickness = q.dblArrowThickness;
      h.strFieldResponsible = q.strFieldResponsible;
      h.strFieldParticipiant = q.strFieldParticipiant;
      h.strFieldInformed = q.strFieldInformed;
      h.strFieldTargets = q.strFieldTargets;
      h.strFieldStatus = q.strFieldStatus;
      h.strFieldDesc = q.strFieldDesc;
      h.strFieldStart = q.strFieldStart;
      h.strFieldFinish = q.strFieldFinish;
      h.strFieldDuration = q.strFieldDuration;
      h.lngFieldResponsible = q.lngFieldResponsible;
      h.lngFieldParticipiant = q.lngFieldParticipiant;
      h.lngFieldInformed = q.lngFieldInformed;
      h.lngFieldTargets = q.lngFieldTargets;
      h.lngFieldStatus = q.lngFieldStatus;
      h.lngFieldDesc = q.lngFieldDesc;
      h.lngFieldStart = q.lngFieldStart;
      h.lngFieldFinish = q.lngFieldFinish;
      h.lngFieldDuration = q.lngFieldDuration;
      h.lngArrowColor = q.lngArrowColor;
      h.lngArrowShadowColor = q.lngArrowShadowColor;
      h.lngSymResponsibleColor = q.lngSymResponsibleColor;
      h.lngSymParticipiantColor = q.lngSymParticipiantColor;
      h.lngSymInformedColor = q.lngSymInformedColor;
      h.lngSymShadowColor = q.lngSymShadowColor;
      h.lngSummaryTaskColor = q.objTasks.lngSummaryTaskColor;
      h.lngMilestoneColor = q.objTasks.lngMilestoneColor;
      h.lngTaskColor = q.objTasks.lngTaskColor;
      h.lngProjectTaskColor = q.objTasks.lngProjectTaskColor;
      h.lngHeaderColor = q.objTasks.objHeaderTasks.lngHeaderColor;
      h.blnShadowArrow = q.blnShadowArrow;
      h.blnShadowSymbols = q.blnShadowSymbols;
      h.blnShadowStatus = q.blnShadowStatus;
      h.blnFreezePanes = q.blnFreezePanes;
      h.blnGroupTasks = q.blnGroupTasks;
      h.lngRows = q.objTasks.colTasks.size();
      if (h.lngRows > 20) h.colResponsiblesOfRow21 = q.objTasks.colTasks[20].colResponsibles;
      if (duringExport) duringExport(q);
    };
  }
  ~FinishTest() override { gobjApplication = nullptr; }

  forms::MsgBoxScript script;
  msproject::Application objApplication;
  frmQuorvan frm;
  HandedOver handedOver;
  int intExports = 0;
  std::function<void(const clsQuorvan&)> duringExport;
  ModelWatch watch;
};

TEST_F(FinishTest, AtStepOneTheChartIsMadeFromTheControlsAsFilled) {
  frm.cmdFinish.Click();
  ASSERT_EQ(intExports, 1);
  EXPECT_TRUE(script.Boxes().empty());
  const HandedOver& h = handedOver;
  EXPECT_EQ(h.lngFirstRow, 1);
  EXPECT_EQ(h.lngFirstColumn, 1);
  EXPECT_EQ(h.strTitle, "Kommunikationsdiagramm");
  EXPECT_EQ(h.lngMaxResourcesCount, 200);
  EXPECT_EQ(h.lngMaxTasksCount, 20000);
  EXPECT_EQ(h.dblXOffsetCorrect, -6);
  EXPECT_EQ(h.dblYOffsetCorrect, -2);
  EXPECT_EQ(h.dblColumnWidthResources, 8);
  EXPECT_EQ(h.dblRowHeightTasks, 31.5);
  EXPECT_EQ(h.dblArrowThickness, 2.5);
  EXPECT_EQ(h.arrowSize, chart::ArrowSize::Medium);
  EXPECT_EQ(h.strFieldResponsible, "Text21");
  EXPECT_EQ(h.lngFieldResponsible, 188744007);
  EXPECT_EQ(h.strFieldParticipiant, "Text22");
  EXPECT_EQ(h.lngFieldParticipiant, 188744008);
  EXPECT_EQ(h.strFieldInformed, "Text23");
  EXPECT_EQ(h.lngFieldInformed, 188744009);
  EXPECT_EQ(h.strFieldTargets, "Text20");
  EXPECT_EQ(h.lngFieldTargets, 188744006);
  EXPECT_EQ(h.strFieldStatus, "Text24");
  EXPECT_EQ(h.lngFieldStatus, 188744010);
  EXPECT_EQ(h.strFieldDesc, "Text25");
  EXPECT_EQ(h.lngFieldDesc, 188744011);
  EXPECT_EQ(h.strFieldStart, "Anfang");
  EXPECT_EQ(h.lngFieldStart, 188743715);
  EXPECT_EQ(h.strFieldFinish, "Ende");
  EXPECT_EQ(h.lngFieldFinish, 188743716);
  EXPECT_EQ(h.strFieldDuration, "Dauer");
  EXPECT_EQ(h.lngFieldDuration, 188743709);
  // The project has been read: task 21 holds "21" in Text21.
  EXPECT_EQ(h.lngRows, 30U);
  EXPECT_EQ(h.colResponsiblesOfRow21, (Names{"21"}));
  // The colours of the swatches as they opened, and the switches.
  EXPECT_EQ(h.lngArrowColor, 16711680);
  EXPECT_EQ(h.lngArrowShadowColor, 14737632);
  EXPECT_EQ(h.lngSymResponsibleColor, 0);
  EXPECT_EQ(h.lngSymParticipiantColor, 12632256);
  EXPECT_EQ(h.lngSymInformedColor, 16777215);
  EXPECT_EQ(h.lngSymShadowColor, 14737632);
  EXPECT_EQ(h.lngSummaryTaskColor, 12648447);
  EXPECT_EQ(h.lngMilestoneColor, 14737632);
  EXPECT_EQ(h.lngTaskColor, 16777215);
  EXPECT_EQ(h.lngProjectTaskColor, 12640511);
  EXPECT_EQ(h.lngHeaderColor, 14737632);
  EXPECT_FALSE(h.blnShadowArrow);
  EXPECT_FALSE(h.blnShadowSymbols);
  EXPECT_FALSE(h.blnShadowStatus);
  EXPECT_TRUE(h.blnFreezePanes);
  EXPECT_TRUE(h.blnGroupTasks);
}

TEST_F(FinishTest, OptionsFollowTheUsersEntries) {
  frm.txtRowHeight.Text("20");
  frm.txtColumnWidth.Text("5x");
  frm.txtArrowThickness.Text("0,75");
  frm.cboArrowSize.Text("Gross");
  frm.chkTargets.Value(forms::vbUnchecked);
  frm.chkStatus.Value(forms::vbGrayed);
  frm.chkDesc.Value(forms::vbUnchecked);
  frm.chkStart.Value(forms::vbUnchecked);
  frm.chkDuration.Value(forms::vbGrayed);
  frm.chkGroupTasks.Value(forms::vbGrayed);
  frm.chkShadowArrows.Value(forms::vbChecked);
  frm.chkShadowSymbols.Value(forms::vbChecked);
  frm.cboFieldInformed.Text("Zahl1");
  frm.lblColorArrows.BackColor(255);
  frm.lblColorHeaderTasks.BackColor(65280);
  frm.cmdFinish.Click();
  ASSERT_EQ(intExports, 1);
  const HandedOver& h = handedOver;
  EXPECT_EQ(h.dblRowHeightTasks, 19.5);
  EXPECT_EQ(h.dblColumnWidthResources, 4);
  EXPECT_EQ(h.dblArrowThickness, 0.75);
  EXPECT_EQ(h.arrowSize, chart::ArrowSize::Medium);
  EXPECT_EQ(h.strFieldTargets, "");
  EXPECT_EQ(h.lngFieldTargets, -1);
  EXPECT_EQ(h.strFieldStatus, "");  // greyed counts as not ticked
  EXPECT_EQ(h.lngFieldStatus, -1);
  EXPECT_EQ(h.strFieldDesc, "");
  EXPECT_EQ(h.lngFieldDesc, -1);
  EXPECT_EQ(h.strFieldStart, "");
  EXPECT_EQ(h.lngFieldStart, -1);
  EXPECT_EQ(h.strFieldFinish, "Ende");
  EXPECT_EQ(h.strFieldDuration, "");
  EXPECT_EQ(h.lngFieldDuration, -1);
  EXPECT_EQ(h.strFieldInformed, "Zahl1");
  EXPECT_EQ(h.lngFieldInformed, -1);
  EXPECT_FALSE(h.blnGroupTasks);
  EXPECT_TRUE(h.blnShadowArrow);
  EXPECT_TRUE(h.blnShadowSymbols);
  EXPECT_TRUE(h.blnShadowStatus);
  EXPECT_EQ(h.lngArrowColor, 255);
  EXPECT_EQ(h.lngHeaderColor, 65280);
}

TEST_F(FinishTest, RowHeightsSnapDownToQuarterPointSteps) {
  for (auto [strHeight, dblExpected] : {std::pair{"36", 36.0}, std::pair{"37", 36.75},
                                        std::pair{"20x", 36.0}, std::pair{"18", 18.0}}) {
    frmQuorvan frmRun;
    wizardtest::FillDefaults(frmRun);
    frmRun.txtChartPath.Text("/tmp/Plan.xls");
    frmRun.txtRowHeight.Text(strHeight);
    double dblSeen = -1;
    ModelWatch heights;
    heights.onModel = [&](const clsQuorvan& q) { dblSeen = q.dblRowHeightTasks; };
    frmRun.ObserveRuns(&heights);
    frmRun.cmdFinish.Click();
    EXPECT_EQ(dblSeen, dblExpected) << strHeight;
  }
}

TEST_F(FinishTest, WhileRunningTheWizardIsAProgressDisplayThatCannotBeLeft) {
  std::vector<bool> enabledBefore;
  frm.cmdNext.Click();  // Step 2: Back and Next enabled
  duringExport = [&](const clsQuorvan&) {
    for (forms::Control* ctl : frm.Controls()) {
      if (dynamic_cast<forms::CommandButton*>(ctl) != nullptr) {
        EXPECT_FALSE(ctl->Enabled()) << ctl->Name();
      }
    }
    EXPECT_EQ(StepInView(frm), 0);
    EXPECT_EQ(frm.fraStep2.Left(), -20000);
    EXPECT_EQ(frm.barProgress.Left(), 1920);
    EXPECT_EQ(frm.barProgress.Top(), 3000);
    EXPECT_EQ(frm.lblProgress.Left(), 1920);
    EXPECT_EQ(frm.lblProgress.Top(), 2720);
    EXPECT_FLOAT_EQ(frm.barProgress.Value(), 2.0F);
    EXPECT_EQ(frm.lblProgress.Caption(), "Daten werden für Ausgabe gesammelt...");
    EXPECT_EQ(frm.MousePointer(), forms::vbHourglass);
    EXPECT_FALSE(objApplication.Interactive());
    // Clicks that still arrive are ignored; closing is refused.
    frm.cmdFinish.Click();
    frm.cmdFinish_Click();
    frm.cmdCancel_Click();
    frm.cmdBack_Click();
    frm.Unload();
    EXPECT_TRUE(frm.Loaded());
  };
  frm.cmdFinish.Click();
  EXPECT_EQ(intExports, 1);
  EXPECT_TRUE(frm.Loaded());
  // Done: the final message, "Fertig", the buttons as they were.
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
  EXPECT_EQ(frm.lblProgress.Caption(), "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  EXPECT_EQ(frm.cmdFinish.Caption(), "&Fertig");
  EXPECT_EQ(frm.cmdFinish.ToolTipText(), "Klicken Sie hier, um den Assistenten zu schließen.");
  EXPECT_EQ(frm.cmdFinish.Tag(), "Exit");
  EXPECT_EQ(frm.MousePointer(), forms::vbDefault);
  EXPECT_TRUE(frm.cmdBack.Enabled());
  EXPECT_TRUE(frm.cmdNext.Enabled());
  EXPECT_TRUE(frm.cmdCancel.Enabled());
  EXPECT_TRUE(frm.cmdFinish.Enabled());
  EXPECT_FALSE(objApplication.Interactive());

  // "Fertig" closes the wizard and gives the host back; no second run.
  frm.cmdFinish.Click();
  EXPECT_FALSE(frm.Loaded());
  EXPECT_TRUE(objApplication.Interactive());
  EXPECT_EQ(intExports, 1);
}

TEST_F(FinishTest, AnAbandonedExportIsReportedInTheLabel) {
  // The workbook cannot be saved into a folder that is not there: the export breaks off.
  testsupport::TempDir dir;
  frm.txtChartPath.Text((dir / "fehlt" / "Plan.xlsx").string());
  watch.blnExport = true;
  frm.cmdFinish.Click();
  ASSERT_EQ(watch.colResults.size(), 1U);
  EXPECT_FALSE(watch.colResults[0].blnWritten);
  EXPECT_EQ(watch.colResults[0].colMessages.size(), script.Boxes().size());
  EXPECT_EQ(frm.lblProgress.Caption(), "Ausgabe wurde abgebrochen.");
  EXPECT_FLOAT_EQ(frm.barProgress.Value(), 100.0F);
  EXPECT_EQ(frm.cmdFinish.Caption(), "&Fertig");
}

TEST_F(FinishTest, AModelTakenByTheObserverEndsTheRunWithItsMessageAndNoWorkbook) {
  frm.cmdFinish.Click();
  EXPECT_EQ(frm.lblProgress.Caption(), "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  EXPECT_EQ(frm.cmdFinish.Tag(), "Exit");
  ASSERT_EQ(watch.colResults.size(), 1U);
  EXPECT_TRUE(watch.colResults[0].blnModelTaken);
  EXPECT_FALSE(watch.colResults[0].blnWritten);
}

TEST_F(FinishTest, AFailureInsideTheRunEndsItButTheWizardReachesItsEnd) {
  msproject::Application objEmptyHost;  // no project open: the builder cannot be made
  gobjApplication = &objEmptyHost;
  frm.cmdFinish.Click();
  EXPECT_EQ(intExports, 0);
  EXPECT_EQ(frm.lblProgress.Caption(), "Daten werden für Ausgabe gesammelt...");
  EXPECT_EQ(frm.cmdFinish.Caption(), "&Fertig");
  EXPECT_EQ(frm.cmdFinish.Tag(), "Exit");
  EXPECT_EQ(frm.MousePointer(), forms::vbDefault);
  EXPECT_TRUE(frm.cmdCancel.Enabled());
  frm.cmdCancel.Click();
  EXPECT_FALSE(frm.Loaded());
  gobjApplication = &objApplication;
}

TEST_F(FinishTest, AnEmptyPathStopsFinishWithItsMessageAndChangesNothing) {
  frm.txtChartPath.Text("");
  wizardtest::GoTo(frm, 1);
  frm.cmdFinish.Click();
  EXPECT_EQ(Prompts(script), (Names{"Legen Sie den Speicherort des Diagramms fest."}));
  EXPECT_EQ(script.Boxes()[0].intButtons, 48);
  EXPECT_EQ(script.Boxes()[0].strTitle, "Quorvan Assistent");
  EXPECT_EQ(intExports, 0);
  EXPECT_EQ(StepInView(frm), 1);
  EXPECT_EQ(frm.cmdFinish.Caption(), "&Ende");
  EXPECT_EQ(frm.cmdFinish.Tag(), "");
  EXPECT_EQ(frm.barProgress.Left(), -20000);
  EXPECT_TRUE(objApplication.Interactive());
}

TEST_F(FinishTest, AtStepSixARowHeightOf95ShowsItsMessageThenStepFour) {
  wizardtest::GoTo(frm, 6);
  frm.txtRowHeight.Text("95");
  frm.cmdFinish.Click();
  EXPECT_EQ(Prompts(script), (Names{"Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.    "}));
  EXPECT_EQ(intExports, 0);
  EXPECT_EQ(StepInView(frm), 4);
  EXPECT_EQ(frm.cmdNext.Tag(), "Step4");
  EXPECT_EQ(frm.fraStep6.Left(), -20000);
  // The refused height's box has the focus, its text selected to be typed anew.
  EXPECT_EQ(frm.ActiveControl(), &frm.txtRowHeight);
  EXPECT_EQ(frm.txtRowHeight.SelText(), "95");
  EXPECT_EQ(wizardtest::TabOrderNames(frm)[2], "chkGroupTasks");
  EXPECT_EQ(frm.cmdFinish.Caption(), "&Ende");
  // Corrected, Finish makes the chart.
  frm.txtRowHeight.Text("90");
  frm.cmdFinish.Click();
  EXPECT_EQ(intExports, 1);
}

TEST_F(FinishTest, AFailedCheckAtStepSevenLeavesStepFourWithBackAndNext) {
  wizardtest::GoTo(frm, 7);
  frm.txtArrowThickness.Text("7");
  frm.cmdFinish.Click();
  EXPECT_EQ(Prompts(script), (Names{"Bitte nur Linienstärken zwischen 0,25 und 6 eingeben.    "}));
  EXPECT_EQ(StepInView(frm), 4);
  EXPECT_TRUE(frm.cmdNext.Enabled());
  EXPECT_TRUE(frm.cmdBack.Enabled());
}

}  // namespace
