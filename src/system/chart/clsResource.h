#pragma once
// One resource column: the resource, its worksheet column and its width and centre in points.

#include <cstdint>

namespace msproject {
class Resource;
}

class clsResource {
 public:
  // Non-owning; its name and group are read through it.
  msproject::Resource* objResource = nullptr;
  double dblMidX = 0.0;
  double dblColumnWidth = 0.0;
  double dblWidth = 0.0;
  std::int32_t lngColumnNumber = 0;
};
