#include "cli/Main.h"

#include <exception>
#include <ostream>

#include "cli/CommandLine.h"
#include "cli/WizardRun.h"
#include "platform/msproject/Application.h"
#include "wizard/Globals.h"

namespace cli {

namespace {

constexpr int kExitFailure = 1;
constexpr int kExitBadInput = 2;

// Makes the host the launch's global host for as long as a command runs.
class HostForRun {
 public:
  explicit HostForRun(msproject::Application& objApplication) { gobjApplication = &objApplication; }
  ~HostForRun() { gobjApplication = nullptr; }
  HostForRun(const HostForRun&) = delete;
  HostForRun& operator=(const HostForRun&) = delete;
};

}  // namespace

int Main(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
  if (!parsed.options) {
    out << parsed.strStdout;
    err << parsed.strStderr;
    return parsed.intExitCode;
  }
  const CommandLine& options = *parsed.options;
  if (!options.blnDumpModel && !options.wizard.blnSaveDefaults) {
    err << "Das Schreiben der Arbeitsmappe ist noch nicht verfügbar; geben Sie --dump-model an, "
           "um das Diagrammmodell auszugeben.\n";
    return kExitBadInput;
  }

  try {
    msproject::Application objApplication;
    try {
      objApplication.FileOpen(options.strPlan);
    } catch (const msproject::Error& error) {
      err << error.Description() << '\n';
      return kExitBadInput;
    }
    HostForRun host(objApplication);
    const int intExitCode = RunWizard(options, out, err);
    out.flush();
    return intExitCode;
  } catch (const std::exception& error) {
    err << "Unerwarteter Fehler: " << error.what() << '\n';
    return kExitFailure;
  }
}

}  // namespace cli
