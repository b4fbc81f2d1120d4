// Dates and durations as the German host shows them, and their parsing from the plan.

#include <gtest/gtest.h>

#include "platform/msproject/Display.h"

namespace {

using namespace std::chrono;
using msproject::DurationSettings;
using msproject::DurationText;

TEST(DateText, WeekdayAndTwoDigitYear) {
  EXPECT_EQ(msproject::DateText(sys_days{2018y / October / 18} + 8h), "Do 18.10.18");
  EXPECT_EQ(msproject::DateText(sys_days{2000y / January / 2} + 23h + 59min), "So 02.01.00");
  EXPECT_EQ(msproject::DateText(sys_days{2024y / February / 29}), "Do 29.02.24");
}

TEST(ParseDateTime, AcceptsWhatPlansContainAndNothingElse) {
  EXPECT_EQ(msproject::ParseDateTime("2018-10-18T08:00:00"), sys_days{2018y / October / 18} + 8h);
  EXPECT_EQ(msproject::ParseDateTime("2018-10-18T08:30"),
            sys_days{2018y / October / 18} + 8h + 30min);
  EXPECT_EQ(msproject::ParseDateTime("2018-10-18T08:00:00.000"),
            sys_days{2018y / October / 18} + 8h);
  EXPECT_EQ(msproject::ParseDateTime("2018-10-18T24:00:00"), sys_days{2018y / October / 19});
  for (const char* bad : {"", "2018-10-18", "2018-13-01T00:00:00", "2018-02-30T00:00:00",
                          "2018-10-18T25:00:00", "2018-10-18T08:60:00", "18.10.2018",
                          "2018-10-18T08:00:00Z", "2018-10-18T08:00:00.", "0000-01-01T00:00:00"}) {
    EXPECT_FALSE(msproject::ParseDateTime(bad)) << bad;
  }
}

TEST(ParseDurationMinutes, IsoDurations) {
  EXPECT_EQ(msproject::ParseDurationMinutes("PT8H0M0S"), 480);
  EXPECT_EQ(msproject::ParseDurationMinutes("PT0H1M0S"), 1);
  EXPECT_EQ(msproject::ParseDurationMinutes("PT57H8M24S"), 57 * 60 + 8.4);
  EXPECT_EQ(msproject::ParseDurationMinutes("-PT1H"), -60);
  EXPECT_EQ(msproject::ParseDurationMinutes("P1DT2H"), 26 * 60);
  EXPECT_EQ(msproject::ParseDurationMinutes("PT0.5H"), 30);
  for (const char* bad : {"", "P", "PT", "8H", "PTH", "PT8X", "PT1M1H", "P1Y", "PT8H0M0S ",
                          "PT1e3H", "PT99999999999999999999H", "P1DT"}) {
    EXPECT_FALSE(msproject::ParseDurationMinutes(bad)) << bad;
  }
}

TEST(DurationText, UnitsSingularAndPlural) {
  const DurationSettings standard;
  EXPECT_EQ(DurationText(5 * 480, 7, standard), "5 Tage");
  EXPECT_EQ(DurationText(480, 7, standard), "1 Tag");
  EXPECT_EQ(DurationText(240, 5, standard), "4 Std.");
  EXPECT_EQ(DurationText(30, 3, standard), "30 Min.");
  EXPECT_EQ(DurationText(4800, 9, standard), "2 Wochen");
  EXPECT_EQ(DurationText(9600, 11, standard), "1 Monat");
  EXPECT_EQ(DurationText(3 * 9600, 11, standard), "3 Monate");
  EXPECT_EQ(DurationText(0, 7, standard), "0 Tage");
  EXPECT_EQ(DurationText(240, 7, standard), "0,5 Tage");
  EXPECT_EQ(DurationText(160, 7, standard), "0,33 Tage");
  EXPECT_EQ(DurationText(-480, 7, standard), "-1 Tag");
}

TEST(DurationText, ElapsedAndEstimated) {
  const DurationSettings standard;
  EXPECT_EQ(DurationText(3 * 1440, 8, standard), "3 fTage");
  EXPECT_EQ(DurationText(1440, 8, standard), "1 fTag");
  EXPECT_EQ(DurationText(3 * 480, 39, standard), "3 Tage?");
  EXPECT_EQ(DurationText(3 * 1440, 40, standard), "3 fTage?");
  EXPECT_EQ(DurationText(60, 5, standard, true), "1 Std.?");
  EXPECT_EQ(DurationText(2 * 10080, 10, standard), "2 fWochen");
}

TEST(DurationText, FormatsWithoutUnitTakeThePlansUnit) {
  DurationSettings hours;
  hours.lngDefaultFormat = 5;
  EXPECT_EQ(DurationText(480, 21, hours), "8 Std.");
  EXPECT_EQ(DurationText(480, 53, hours), "8 Std.?");
  EXPECT_EQ(DurationText(480, 19, hours), "8 Std.");
  EXPECT_EQ(DurationText(480, 999, DurationSettings{}), "1 Tag");
}

TEST(DurationText, ConversionSettingsOfThePlan) {
  const DurationSettings shortDays{360, 1800, 21, 7};
  EXPECT_EQ(DurationText(720, 7, shortDays), "2 Tage");
  EXPECT_EQ(DurationText(1800, 9, shortDays), "1 Woche");
  EXPECT_EQ(DurationText(360 * 21, 11, shortDays), "1 Monat");
  // Nonsense settings must not divide by zero.
  const DurationSettings zero{0, 0, 0, 7};
  EXPECT_EQ(DurationText(480, 7, zero), "1 Tag");
}

}  // namespace
