#include "export/ResourceColumns.h"

#include "chart/clsResources.h"
#include "platform/msproject/Project.h"

ResourceColumns IndexResourceColumns(const clsResources& objResources) {
  ResourceColumns objColumns;
  for (const clsResourceGroup& objGroup : objResources.colResourceGroups) {
    for (const clsResource& objResource : objGroup.colResources) {
      if (objResource.objResource == nullptr) continue;
      objColumns.colByName[objResource.objResource->Name()].push_back(objColumns.colMidX.size());
      objColumns.colMidX.push_back(objResource.dblMidX);
    }
  }
  return objColumns;
}
