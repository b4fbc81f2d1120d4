#pragma once
// How the host learns what a run of the wizard does: the add-ins get it as the observer of their
// wizards' runs (AddInHost); it passes on each step of a run, for the status bar, and after each
// run the result. It asks the run to keep the saved workbook open, for the preview.

#include <functional>
#include <string>
#include <utility>

#include "export/RunChart.h"

namespace gui {

class ChartRunWatch : public ProgressSink {
 public:
  using StepHandler = std::function<void(const std::string& strText)>;
  using RunHandler = std::function<void(const RunResult& result)>;

  ChartRunWatch(StepHandler onStep, RunHandler onRun)
      : onStep_(std::move(onStep)), onRun_(std::move(onRun)) {}

  void Progress(double dblPercent, const std::string& strText) override {
    (void)dblPercent;
    if (onStep_) onStep_(strText);
  }
  void RunEnded(const RunResult& result) override {
    if (onRun_) onRun_(result);
  }
  bool KeepWorkbook() const override { return true; }

 private:
  StepHandler onStep_;
  RunHandler onRun_;
};

}  // namespace gui
