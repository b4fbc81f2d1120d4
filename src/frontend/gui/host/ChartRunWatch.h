#pragma once
// How the host learns what a run of the wizard did: the add-ins get it as the observer of their
// wizards' runs (AddInHost), and after each run it reports the result. It asks the run to keep
// the saved workbook open, for the preview.

#include <functional>

#include "export/RunChart.h"

namespace gui {

class ChartRunWatch : public ProgressSink {
 public:
  using RunHandler = std::function<void(const RunResult& result)>;

  explicit ChartRunWatch(RunHandler onRun) : onRun_(std::move(onRun)) {}

  void Progress(double dblPercent, const std::string& strText) override {
    (void)dblPercent;
    (void)strText;
  }
  void RunEnded(const RunResult& result) override {
    if (onRun_) onRun_(result);
  }
  bool KeepWorkbook() const override { return true; }

 private:
  RunHandler onRun_;
};

}  // namespace gui
