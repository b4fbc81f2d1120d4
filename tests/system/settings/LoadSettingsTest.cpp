#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/registry/ScopedRegistryFile.h"
#include "settings/LoadSettings.h"
#include "settings/SaveDefaults.h"
#include "settings/basRegistry.h"
#include "support/MsgBoxScript.h"
#include "support/TestSupport.h"
#include "wizard/frmQuorvan.h"

namespace {

using registry::HKEY_CURRENT_USER;

constexpr const char* kColors = "Software\\Tevrana\\Quorvan\\Colors";
constexpr const char* kShadows = "Software\\Tevrana\\Quorvan\\Shadows";
constexpr const char* kSettingsKey = "Software\\Tevrana\\Quorvan\\Settings";

// A fresh wizard as the launch creates it; the stored defaults go through its options into its
// controls and back, as the launch and the button "Als Standard festlegen" take them.
class SettingsOnTheWizard : public ::testing::Test {
 protected:
  SettingsOnTheWizard() : frm_(std::make_unique<frmQuorvan>()) {}

  void LoadSettings() {
    chart::ChartOptions options = frm_->Options();
    ::LoadSettings(options);
    frm_->ShowOptions(options);
  }
  static bool SaveDefaults(const frmQuorvan& frm) {
    return ::SaveDefaults(frm.Options(), frm.Caption());
  }

  // Closes the wizard and opens a new one, as the next launch does.
  frmQuorvan& Relaunch() {
    frm_ = std::make_unique<frmQuorvan>();
    LoadSettings();
    return *frm_;
  }

  testsupport::ScopedRegistryFile file_;
  forms::MsgBoxScript boxes_;
  std::unique_ptr<frmQuorvan> frm_;
};

TEST_F(SettingsOnTheWizard, LoadsTheEditorsExportAsTheControlsShowIt) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  LoadSettings();
  const frmQuorvan& frm = *frm_;

  EXPECT_EQ(frm.lblColorHeaderTasks.BackColor(), 14737632);
  EXPECT_EQ(frm.lblColorSubprojects.BackColor(), 255);
  EXPECT_EQ(frm.lblColorSummaries.BackColor(), 0);  // "abc": no leading number
  EXPECT_EQ(frm.lblColorTasks.BackColor(), 13);     // "12.6"
  EXPECT_EQ(frm.lblColorMilestones.BackColor(), 8421504);
  EXPECT_EQ(frm.lblColorArrows.BackColor(), 16711680);        // missing: initial
  EXPECT_EQ(frm.lblColorShadowArrows.BackColor(), 14737632);  // "": initial
  EXPECT_EQ(frm.lblColorResponsible.BackColor(), 0);
  EXPECT_EQ(frm.lblColorParticipiant.BackColor(), 12632256);
  EXPECT_EQ(frm.lblColorInformed.BackColor(), 65535);
  EXPECT_EQ(frm.lblColorShadowSymbols.BackColor(), 14737632);

  EXPECT_EQ(frm.chkShadowArrows.Value(), 1);
  EXPECT_EQ(frm.chkShadowSymbols.Value(), 0);  // "Ja": keeps its state

  EXPECT_EQ(frm.cboFieldResponsible.Text(), "Text11");
  EXPECT_EQ(frm.cboFieldParticipiant.Text(), "Number3");
  EXPECT_EQ(frm.cboFieldInformed.Text(), "Enterprise-Text40");
  EXPECT_EQ(frm.cboFieldTargets.Text(), "Text20");  // too long for the buffer: the default
  EXPECT_EQ(frm.cboFieldStatus.Text(), "Text24");
  EXPECT_EQ(frm.cboFieldDesc.Text(), "Text26");  // REG_EXPAND_SZ, not expanded

  EXPECT_EQ(frm.chkTargets.Value(), 1);
  EXPECT_EQ(frm.chkStatus.Value(), 0);
  EXPECT_EQ(frm.chkDesc.Value(), 2);    // greyed
  EXPECT_EQ(frm.chkStart.Value(), 0);   // REG_DWORD 5: out of range, keeps its state
  EXPECT_EQ(frm.chkFinish.Value(), 1);  // REG_BINARY reads as empty: ticked
  EXPECT_EQ(frm.chkDuration.Value(), 1);

  EXPECT_EQ(frm.txtArrowThickness.Text(), "1,75");
  EXPECT_EQ(frm.cboArrowSize.Text(), "mittel");  // "Mittel" is not one of the sizes
  EXPECT_EQ(frm.chkGroupTasks.Value(), 0);
  EXPECT_EQ(frm.chkFreezePanes.Value(), 1);  // missing: ticked
  EXPECT_EQ(frm.txtColumnWidth.Text(), " ");
  EXPECT_EQ(frm.txtRowHeight.Text(), "40");
  EXPECT_TRUE(boxes_.Boxes().empty());  // loading reports nothing
}

