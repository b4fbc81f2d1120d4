#include "excel/ResourceColumns.h"

#include "chart/clsResources.h"
#include "platform/msproject/Project.h"

std::vector<ResourceColumn> ResourceColumns(const clsResources& objResources) {
  std::vector<ResourceColumn> colColumns;
  for (const clsResourceGroup& objGroup : objResources.colResourceGroups) {
    for (const clsResource& objResource : objGroup.colResources) {
      if (objResource.objResource == nullptr) continue;
      colColumns.push_back({&objResource.objResource->Name(), objResource.dblMidX});
    }
  }
  return colColumns;
}
