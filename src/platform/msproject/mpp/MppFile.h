#pragma once
// A .mpp opened for reading: its compound file, the version of its format (from the CompObj
// stream: MPP9 for Project 2000–2003, MPP12 for 2007, MPP14 for 2010 and later), the folder
// of its project tables, and its streams as the tables need them. Formats the host does not
// read and plans protected by a password are refused here.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/msproject/mpp/Blocks.h"
#include "platform/msproject/mpp/CompoundFile.h"

namespace msproject::mpp {

class MppFile {
 public:
  // Throws PlanReadFailure: NotAPlan for a compound file that is no plan of Microsoft
  // Project, Refused for an older format or a plan protected by a password for reading.
  MppFile(std::string_view bytes, const std::string& strFileName);

  int Format() const { return format_; }            // 9, 12 or 14
  int Application() const { return application_; }  // the version of the program that saved it
  const CompoundFile& Container() const { return *file_; }

  // A stream of the project's folder ("TBkndTask/VarMeta"); nothing when it is missing.
  // Streams that a password scrambles are given back as they were written.
  std::optional<std::string> Stream(const std::string& strPath) const;
  // The same, a missing stream making the file damaged.
  std::string Required(const std::string& strPath) const;

  const Props& ProjectProps() const { return projectProps_; }

 private:
  void CheckPassword(const Props& fileProps, const std::string& strFileName);

  std::unique_ptr<CompoundFile> file_;
  int format_ = 0;
  int application_ = 0;
  std::string folder_;
  std::uint8_t mask_ = 0;  // the byte scrambled streams are XORed with; 0 for none
  Props projectProps_;
};

}  // namespace msproject::mpp
