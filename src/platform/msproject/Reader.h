#pragma once
// Reads Microsoft Project XML (MSPDI) plans into the host's object model, together with the
// projects inserted into them.
//
// A plan may be saved in UTF-8, UTF-16, ISO-8859-1 or windows-1252 (TextEncoding.h); another
// encoding is refused. The line of a failure is counted in the text as it was read, which is
// read once and parsed in place.
//
// The reader loads no document type definitions and expands no entities but the five that XML
// predefines, so a plan cannot make it read other files or blow up in memory. A plan that
// cannot be read throws msproject::Error with the German message for the user; nothing of it
// is kept. An inserted project that cannot be read is left without its source project.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/msproject/Project.h"

namespace pugi {
class xml_node;
}

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

 private:
  struct Session;
  struct Failure;
  class Builder;

  // The parsing works in `buffer`, the file's bytes as read.
  static std::vector<std::unique_ptr<Project>> Read(std::string buffer,
                                                    const std::filesystem::path& path);
  static std::string ReadBytes(const std::filesystem::path& path);
  // Fills the project from the root element of its plan; throws Failure.
  static void BuildProject(Project& project, pugi::xml_node root);
  static std::unique_ptr<Project> Parse(std::string buffer, const std::filesystem::path& path);
  static Project* Load(Session& session, std::string buffer, const std::filesystem::path& path);
  static void ResolveSubprojects(Session& session, Project& project,
                                 const std::filesystem::path& folder);
};

}  // namespace msproject
