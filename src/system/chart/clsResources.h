#pragma once
// All resource columns, gathered in groups in the order in which each group was first met.

#include <cstdint>
#include <vector>

#include "chart/clsResourceGroup.h"

class clsResources {
 public:
  std::vector<clsResourceGroup> colResourceGroups;
  std::int32_t lngResourcesCount = 0;

  void AddResourceGroup(clsResourceGroup objResourceGroup);
};
