#include "platform/msproject/Display.h"

#include <fmt/format.h>

#include <array>
#include <charconv>
#include <cmath>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"

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
  static constexpr std::array<const char*, 7> kWeekdays{
      // TRANSLATORS: the weekdays of a task's start and finish, Sunday first, abbreviated.
      N_("So"), N_("Mo"), N_("Di"), N_("Mi"), N_("Do"), N_("Fr"), N_("Sa")};
  // The months by name, for the languages whose dates name them.
  static constexpr std::array<const char*, 12> kMonths{
      // TRANSLATORS: the months of a task's start and finish in English dates, abbreviated.
      N_("Jan"), N_("Feb"), N_("Mär"), N_("Apr"), N_("Mai"), N_("Jun"),
      N_("Jul"), N_("Aug"), N_("Sep"), N_("Okt"), N_("Nov"), N_("Dez")};
  const sys_days days = floor<std::chrono::days>(dateTime);
  const year_month_day date{days};
  const char* strWeekday = _(kWeekdays[std::chrono::weekday{days}.c_encoding()]);
  const auto day = static_cast<unsigned>(date.day());
  const auto month = static_cast<unsigned>(date.month());
  const int year = static_cast<int>(date.year());
  if (catalog::Current() == catalog::Language::English) {
    // "Thu 18 Oct 2018": the day before the month's name and the year in full, read alike on
    // both sides of the Atlantic.
    return fmt::format("{} {} {} {}", strWeekday, day, _(kMonths[month - 1]), year);
  }
  return fmt::format("{} {:02}.{:02}.{:02}", strWeekday, day, month, ((year % 100) + 100) % 100);
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
  std::string strNumber = fmt::format("{:.2f}", value);
  while (strNumber.back() == '0') strNumber.pop_back();
  if (strNumber.back() == '.') strNumber.pop_back();
  if (catalog::Current() != catalog::Language::English) {
    for (char& c : strNumber) {
      if (c == '.') c = ',';
    }
  }

  // The units after the number: minutes, hours, days, weeks, months; an elapsed duration's
  // unit is led by an f.
  struct Unit {
    const char* strOne;
    const char* strMany;
  };
  // TRANSLATORS: a task's duration in the chart and the plan's sheets; elapsed durations
  // (whole days and nights) lead their unit with an f, in English an e ("3 edays").
  static constexpr std::array<Unit, 5> kUnits{{{NP_("{} Min.", "{} Min.")},
                                               {NP_("{} Std.", "{} Std.")},
                                               {NP_("{} Tag", "{} Tage")},
                                               {NP_("{} Woche", "{} Wochen")},
                                               {NP_("{} Monat", "{} Monate")}}};
  static constexpr std::array<Unit, 5> kElapsedUnits{{{NP_("{} fMin.", "{} fMin.")},
                                                      {NP_("{} fStd.", "{} fStd.")},
                                                      {NP_("{} fTag", "{} fTage")},
                                                      {NP_("{} fWoche", "{} fWochen")},
                                                      {NP_("{} fMonat", "{} fMonate")}}};
  const Unit& objUnit = blnElapsed ? kElapsedUnits[unit] : kUnits[unit];
  // The singular for one (and minus one), the plural for every other value, fractions too.
  const unsigned long n = std::fabs(value) == 1 ? 1 : 0;
  std::string text = catalog::Format(P_(objUnit.strOne, objUnit.strMany, n), strNumber);
  if (blnEstimated) text += '?';
  return text;
}

}  // namespace msproject
