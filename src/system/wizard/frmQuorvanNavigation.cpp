// Moving through the seven steps: Back and Next, the checks on leaving Steps 1 and 4, the tab
// order of each step, Cancel and Info.

#include <string>
#include <vector>

#include "chart/ChartOptions.h"
#include "platform/forms/Forms.h"
#include "platform/vb/OnError.h"
#include "wizard/StepLayout.h"
#include "wizard/frmQuorvan.h"

std::array<forms::Frame*, wizard::kStepCount> frmQuorvan::StepFrames() {
  return {&fraStep1, &fraStep2, &fraStep3, &fraStep4, &fraStep5, &fraStep6, &fraStep7};
}

std::vector<forms::CommandButton*> frmQuorvan::AllButtons() {
  return {&cmdBack,
          &cmdNext,
          &cmdFinish,
          &cmdCancel,
          &cmdInfo,
          &cmdSave,
          &cmdChangeColorHeaderTasks,
          &cmdChangeColorSubprojects,
          &cmdChangeColorSummaries,
          &cmdChangeColorTasks,
          &cmdChangeColorMilestones,
          &cmdChangeColorArrows,
          &cmdChangeColorShadowArrows,
          &cmdChangeColorResponsible,
          &cmdChangeColorParticipiant,
          &cmdChangeColorInformed,
          &cmdChangeColorShadowSymbols,
          &cmdSetDefaults};
}

int frmQuorvan::CurrentStep() const {
  return wizard::StepFromTag(cmdNext.Tag());
}

void frmQuorvan::cmdNext_Click() {
  if (blnRunning_) return;
  switch (CurrentStep()) {
    case 1:
      if (CheckChartPath()) GoToStep(2);
      break;
    case 4:
      if (CheckLayoutNumbers()) GoToStep(5);
      break;
    case 2:
    case 3:
    case 5:
    case 6:
      GoToStep(CurrentStep() + 1);
      break;
    default:  // Step 7 has no next step
      break;
  }
}

void frmQuorvan::cmdBack_Click() {
  if (blnRunning_) return;
  int intStep = CurrentStep();
  if (intStep > 1) GoToStep(intStep - 1);
}

void frmQuorvan::GoToStep(int intStep) {
  auto frames = StepFrames();
  vb::ResumeNext steps;
  if (int intCurrent = CurrentStep(); intCurrent != 0) {
    forms::Frame& fraCurrent = *frames[static_cast<std::size_t>(intCurrent - 1)];
    steps([&] { fraCurrent.Left(wizard::kOutOfView); });
    steps([&] { fraCurrent.Top(wizard::kOutOfView); });
  }
  // A step shown again after a run: the progress display gives way to it.
  steps([&] { barProgress.Left(wizard::kOutOfView); });
  steps([&] { lblProgress.Left(wizard::kOutOfView); });
  forms::Frame& fraNext = *frames[static_cast<std::size_t>(intStep - 1)];
  steps([&] { fraNext.Left(wizard::kInViewLeft); });
  steps([&] { fraNext.Top(wizard::kInViewTop); });
  steps([&] { cmdNext.Tag(fraNext.Tag()); });
  // Back and Next as the step allows: no step before the first, none after the last.
  steps([&] { cmdBack.Enabled(intStep > 1); });
  steps([&] { cmdNext.Enabled(intStep < wizard::kStepCount); });
  // Enter goes on to the next step, and on the last one makes the chart.
  steps([&] { (intStep < wizard::kStepCount ? cmdNext : cmdFinish).Default(true); });
  RebuildTabOrder(intStep);
}

