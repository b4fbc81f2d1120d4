#pragma once
// The conversion functions of the Visual Basic runtime, as they behave on a German Windows.
//
// Two families read numbers from text:
//   - Val reads the leading number with a point as decimal separator, whatever the locale.
//   - IsNumeric, CDbl, CLng and CInt read the whole text in the user's locale, which for this
//     product is always German: a decimal comma and the point as thousands separator.
// CStr writes a number the way the German user interface shows it ("0,5", "1,75").
//
// None of them depends on the C or C++ locale of the process.

#include <cstdint>
#include <string>
#include <string_view>

namespace vb {

// The leading number of the text: leading blanks, tabs and line breaks are skipped, an optional
// sign, digits with at most one point as decimal separator and an optional exponent (E or D)
// follow; reading stops at the first character that cannot continue the number. "&H" and "&O"
// introduce hexadecimal and octal whole numbers. A text without a leading number gives 0.
double Val(std::string_view strText);

// True when the whole text (blanks around it allowed) is a number in the German locale:
// optional sign, digits with points as thousands separators, an optional decimal comma with
// digits, an optional exponent; or "&H…" / "&O…". The empty text is not numeric.
bool IsNumeric(std::string_view strText);

// The text read as a number in the German locale; throws vb::Error 13 ("Typen unverträglich")
// when IsNumeric is false.
double CDbl(std::string_view strText);

// Rounds to the nearest whole number, halves to the even neighbour ("banker's rounding"), as
// CLng, CInt and Round do. Never fails; the result stays a double.
double Round(double dblValue);

// The whole number nearest to the value (halves to even); throws vb::Error 6 ("Überlauf") when
// it does not fit into 32 (CLng) or 16 (CInt) bits. The text forms read the text with CDbl first,
// so they throw vb::Error 13 for a text that is not numeric.
std::int32_t CLng(double dblValue);
std::int32_t CLng(std::string_view strText);
std::int16_t CInt(double dblValue);
std::int16_t CInt(std::string_view strText);

// The integer part: Int rounds down (Int(-2.5) = -3), Fix towards zero (Fix(-2.5) = -2).
double Int(double dblValue);
double Fix(double dblValue);

// A number as text in the German locale: at most 15 significant digits, a decimal comma, no
// thousands separators, an exponent ("1E+15", "1E-05") only for very large or small values.
std::string CStr(double dblValue);
std::string CStr(std::int32_t lngValue);

}  // namespace vb
