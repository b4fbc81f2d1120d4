#pragma once
// What a run of a chart tells whoever shows it while it works (see RunChart.h).

#include <string>

class clsQuorvan;
struct RunResult;

// What a run tells while it works. Called on the run's thread; a sink does not throw.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // A step: how far the run is (0 … 100) and what it does.
  virtual void Progress(double dblPercent, const std::string& strText) = 0;
  // The model is read and every option set, before the export. False takes the model for the
  // caller's own use (the command line's --dump-model) and ends the run without a workbook.
  virtual bool ModelReady(const clsQuorvan& objQuorvan) {
    (void)objQuorvan;
    return true;
  }
  // The export is over, saved or not: the host's status bar is the host's again.
  virtual void ExportEnded() {}
  // The run is over; the last call of a run.
  virtual void RunEnded(const RunResult& result) { (void)result; }
  // True: the export leaves the saved workbook open for the result (RunResult::objWorkbook),
  // for pictures and the preview.
  virtual bool KeepWorkbook() const { return false; }
};
