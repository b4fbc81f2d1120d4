// Finish and the run: the checks, the progress display, a new builder with every option of the
// wizard, the reading of the project, the hand-over to the export and the final message.

#include <memory>

#include "chart/LayoutNumbers.h"
#include "chart/clsQuorvan.h"
#include "platform/msproject/Application.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"
#include "wizard/Globals.h"
#include "wizard/basProgress.h"
#include "wizard/frmQuorvan.h"

namespace {

// Microsoft Project's field identifiers of the task's start, finish and duration.
constexpr std::int32_t kFieldStart = 188743715;
constexpr std::int32_t kFieldFinish = 188743716;
constexpr std::int32_t kFieldDuration = 188743709;

constexpr double kDefaultColumnWidth = 4;
constexpr double kDefaultRowHeight = 36;

// Enables (true) or disables (false) the host's windows.
void HostInteractive(bool blnValue) {
  vb::TrySkip([&] {
    if (gobjApplication == nullptr) {
      throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: gobjApplication");
    }
    gobjApplication->Interactive(blnValue);
  });
}

bool Ticked(const forms::CheckBox& chk) {
  return chk.Value() == forms::vbChecked;
}

std::string ArrowSize(const std::string& strText) {
  if (strText == "groß" || strText == "mittel" || strText == "klein") return strText;
  return "mittel";
}

// Keeps every button of the wizard disabled while a run is in progress and gives each its own
// state back afterwards, however the run ends.
class RunGuard {
 public:
  RunGuard(bool& blnRunning, std::vector<forms::CommandButton*> buttons)
      : blnRunning_(blnRunning), buttons_(std::move(buttons)) {
    blnRunning_ = true;
    for (forms::CommandButton* cmd : buttons_) {
      blnEnabled_.push_back(cmd->Enabled());
      vb::TrySkip([&] { cmd->Enabled(false); });
    }
  }
  ~RunGuard() {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
      vb::TrySkip([&] { buttons_[i]->Enabled(blnEnabled_[i]); });
    }
    blnRunning_ = false;
  }
  RunGuard(const RunGuard&) = delete;
  RunGuard& operator=(const RunGuard&) = delete;

 private:
  bool& blnRunning_;
  std::vector<forms::CommandButton*> buttons_;
  std::vector<bool> blnEnabled_;
};

}  // namespace

void frmQuorvan::cmdFinish_Click() {
  if (blnRunning_) return;
  if (!cmdFinish.Tag().empty()) {
    HostInteractive(true);
    Unload();
    return;
  }
  if (!CheckChartPath()) return;
  if (!CheckLayoutNumbers()) {
    vb::ResumeNext steps;
    for (forms::Frame* fra : StepFrames()) steps([&] { fra->Left(wizard::kOutOfView); });
    steps([&] { cmdNext.Tag(wizard::StepTag(3)); });
    cmdNext_Click();
    return;
  }

  {
    RunGuard guard(blnRunning_, AllButtons());
    vb::ResumeNext steps;
    HostInteractive(false);
    for (forms::Frame* fra : StepFrames()) steps([&] { fra->Left(wizard::kOutOfView); });
    steps([&] { barProgress.Left(wizard::kProgressLeft); });
    steps([&] { barProgress.Top(wizard::kProgressBarTop); });
    steps([&] { lblProgress.Left(wizard::kProgressLeft); });
    steps([&] { lblProgress.Top(wizard::kProgressLabelTop); });
    // A failure that escapes the run ends it there; the wizard still reaches its end state.
    steps([&] { CreateChart(); });
  }
  vb::ResumeNext steps;
  steps([&] { cmdFinish.Caption("Fertig"); });
  steps([&] { cmdFinish.ToolTipText("Klicken Sie hier, um den Assistenten zu schließen."); });
  steps([&] { cmdFinish.Tag("Exit"); });
}

void frmQuorvan::CreateChart() {
  // The pointer comes back however the run ends.
  struct PointerGuard {
    frmQuorvan& frm;
    ~PointerGuard() {
      vb::TrySkip([&] { frm.MousePointer(forms::vbDefault); });
    }
  } pointer{*this};
  vb::TrySkip([&] { MousePointer(forms::vbHourglass); });
  vb::TrySkip([&] { Refresh(); });

  ShowProgress(true, 2, "Daten werden für Ausgabe gesammelt...");
  auto objQuorvan = std::make_unique<clsQuorvan>();
  BuildChart(*objQuorvan);
  if (ExportChart) ExportChart(*objQuorvan);
  if (objQuorvan->blnFastExit) {
    ShowProgress(true, 100, "Ausgabe wurde abgebrochen.");
  } else {
    ShowProgress(true, 100, "Kommunikationsdiagramm wurde erfolgreich erstellt.");
  }
  objQuorvan.reset();
}