TEST_F(SettingsOnTheWizard, AnEmptyStoreGivesTheDefaults) {
  LoadSettings();
  const frmQuorvan& frm = *frm_;
  EXPECT_EQ(frm.lblColorHeaderTasks.BackColor(), 14737632);
  EXPECT_EQ(frm.lblColorSubprojects.BackColor(), 12640511);
  EXPECT_EQ(frm.lblColorSummaries.BackColor(), 12648447);
  EXPECT_EQ(frm.lblColorTasks.BackColor(), 16777215);
  EXPECT_EQ(frm.lblColorMilestones.BackColor(), 14737632);
  EXPECT_EQ(frm.lblColorArrows.BackColor(), 16711680);
  EXPECT_EQ(frm.lblColorShadowArrows.BackColor(), 14737632);
  EXPECT_EQ(frm.lblColorResponsible.BackColor(), 0);
  EXPECT_EQ(frm.lblColorParticipiant.BackColor(), 12632256);
  EXPECT_EQ(frm.lblColorInformed.BackColor(), 16777215);
  EXPECT_EQ(frm.lblColorShadowSymbols.BackColor(), 14737632);
  EXPECT_EQ(frm.chkShadowArrows.Value(), 0);
  EXPECT_EQ(frm.chkShadowSymbols.Value(), 0);
  EXPECT_EQ(frm.cboFieldResponsible.Text(), "Text21");
  EXPECT_EQ(frm.cboFieldParticipiant.Text(), "Text22");
  EXPECT_EQ(frm.cboFieldInformed.Text(), "Text23");
  EXPECT_EQ(frm.cboFieldTargets.Text(), "Text20");
  EXPECT_EQ(frm.cboFieldStatus.Text(), "Text24");
  EXPECT_EQ(frm.cboFieldDesc.Text(), "Text25");
  for (const forms::CheckBox* chk :
       {&frm.chkTargets, &frm.chkStatus, &frm.chkDesc, &frm.chkStart, &frm.chkFinish,
        &frm.chkDuration, &frm.chkGroupTasks, &frm.chkFreezePanes}) {
    EXPECT_EQ(chk->Value(), 1) << chk->Name();
  }
  EXPECT_EQ(frm.txtArrowThickness.Text(), "2,5");
  EXPECT_EQ(frm.cboArrowSize.Text(), "mittel");
  EXPECT_EQ(frm.txtColumnWidth.Text(), "8");
  EXPECT_EQ(frm.txtRowHeight.Text(), "32");
  EXPECT_FALSE(std::filesystem::exists(file_.Path()));  // loading writes nothing
}

TEST_F(SettingsOnTheWizard, KeepsTheSwatchWhenTheStoredColourIsNoColour) {
  WriteRegString(HKEY_CURRENT_USER, kColors, "ColorHeader", "99999999999");  // overflow
  WriteRegString(HKEY_CURRENT_USER, kColors, "ColorTasksTask", "-5");
  WriteRegString(HKEY_CURRENT_USER, kColors, "ColorArrow", "16777216");  // above white
  WriteRegString(HKEY_CURRENT_USER, kColors, "ColorTasksSummary", " 255 blue");
  WriteRegString(HKEY_CURRENT_USER, kShadows, "ShadowArrow", "1,4");  // rounds to 1
  WriteRegString(HKEY_CURRENT_USER, kSettingsKey, "GroupTasks", "3");
  LoadSettings();
  EXPECT_EQ(frm_->lblColorHeaderTasks.BackColor(), 14737632);
  EXPECT_EQ(frm_->lblColorTasks.BackColor(), 16777215);
  EXPECT_EQ(frm_->lblColorArrows.BackColor(), 16711680);
  EXPECT_EQ(frm_->lblColorSummaries.BackColor(), 255);
  EXPECT_EQ(frm_->chkShadowArrows.Value(), 1);
  EXPECT_EQ(frm_->chkGroupTasks.Value(), 0);  // out of range: keeps its initial state
}

