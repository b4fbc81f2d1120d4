#pragma once
// Small project plans in Microsoft Project XML for the add-in's tests: tasks with the WBS codes
// and resources with the names a test needs, blank rows among them, and a host that has the
// plan open.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace addintest {

class SmallPlan {
 public:
  // A task; its WBS code defaults to its ID.
  SmallPlan& Task(const std::string& strName, const std::string& strWBS = "");
  SmallPlan& BlankTask();
  SmallPlan& Resource(const std::string& strName);
  SmallPlan& BlankResource();

  std::string Xml() const;
  // Writes the plan as dir/strFile and returns its path.
  std::filesystem::path Write(const testsupport::TempDir& dir,
                              const std::string& strFile = "Plan.xml") const;

 private:
  std::vector<std::string> colTasks_;
  std::vector<std::string> colResources_;
};

}  // namespace addintest
