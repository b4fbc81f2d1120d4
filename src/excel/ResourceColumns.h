#pragma once
// The resource columns as the drawing walks them: group by group, within a group in list
// order, each with its host resource's name and the X of its centre.

#include <string>
#include <vector>

class clsResources;

struct ResourceColumn {
  const std::string* strName = nullptr;  // the host resource's name
  double dblMidX = 0.0;
};

// Every column whose host resource is there, in drawing order.
std::vector<ResourceColumn> ResourceColumns(const clsResources& objResources);