TEST_F(SettingsOnTheWizard, SavedDefaultsComeBackAtTheNextLaunch) {
  frmQuorvan& frm = *frm_;
  LoadSettings();
  frm.lblColorHeaderTasks.BackColor(255);
  frm.lblColorShadowSymbols.BackColor(65280);
  frm.chkShadowArrows.Value(1);
  frm.chkShadowSymbols.Value(2);
  frm.cboFieldResponsible.Text("Enterprise-Text7");
  frm.cboFieldInformed.Text("Mein Feld; mit \"Zeichen\" \\ und ß");
  frm.chkStatus.Value(0);
  frm.cboFieldStatus.Text("Text3");
  frm.chkDuration.Value(0);
  frm.txtArrowThickness.Text("0,75");
  frm.cboArrowSize.Text("groß");
  frm.chkFreezePanes.Value(0);
  frm.txtColumnWidth.Text("");  // emptied
  frm.txtRowHeight.Text("12.6");

  EXPECT_TRUE(SaveDefaults(frm));
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(boxes_.Boxes()[0].strPrompt,
            "Die aktuellen Diagrammeinstellungen wurden gespeichert.    ");
  EXPECT_EQ(boxes_.Boxes()[0].intButtons, 64);
  EXPECT_EQ(boxes_.Boxes()[0].strTitle, "Quorvan Assistent");

  // What the store holds, as text.
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kColors, "ColorHeader"), "255");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kColors, "ColorArrow"), "16711680");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kShadows, "ShadowSymbols"), "2");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "UseFieldStatus"), "0");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "ColumnWidthRessources"), " ");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "ArrowEndSize"), "groß");

  const frmQuorvan& again = Relaunch();
  EXPECT_EQ(again.lblColorHeaderTasks.BackColor(), 255);
  EXPECT_EQ(again.lblColorShadowSymbols.BackColor(), 65280);
  EXPECT_EQ(again.lblColorSubprojects.BackColor(), 12640511);
  EXPECT_EQ(again.chkShadowArrows.Value(), 1);
  EXPECT_EQ(again.chkShadowSymbols.Value(), 2);
  EXPECT_EQ(again.cboFieldResponsible.Text(), "Enterprise-Text7");
  EXPECT_EQ(again.cboFieldParticipiant.Text(), "Text22");
  EXPECT_EQ(again.cboFieldInformed.Text(), "Mein Feld; mit \"Zeichen\" \\ und ß");
  EXPECT_EQ(again.chkStatus.Value(), 0);
  EXPECT_EQ(again.cboFieldStatus.Text(), "Text3");
  EXPECT_EQ(again.chkDuration.Value(), 0);
  EXPECT_EQ(again.chkTargets.Value(), 1);
  EXPECT_EQ(again.txtArrowThickness.Text(), "0,75");
  EXPECT_EQ(again.cboArrowSize.Text(), "groß");
  EXPECT_EQ(again.chkFreezePanes.Value(), 0);
  EXPECT_EQ(again.txtColumnWidth.Text(), " ");  // the blank, not the default
  EXPECT_EQ(again.txtRowHeight.Text(), "12.6");
}

TEST_F(SettingsOnTheWizard, AnArrowSizeInAnotherLetterCaseIsSavedAsMittel) {
  LoadSettings();
  frm_->cboArrowSize.Text("Klein");
  SaveDefaults(*frm_);
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "ArrowEndSize"), "mittel");
  frm_->cboArrowSize.Text("klein");
  SaveDefaults(*frm_);
  EXPECT_EQ(Relaunch().cboArrowSize.Text(), "klein");
}

TEST_F(SettingsOnTheWizard, ADwordAndAnOverlongValueGiveWayToSavedDefaults) {
  file_.CopyFixture(testsupport::kRegistryFixture);
  LoadSettings();
  EXPECT_EQ(frm_->chkStart.Value(), 0);
  EXPECT_TRUE(SaveDefaults(*frm_));
  // The value that was a REG_DWORD and the one of 1,106 characters are plain texts now.
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "UseFieldStart"), "0");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "FieldTargets"), "Text20");
  EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, kSettingsKey, "ArrowEndSize"), "mittel");
  // What is not the wizard's stays as it was.
  EXPECT_EQ(
      ReadRegString(HKEY_CURRENT_USER, "Software\\VB and VBA Program Settings\\Quorvan\\Settings",
                    "DisplayOnConnect"),
      "1");
  const frmQuorvan& again = Relaunch();
  EXPECT_EQ(again.cboFieldTargets.Text(), "Text20");
  EXPECT_EQ(again.chkStart.Value(), 0);
  EXPECT_EQ(again.lblColorTasks.BackColor(), 13);
}

TEST_F(SettingsOnTheWizard, ATypedTextTooLongForTheBufferComesBackAsTheDefault) {
  LoadSettings();
  const std::string strLong(1024, 'T');  // with its terminating zero one byte too many
  const std::string strFits(1023, 'T');
  frm_->cboFieldTargets.Text(strLong);
  frm_->cboFieldStatus.Text(strFits);
  EXPECT_TRUE(SaveDefaults(*frm_));
  const frmQuorvan& again = Relaunch();
  EXPECT_EQ(again.cboFieldTargets.Text(), "Text20");
  EXPECT_EQ(again.cboFieldStatus.Text(), strFits);
}

TEST_F(SettingsOnTheWizard, ASaveThatFailedIsNotReportedAsDone) {
  std::filesystem::create_directory(file_.Path());  // the store cannot be written
  LoadSettings();
  EXPECT_FALSE(SaveDefaults(*frm_));
  ASSERT_EQ(boxes_.Boxes().size(), 1u);
  EXPECT_EQ(
      boxes_.Boxes()[0].strPrompt,
      "Die aktuellen Diagrammeinstellungen konnten nicht vollständig gespeichert werden.    ");
  EXPECT_EQ(boxes_.Boxes()[0].intButtons, 48);
  EXPECT_EQ(boxes_.Boxes()[0].strTitle, "Quorvan Assistent");
}

}  // namespace
