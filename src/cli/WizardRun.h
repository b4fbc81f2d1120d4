#pragma once
// The run of `quorvan PLAN.xml`: the wizard filled as the launch fills it, the options of the
// command line applied to its controls, the defaults saved when asked, Finish pressed.

#include <iosfwd>

namespace cli {

struct CommandLine;

// Runs the wizard headless for the plan that the host (gobjApplication) has open. Every
// message box goes to err; a question is answered Yes only with --yes. With --dump-model the
// run prints the chart model as JSON to out once the builder has every option.
// Exit status: 0 done; 1 when a check of the wizard failed, the launch ended at a question,
// or the defaults could not be saved.
int RunWizard(const CommandLine& options, std::ostream& out, std::ostream& err);

}  // namespace cli
