#include "platform/vb/Conversion.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "platform/vb/Error.h"

namespace vb {
namespace {

bool IsDigit(char ch) {
  return ch >= '0' && ch <= '9';
}

bool IsBlank(char ch) {
  return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

bool IsExponentMark(char ch) {
  return ch == 'E' || ch == 'e' || ch == 'D' || ch == 'd';
}

int DigitValue(char ch) {
  if (IsDigit(ch)) return ch - '0';
  if (ch >= 'a' && ch <= 'f') return ch - 'a' + 10;
  if (ch >= 'A' && ch <= 'F') return ch - 'A' + 10;
  return 99;
}

[[noreturn]] void ThrowTypeMismatch() {
  throw Error(kErrTypeMismatch, "Typen unverträglich");
}
[[noreturn]] void ThrowOverflow() {
  throw Error(kErrOverflow, "Überlauf");
}

// Reads "&H…" or "&O…" starting at pos (which points at '&'). Advances pos past the digits
// read. As in the runtime, up to four digits make a 16-bit and up to eight a 32-bit number, so
// "&HFFFF" is -1. Returns nothing when no digit follows the prefix.
std::optional<double> ReadRadixNumber(std::string_view strText, std::size_t& pos) {
  if (pos + 1 >= strText.size() || strText[pos] != '&') return std::nullopt;
  const char chKind = strText[pos + 1];
  int intRadix = 0;
  if (chKind == 'H' || chKind == 'h') intRadix = 16;
  if (chKind == 'O' || chKind == 'o') intRadix = 8;
  if (intRadix == 0) return std::nullopt;

  std::size_t i = pos + 2;
  std::uint64_t value = 0;
  int intDigits = 0;
  while (i < strText.size() && DigitValue(strText[i]) < intRadix) {
    value = value * static_cast<std::uint64_t>(intRadix) +
            static_cast<std::uint64_t>(DigitValue(strText[i]));
    if (value > 0xFFFFFFFFull) return std::nullopt;  // does not fit any whole-number type
    ++intDigits;
    ++i;
  }
  if (intDigits == 0) return std::nullopt;
  pos = i;
  if (value <= 0xFFFF && value >= 0x8000 && intRadix == 16 && intDigits <= 4) {
    return static_cast<double>(value) - 65536.0;
  }
  if (value >= 0x80000000ull) return static_cast<double>(value) - 4294967296.0;
  return static_cast<double>(value);
}

// Turns a number in the C form ("-12.5e3") into a double; infinity when it is too large.
double FromPlainText(const std::string& strPlain, bool& blnOverflow) {
  double dblValue = 0;
  const char* first = strPlain.data();
  const char* last = first + strPlain.size();
  const auto [ptr, ec] = std::from_chars(first, last, dblValue);
  blnOverflow = false;
  if (ec == std::errc::result_out_of_range) {
    // Either too large (overflow) or too small (underflow, which reads as 0).
    const bool blnNegative = !strPlain.empty() && strPlain[0] == '-';
    const std::size_t posExp = strPlain.find('e');
    const bool blnTiny =
        posExp != std::string::npos && posExp + 1 < strPlain.size() && strPlain[posExp + 1] == '-';
    if (blnTiny) return blnNegative ? -0.0 : 0.0;
    blnOverflow = true;
    return blnNegative ? -std::numeric_limits<double>::infinity()
                       : std::numeric_limits<double>::infinity();
  }
  if (ec != std::errc{} || ptr != last) return 0;
  return dblValue;
}

// Appends an exponent ("E-3", "D+10") at pos to strPlain when one follows; advances pos.
void ReadExponent(std::string_view strText, std::size_t& pos, std::string& strPlain) {
  if (pos >= strText.size() || !IsExponentMark(strText[pos])) return;
  std::size_t i = pos + 1;
  std::string strExp = "e";
  if (i < strText.size() && (strText[i] == '+' || strText[i] == '-')) {
    strExp += strText[i];
    ++i;
  }
  const std::size_t posDigits = i;
  while (i < strText.size() && IsDigit(strText[i])) strExp += strText[i++];
  if (i == posDigits) return;  // a lone "E" does not continue the number
  strPlain += strExp;
  pos = i;
}

enum class Parse { kOk, kNotNumeric, kOverflow };

// Reads the whole text as a number in the German locale.
Parse ParseGerman(std::string_view strText, double& dblValue) {
  std::size_t first = 0;
  std::size_t last = strText.size();
  while (first < last && IsBlank(strText[first])) ++first;
  while (last > first && IsBlank(strText[last - 1])) --last;
  const std::string_view strCore = strText.substr(first, last - first);
  if (strCore.empty()) return Parse::kNotNumeric;

  std::size_t pos = 0;
  if (strCore[0] == '&') {
    const auto radix = ReadRadixNumber(strCore, pos);
    if (!radix || pos != strCore.size()) return Parse::kNotNumeric;
    dblValue = *radix;
    return Parse::kOk;
  }

  std::string strPlain;
  if (strCore[pos] == '+' || strCore[pos] == '-') {
    if (strCore[pos] == '-') strPlain += '-';
    ++pos;
  }
  int intDigits = 0;
  // Whole part: digits, with points as thousands separators wherever they stand after a digit.
  while (pos < strCore.size()) {
    if (IsDigit(strCore[pos])) {
      strPlain += strCore[pos];
      ++intDigits;
    } else if (strCore[pos] != '.' || intDigits == 0) {
      break;
    }
    ++pos;
  }
  if (pos < strCore.size() && strCore[pos] == ',') {
    strPlain += '.';
    ++pos;
    while (pos < strCore.size() && IsDigit(strCore[pos])) {
      strPlain += strCore[pos++];
      ++intDigits;
    }
  }
  if (intDigits == 0) return Parse::kNotNumeric;
  ReadExponent(strCore, pos, strPlain);
  if (pos != strCore.size()) return Parse::kNotNumeric;

  bool blnOverflow = false;
  dblValue = FromPlainText(strPlain, blnOverflow);
  return blnOverflow ? Parse::kOverflow : Parse::kOk;
}

}  // namespace

double Val(std::string_view strText) {
  std::size_t pos = 0;
  while (pos < strText.size() && IsBlank(strText[pos])) ++pos;
  if (pos < strText.size() && strText[pos] == '&') {
    return ReadRadixNumber(strText, pos).value_or(0.0);
  }

  std::string strPlain;
  if (pos < strText.size() && (strText[pos] == '+' || strText[pos] == '-')) {
    if (strText[pos] == '-') strPlain += '-';
    ++pos;
  }
  int intDigits = 0;
  bool blnPoint = false;
  while (pos < strText.size()) {
    const char ch = strText[pos];
    if (IsDigit(ch)) {
      strPlain += ch;
      ++intDigits;
    } else if (ch == '.' && !blnPoint) {
      strPlain += ch;
      blnPoint = true;
    } else {
      break;
    }
    ++pos;
  }
  if (intDigits == 0) return 0;
  if (strPlain.back() == '.') strPlain.pop_back();
  if (strPlain.front() == '.' || (strPlain.size() > 1 && strPlain.substr(0, 2) == "-.")) {
    const std::size_t at = strPlain.front() == '-' ? 1 : 0;
    strPlain = strPlain.substr(0, at) + '0' + strPlain.substr(at);
  }
  ReadExponent(strText, pos, strPlain);
  bool blnOverflow = false;
  return FromPlainText(strPlain, blnOverflow);
}

bool IsNumeric(std::string_view strText) {
  double dblValue = 0;
  return ParseGerman(strText, dblValue) == Parse::kOk;
}

double CDbl(std::string_view strText) {
  double dblValue = 0;
  switch (ParseGerman(strText, dblValue)) {
    case Parse::kOk:
      return dblValue;
    case Parse::kOverflow:
      ThrowOverflow();
    case Parse::kNotNumeric:
      break;
  }
  ThrowTypeMismatch();
}

double Round(double dblValue) {
  if (!std::isfinite(dblValue)) return dblValue;
  const double dblFloor = std::floor(dblValue);
  const double dblRest = dblValue - dblFloor;
  if (dblRest < 0.5) return dblFloor;
  if (dblRest > 0.5) return dblFloor + 1;
  return std::fmod(dblFloor, 2.0) == 0 ? dblFloor : dblFloor + 1;
}

std::int32_t CLng(double dblValue) {
  const double dblRounded = Round(dblValue);
  if (std::isnan(dblRounded) || dblRounded < std::numeric_limits<std::int32_t>::min() ||
      dblRounded > std::numeric_limits<std::int32_t>::max()) {
    ThrowOverflow();
  }
  return static_cast<std::int32_t>(dblRounded);
}

std::int32_t CLng(std::string_view strText) {
  return CLng(CDbl(strText));
}

std::int16_t CInt(double dblValue) {
  const double dblRounded = Round(dblValue);
  if (std::isnan(dblRounded) || dblRounded < std::numeric_limits<std::int16_t>::min() ||
      dblRounded > std::numeric_limits<std::int16_t>::max()) {
    ThrowOverflow();
  }
  return static_cast<std::int16_t>(dblRounded);
}

std::int16_t CInt(std::string_view strText) {
  return CInt(CDbl(strText));
}

double Int(double dblValue) {
  return std::floor(dblValue);
}

double Fix(double dblValue) {
  return std::trunc(dblValue);
}

std::string CStr(double dblValue) {
  if (std::isnan(dblValue)) return "-1,#IND";
  if (std::isinf(dblValue)) return dblValue > 0 ? "1,#INF" : "-1,#INF";
  if (dblValue == 0) return "0";  // minus zero as well

  char buf[64];
  const auto [ptr, ec] =
      std::to_chars(buf, buf + sizeof buf, dblValue, std::chars_format::general, 15);
  std::string strText(buf, ec == std::errc{} ? ptr : buf);
  for (char& ch : strText) {
    if (ch == '.') ch = ',';
    if (ch == 'e') ch = 'E';
  }
  return strText;
}

std::string CStr(std::int32_t lngValue) {
  return std::to_string(lngValue);
}

}  // namespace vb
