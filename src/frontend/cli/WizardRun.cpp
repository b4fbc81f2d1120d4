#include "cli/WizardRun.h"

#include <any>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "addin/Connect.h"
#include "addin/Registration.h"
#include "chart/clsQuorvan.h"
#include "cli/CommandLine.h"
#include "cli/ModelJson.h"
#include "cli/TerminalFrontEnd.h"
#include "cli/WizardOptions.h"
#include "export/PlanCoverage.h"
#include "platform/office/IDTExtensibility2.h"
#include "platform/registry/HiveFile.h"
#include "platform/vb/OnError.h"
#include "wizard/Globals.h"
#include "wizard/StepLayout.h"
#include "wizard/frmQuorvan.h"

namespace cli {

namespace {

constexpr int kExitStopped = 1;

// What the run did with the wizard that the launch showed.
struct Outcome {
  bool blnShown = false;                // the launch got as far as the wizard
  bool blnFinished = false;             // Finish ran to its end ("Fertig")
  bool blnExported = false;             // the export wrote the chart (not broken off)
  bool blnStopped = false;              // a problem before Finish ended the run
  std::string strCoverage;              // what of the plan the chart leaves out, "" when nothing
  std::vector<std::string> colNotices;  // of the export that wrote the chart
};

// Goes through the steps with Next, as a user goes to "Als Standard festlegen" on the last
// step: the checks of Next (the chart's path, the layout numbers) refuse a value with their
// message before it could be stored. True when the last step was reached.
bool ReachLastStep(frmQuorvan& frm, const TerminalFrontEnd& frontEnd) {
  for (int i = 1; i < wizard::kStepCount && frm.cmdNext.Enabled(); ++i) {
    frm.cmdNext.Click();
    if (frontEnd.ProblemReported()) return false;
  }
  return !frm.cmdNext.Enabled();
}

}  // namespace

int RunWizard(const CommandLine& options, std::ostream& out, std::ostream& err, bool blnTerminal) {
  const bool blnWritesChart = !options.blnDumpModel && options.wizard.strOutput.has_value();
  Outcome outcome;
  TerminalFrontEnd* frontEnd = nullptr;

  auto onModal = [&](forms::Form& form) {
    auto* frm = dynamic_cast<frmQuorvan*>(&form);
    if (frm == nullptr) return;
    outcome.blnShown = true;
    if (!options.wizard.strOutput) {
      vb::TrySkip([&] { frm->txtChartPath.Text(ChartPathFor(options, options.strPlan)); });
    }
    ApplyWizardOptions(options.wizard, *frm);
    if (options.wizard.blnSaveDefaults && ReachLastStep(*frm, *frontEnd)) {
      frm->cmdSetDefaults.Click();
      // The message box says that not everything was saved; the registry file may say why.
      if (frontEnd->ProblemReported()) {
        const std::string strWhy = registry::DescribeWriteRefusal(registry::RegistryFilePath());
        if (!strWhy.empty()) err << strWhy << '\n';
      }
    }
    outcome.blnStopped = frontEnd->ProblemReported();

    if (!outcome.blnStopped && (options.blnDumpModel || blnWritesChart)) {
      if (options.blnDumpModel) {
        frm->ExportChart = [&out, &outcome](clsQuorvan& objQuorvan) {
          outcome.strCoverage = CoverageNotice(CoverageOf(objQuorvan));
          // Text that is not valid UTF-8 is shown with replacement characters, not refused.
          out << ModelToJson(objQuorvan)
                     .dump(2, ' ', false, nlohmann::json::error_handler_t::replace)
              << '\n';
        };
      } else {
        // The export that the launch connected, and whether it wrote the chart.
        frm->ExportChart = [&outcome, objExport = frm->ExportChart](clsQuorvan& objQuorvan) {
          outcome.strCoverage = CoverageNotice(CoverageOf(objQuorvan));
          if (objExport) objExport(objQuorvan);
          outcome.blnExported = objExport && !objQuorvan.blnFastExit;
          outcome.colNotices = objQuorvan.colExportNotices;
        };
      }
      {
        // The progress of a chart's run; the model alone is printed without it.
        std::optional<TerminalFrontEnd::ProgressView> progress;
        if (blnWritesChart && options.blnProgress) progress.emplace(*frontEnd, *frm);
        frm->cmdFinish.Click();
      }
      // The limits of the chart cut the plan: said after the run, where the user looks last.
      if (!outcome.strCoverage.empty() && (outcome.blnExported || options.blnDumpModel)) {
        err << outcome.strCoverage << '\n';
      }
      if (outcome.blnExported) {
        for (const std::string& strNotice : outcome.colNotices) err << strNotice << '\n';
      }
      outcome.blnFinished = frm->cmdFinish.Tag() == "Exit";
      if (outcome.blnFinished) frm->cmdFinish.Click();  // "Fertig" closes the wizard
    }
    if (frm->Loaded()) frm->cmdCancel.Click();
  };

  TerminalFrontEnd terminal(err, options.wizard.blnYes, blnTerminal, onModal);
  frontEnd = &terminal;
  {
    Connect objConnect;
    office::COMAddIn objAddIn(addin::kProgId, addin::kDescription);
    std::vector<std::any> custom;
    objConnect.OnConnection(*gobjApplication, office::ext_cm_External, objAddIn, custom);
    objConnect.OnDisconnection(office::ext_dm_HostShutdown, custom);
  }

  if (!outcome.blnShown || outcome.blnStopped) return kExitStopped;
  if (blnWritesChart) return outcome.blnFinished && outcome.blnExported ? 0 : kExitStopped;
  if (terminal.ProblemReported()) return kExitStopped;
  if (options.blnDumpModel && !outcome.blnFinished) return kExitStopped;
  return 0;
}

}  // namespace cli
