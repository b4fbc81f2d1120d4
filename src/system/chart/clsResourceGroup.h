#pragma once
// One resource group with its resources in the order in which they were met.

#include <string>
#include <vector>

#include "chart/clsResource.h"

class clsResourceGroup {
 public:
  std::vector<clsResource> colResources;
  std::string strName;

  void AddResource(clsResource objResource);
};
