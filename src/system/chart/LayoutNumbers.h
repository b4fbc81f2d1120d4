#pragma once
// How the layout numbers are read, for the checks, the wizard's spinners and the
// run alike.

#include <optional>
#include <string>

namespace chart {

// The line weight: the whole text read as a number in the German locale ("0,25"); empty when
// the text is not a number.
std::optional<double> ReadLineWeight(const std::string& strText);

// A column width or row height: the leading number read with a point as decimal separator
// ("12.6", "5x"; no number gives 0), taken to the nearest whole number, halves to even.
double ReadWholeNumber(const std::string& strText);

// The row height that the chart uses: the leading number snapped down to a multiple of 0.75.
double SnapRowHeight(double dblHeight);

inline constexpr double kMinLineWeight = 0.25;
inline constexpr double kMaxLineWeight = 6.0;
inline constexpr double kMinColumnWidth = 4.0;
inline constexpr double kMaxColumnWidth = 20.0;
inline constexpr double kMinRowHeight = 18.0;
inline constexpr double kMaxRowHeight = 90.0;

}  // namespace chart
