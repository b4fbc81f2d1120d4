#pragma once
// One task row: the task (none for a blank row of the task table), the names of its
// Responsible, Participant and Informed resources, and its worksheet row and geometry.

#include <cstdint>
#include <string>
#include <vector>

namespace msproject {
class Task;
}

class clsTask {
 public:
  // Non-owning; nullptr for a blank row of the task table.
  msproject::Task* objTask = nullptr;
  std::vector<std::string> colResponsibles;
  std::vector<std::string> colParticipiants;
  std::vector<std::string> colInformed;
  bool blnIsSubProject = false;
  double dblMidY = 0.0;
  double dblRowHeight = 0.0;
  std::int32_t lngRowNumber = 0;
  std::int32_t lngOutlineLevel = 0;

  void AddResponsible(std::string strName);
  void AddParticipiant(std::string strName);
  void AddInformed(std::string strName);
};
