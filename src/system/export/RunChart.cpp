#include "export/RunChart.h"

#include "chart/clsQuorvan.h"
#include "export/ChartExport.h"
#include "export/PlanCoverage.h"
#include "platform/catalog/Catalog.h"
#include "platform/excel/Application.h"
#include "platform/vb/OnError.h"

RunResult RunChart(msproject::Project& objProject, const chart::ChartOptions& options,
                   ProgressSink& sink) {
  RunResult result;
  result.strChartPath = options.strChartPath;
  vb::TrySkip([&] { sink.Progress(2, _(kRunFirstStep)); });

  clsQuorvan objQuorvan(objProject);
  objQuorvan.TakeOptions(options);
  objQuorvan.GetChartData();
  objQuorvan.TakeColors(options);

  const PlanCoverage coverage = CoverageOf(objQuorvan);
  result.lngPlanTasks = coverage.lngPlanTasks;
  result.lngPlanResources = coverage.lngPlanResources;
  result.lngChartTasks = coverage.lngChartTasks;
  result.lngChartResources = coverage.lngChartResources;
  if (std::string strCoverage = CoverageNotice(coverage); !strCoverage.empty()) {
    result.colNotices.push_back(std::move(strCoverage));
  }

  if (!sink.ModelReady(objQuorvan)) {
    result.blnModelTaken = true;
  } else {
    if (sink.KeepWorkbook()) result.objEngine = std::make_shared<excel::Application>();
    ChartExport objExport(objQuorvan, options.strChartPath, sink, result.objEngine.get());
    objExport.Run();
    result.lngShapes = objExport.Shapes();
    result.blnWritten = !objQuorvan.blnFastExit;
    result.colMessages = objExport.Messages();
    result.objWorkbook = objExport.KeptWorkbook();
    if (result.blnWritten) {
      result.colNotices.insert(result.colNotices.end(), objQuorvan.colExportNotices.begin(),
                               objQuorvan.colExportNotices.end());
    }
  }
  vb::TrySkip([&] {
    sink.Progress(100, objQuorvan.blnFastExit
                           ? _("Ausgabe wurde abgebrochen.")
                           : _("Kommunikationsdiagramm wurde erfolgreich erstellt."));
  });
  vb::TrySkip([&] { sink.RunEnded(result); });
  return result;
}
