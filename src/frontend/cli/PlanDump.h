#pragma once
// `quorvan --dump-plan PLAN`: what the host read from a plan, as JSON on stdout
// (platform/msproject/PlanJson.h).

#include <iosfwd>
#include <string>

namespace cli {

// Reads the plan and prints it; exit status 0, or 2 for a plan that cannot be read.
int DumpPlan(const std::string& strPlan, std::ostream& out, std::ostream& err);

}  // namespace cli
