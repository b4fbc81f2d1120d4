#include "chart/clsResourceGroup.h"

#include <utility>

void clsResourceGroup::AddResource(clsResource objResource) {
  colResources.push_back(std::move(objResource));
}
