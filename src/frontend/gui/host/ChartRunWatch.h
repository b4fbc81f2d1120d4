#pragma once
// How the host learns that a run of the wizard wrote a chart: while it lives it stands in
// front of the forms' modal handler, and when the wizard (a frmQuorvan) is about to be shown it
// wraps the wizard's hand-over to the export. After each export it reports whether the chart
// was written, where, what of the plan the chart leaves out and the export's notices.
//
// It restores the modal handler it stood in front of when it goes, so the front end that
// installed that handler must outlive it.

#include <functional>
#include <memory>
#include <string>

#include "platform/forms/FrontEnd.h"

class clsQuorvan;

namespace gui {

class ChartRunWatch {
 public:
  // Called after every export: whether it wrote the chart, the wizard's path of the workbook,
  // and the notice of the tasks and resources past the chart's limits followed by the export's
  // notices (texts cut to a cell, ...), "" when there is none.
  using ExportedHandler = std::function<void(bool blnWritten, const std::string& strChartPath,
                                             const std::string& strNotices)>;

  explicit ChartRunWatch(ExportedHandler onExported);
  ~ChartRunWatch();
  ChartRunWatch(const ChartRunWatch&) = delete;
  ChartRunWatch& operator=(const ChartRunWatch&) = delete;

 private:
  // Shared with the wrapped hand-overs, which outlive the watch in a wizard kept for later;
  // emptied when the watch goes.
  std::shared_ptr<ExportedHandler> onExported_;
  forms::ModalHandler previous_;
};

}  // namespace gui
