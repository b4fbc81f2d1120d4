#include "platform/msproject/mpx/MpxValues.h"

#include <array>
#include <cctype>
#include <charconv>
#include <chrono>
#include <cmath>
#include <system_error>

namespace msproject::mpx {

namespace {

std::string_view Trim(std::string_view text) {
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) {
    text.remove_prefix(1);
  }
  while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) {
    text.remove_suffix(1);
  }
  return text;
}

std::string Lower(std::string_view text) {
  std::string strLower(text);
  for (char& c : strLower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return strLower;
}

// Reads the digits at text[pos]; advances pos.
std::optional<int> Digits(std::string_view text, std::size_t& pos, std::size_t max) {
  const std::size_t start = pos;
  int value = 0;
  while (pos < text.size() && pos - start < max && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos] - '0');
    ++pos;
  }
  if (pos == start) return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text, const Conventions& conventions) {
  text = Trim(text);
  std::string strNumber;
  for (const char c : text) {
    if (c == conventions.chDecimal) {
      strNumber += '.';
    } else if ((c >= '0' && c <= '9') || c == '-' || c == '+') {
      strNumber += c;
    } else {
      return std::nullopt;
    }
  }
  if (!strNumber.empty() && strNumber.front() == '+') strNumber.erase(0, 1);
  double value = 0;
  const auto [end, ec] = std::from_chars(strNumber.data(), strNumber.data() + strNumber.size(),
                                         value, std::chars_format::fixed);
  if (strNumber.empty() || ec != std::errc{} || end != strNumber.data() + strNumber.size() ||
      !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

std::optional<std::int64_t> ParseWhole(std::string_view text) {
  text = Trim(text);
  std::int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::optional<DateTime>> ParseDate(std::string_view text,
                                                 const Conventions& conventions,
                                                 std::int32_t lngDefaultMinutes) {
  using namespace std::chrono;
  text = Trim(text);
  if (text.empty() || text == "NA" || text == "NV") return std::optional<DateTime>();
  std::size_t pos = 0;
  // A weekday before the date ("Fri", "Fr").
  while (pos < text.size() && !std::isdigit(static_cast<unsigned char>(text[pos]))) {
    if (!std::isalpha(static_cast<unsigned char>(text[pos])) && text[pos] != ' ' &&
        text[pos] != '.' && text[pos] != ',') {
      return std::nullopt;
    }
    ++pos;
  }
  std::array<int, 3> parts{};
  std::array<std::size_t, 3> lengths{};
  for (std::size_t i = 0; i < 3; ++i) {
    if (i > 0) {
      if (pos >= text.size() || text[pos] != conventions.chDateSeparator) return std::nullopt;
      ++pos;
    }
    const std::size_t start = pos;
    const auto value = Digits(text, pos, 4);
    if (!value) return std::nullopt;
    parts[i] = *value;
    lengths[i] = pos - start;
  }
  int d = 0;
  int m = 0;
  int y = 0;
  std::size_t yearLength = 0;
  switch (conventions.intDateOrder) {
    case 0:
      m = parts[0], d = parts[1], y = parts[2], yearLength = lengths[2];
      break;
    case 2:
      y = parts[0], m = parts[1], d = parts[2], yearLength = lengths[0];
      break;
    default:
      d = parts[0], m = parts[1], y = parts[2], yearLength = lengths[2];
      break;
  }
  // Two digits of the year: the host's range of dates runs from 1984 to 2049.
  if (yearLength <= 2) y += y < 84 ? 2000 : 1900;
  std::int32_t lngMinutes = lngDefaultMinutes;
  const std::string_view rest = Trim(text.substr(pos));
  if (!rest.empty()) {
    std::size_t at = 0;
    const auto h = Digits(rest, at, 2);
    if (!h || at >= rest.size() || rest[at] != conventions.chTimeSeparator) return std::nullopt;
    ++at;
    const auto mi = Digits(rest, at, 2);
    if (!mi) return std::nullopt;
    int hours = *h;
    const std::string strSuffix = Lower(Trim(rest.substr(at)));
    if (!strSuffix.empty()) {
      if (!conventions.strPm.empty() && strSuffix == Lower(conventions.strPm)) {
        if (hours < 12) hours += 12;
      } else if (!conventions.strAm.empty() && strSuffix == Lower(conventions.strAm)) {
        if (hours == 12) hours = 0;
      } else {
        return std::nullopt;
      }
    }
    if (hours > 24 || *mi > 59) return std::nullopt;
    lngMinutes = hours * 60 + *mi;
  }
  const year_month_day date{year{y}, month{static_cast<unsigned>(m)},
                            day{static_cast<unsigned>(d)}};
  if (!date.ok()) return std::nullopt;
  return std::optional<DateTime>(sys_days{date} + minutes{lngMinutes});
}

std::optional<Duration> ParseDuration(std::string_view text, const Conventions& conventions) {
  text = Trim(text);
  Duration duration;
  if (!text.empty() && text.back() == '?') {
    duration.blnEstimated = true;
    text = Trim(text.substr(0, text.size() - 1));
  }
  std::size_t end = 0;
  while (end < text.size() && ((text[end] >= '0' && text[end] <= '9') ||
                               text[end] == conventions.chDecimal || text[end] == '-')) {
    ++end;
  }
  const auto value = ParseNumber(text.substr(0, end), conventions);
  if (!value) return std::nullopt;
  const std::string strUnit = Lower(Trim(text.substr(end)));
  const DurationSettings& settings = conventions.durations;
  const double minutesPerDay = settings.lngMinutesPerDay > 0 ? settings.lngMinutesPerDay : 480;
  const double minutesPerWeek = settings.lngMinutesPerWeek > 0 ? settings.lngMinutesPerWeek : 2400;
  const double daysPerMonth = settings.lngDaysPerMonth > 0 ? settings.lngDaysPerMonth : 20;
  struct Unit {
    const char* strEnglish;
    const char* strGerman;
    std::int32_t lngFormat;
    double dblMinutes;
  };
  // Without a unit a duration counts in days, as MPX 3.0 wrote them.
  const Unit units[] = {
      {"m", "m", 3, 1},
      {"em", "fm", 4, 1},
      {"h", "h", 5, 60},
      {"eh", "fh", 6, 60},
      {"d", "t", 7, minutesPerDay},
      {"", "", 7, minutesPerDay},
      {"ed", "ft", 8, 24 * 60},
      {"w", "w", 9, minutesPerWeek},
      {"wk", "w", 9, minutesPerWeek},
      {"ew", "fw", 10, 7 * 24 * 60},
      {"mon", "mon", 11, minutesPerDay * daysPerMonth},
      {"emon", "fmon", 12, 30 * 24 * 60},
      {"y", "y", 11, minutesPerDay * daysPerMonth * 12},
      {"ey", "fy", 12, 365 * 24 * 60},
      {"%", "%", 19, 0},
      {"e%", "f%", 20, 0},
      {"mins", "min", 3, 1},
      {"hours", "std", 5, 60},
      {"days", "tage", 7, minutesPerDay},
      {"weeks", "wochen", 9, minutesPerWeek},
      {"months", "monate", 11, minutesPerDay * daysPerMonth},
  };
  for (const Unit& unit : units) {
    if (strUnit == unit.strEnglish || strUnit == unit.strGerman) {
      duration.dblMinutes = *value * unit.dblMinutes;
      duration.lngFormat = unit.lngFormat;
      return duration;
    }
  }
  return std::nullopt;
}

std::optional<bool> ParseYesNo(std::string_view text) {
  const std::string strValue = Lower(Trim(text));
  if (strValue == "yes" || strValue == "ja") return true;
  if (strValue == "no" || strValue == "nein") return false;
  return std::nullopt;
}

}  // namespace msproject::mpx
