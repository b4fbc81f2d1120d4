#include "PlanGenerator.h"

#include <fmt/format.h>
#include <fmt/os.h>

namespace benchchart {

namespace {

constexpr int kText20 = 188744006;

const char* const kStatus[] = {"erledigt", "im Plan", "gefährdet", "verzögert"};

}  // namespace

void WritePlan(const std::filesystem::path& path, const PlanSize& size) {
  auto out = fmt::output_file(path.string());
  out.print(
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<Project xmlns=\"http://schemas.microsoft.com/project\">\n"
      "<SaveVersion>14</SaveVersion><Name>Gross.xml</Name>"
      "<StartDate>2026-01-05T08:00:00</StartDate><MinutesPerDay>480</MinutesPerDay>"
      "<MinutesPerWeek>2400</MinutesPerWeek><DaysPerMonth>20</DaysPerMonth>\n<Tasks>\n"
      "<Task><UID>0</UID><ID>0</ID><Name>Gross</Name><OutlineLevel>0</OutlineLevel>"
      "<Summary>1</Summary></Task>\n");
  for (int i = 1; i <= size.lngTasks; ++i) {
    if (i % 50 == 0) {
      out.print("<Task><UID>{0}</UID><ID>{0}</ID><IsNull>1</IsNull></Task>\n", i);
      continue;
    }
    const int lngLevel = 1 + (i % 10 == 1 ? 0 : 1 + i % 3);
    const bool blnSummary = i % 10 == 1;
    const int lngDay = 5 + i % 20;
    out.print(
        "<Task><UID>{0}</UID><ID>{0}</ID><Name>Arbeitspaket {0}</Name><WBS>{1}.{0}</WBS>"
        "<OutlineLevel>{2}</OutlineLevel><Summary>{3}</Summary><Milestone>{4}</Milestone>"
        "<Start>2026-01-{5:02}T08:00:00</Start><Finish>2026-01-{5:02}T17:00:00</Finish>"
        "<Duration>PT8H0M0S</Duration><DurationFormat>7</DurationFormat>",
        i, i / 10, lngLevel, blnSummary ? 1 : 0, i % 97 == 0 ? 1 : 0, lngDay);
    if (i > 2 && i % 7 != 0) {
      const int lngPredecessor = (i - 1) % 50 == 0 ? i - 2 : i - 1;  // skip a blank row
      out.print(
          "<PredecessorLink><PredecessorUID>{}</PredecessorUID><Type>1</Type>"
          "</PredecessorLink>",
          lngPredecessor);
    }
    const int r = i % size.lngResources;
    const std::string strValues[] = {
        fmt::format("Ziel {}", i % 13),
        fmt::format("Person {}", r + 1),
        fmt::format("Person {};Person {}", (r + 7) % size.lngResources + 1,
                    (r + 11) % size.lngResources + 1),
        fmt::format("Person {};Person {};Person {}", (r + 3) % size.lngResources + 1,
                    (r + 5) % size.lngResources + 1, (r + 9) % size.lngResources + 1),
        kStatus[i % 4],
        fmt::format("Bemerkung zu Paket {}", i)};
    for (int k = 0; k < 6; ++k) {
      out.print("<ExtendedAttribute><FieldID>{}</FieldID><Value>{}</Value></ExtendedAttribute>",
                kText20 + k, strValues[k]);
    }
    out.print("</Task>\n");
  }
  out.print("</Tasks>\n<Resources>\n<Resource><UID>0</UID><ID>0</ID></Resource>\n");
  for (int r = 1; r <= size.lngResources; ++r) {
    if (r % 40 == 0) {
      out.print(
          "<Resource><UID>{0}</UID><ID>{0}</ID><Name>Person {0}</Name><Type>1</Type>"
          "</Resource>\n",
          r);
    } else {
      out.print(
          "<Resource><UID>{0}</UID><ID>{0}</ID><Name>Person {0}</Name><Type>1</Type>"
          "<Group>Abteilung {1}</Group></Resource>\n",
          r, r % size.lngGroups + 1);
    }
  }
  out.print("</Resources>\n</Project>\n");
}

}  // namespace benchchart
