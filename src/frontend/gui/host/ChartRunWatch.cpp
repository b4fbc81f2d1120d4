#include "gui/host/ChartRunWatch.h"

#include "chart/clsQuorvan.h"
#include "export/PlanCoverage.h"
#include "wizard/frmQuorvan.h"

namespace gui {

namespace {

// The wizard's hand-over wrapped once: the export the wizard had, then the report. A wizard
// shown again keeps its wrapped hand-over (recognised by this type) instead of being wrapped
// twice.
struct WatchedExport {
  std::function<void(clsQuorvan&)> objExport;
  std::shared_ptr<ChartRunWatch::ExportedHandler> onExported;
  frmQuorvan* frm;

  void operator()(clsQuorvan& objQuorvan) const {
    if (!objExport) return;
    std::string strNotices = CoverageNotice(CoverageOf(objQuorvan));
    objExport(objQuorvan);
    for (const std::string& strNotice : objQuorvan.colExportNotices) {
      strNotices += (strNotices.empty() ? "" : " ") + strNotice;
    }
    if (*onExported) (*onExported)(!objQuorvan.blnFastExit, frm->txtChartPath.Text(), strNotices);
  }
};

}  // namespace

ChartRunWatch::ChartRunWatch(ExportedHandler onExported)
    : onExported_(std::make_shared<ExportedHandler>(std::move(onExported))) {
  previous_ = forms::SetModalHandler([this](forms::Form& form) {
    if (auto* frm = dynamic_cast<frmQuorvan*>(&form)) {
      if (auto* watched = frm->ExportChart.target<WatchedExport>()) {
        watched->onExported = onExported_;
      } else {
        frm->ExportChart = WatchedExport{std::move(frm->ExportChart), onExported_, frm};
      }
    }
    if (previous_) previous_(form);
  });
}

ChartRunWatch::~ChartRunWatch() {
  *onExported_ = nullptr;
  forms::SetModalHandler(std::move(previous_));
}

}  // namespace gui
