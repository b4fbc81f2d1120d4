#pragma once
// The run of `quorvan PLAN.xml`: the add-in connected as started from outside, so that its
// launch checks the plan and opens the wizard filled with the stored defaults; the options of
// the command line applied to the wizard's controls, the defaults saved when asked, Finish
// pressed, and the wizard closed.

#include <iosfwd>

namespace cli {

struct CommandLine;

// Runs the wizard headless for the plan that the host (gobjApplication) has open. Every
// message box goes to err; a question is answered Yes only with --yes. The progress of the
// run goes to err (redrawn in place when blnTerminal). With --dump-model the run prints the
// chart model as JSON to out once the builder has every option, instead of exporting it.
// Exit status: 0 done (the chart written, the model printed, the defaults saved); 1 when a
// check or a question ended the launch, a check of the wizard failed, the export was broken
// off, or the defaults could not be saved.
int RunWizard(const CommandLine& options, std::ostream& out, std::ostream& err,
              bool blnTerminal = false);

}  // namespace cli
