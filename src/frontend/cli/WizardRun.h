#pragma once
// The run of `quorvan PLAN.xml`: the launch's checks of the plan, the stored defaults with the
// options of the command line over them, the wizard's checks of those options, the defaults
// saved when asked, and the run of the chart.

#include <iosfwd>

struct RunResult;
namespace msproject {
class Application;
}

namespace cli {

struct CommandLine;

// Runs the chart of the plan that the host has open, as the wizard would with the same
// options. Every message box goes to err; a question is answered Yes only with --yes. The progress
// of the run goes to err (redrawn in place when blnTerminal). With --dump-model the run prints the
// chart model as JSON to out once the builder has every option, instead of exporting it.
// Exit status: 0 done (the chart written, the model printed, the defaults saved); 1 when a
// check or a question ended the launch, a check of the wizard failed, the export was broken
// off, or the defaults could not be saved. With kept, the run keeps its saved workbook open and
// its result goes there (for the pictures).
int RunWizard(msproject::Application& objApplication, const CommandLine& options, std::ostream& out,
              std::ostream& err, bool blnTerminal = false, RunResult* kept = nullptr);

}  // namespace cli
