// Feeds arbitrary text to the number conversions that read what the user types (the layout
// boxes, the stored defaults): Val with its decimal point, IsNumeric and CDbl in the German
// locale, CLng and CInt on top of them, and the wizard's readings of the layout numbers. The
// input's first eight bytes are also taken as a double for the conversions of numbers to text
// and whole numbers. Only vb::Error may leave them, and a number written by CStr reads back.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "chart/LayoutNumbers.h"
#include "platform/vb/Conversion.h"
#include "platform/vb/Error.h"

namespace {

void Check(bool blnCondition) {
  if (!blnCondition) std::abort();
}

bool Near(double a, double b) {
  return a == b || std::fabs(a - b) <= 1e-14 * std::fmax(std::fabs(a), std::fabs(b));
}

// A number written by CStr reads back in both families (all but the last digit's worth below
// the largest double, which 15 digits round past it).
void CheckWritten(double dblValue) {
  const std::string strText = vb::CStr(dblValue);
  if (!std::isfinite(dblValue) || std::fabs(dblValue) > 1e308) return;
  Check(vb::IsNumeric(strText));
  Check(Near(vb::CDbl(strText), dblValue));
  std::string strPoint = strText;
  for (char& ch : strPoint) {
    if (ch == ',') ch = '.';
  }
  Check(Near(vb::Val(strPoint), dblValue));
}

// The whole-number conversions: either a whole number near the value or vb::Error 6.
void CheckWhole(double dblValue) {
  const double dblRounded = vb::Round(dblValue);
  if (std::isfinite(dblValue)) {
    Check(dblRounded == std::floor(dblRounded) && std::fabs(dblRounded - dblValue) <= 0.5);
    Check(vb::Int(dblValue) <= dblValue && std::fabs(vb::Fix(dblValue)) <= std::fabs(dblValue));
  }
  try {
    Check(vb::CLng(dblValue) == dblRounded);
  } catch (const vb::Error& e) {
    Check(e.Number() == vb::kErrOverflow);
  }
  try {
    Check(vb::CInt(dblValue) == dblRounded);
  } catch (const vb::Error& e) {
    Check(e.Number() == vb::kErrOverflow);
  }
}

void CheckText(const std::string& strText) {
  const double dblVal = vb::Val(strText);
  Check(!std::isnan(dblVal));
  CheckWritten(dblVal);

  const bool blnNumeric = vb::IsNumeric(strText);
  try {
    const double dblValue = vb::CDbl(strText);
    Check(blnNumeric && std::isfinite(dblValue));
    CheckWritten(dblValue);
    CheckWhole(dblValue);
  } catch (const vb::Error& e) {
    Check(!blnNumeric);
    Check(e.Number() == vb::kErrTypeMismatch || e.Number() == vb::kErrOverflow);
  }
  for (const auto& convert : {+[](std::string_view s) { return double(vb::CLng(s)); },
                              +[](std::string_view s) { return double(vb::CInt(s)); }}) {
    try {
      const double dblWhole = convert(strText);
      Check(blnNumeric && dblWhole == vb::Round(vb::CDbl(strText)));
    } catch (const vb::Error& e) {
      Check(e.Number() == vb::kErrTypeMismatch || e.Number() == vb::kErrOverflow);
    }
  }

  Check(chart::ReadLineWeight(strText).has_value() == blnNumeric);
  const double dblWhole = chart::ReadWholeNumber(strText);
  Check(!std::isnan(dblWhole));
  if (std::isfinite(dblVal) && std::fabs(dblVal) < 1e12) {
    const double dblSnapped = chart::SnapRowHeight(dblVal);
    Check(std::fabs(dblVal - dblSnapped - 0.375) <= 0.375 + 1e-9 * std::fabs(dblVal));
    Check(std::fmod(dblSnapped, 0.75) == 0);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CheckText(std::string(reinterpret_cast<const char*>(data), size));
  if (size >= sizeof(double)) {
    double dblValue = 0;
    std::memcpy(&dblValue, data, sizeof dblValue);
    CheckWritten(dblValue);
    CheckWhole(dblValue);
  }
  return 0;
}
