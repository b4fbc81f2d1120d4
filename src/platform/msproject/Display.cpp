#include "platform/msproject/Display.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>

namespace msproject {

namespace {

// Reads exactly `digits` decimal digits at text[pos]; advances pos.
std::optional<int> FixedNumber(std::string_view text, std::size_t& pos, std::size_t digits) {
  if (pos + digits > text.size()) return std::nullopt;
  int value = 0;
  for (std::size_t i = 0; i < digits; ++i) {
    const char c = text[pos + i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  pos += digits;
  return value;
}

bool Expect(std::string_view text, std::size_t& pos, char c) {
  if (pos >= text.size() || text[pos] != c) return false;
  ++pos;
  return true;
}

}  // namespace

std::optional<DateTime> ParseDateTime(std::string_view text) {
  using namespace std::chrono;
  std::size_t pos = 0;
  const auto y = FixedNumber(text, pos, 4);
  if (!y || !Expect(text, pos, '-')) return std::nullopt;
  const auto mo = FixedNumber(text, pos, 2);
  if (!mo || !Expect(text, pos, '-')) return std::nullopt;
  const auto d = FixedNumber(text, pos, 2);
  if (!d || !Expect(text, pos, 'T')) return std::nullopt;
  const auto h = FixedNumber(text, pos, 2);
  if (!h || !Expect(text, pos, ':')) return std::nullopt;
  const auto mi = FixedNumber(text, pos, 2);
  if (!mi) return std::nullopt;
  int s = 0;
  if (pos < text.size()) {
    if (!Expect(text, pos, ':')) return std::nullopt;
    const auto sec = FixedNumber(text, pos, 2);
    if (!sec) return std::nullopt;
    s = *sec;
    if (pos < text.size()) {  // a fraction of a second, ignored
      if (!Expect(text, pos, '.') || pos == text.size()) return std::nullopt;
      for (; pos < text.size(); ++pos) {
        if (text[pos] < '0' || text[pos] > '9') return std::nullopt;
      }
    }
  }
  const year_month_day date{year{*y}, month{static_cast<unsigned>(*mo)},
                            day{static_cast<unsigned>(*d)}};
  if (*y < 1 || !date.ok()) return std::nullopt;
  // 24:00:00 is the end of the day, as the XML date format allows.
  const bool blnEndOfDay = *h == 24 && *mi == 0 && s == 0;
  if ((*h > 23 && !blnEndOfDay) || *mi > 59 || s > 59) return std::nullopt;
  return sys_days{date} + hours{*h} + minutes{*mi} + seconds{s};
}

std::optional<double> ParseDurationMinutes(std::string_view text) {
  std::size_t pos = 0;
  double sign = 1;
  if (pos < text.size() && text[pos] == '-') {
    sign = -1;
    ++pos;
  }
  if (!Expect(text, pos, 'P')) return std::nullopt;
  double minutes = 0;
  bool blnTime = false;
  bool blnAny = false;
  bool blnAnyAfterT = false;
  // Units allowed in order: date part W, D; time part H, M, S.
  int lastRank = 0;
  while (pos < text.size()) {
    if (text[pos] == 'T') {
      if (blnTime) return std::nullopt;
      blnTime = true;
      ++pos;
      continue;
    }
    const std::size_t start = pos;
    while (pos < text.size() && ((text[pos] >= '0' && text[pos] <= '9') || text[pos] == '.')) {
      ++pos;
    }
    if (pos == start || pos == text.size()) return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(text.data() + start, text.data() + pos, value, std::chars_format::fixed);
    if (ec != std::errc{} || end != text.data() + pos || !std::isfinite(value)) {
      return std::nullopt;
    }
    const char unit = text[pos++];
    int rank = 0;
    double factor = 0;
    if (!blnTime && unit == 'W') {
      rank = 1, factor = 7 * 24 * 60;
    } else if (!blnTime && unit == 'D') {
      rank = 2, factor = 24 * 60;
    } else if (blnTime && unit == 'H') {
      rank = 3, factor = 60;
    } else if (blnTime && unit == 'M') {
      rank = 4, factor = 1;
    } else if (blnTime && unit == 'S') {
      rank = 5, factor = 1.0 / 60;
    } else {
      return std::nullopt;
    }
    if (rank <= lastRank) return std::nullopt;
    lastRank = rank;
    minutes += value * factor;
    blnAny = true;
    if (blnTime) blnAnyAfterT = true;
  }
  if (!blnAny || (blnTime && !blnAnyAfterT)) return std::nullopt;
  // Far beyond any plan; keeps the minutes a safe whole number.
  if (!std::isfinite(minutes) || minutes > 1e12) return std::nullopt;
  return sign * minutes;
}

std::string DateText(DateTime dateTime) {
  using namespace std::chrono;
  static constexpr std::array<const char*, 7> kWeekdays{"So", "Mo", "Di", "Mi", "Do", "Fr", "Sa"};
  const sys_days days = floor<std::chrono::days>(dateTime);
  const year_month_day date{days};
  const unsigned weekday = std::chrono::weekday{days}.c_encoding();
  return fmt::format("{} {:02}.{:02}.{:02}", kWeekdays[weekday], static_cast<unsigned>(date.day()),
                     static_cast<unsigned>(date.month()),
                     ((static_cast<int>(date.year()) % 100) + 100) % 100);
}

std::string DurationText(double dblMinutes, std::int32_t lngFormat,
                         const DurationSettings& settings, bool blnEstimated) {
  if (IsEstimatedFormat(lngFormat)) {
    blnEstimated = true;
    lngFormat -= 32;
  }
  // Formats without a unit of their own (none, percent, unknown) take the plan's default unit.
  if (lngFormat < 3 || lngFormat > 12) {
    lngFormat = settings.lngDefaultFormat;
    if (IsEstimatedFormat(lngFormat)) lngFormat -= 32;
    if (lngFormat < 3 || lngFormat > 12) lngFormat = 7;
  }
  const bool blnElapsed = lngFormat % 2 == 0;
  const int unit = (lngFormat - 3) / 2;  // 0 minutes, 1 hours, 2 days, 3 weeks, 4 months

  const double minutesPerDay = settings.lngMinutesPerDay > 0 ? settings.lngMinutesPerDay : 480;
  const double minutesPerWeek = settings.lngMinutesPerWeek > 0 ? settings.lngMinutesPerWeek : 2400;
  const double daysPerMonth = settings.lngDaysPerMonth > 0 ? settings.lngDaysPerMonth : 20;
  static constexpr std::array<double, 5> kElapsed{1, 60, 24 * 60, 7 * 24 * 60, 30 * 24 * 60};
  const std::array<double, 5> working{1, 60, minutesPerDay, minutesPerWeek,
                                      minutesPerDay * daysPerMonth};
  const double perUnit = blnElapsed ? kElapsed[unit] : working[unit];

  double value = std::round(dblMinutes / perUnit * 100) / 100;
  if (value == 0) value = 0;  // no "-0"
  std::string text = fmt::format("{:.2f}", value);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  for (char& c : text) {
    if (c == '.') c = ',';
  }

  const bool blnOne = std::fabs(value) == 1;
  static constexpr std::array<const char*, 5> kSingular{"Min.", "Std.", "Tag", "Woche", "Monat"};
  static constexpr std::array<const char*, 5> kPlural{"Min.", "Std.", "Tage", "Wochen", "Monate"};
  text += ' ';
  if (blnElapsed) text += 'f';
  text += blnOne ? kSingular[unit] : kPlural[unit];
  if (blnEstimated) text += '?';
  return text;
}

}  // namespace msproject
