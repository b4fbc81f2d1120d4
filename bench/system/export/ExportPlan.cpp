#include "ExportPlan.h"

#include <fmt/format.h>

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

namespace benchexport {

namespace {

constexpr int kDepth = 9;
constexpr int kGroups = 8;
constexpr const char* kStatus[] = {"unkritisch", "planmäßig", "schwierig", "nicht erreichbar"};

std::string Date(int lngDay, const char* strTime) {
  using namespace std::chrono;
  const year_month_day ymd{sys_days{2026y / March / 2} + days{lngDay}};
  return fmt::format("{:04}-{:02}-{:02}T{}", static_cast<int>(ymd.year()),
                     static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()), strTime);
}

std::string Text(int lngField, const std::string& strValue) {
  return fmt::format(
      "<ExtendedAttribute><FieldID>{}</FieldID><Value>{}</Value></ExtendedAttribute>", lngField,
      strValue);
}

}  // namespace

void WriteExportPlan(const std::filesystem::path& path, int lngTasks, int lngResources,
                     int lngRepeats) {
  std::string strXml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Project xmlns=\"http://schemas.microsoft.com/project\"><SaveVersion>14</SaveVersion>"
      "<Name>Benchmark</Name><StartDate>2026-03-02T08:00:00</StartDate>"
      "<MinutesPerDay>480</MinutesPerDay><MinutesPerWeek>2400</MinutesPerWeek>"
      "<DaysPerMonth>20</DaysPerMonth><Tasks><Task><UID>0</UID><ID>0</ID><Name>Benchmark</Name>"
      "<OutlineLevel>0</OutlineLevel><Summary>1</Summary></Task>\n";
  std::vector<int> colNumbers(kDepth + 1, 0);  // the WBS code's numbers by level
  for (int i = 1; i <= lngTasks; ++i) {
    const int lngLevel = 1 + (i - 1) % kDepth;
    const int lngNextLevel = 1 + i % kDepth;
    ++colNumbers[lngLevel];
    for (int k = lngLevel + 1; k <= kDepth; ++k) colNumbers[k] = 0;
    std::string strWBS = std::to_string(colNumbers[1]);
    for (int k = 2; k <= lngLevel; ++k) {
      strWBS += '.';
      strWBS += std::to_string(colNumbers[k]);
    }
    const bool blnSummary = i < lngTasks && lngNextLevel > lngLevel;
    const int lngDay = (i * 3) % 400;
    strXml += fmt::format(
        "<Task><UID>{0}</UID><ID>{0}</ID><Name>Vorgang {0}</Name><WBS>{1}</WBS>"
        "<OutlineLevel>{2}</OutlineLevel><Summary>{3}</Summary><Milestone>{4}</Milestone>"
        "<Start>{5}</Start><Finish>{6}</Finish><Duration>PT24H0M0S</Duration>"
        "<DurationFormat>7</DurationFormat>",
        i, strWBS, lngLevel, blnSummary ? 1 : 0, i % 17 == 0 ? 1 : 0, Date(lngDay, "08:00:00"),
        Date(lngDay + 2, "17:00:00"));
    if (i > 1) {
      strXml += fmt::format(
          "<PredecessorLink><PredecessorUID>{}</PredecessorUID><Type>1</Type></PredecessorLink>",
          i - 1);
    }
    auto resource = [&](int n) { return fmt::format("Mitarbeiter {}", n % lngResources + 1); };
    std::string strResponsible = resource(i);
    if (i <= 2 && lngRepeats > 0) {
      for (int k = 1; k < lngRepeats; ++k) strResponsible += ";" + resource(i);
    }
    strXml += Text(188744006, fmt::format("Ziel {}", i)) + Text(188744007, strResponsible) +
              Text(188744008, resource(i * 7 + 3)) + Text(188744009, resource(i * 13 + 5)) +
              Text(188744010, kStatus[i % 4]) + Text(188744011, "Bemerkung") + "</Task>\n";
  }
  strXml += "</Tasks><Resources><Resource><UID>0</UID><ID>0</ID><IsNull>0</IsNull></Resource>\n";
  for (int n = 1; n <= lngResources; ++n) {
    strXml += fmt::format(
        "<Resource><UID>{0}</UID><ID>{0}</ID><Name>Mitarbeiter {0}</Name><Type>1</Type>"
        "<IsNull>0</IsNull><Group>Abteilung {1}</Group></Resource>\n",
        n, (n - 1) % kGroups + 1);
  }
  strXml += "</Resources></Project>\n";
  std::ofstream(path, std::ios::binary) << strXml;
}

}  // namespace benchexport
