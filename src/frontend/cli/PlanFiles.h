#pragma once
// The outputs of a run must not be written over a file the plan is made of (plan/PlanFiles.h):
// that would destroy what the chart is made from.

#include <string>
#include <vector>

namespace msproject {
class Project;
}

namespace cli {

// The message refusing the first output that is the same file as the plan or one of its
// inserted projects (the same device and inode, so that another name, a link or a hard link
// of the file is recognised); "" when none is. Outputs that do not exist yet are new files.
std::string OutputOverwritingPlan(const msproject::Project& objPlan,
                                  const std::vector<std::string>& colOutputs);

}  // namespace cli
