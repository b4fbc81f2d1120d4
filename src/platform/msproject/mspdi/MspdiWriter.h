#pragma once
// The two ways of writing a plan as MSPDI (PlanXml.h): splicing the edits into the file that
// was read, and writing a plan read from another format anew. A class so that the object
// model can let it read what the host keeps of the file.

#include <filesystem>
#include <string>

namespace msproject {

class Project;

class MspdiWriter {
 public:
  // The one or the other, as the plan was read.
  static std::string Text(const Project& plan);
  // The kept file with the edited fields changed.
  static std::string Splice(const Project& plan);
  // A new MSPDI document of the plan, in UTF-8.
  static std::string Write(const Project& plan);
  static void Saved(Project& plan, std::string bytes);
  static void SavedAs(Project& plan, std::string bytes, const std::filesystem::path& file);
};

}  // namespace msproject
