#include "chart/LayoutNumbers.h"

#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"

namespace chart {

std::optional<double> ReadLineWeight(const std::string& strText) {
  return vb::TryRead([&] { return vb::CDbl(strText); });
}

double ReadWholeNumber(const std::string& strText) {
  return vb::Round(vb::Val(strText));
}

double SnapRowHeight(double dblHeight) {
  return vb::Int(dblHeight * 4.0 / 3.0) * 3.0 / 4.0;
}

}  // namespace chart
