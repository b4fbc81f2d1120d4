// The chart in English: the start, finish and duration cells of its task rows read as an
// English-speaking project manager expects them, read back by openpyxl.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/catalog/Catalog.h"
#include "platform/msproject/Project.h"
#include "support/PlanXml.h"
#include "support/TestSupport.h"
#include "support/TextFields.h"
#include "system/export/ExportTesting.h"

namespace {

using namespace exporttest;

// English from construction to destruction, German again afterwards for the other tests.
struct English {
  English() { catalog::Use(catalog::Language::English); }
  ~English() { catalog::Use(catalog::Language::German); }
};

struct Row {
  const char* strStart;
  const char* strFinish;
  const char* strDuration;  // as the plan stores it
  std::int32_t lngFormat;
  const char* strStartCell;
  const char* strFinishCell;
  const char* strDurationCell;
};

TEST(EnglishCellsTest, DatesAndDurationsInTheChartAreEnglish) {
  // Duration formats: 3 minutes, 5 hours, 7 days, 8 elapsed days, 9 weeks, 11 months,
  // 39 estimated days.
  const std::vector<Row> colRows = {
      {"2026-03-02T08:00:00", "2026-03-06T17:00:00", "PT40H0M0S", 7, "Mon 2 Mar 2026",
       "Fri 6 Mar 2026", "5 days"},
      {"2026-03-09T08:00:00", "2026-03-09T17:00:00", "PT8H0M0S", 7, "Mon 9 Mar 2026",
       "Mon 9 Mar 2026", "1 day"},
      {"2026-03-10T08:00:00", "2026-03-10T12:00:00", "PT4H0M0S", 7, "Tue 10 Mar 2026",
       "Tue 10 Mar 2026", "0.5 days"},
      {"2026-03-11T08:00:00", "2026-03-11T12:00:00", "PT4H0M0S", 5, "Wed 11 Mar 2026",
       "Wed 11 Mar 2026", "4 hrs"},
      {"2026-03-12T08:00:00", "2026-03-12T09:00:00", "PT1H0M0S", 5, "Thu 12 Mar 2026",
       "Thu 12 Mar 2026", "1 hr"},
      {"2026-03-13T08:00:00", "2026-03-13T08:30:00", "PT0H30M0S", 3, "Fri 13 Mar 2026",
       "Fri 13 Mar 2026", "30 mins"},
      {"2026-12-21T08:00:00", "2027-01-01T17:00:00", "PT80H0M0S", 9, "Mon 21 Dec 2026",
       "Fri 1 Jan 2027", "2 weeks"},
      {"2026-04-01T08:00:00", "2026-04-28T17:00:00", "PT160H0M0S", 11, "Wed 1 Apr 2026",
       "Tue 28 Apr 2026", "1 month"},
      {"2026-05-01T08:00:00", "2026-05-04T08:00:00", "PT72H0M0S", 8, "Fri 1 May 2026",
       "Mon 4 May 2026", "3 edays"},
      {"2026-06-01T08:00:00", "2026-06-03T17:00:00", "PT24H0M0S", 39, "Mon 1 Jun 2026",
       "Wed 3 Jun 2026", "3 days?"},
      {"2026-07-31T17:00:00", "2026-07-31T17:00:00", "PT0H0M0S", 7, "Fri 31 Jul 2026",
       "Fri 31 Jul 2026", "0 days"},
  };
  testsupport::TempDir dir;
  testsupport::PlanXml plan;
  for (std::size_t i = 0; i < colRows.size(); ++i) {
    plan.Task("Task " + std::to_string(i + 1), 1, {{testsupport::kText21, "Anna"}})
        .Dates(colRows[i].strStart, colRows[i].strFinish)
        .Duration(colRows[i].strDuration, colRows[i].lngFormat);
  }
  plan.Resource("Anna");

  English english;
  ChartRun run(plan.Write(dir));
  run.Export(dir / "Chart.xlsx");
  ASSERT_TRUE(run.Boxes().empty());
  const nlohmann::json objChart = ReadChart(dir / "Chart.xlsx");

  const clsHeaderTasks& objHeader = run.Builder().objTasks.objHeaderTasks;
  auto Column = [&](std::int32_t lngField) {
    for (const clsField& objField : objHeader.objFields.colFields) {
      if (objField.lngField == lngField) return objField.lngFieldColumn;
    }
    ADD_FAILURE() << "no column for field " << lngField;
    return 0;
  };
  const std::int32_t lngName = Column(msproject::pjTaskName);
  const std::int32_t lngStart = Column(msproject::pjTaskStart);
  const std::int32_t lngFinish = Column(msproject::pjTaskFinish);
  const std::int32_t lngDuration = Column(msproject::pjTaskDuration);
  const auto& colCells = objChart["cells"];
  auto Cell = [&](std::int32_t lngRow, std::int32_t lngColumn) {
    return colCells.value(CellName(lngRow, lngColumn), std::string("(empty)"));
  };

  const std::int32_t lngFirstRow = run.Builder().objTasks.colTasks.front().lngRowNumber;
  for (std::size_t i = 0; i < colRows.size(); ++i) {
    const auto lngRow = lngFirstRow + static_cast<std::int32_t>(i);
    ASSERT_EQ(Cell(lngRow, lngName), "Task " + std::to_string(i + 1));
    EXPECT_EQ(Cell(lngRow, lngStart), colRows[i].strStartCell) << "row " << i + 1;
    EXPECT_EQ(Cell(lngRow, lngFinish), colRows[i].strFinishCell) << "row " << i + 1;
    EXPECT_EQ(Cell(lngRow, lngDuration), colRows[i].strDurationCell) << "row " << i + 1;
  }
}

}  // namespace
