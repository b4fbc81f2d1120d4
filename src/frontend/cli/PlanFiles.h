#pragma once
// The files a plan is made of: the plan and every project inserted into it. A chart or picture
// written over one of them would destroy what the chart is made from.

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
