#pragma once
// The resource columns as the drawing walks them: group by group, within a group in list
// order, each with the X of its centre, and an index from a host resource's name to its
// columns, built once per export.

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class clsResources;

struct ResourceColumns {
  // The X of each column whose host resource is there, in drawing order.
  std::vector<double> colMidX;
  // The positions in colMidX of the columns of each name, in drawing order.
  std::unordered_map<std::string, std::vector<std::size_t>> colByName;
};

ResourceColumns IndexResourceColumns(const clsResources& objResources);
