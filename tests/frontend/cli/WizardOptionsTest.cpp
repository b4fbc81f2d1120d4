// The wizard's options on the command line: how they are read, and what each does to its
// control of a real wizard.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/WizardOptions.h"
#include "wizard/frmQuorvan.h"

namespace {

cli::ParsedCommandLine Parse(std::vector<std::string> colArguments) {
  colArguments.insert(colArguments.begin(), {"quorvan", "Plan.xml"});
  std::vector<const char*> argv;
  for (const auto& strArgument : colArguments) argv.push_back(strArgument.c_str());
  return cli::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(ParseColor, TurnsRgbIntoTheWindowsColourValue) {
  EXPECT_EQ(cli::ParseColor("#FF0000"), 255);
  EXPECT_EQ(cli::ParseColor("#00ff00"), 65280);
  EXPECT_EQ(cli::ParseColor("#0000FF"), 16711680);
  EXPECT_EQ(cli::ParseColor("#123456"), 0x56 * 65536 + 0x34 * 256 + 0x12);
  EXPECT_EQ(cli::ParseColor("#FFFFFF"), 16777215);
  EXPECT_EQ(cli::ParseColor("#000000"), 0);
  for (const char* strBad :
       {"", "FF0000", "#FFF", "#FF00000", "#GG0000", "# FF000", "rot", "#-10000", "0xFF0000"}) {
    EXPECT_FALSE(cli::ParseColor(strBad).has_value()) << strBad;
  }
}

class WizardOptionsTest : public ::testing::Test {
 protected:
  std::unique_ptr<frmQuorvan> frm_ = std::make_unique<frmQuorvan>();

  void ApplyArguments(const std::vector<std::string>& colArguments) {
    const auto parsed = Parse(colArguments);
    ASSERT_TRUE(parsed.options.has_value()) << parsed.strStderr;
    // The options over what the wizard shows, shown again, as the wizard would take them.
    chart::ChartOptions options = frm_->Options();
    cli::ApplyWizardOptions(parsed.options->wizard, options);
    frm_->ShowOptions(options);
    frm_->txtChartPath.Text(options.strChartPath);
  }
};

TEST_F(WizardOptionsTest, PutsEachOptionIntoItsControl) {
  frm_->chkTargets.Value(1);
  frm_->chkStart.Value(0);
  ApplyArguments({"-o",
                  "/tmp/Plan.xls",
                  "--responsible",
                  "Text30",
                  "--participant",
                  "Enterprise-Text2",
                  "--informed",
                  "Enterprise-Text40",
                  "--no-targets",
                  "--status",
                  "Text5",
                  "--remarks",
                  "Text6",
                  "--start",
                  "--no-finish",
                  "--no-duration",
                  "--no-group-tasks",
                  "--freeze-panes",
                  "--column-width",
                  "12.6",
                  "--row-height",
                  "40",
                  "--arrow-weight",
                  "0,75",
                  "--arrow-size",
                  "groß",
                  "--color-headers",
                  "#FF0000",
                  "--color-symbol-shadows",
                  "#0000ff",
                  "--shadow-arrows",
                  "--no-shadow-symbols"});
  const frmQuorvan& frm = *frm_;
  EXPECT_EQ(frm.txtChartPath.Text(), "/tmp/Plan.xls");
  EXPECT_EQ(frm.cboFieldResponsible.Text(), "Text30");
  EXPECT_EQ(frm.cboFieldParticipiant.Text(), "Enterprise-Text2");
  EXPECT_EQ(frm.cboFieldInformed.Text(), "Enterprise-Text40");
  EXPECT_EQ(frm.chkTargets.Value(), 0);
  EXPECT_EQ(frm.chkStatus.Value(), 1);
  EXPECT_EQ(frm.cboFieldStatus.Text(), "Text5");
  EXPECT_EQ(frm.chkDesc.Value(), 1);
  EXPECT_EQ(frm.cboFieldDesc.Text(), "Text6");
  EXPECT_EQ(frm.chkStart.Value(), 1);
  EXPECT_EQ(frm.chkFinish.Value(), 0);
  EXPECT_EQ(frm.chkDuration.Value(), 0);
  EXPECT_EQ(frm.chkGroupTasks.Value(), 0);
  EXPECT_EQ(frm.chkFreezePanes.Value(), 1);
  EXPECT_EQ(frm.txtColumnWidth.Text(), "12.6");  // as typed: the wizard reads it
  EXPECT_EQ(frm.txtRowHeight.Text(), "40");
  EXPECT_EQ(frm.txtArrowThickness.Text(), "0,75");
  EXPECT_EQ(frm.cboArrowSize.Text(), "groß");
  EXPECT_EQ(frm.lblColorHeaderTasks.BackColor(), 255);
  EXPECT_EQ(frm.lblColorShadowSymbols.BackColor(), 16711680);
  EXPECT_EQ(frm.chkShadowArrows.Value(), 1);
  EXPECT_EQ(frm.chkShadowSymbols.Value(), 0);
}

TEST_F(WizardOptionsTest, LeavesEveryControlWithoutAnOptionAsItWas) {
  frm_->cboFieldTargets.Text("Text20");
  frm_->chkTargets.Value(2);
  frm_->txtRowHeight.Text("32");
  const std::int32_t lngArrows = frm_->lblColorArrows.BackColor();
  ApplyArguments({"--dump-model", "--color-tasks", "#00FF00"});
  EXPECT_EQ(frm_->cboFieldTargets.Text(), "Text20");
  EXPECT_EQ(frm_->chkTargets.Value(), 2);
  EXPECT_EQ(frm_->txtRowHeight.Text(), "32");
  EXPECT_EQ(frm_->lblColorArrows.BackColor(), lngArrows);
  EXPECT_EQ(frm_->lblColorTasks.BackColor(), 65280);
  EXPECT_EQ(frm_->txtChartPath.Text(), "");
}

TEST_F(WizardOptionsTest, AFieldGivenForAColumnTicksIt) {
  frm_->chkTargets.Value(0);
  ApplyArguments({"--dump-model", "--targets", "Text3"});
  EXPECT_EQ(frm_->chkTargets.Value(), 1);
  EXPECT_EQ(frm_->cboFieldTargets.Text(), "Text3");
}

TEST(WizardOptionsRefused, MalformedOrContradictoryOptionsAreUsageErrors) {
  struct Case {
    std::vector<std::string> colArguments;
    std::string strMessage;
  };
  const std::vector<Case> cases = {
      {{"--color-arrows", "blau"}, "--color-arrows: „blau“ ist keine Farbe der Form #RRGGBB."},
      {{"--color-informed", "#12345"}, "ist keine Farbe der Form #RRGGBB"},
      {{"--start", "--no-start"}, "schließen einander aus: --start und --no-start"},
      {{"--targets", "Text1", "--no-targets"}, "schließen einander aus"},
      {{"--row-height"}, "ungültigen oder überzähligen Wert"},
      {{"--colour-arrows", "#FF0000"}, "Unbekanntes Argument: --colour-arrows"},
      // The wizard offers fields and arrow heads in lists, spelled as they are stored.
      {{"--responsible", "text21"},
       "--responsible: „text21“ steht nicht in der Liste des Assistenten (gemeint: „Text21“?). "
       "Gültig sind Text1 … Text30 und Enterprise-Text1 … Enterprise-Text40."},
      {{"--responsible", "Text99"}, "„Text99“ steht nicht in der Liste"},
      {{"--participant", "Enterprise-Text41"}, "„Enterprise-Text41“ steht nicht in der Liste"},
      {{"--informed", ""}, "--informed: „“ steht nicht in der Liste"},
      {{"--informed", "Text0"}, "„Text0“ steht nicht in der Liste"},
      {{"--targets", "Text99"}, "--targets: „Text99“ steht nicht in der Liste"},
      {{"--remarks", "Bemerkung"}, "--remarks: „Bemerkung“ steht nicht in der Liste"},
      {{"--arrow-size", "riesig"},
       "--arrow-size: „riesig“ steht nicht in der Liste des Assistenten. Gültig sind klein, "
       "mittel und groß."},
      {{"--arrow-size", "Groß"}, "(gemeint: „groß“?)"},
  };
  for (const Case& c : cases) {
    const auto parsed = Parse(c.colArguments);
    EXPECT_FALSE(parsed.options.has_value()) << c.strMessage;
    EXPECT_EQ(parsed.intExitCode, 2) << c.strMessage;
    EXPECT_NE(parsed.strStderr.find(c.strMessage), std::string::npos) << parsed.strStderr;
  }
}

}  // namespace
