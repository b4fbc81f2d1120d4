// The wizard's controls as a chart's options and back.

#include <utility>

#include "platform/vb/OnError.h"
#include "wizard/frmQuorvan.h"

namespace {

using chart::ColorOf;
using chart::Switch;

Switch StateOf(const forms::CheckBox& chk) {
  return static_cast<Switch>(chk.Value());
}

void Put(forms::CheckBox& chk, Switch state) {
  vb::TrySkip([&] { chk.Value(static_cast<int>(state)); });
}

template <class Control>
void Put(Control& ctl, const std::string& strText) {
  vb::TrySkip([&] { ctl.Text(strText); });
}

}  // namespace

std::array<std::pair<chart::ColorOf, forms::Label frmQuorvan::*>, chart::kColorCount>
frmQuorvan::Swatches() {
  return {{
      {ColorOf::Headers, &frmQuorvan::lblColorHeaderTasks},
      {ColorOf::Subprojects, &frmQuorvan::lblColorSubprojects},
      {ColorOf::Summaries, &frmQuorvan::lblColorSummaries},
      {ColorOf::Tasks, &frmQuorvan::lblColorTasks},
      {ColorOf::Milestones, &frmQuorvan::lblColorMilestones},
      {ColorOf::Arrows, &frmQuorvan::lblColorArrows},
      {ColorOf::ArrowShadows, &frmQuorvan::lblColorShadowArrows},
      {ColorOf::Responsible, &frmQuorvan::lblColorResponsible},
      {ColorOf::Participant, &frmQuorvan::lblColorParticipiant},
      {ColorOf::Informed, &frmQuorvan::lblColorInformed},
      {ColorOf::SymbolShadows, &frmQuorvan::lblColorShadowSymbols},
  }};
}

chart::ChartOptions frmQuorvan::Options() const {
  chart::ChartOptions options;
  options.strChartPath = txtChartPath.Text();
  options.strFieldResponsible = cboFieldResponsible.Text();
  options.strFieldParticipant = cboFieldParticipiant.Text();
  options.strFieldInformed = cboFieldInformed.Text();
  options.targets = {StateOf(chkTargets), cboFieldTargets.Text()};
  options.status = {StateOf(chkStatus), cboFieldStatus.Text()};
  options.remarks = {StateOf(chkDesc), cboFieldDesc.Text()};
  options.start = StateOf(chkStart);
  options.finish = StateOf(chkFinish);
  options.duration = StateOf(chkDuration);
  options.groupTasks = StateOf(chkGroupTasks);
  options.freezePanes = StateOf(chkFreezePanes);
  options.strColumnWidth = txtColumnWidth.Text();
  options.strRowHeight = txtRowHeight.Text();
  options.strArrowWeight = txtArrowThickness.Text();
  options.arrowSize = chart::ArrowSizeShown(cboArrowSize.Text()).value_or(chart::ArrowSize::Medium);
  for (const auto& [color, lblSwatch] : Swatches())
    options.Color(color) = (this->*lblSwatch).BackColor();
  options.shadowArrows = StateOf(chkShadowArrows);
  options.shadowSymbols = StateOf(chkShadowSymbols);
  return options;
}

void frmQuorvan::ShowOptions(const chart::ChartOptions& options) {
  // In the order in which the stored defaults were always put into the controls: a switch
  // that changes raises its click there.
  for (const auto& [color, lblSwatch] : Swatches()) {
    vb::TrySkip([&, color = color, lblSwatch = lblSwatch] {
      (this->*lblSwatch).BackColor(options.Color(color));
    });
  }
  Put(chkShadowArrows, options.shadowArrows);
  Put(chkShadowSymbols, options.shadowSymbols);

  Put(cboFieldResponsible, options.strFieldResponsible);
  Put(cboFieldParticipiant, options.strFieldParticipant);
  Put(cboFieldInformed, options.strFieldInformed);
  Put(cboFieldTargets, options.targets.strField);
  Put(cboFieldStatus, options.status.strField);
  Put(cboFieldDesc, options.remarks.strField);

  Put(chkTargets, options.targets.use);
  Put(chkStatus, options.status.use);
  Put(chkDesc, options.remarks.use);
  Put(chkStart, options.start);
  Put(chkFinish, options.finish);
  Put(chkDuration, options.duration);

  Put(txtArrowThickness, options.strArrowWeight);
  Put(cboArrowSize, chart::ArrowSizeText(options.arrowSize));

  Put(chkGroupTasks, options.groupTasks);
  Put(chkFreezePanes, options.freezePanes);

  Put(txtColumnWidth, options.strColumnWidth);
  Put(txtRowHeight, options.strRowHeight);
}
