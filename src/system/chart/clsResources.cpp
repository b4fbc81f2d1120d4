#include "chart/clsResources.h"

#include <utility>

void clsResources::AddResourceGroup(clsResourceGroup objResourceGroup) {
  colResourceGroups.push_back(std::move(objResourceGroup));
}