void frmQuorvan::BuildChart(clsQuorvan& objQuorvan) {
  objQuorvan.lngFirstRow = 1;
  objQuorvan.lngFirstColumn = 1;
  objQuorvan.strTitle = "Kommunikationsdiagramm";
  objQuorvan.lngMaxResourcesCount = 200;
  objQuorvan.lngMaxTasksCount = 20000;
  objQuorvan.dblXOffsetCorrect = -6;
  objQuorvan.dblYOffsetCorrect = -2;

  const std::string& strColumnWidth = txtColumnWidth.Text();
  objQuorvan.dblColumnWidthResources =
      vb::IsNumeric(strColumnWidth) ? vb::Val(strColumnWidth) : kDefaultColumnWidth;
  const std::string& strRowHeight = txtRowHeight.Text();
  objQuorvan.dblRowHeightTasks =
      vb::IsNumeric(strRowHeight) ? chart::SnapRowHeight(vb::Val(strRowHeight)) : kDefaultRowHeight;

  objQuorvan.strFieldResponsible = cboFieldResponsible.Text();
  objQuorvan.lngFieldResponsible = FieldId(objQuorvan.strFieldResponsible);
  objQuorvan.strFieldParticipiant = cboFieldParticipiant.Text();
  objQuorvan.lngFieldParticipiant = FieldId(objQuorvan.strFieldParticipiant);
  objQuorvan.strFieldInformed = cboFieldInformed.Text();
  objQuorvan.lngFieldInformed = FieldId(objQuorvan.strFieldInformed);

  auto optional = [](const forms::CheckBox& chk, const forms::ComboBox& cbo, std::string& strField,
                     std::int32_t& lngField) {
    if (Ticked(chk)) {
      strField = cbo.Text();
      lngField = FieldId(strField);
    } else {
      strField = "";
      lngField = -1;
    }
  };
  optional(chkTargets, cboFieldTargets, objQuorvan.strFieldTargets, objQuorvan.lngFieldTargets);
  optional(chkStatus, cboFieldStatus, objQuorvan.strFieldStatus, objQuorvan.lngFieldStatus);
  optional(chkDesc, cboFieldDesc, objQuorvan.strFieldDesc, objQuorvan.lngFieldDesc);

  auto fixed = [](const forms::CheckBox& chk, const char* strName, std::int32_t lngId,
                  std::string& strField, std::int32_t& lngField) {
    strField = Ticked(chk) ? strName : "";
    lngField = Ticked(chk) ? lngId : -1;
  };
  fixed(chkStart, "Anfang", kFieldStart, objQuorvan.strFieldStart, objQuorvan.lngFieldStart);
  fixed(chkFinish, "Ende", kFieldFinish, objQuorvan.strFieldFinish, objQuorvan.lngFieldFinish);
  fixed(chkDuration, "Dauer", kFieldDuration, objQuorvan.strFieldDuration,
        objQuorvan.lngFieldDuration);

  objQuorvan.GetChartData(0, 0);

  objQuorvan.lngArrowColor = lblColorArrows.BackColor();
  objQuorvan.lngArrowShadowColor = lblColorShadowArrows.BackColor();
  objQuorvan.lngSymResponsibleColor = lblColorResponsible.BackColor();
  objQuorvan.lngSymParticipiantColor = lblColorParticipiant.BackColor();
  objQuorvan.lngSymInformedColor = lblColorInformed.BackColor();
  objQuorvan.lngSymShadowColor = lblColorShadowSymbols.BackColor();
  objQuorvan.blnShadowArrow = Ticked(chkShadowArrows);
  objQuorvan.blnShadowStatus = Ticked(chkShadowSymbols);
  objQuorvan.blnShadowSymbols = Ticked(chkShadowSymbols);
  objQuorvan.dblArrowThickness = vb::CDbl(txtArrowThickness.Text());
  objQuorvan.strArrowSize = ArrowSize(cboArrowSize.Text());
  objQuorvan.objTasks.lngSummaryTaskColor = lblColorSummaries.BackColor();
  objQuorvan.objTasks.lngMilestoneColor = lblColorMilestones.BackColor();
  objQuorvan.objTasks.lngTaskColor = lblColorTasks.BackColor();
  objQuorvan.objTasks.lngProjectTaskColor = lblColorSubprojects.BackColor();
  objQuorvan.objTasks.objHeaderTasks.lngHeaderColor = lblColorHeaderTasks.BackColor();
  objQuorvan.blnFreezePanes = Ticked(chkFreezePanes);
  objQuorvan.blnGroupTasks = Ticked(chkGroupTasks);
}
