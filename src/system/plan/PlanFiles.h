#pragma once
// The files a plan is made of: the plan and every project inserted into it. Nothing may be
// written over one of them that would destroy what the plan is read from.

#include <filesystem>
#include <optional>
#include <string>

namespace msproject {
class Project;
}

namespace plan {

// A file of the plan: its name and whether it is an inserted project.
struct PlanFile {
  std::string strName;
  bool blnInserted = false;
};

// The file of the plan or of one of its inserted projects that path names (the same device and
// inode, so that another name, a link or a hard link of the file is recognised); nothing when
// path names none of them or no file at all.
std::optional<PlanFile> PlanFileAt(const msproject::Project& objPlan,
                                   const std::filesystem::path& path);

}  // namespace plan
