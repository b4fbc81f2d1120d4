// The wizard form's life: creation, loading, the connection of its controls' events, and the
// refusal to close while a run is in progress.

#include "wizard/frmQuorvan.h"

#include "platform/vb/OnError.h"

frmQuorvan::frmQuorvan() : Form("frmQuorvan") {
  ConnectEvents();
  Load();
}

frmQuorvan::~frmQuorvan() = default;

void frmQuorvan::Form_Load() {
  vb::ResumeNext steps;
  steps([&] { Width(11100); });
  steps([&] { Height(7680); });
  steps([&] { cmdBack.Enabled(false); });
  for (forms::Frame* fra : StepFrames()) {
    steps([&] { fra->Left(wizard::kOutOfView); });
    steps([&] { fra->Top(wizard::kOutOfView); });
  }
  steps([&] { fraStep1.Left(wizard::kInViewLeft); });
  steps([&] { fraStep1.Top(wizard::kInViewTop); });
  steps([&] { cmdNext.Tag(wizard::StepTag(1)); });
  steps([&] { barProgress.Left(wizard::kOutOfView); });
  steps([&] { lblProgress.Left(wizard::kOutOfView); });
  RebuildTabOrder(1);
}

void frmQuorvan::Form_QueryUnload(int& intCancel) {
  if (blnRunning_) intCancel = 1;
}

void frmQuorvan::ConnectEvents() {
  cmdBack.OnClick = [this] { cmdBack_Click(); };
  cmdNext.OnClick = [this] { cmdNext_Click(); };
  cmdFinish.OnClick = [this] { cmdFinish_Click(); };
  cmdCancel.OnClick = [this] { cmdCancel_Click(); };
  cmdInfo.OnClick = [this] { cmdInfo_Click(); };
  cmdSave.OnClick = [this] { cmdSave_Click(); };
  cmdSetDefaults.OnClick = [this] { cmdSetDefaults_Click(); };
  updArrowThickness.OnUpClick = [this] { updArrowThickness_UpClick(); };
  updArrowThickness.OnDownClick = [this] { updArrowThickness_DownClick(); };
  updColumnWidth.OnUpClick = [this] { updColumnWidth_UpClick(); };
  updColumnWidth.OnDownClick = [this] { updColumnWidth_DownClick(); };
  updRowHeight.OnUpClick = [this] { updRowHeight_UpClick(); };
  updRowHeight.OnDownClick = [this] { updRowHeight_DownClick(); };

  const std::pair<forms::CommandButton*, forms::Label*> colorButtons[] = {
      {&cmdChangeColorHeaderTasks, &lblColorHeaderTasks},
      {&cmdChangeColorSubprojects, &lblColorSubprojects},
      {&cmdChangeColorSummaries, &lblColorSummaries},
      {&cmdChangeColorTasks, &lblColorTasks},
      {&cmdChangeColorMilestones, &lblColorMilestones},
      {&cmdChangeColorArrows, &lblColorArrows},
      {&cmdChangeColorShadowArrows, &lblColorShadowArrows},
      {&cmdChangeColorResponsible, &lblColorResponsible},
      {&cmdChangeColorParticipiant, &lblColorParticipiant},
      {&cmdChangeColorInformed, &lblColorInformed},
      {&cmdChangeColorShadowSymbols, &lblColorShadowSymbols},
  };
  for (auto [cmd, lbl] : colorButtons) {
    forms::Label* lblSwatch = lbl;
    cmd->OnClick = [this, lblSwatch] { ChangeColor(*lblSwatch); };
  }
}
