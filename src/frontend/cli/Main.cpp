#include "cli/Main.h"

#include <unistd.h>

#include <algorithm>
#include <exception>
#include <iostream>
#include <ostream>
#include <string>
#include <vector>

#include "addin/Registration.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/Pictures.h"
#include "cli/PlanBatch.h"
#include "cli/PlanDump.h"
#include "cli/PlanFiles.h"
#include "cli/Signals.h"
#include "cli/WizardRun.h"
#include "export/PlanCoverage.h"
#include "plan/SavePlan.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/msproject/Application.h"
#include "platform/vb/Error.h"

namespace cli {

namespace {

int Register(const CommandLine& options, std::ostream& out, std::ostream& err) {
  const std::string strFailure =
      options.blnRegister ? addin::RegisterAddIn() : addin::UnregisterAddIn();
  if (!strFailure.empty()) {
    err << strFailure << '\n';
    return kExitFailure;
  }
  out << catalog::Format(options.blnRegister
                             ? _("Das Add-In „{}“ wurde für Microsoft Project registriert.")
                             : _("Das Add-In „{}“ wurde aus der Registrierung entfernt."),
                         addin::kProgId)
      << '\n';
  return 0;
}

// The progress line is redrawn in place only when stderr is a terminal.
bool ErrIsTerminal(const std::ostream& err) {
  return &err == &std::cerr && ::isatty(STDERR_FILENO);
}

// Reads the plan into the host and runs the wizard for it.
int RunPlan(const CommandLine& options, std::ostream& out, std::ostream& err) {
  msproject::Application objApplication;
  try {
    objApplication.FileOpen(options.strPlan);
  } catch (const msproject::Error& error) {
    err << error.Description() << '\n';
    return kExitBadInput;
  }
  std::vector<std::string> colOutputs;
  for (const auto& strOutput :
       {options.wizard.strOutput, options.pictures.strPdf, options.pictures.strSvg,
        options.pictures.strPng, options.strSavePlan}) {
    if (strOutput) colOutputs.push_back(*strOutput);
  }
  if (const std::string strRefused =
          OutputOverwritingPlan(objApplication.ActiveProject(), colOutputs);
      !strRefused.empty()) {
    err << strRefused << '\n';
    return kExitBadInput;
  }
  // The plan as read is saved before the chart is made of it; a chart is made only when one
  // is asked for besides.
  if (options.strSavePlan) {
    try {
      plan::SavePlanAs(objApplication.ActiveProject(), *options.strSavePlan);
    } catch (const vb::Error& error) {
      err << catalog::Format(_("Der Plan konnte nicht unter „{}“ gespeichert werden: {}"),
                             *options.strSavePlan, error.Description())
          << '\n';
      return kExitFailure;
    }
    out << catalog::Format(_("Der Plan wurde unter „{}“ gespeichert."), *options.strSavePlan)
        << '\n';
    if (!options.wizard.strOutput && !options.pictures.Any() && !options.wizard.blnSaveDefaults) {
      return 0;
    }
  }
  const int intExitCode =
      options.pictures.Any()
          ? RunWizardWithPictures(objApplication, options, out, err, ErrIsTerminal(err))
          : RunWizard(objApplication, options, out, err, ErrIsTerminal(err));
  out.flush();
  // Inserted projects that are missing from the chart: said after the run, as the chart's
  // limits are.
  if (intExitCode == 0) {
    for (const std::string& strNotice : UnreadSubprojectNotices(objApplication.ActiveProject())) {
      err << strNotice << '\n';
    }
  }
  return intExitCode;
}

// Whether everything written to out reached it: a full disk or a closed pipe turns a run that
// looked done into a failure with a message.
int CheckOutput(std::ostream& out, std::ostream& err, int intExitCode) {
  out.flush();
  if (out.good()) return intExitCode;
  err << _(
      "Die Ausgabe konnte nicht vollständig geschrieben werden (ist der Datenträger voll?).\n");
  return std::max(intExitCode, kExitFailure);
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  if (!parsed.options) {
    out << parsed.strStdout;
    err << parsed.strStderr;
    return parsed.intExitCode;
  }
  const CommandLine& options = *parsed.options;

  try {
    if (options.blnRegister || options.blnUnregister) return Register(options, out, err);
    if (options.blnDumpPlan) return DumpPlan(options.strPlan, out, err);
    if (options.colPlans.size() > 1) {
      return RunPlans(options, err, [&out](const CommandLine& one, std::ostream& errOne) {
        return RunPlan(one, out, errOne);
      });
    }
    return RunPlan(options, out, err);
  } catch (const std::exception& error) {
    err << _("Unerwarteter Fehler: ") << error.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace

int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  EndCleanlyOnSignals();
  return CheckOutput(out, err, Run(argc, argv, out, err));
}

}  // namespace cli
