#pragma once
// Reads a plan into the host's object model, together with the projects inserted into it,
// whatever the format of each file: the reader of a file is picked by its content
// (PlanFormat.h), not by its name.
//
// A plan that cannot be read throws msproject::Error with the German message for the user;
// nothing of it is kept. An inserted project that cannot be read is left without its source
// project and recorded, with the reason, on the plan (Project::UnreadSubprojects); no message
// is given while reading.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/msproject/Project.h"

namespace msproject {

class Reader {
 public:
  // Reads the plan in the file and every project inserted into it, however deep. The first
  // project of the result is the plan itself.
  static std::vector<std::unique_ptr<Project>> ReadFile(const std::filesystem::path& path);

  // The same for a plan already in memory: `path` gives its name and the folder in which its
  // inserted projects are looked up.
  static std::vector<std::unique_ptr<Project>> ReadBuffer(std::string_view bytes,
                                                          const std::filesystem::path& path);
};

}  // namespace msproject
