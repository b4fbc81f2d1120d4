#pragma once
// Dates and durations: parsing them from the plan file and showing them as the German host
// does ("Do 18.10.18", "5 Tage", "1 Tag", "4 Std.", "30 Min.", "2 Wochen", "1 Monat",
// "3 fTage" for an elapsed duration, "3 Tage?" for an estimate), in English with the words of
// the catalog ("Thu 18 Oct 2018", "5 days", "4 hrs", "3 edays", "0.5 days?").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/msproject/Project.h"

namespace msproject {

// "2018-10-18T08:00:00" (seconds and their fraction optional); nothing when it does not parse.
std::optional<DateTime> ParseDateTime(std::string_view text);

// An ISO 8601 duration as the plan stores it ("PT8H0M0S", "-PT1H", "P1DT2H"), in minutes;
// nothing when it does not parse.
std::optional<double> ParseDurationMinutes(std::string_view text);

// "Do 18.10.18"; in English "Thu 18 Oct 2018".
std::string DateText(DateTime dateTime);

// How the plan converts durations between units.
struct DurationSettings {
  std::int32_t lngMinutesPerDay = 480;
  std::int32_t lngMinutesPerWeek = 2400;
  std::int32_t lngDaysPerMonth = 20;
  std::int32_t lngDefaultFormat = 7;  // used for the formats without a unit (21, 53, percent)
};

// The MSPDI duration format codes: 3 minutes, 5 hours, 7 days, 9 weeks, 11 months, each one
// more for the elapsed variant; 19/20 percent; 21 none; 32 added marks an estimate.
std::string DurationText(double dblMinutes, std::int32_t lngFormat,
                         const DurationSettings& settings, bool blnEstimated = false);

// True when the format code marks an estimate (35 … 53).
constexpr bool IsEstimatedFormat(std::int32_t lngFormat) {
  return lngFormat >= 35 && lngFormat <= 53;
}

}  // namespace msproject
