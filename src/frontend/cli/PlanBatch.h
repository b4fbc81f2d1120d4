#pragma once
// Several plans in one call: each plan's chart is made in a process of its own, as many at
// once as the machine has cores; a plan that fails does not stop the others. Each plan ends
// with one line on err: which chart it wrote, or that it wrote none, with the messages its
// run showed.

#include <functional>
#include <iosfwd>

namespace cli {

struct CommandLine;

// Runs one plan: the options as for a single plan (strPlan and the chart path set). Returns
// its exit status.
using PlanRun = std::function<int(const CommandLine& options, std::ostream& err)>;

// Returns the worst exit status of the plans (0 < 1 < 2).
int RunPlans(const CommandLine& options, std::ostream& err, const PlanRun& run);

}  // namespace cli