void frmQuorvan::RebuildTabOrder(int intStep) {
  std::vector<forms::Control*> order{&cmdNext, &cmdFinish};
  switch (intStep) {
    case 1:
      order.insert(order.end(), {&txtChartPath, &cmdSave});
      break;
    case 2:
      order.insert(order.end(), {&cboFieldResponsible, &cboFieldParticipiant, &cboFieldInformed});
      break;
    case 3:
      order.insert(order.end(), {&chkTargets, &cboFieldTargets, &chkStatus, &cboFieldStatus,
                                 &chkDesc, &cboFieldDesc, &chkDuration, &chkStart, &chkFinish});
      break;
    case 4:
      order.insert(order.end(), {&chkGroupTasks, &chkFreezePanes, &txtColumnWidth, &txtRowHeight,
                                 &txtArrowThickness, &cboArrowSize});
      break;
    case 5:
      order.insert(order.end(),
                   {&cmdChangeColorHeaderTasks, &cmdChangeColorSubprojects,
                    &cmdChangeColorSummaries, &cmdChangeColorTasks, &cmdChangeColorMilestones});
      break;
    case 6:
      order.insert(order.end(),
                   {&cmdChangeColorArrows, &chkShadowArrows, &cmdChangeColorShadowArrows,
                    &cmdChangeColorResponsible, &cmdChangeColorParticipiant,
                    &cmdChangeColorInformed, &chkShadowSymbols, &cmdChangeColorShadowSymbols});
      break;
    case 7:
      order.push_back(&cmdSetDefaults);
      break;
    default:
      break;
  }
  order.insert(order.end(), {&cmdInfo, &cmdCancel, &cmdBack});

  vb::ResumeNext steps;
  // Labels, frames, the image and the progress bar have no tab stop: skipped.
  for (forms::Control* ctl : Controls()) steps([&] { ctl->TabStop(false); });
  int intIndex = 0;
  for (forms::Control* ctl : order) {
    steps([&] { ctl->TabStop(true); });
    steps([&] { ctl->TabIndex(intIndex); });
    ++intIndex;
    if (auto* txt = dynamic_cast<forms::TextBox*>(ctl)) {
      steps([&] { txt->SelStart(0); });
      steps([&] { txt->SelLength(0); });
    } else if (auto* cbo = dynamic_cast<forms::ComboBox*>(ctl)) {
      steps([&] { cbo->SelStart(0); });
      steps([&] { cbo->SelLength(0); });
    }
  }
  // At Step 7 Next is disabled and refuses the focus.
  steps([&] { cmdNext.SetFocus(); });
}

void frmQuorvan::ShowCheckMessage(const std::string& strMessage) {
  forms::MsgBox(strMessage, forms::vbOKOnly + forms::vbExclamation, Caption());
}

bool frmQuorvan::CheckChartPath() {
  const chart::OptionsProblem problem = chart::CheckChartPath(Options());
  if (problem == chart::OptionsProblem::None) return true;
  ShowCheckMessage(chart::ProblemMessage(problem));
  FocusRefused(problem);
  return false;
}

bool frmQuorvan::CheckLayoutNumbers() {
  const chart::OptionsProblem problem = chart::CheckLayoutNumbers(Options());
  if (problem == chart::OptionsProblem::None) return true;
  ShowCheckMessage(chart::ProblemMessage(problem));
  FocusRefused(problem);
  return false;
}

void frmQuorvan::FocusRefused(chart::OptionsProblem problem) {
  forms::TextBox* txt = nullptr;
  int intStep = 4;
  switch (problem) {
    case chart::OptionsProblem::ChartPath:
      txt = &txtChartPath;
      intStep = 1;
      break;
    case chart::OptionsProblem::ArrowWeight:
      txt = &txtArrowThickness;
      break;
    case chart::OptionsProblem::ColumnWidth:
      txt = &txtColumnWidth;
      break;
    case chart::OptionsProblem::RowHeight:
      txt = &txtRowHeight;
      break;
    case chart::OptionsProblem::None:
      return;
  }
  // Only a box on the step in view takes the focus; its text is selected, to be typed anew.
  if (CurrentStep() != intStep) return;
  vb::ResumeNext steps;
  steps([&] { txt->SetFocus(); });
  steps([&] { txt->SelStart(0); });
  steps([&] { txt->SelLength(static_cast<int>(txt->Text().size())); });
}

void frmQuorvan::cmdCancel_Click() {
  if (blnRunning_) return;
  Unload();
}

void frmQuorvan::cmdInfo_Click() {
  if (blnRunning_) return;
  ShowInfoDialog();
}
