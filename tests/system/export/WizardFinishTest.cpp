// Finish in a wizard at its defaults makes the chart: the run hands its builder to the export,
// which writes the workbook and reports in the wizard's progress display.

#include <gtest/gtest.h>

#include "export/basExcelServer.h"
#include "support/MsgBoxScript.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"
#include "system/export/ExportTesting.h"
#include "wizard/Globals.h"

namespace {

using namespace exporttest;

class WizardFinishTest : public ::testing::Test {
 protected:
  WizardFinishTest() {
    objHost_.FileOpen(testsupport::SourceDir() / "examples" / "Markteinfuehrung.xml");
    gobjApplication = &objHost_;
    gfrmWizard = &frm_;
    frm_.cboFieldResponsible.Text("Text21");
    frm_.cboFieldParticipiant.Text("Text22");
    frm_.cboFieldInformed.Text("Text23");
    frm_.cboFieldTargets.Text("Text20");
    frm_.cboFieldStatus.Text("Text24");
    frm_.cboFieldDesc.Text("Text25");
    for (forms::CheckBox* chk :
         {&frm_.chkTargets, &frm_.chkStatus, &frm_.chkDesc, &frm_.chkStart, &frm_.chkFinish,
          &frm_.chkDuration, &frm_.chkGroupTasks, &frm_.chkFreezePanes}) {
      chk->Value(forms::vbChecked);
    }
    frm_.txtArrowThickness.Text("2,5");
    frm_.cboArrowSize.Text("mittel");
    frm_.txtColumnWidth.Text("8");
    frm_.txtRowHeight.Text("32");
  }
  ~WizardFinishTest() override {
    gfrmWizard = nullptr;
    gobjApplication = nullptr;
  }

  forms::MsgBoxScript script_;
  msproject::Application objHost_;
  frmQuorvan frm_;
  testsupport::TempDir dir_;
};

TEST_F(WizardFinishTest, FinishWritesTheChartWithRowsAsHighAsTheModelsAndReportsSuccess) {
  frm_.txtChartPath.Text((dir_ / "Diagramm.xlsx").string());
  frm_.cmdFinish.Click();
  EXPECT_TRUE(script_.Boxes().empty());
  EXPECT_EQ(frm_.lblProgress.Caption(), "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  EXPECT_EQ(frm_.cmdFinish.Caption(), "Fertig");
  EXPECT_EQ(StartedExcelCount(), 0);
  const nlohmann::json objChart = ReadChart(dir_ / "Diagramm.xlsx");
  ASSERT_TRUE(objChart.contains("rows"));
  EXPECT_EQ(objChart["cells"]["A1"], "Kommunikationsdiagramm für Markteinfuehrung.xml");
  // "32" snapped to 31.5 points, and the sheet's rows keep exactly that.
  EXPECT_DOUBLE_EQ(objChart["rows"]["7"]["height"].get<double>(), 31.5);
  EXPECT_DOUBLE_EQ(objChart["rows"]["47"]["height"].get<double>(), 31.5);
  EXPECT_EQ(objChart["freeze"], "A7");
  EXPECT_GT(objChart["shapes"].size(), 200U);
}

TEST_F(WizardFinishTest, ANameOfNoKnownFormatIsWrittenAsAnExcel97WorkbookUnderThatName) {
  // The name the save dialog kept: the engine saves it in its default format, as Excel does.
  const auto target = dir_ / "Stand 05.03";
  frm_.txtChartPath.Text(target.string());
  frm_.cmdFinish.Click();
  EXPECT_TRUE(script_.Boxes().empty());
  EXPECT_EQ(frm_.lblProgress.Caption(), "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  EXPECT_EQ(testsupport::FolderListing(dir_.Path()), std::vector<std::string>{"Stand 05.03"});
  const auto read = testsupport::RunPythonCode(
      "import sys, xlrd\n"
      "print(xlrd.open_workbook(sys.argv[1]).sheet_by_index(0).cell_value(0, 0))",
      {target.string()});
  EXPECT_EQ(read.intExitCode, 0) << read.strStderr;
  EXPECT_EQ(read.strStdout, "Kommunikationsdiagramm für Markteinfuehrung.xml\n");
}

TEST_F(WizardFinishTest, ASaveThatFailsEndsTheRunAsBrokenOff) {
  const auto target = dir_ / "fehlt" / "Diagramm.xlsx";
  frm_.txtChartPath.Text(target.string());
  frm_.cmdFinish.Click();
  ASSERT_EQ(script_.Boxes().size(), 1U);
  EXPECT_EQ(script_.Boxes()[0].strTitle, "Quorvan");
  EXPECT_EQ(script_.Boxes()[0].intButtons, 48);
  EXPECT_EQ(script_.Boxes()[0].strPrompt, "Die Datei „" + target.string() +
                                              "“ konnte nicht gespeichert werden.\r\nDer Ordner „" +
                                              (dir_ / "fehlt").string() + "“ existiert nicht.");
  EXPECT_EQ(frm_.lblProgress.Caption(), "Ausgabe wurde abgebrochen.");
  EXPECT_EQ(frm_.cmdFinish.Caption(), "Fertig");
  EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
