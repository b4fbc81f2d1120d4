#pragma once
// The values of an MPX file as its header records say to write them: numbers with the file's
// decimal separator, dates in the file's order and separators, durations with their unit
// ("5d", "2,5h", "3ed", "1w?"; the English and the German units alike).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/msproject/Display.h"
#include "platform/msproject/Project.h"

namespace msproject::mpx {

struct Conventions {
  char chDecimal = '.';
  // The order of day, month and year in a date: 0 month first, 1 day first, 2 year first.
  int intDateOrder = 1;
  char chDateSeparator = '/';
  char chTimeSeparator = ':';
  std::string strAm = "am";
  std::string strPm = "pm";
  std::int32_t lngStartMinutes = 480;  // a date without a time begins here
  DurationSettings durations;
};

// A number as the file writes it; nothing for anything else.
std::optional<double> ParseNumber(std::string_view text, const Conventions& conventions);

// A whole number, nothing for anything else.
std::optional<std::int64_t> ParseWhole(std::string_view text);

// A date, with or without a weekday before it and a time after it. A date without a time is
// taken at lngDefaultMinutes after midnight. "NA" (or the German "NV") is no date: the outer
// optional is empty for text that is no date at all.
std::optional<std::optional<DateTime>> ParseDate(std::string_view text,
                                                 const Conventions& conventions,
                                                 std::int32_t lngDefaultMinutes);

struct Duration {
  double dblMinutes = 0;
  std::int32_t lngFormat = 7;  // the MSPDI format code of the unit
  bool blnEstimated = false;
};

// A duration; nothing for text that is no duration.
std::optional<Duration> ParseDuration(std::string_view text, const Conventions& conventions);

// "Yes"/"Ja" true, "No"/"Nein" false, nothing for anything else.
std::optional<bool> ParseYesNo(std::string_view text);

}  // namespace msproject::mpx
