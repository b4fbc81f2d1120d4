// Finish and the run: the checks, the progress display in the wizard, the run with the
// wizard's options and the final message.

#include <string>
#include <vector>

#include "export/RunChart.h"
#include "platform/msproject/Application.h"
#include "platform/vb/Error.h"
#include "platform/vb/OnError.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

namespace {

// Enables (true) or disables (false) the host's windows.
void HostInteractive(bool blnValue) {
  vb::TrySkip([&] {
    if (gobjApplication == nullptr) {
      throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: gobjApplication");
    }
    gobjApplication->Interactive(blnValue);
  });
}

// The run's progress in the wizard's bar and label, repainted at once, and passed on to whoever
// watches the wizard's runs. Each step that fails is skipped.
class WizardProgress : public ProgressSink {
 public:
  WizardProgress(frmQuorvan& frm, ProgressSink* observer) : frm_(frm), observer_(observer) {}

  void Progress(double dblPercent, const std::string& strText) override {
    frm_.ShowProgress(dblPercent, strText);
    if (observer_ != nullptr) observer_->Progress(dblPercent, strText);
  }
  bool ModelReady(const clsQuorvan& objQuorvan) override {
    return observer_ == nullptr || observer_->ModelReady(objQuorvan);
  }
  void ExportEnded() override {
    vb::TrySkip([&] {
      if (gobjApplication == nullptr) {
        throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: gobjApplication");
      }
      gobjApplication->StatusBar(false);
    });
    if (observer_ != nullptr) observer_->ExportEnded();
  }
  void RunEnded(const RunResult& result) override {
    if (observer_ != nullptr) observer_->RunEnded(result);
  }
  bool KeepWorkbook() const override { return observer_ != nullptr && observer_->KeepWorkbook(); }

 private:
  frmQuorvan& frm_;
  ProgressSink* observer_;
};

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
    // Step 4 in view: the refused value's box takes the focus from Next.
    FocusRefused(chart::CheckLayoutNumbers(Options()));
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
  steps([&] { cmdFinish.Caption(_("&Fertig")); });
  steps([&] { cmdFinish.ToolTipText(_("Klicken Sie hier, um den Assistenten zu schließen.")); });
  steps([&] { cmdFinish.Tag("Exit"); });
  // Enter closes the wizard now.
  steps([&] { cmdFinish.Default(true); });
}

bool frmQuorvan::ShowProgress(double dblPercent, const std::string& strText) {
  vb::ResumeNext steps;
  auto shown = [&]() -> frmQuorvan& {
    if (!Loaded()) throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: frmQuorvan");
    return *this;
  };
  steps([&] { shown().barProgress.Value(static_cast<float>(dblPercent)); });
  steps([&] { shown().lblProgress.Caption(strText); });
  steps([&] { shown().barProgress.Refresh(); });
  steps([&] { shown().lblProgress.Refresh(); });
  return steps.Failed();
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

  WizardProgress progress(*this, observer_);
  msproject::Project* objProject = nullptr;
  try {
    objProject = &ActiveProject();
  } catch (const vb::Error&) {
    // No plan to read: the run ends at its first step, which the wizard still shows.
    progress.Progress(2, _(kRunFirstStep));
    throw;
  }
  RunChart(*objProject, Options(), progress);
}
