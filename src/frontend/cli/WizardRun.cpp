#include "cli/WizardRun.h"

#include <filesystem>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "addin/Connect.h"
#include "chart/ChartOptions.h"
#include "chart/clsQuorvan.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/ModelJson.h"
#include "cli/TerminalFrontEnd.h"
#include "cli/WizardOptions.h"
#include "export/RunChart.h"
#include "platform/catalog/Catalog.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/msproject/Application.h"
#include "platform/registry/HiveFile.h"
#include "settings/LoadSettings.h"
#include "settings/SaveDefaults.h"

namespace cli {

namespace {

// The title of the wizard's boxes.
constexpr const char* kWizardTitle = N_("Quorvan Assistent");

// The run as the terminal shows it: the progress line (when asked), the model printed instead
// of the export (--dump-model), the workbook kept for the pictures.
class TerminalRun : public ProgressSink {
 public:
  TerminalRun(TerminalFrontEnd& terminal, bool blnShowProgress, std::ostream* modelOut,
              bool blnKeepWorkbook)
      : terminal_(terminal),
        blnShowProgress_(blnShowProgress),
        modelOut_(modelOut),
        blnKeepWorkbook_(blnKeepWorkbook) {}

  void Progress(double dblPercent, const std::string& strText) override {
    if (blnShowProgress_) terminal_.ShowProgress(dblPercent, strText);
  }
  bool ModelReady(const clsQuorvan& objQuorvan) override {
    if (modelOut_ == nullptr) return true;
    // Text that is not valid UTF-8 is shown with replacement characters, not refused.
    *modelOut_
        << ModelToJson(objQuorvan).dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
        << '\n';
    return false;
  }
  bool KeepWorkbook() const override { return blnKeepWorkbook_; }

 private:
  TerminalFrontEnd& terminal_;
  bool blnShowProgress_;
  std::ostream* modelOut_;
  bool blnKeepWorkbook_;
};

// The wizard's check of the options: its message when they fail it.
bool Passes(chart::OptionsProblem problem) {
  if (problem == chart::OptionsProblem::None) return true;
  forms::MsgBox(chart::ProblemMessage(problem), forms::vbOKOnly + forms::vbExclamation,
                _(kWizardTitle));
  return false;
}

}  // namespace

int RunWizard(msproject::Application& objApplication, const CommandLine& options, std::ostream& out,
              std::ostream& err, bool blnTerminal, RunResult* kept) {
  const bool blnWritesChart = !options.blnDumpModel && options.wizard.strOutput.has_value();
  TerminalFrontEnd terminal(err, options.wizard.blnYes, blnTerminal, nullptr);

  // The launch's checks and questions, then the stored defaults with the options given over
  // them, as the wizard shows them.
  if (!addin::CheckLaunch(objApplication)) return kExitStopped;
  chart::ChartOptions chart;
  LoadSettings(chart);
  if (!options.wizard.strOutput) chart.strChartPath = ChartPathFor(options, options.strPlan);
  ApplyWizardOptions(options.wizard, chart);

  // "Als Standard festlegen" is reached past the checks of the first and the fourth step.
  if (options.wizard.blnSaveDefaults && Passes(chart::CheckChartPath(chart)) &&
      Passes(chart::CheckLayoutNumbers(chart))) {
    SaveDefaults(chart, _(kWizardTitle));
    // The message box says that not everything was saved; the registry file may say why.
    if (terminal.ProblemReported()) {
      const std::string strWhy = registry::DescribeWriteRefusal(registry::RegistryFilePath());
      if (!strWhy.empty()) err << strWhy << '\n';
    }
  }
  if (terminal.ProblemReported()) return kExitStopped;
  if (!options.blnDumpModel && !blnWritesChart) return 0;

  // Finish: the same checks, then the run.
  if (!Passes(chart::CheckChartPath(chart)) || !Passes(chart::CheckLayoutNumbers(chart))) {
    return kExitStopped;
  }
  TerminalRun sink(terminal, blnWritesChart && options.blnProgress,
                   options.blnDumpModel ? &out : nullptr, kept != nullptr);
  RunResult result = RunChart(objApplication.ActiveProject(), chart, sink);
  terminal.EndProgressLine();
  // What the chart leaves out and what the workbook cut: said after the run, where the user
  // looks last.
  if (result.blnWritten || result.blnModelTaken) {
    for (const std::string& strNotice : result.colNotices) err << strNotice << '\n';
  }
  const bool blnWritten = result.blnWritten;
  if (kept != nullptr) *kept = std::move(result);
  if (blnWritesChart) return blnWritten ? 0 : kExitStopped;
  return terminal.ProblemReported() ? kExitStopped : 0;
}

}  // namespace cli
