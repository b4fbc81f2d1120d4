// The task-field columns, the header and the positions of rows and columns.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "system/chart/ChartOptions.h"

namespace {

using namespace charttest;

std::vector<std::string> Aliases(const clsQuorvan& objQuorvan) {
  std::vector<std::string> colAliases;
  for (const auto& f : objQuorvan.objTasks.objHeaderTasks.objFields.colFields) {
    colAliases.push_back(f.strFieldAlias);
  }
  return colAliases;
}

class TaskFieldsTest : public testing::Test {
 protected:
  OpenPlan plan_{PlanXml()
                     .Task("Planen")
                     .Task("Bauen")
                     .Resource("Anna", "Technik")
                     .Resource("Ben", "Vertrieb")
                     .Resource("Carla", "Technik")};
};

TEST_F(TaskFieldsTest, WithEveryOptionalColumnOffOnlyTheFixedColumnsRemain) {
  clsQuorvan objQuorvan(plan_.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();

  const auto& header = objQuorvan.objTasks.objHeaderTasks;
  const auto& fields = header.objFields.colFields;
  EXPECT_EQ(Aliases(objQuorvan),
            (std::vector<std::string>{"PSP-Code", "UniqueID", "Aufgaben", ""}));
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(header.lngColumns, 4);

  EXPECT_DOUBLE_EQ(fields[0].dblFieldWidth, 66.75);
  EXPECT_DOUBLE_EQ(fields[0].dblFieldMidX, 33.375);
  EXPECT_EQ(fields[0].lngField, 188743696);
  EXPECT_DOUBLE_EQ(fields[1].dblFieldColumnWidth, 0);
  EXPECT_DOUBLE_EQ(fields[1].dblFieldWidth, 3.75);  // hidden, but it still takes room
  EXPECT_DOUBLE_EQ(fields[1].dblFieldMidX, 66.75 + 1.875);
  EXPECT_EQ(fields[1].lngField, 188743766);
  EXPECT_EQ(fields[2].strFieldName, "Name");
  EXPECT_EQ(fields[2].lngField, 188743694);
  EXPECT_DOUBLE_EQ(fields[2].dblFieldMidX, 70.5 + 129.75 / 2);
  EXPECT_EQ(fields[3].strFieldName, "");
  EXPECT_EQ(fields[3].lngField, 0);
  EXPECT_EQ(fields[3].strFieldDataType, "text");
  EXPECT_DOUBLE_EQ(objQuorvan.objTasks.dblWidth, 204);

  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i].lngFieldOrder, static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(fields[i].lngFieldColumn, static_cast<std::int32_t>(i + 1));
    EXPECT_FALSE(fields[i].blnStatusLights);
  }
}

TEST_F(TaskFieldsTest, WithEveryOptionalColumnOnTheBlockFillsColumnsOneToTen) {
  clsQuorvan objQuorvan(plan_.Project());
  SetAllColumns(objQuorvan);
  objQuorvan.GetChartData();

  const auto& tasks = objQuorvan.objTasks;
  const auto& fields = tasks.objHeaderTasks.objFields.colFields;
  EXPECT_EQ(Aliases(objQuorvan),
            (std::vector<std::string>{"PSP-Code", "UniqueID", "Ziele", "Aufgaben", "Anfang", "Ende",
                                      "Dauer", "Bemerkungen", "Status", ""}));
  ASSERT_EQ(fields.size(), 10u);
  EXPECT_EQ(fields[2].strFieldName, "Text20");
  EXPECT_EQ(fields[2].lngField, kText20);
  EXPECT_EQ(fields[4].strFieldName, "Anfang");
  EXPECT_EQ(fields[4].strFieldDataType, "date");
  EXPECT_EQ(fields[4].lngField, msproject::pjTaskStart);
  EXPECT_EQ(fields[5].strFieldDataType, "date");
  EXPECT_EQ(fields[6].strFieldDataType, "text");
  EXPECT_EQ(fields[6].lngField, msproject::pjTaskDuration);
  EXPECT_EQ(fields[7].strFieldName, "Text25");
  EXPECT_EQ(fields[8].strFieldName, "Text24");
  EXPECT_EQ(fields[8].strFieldDataType, "status");
  EXPECT_DOUBLE_EQ(fields[8].dblFieldColumnWidth, 12);
  for (std::size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(fields[i].lngFieldColumn, static_cast<std::int32_t>(i + 1));
    EXPECT_EQ(fields[i].blnStatusLights, i == 8) << "column " << i + 1;
  }
  // 12, 0, 24, 24, 18, 18, 18, 24, 12, 0 characters.
  EXPECT_DOUBLE_EQ(tasks.dblWidth, 5.25 * 150 + 10 * 3.75);

  EXPECT_EQ(tasks.objHeaderTasks.lngColumns, 10);
  EXPECT_EQ(tasks.objHeaderTasks.lngHeaderRow, 6);
  EXPECT_EQ(tasks.objHeaderTasks.lngHeaderColumn, 1);
  EXPECT_EQ(tasks.lngFirstTaskRow, 7);
  EXPECT_DOUBLE_EQ(tasks.objHeaderTasks.dblHeaderTopY, 160);
  EXPECT_DOUBLE_EQ(tasks.objHeaderTasks.dblHeaderRowHeight, 20);
  EXPECT_DOUBLE_EQ(tasks.dblTopY, 180);
  ASSERT_FALSE(objQuorvan.objResources.colResourceGroups.empty());
  EXPECT_EQ(objQuorvan.objResources.colResourceGroups[0].colResources[0].lngColumnNumber, 11);
}

TEST_F(TaskFieldsTest, OnlyIdentifiersAboveZeroTurnAColumnOn) {
  clsQuorvan objQuorvan(plan_.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.lngFieldTargets = 0;
  objQuorvan.strFieldTargets = "Text20";
  objQuorvan.lngFieldStatus = -1;
  objQuorvan.strFieldStatus = "Text24";
  objQuorvan.lngFieldFinish = msproject::pjTaskFinish;
  objQuorvan.GetChartData();
  EXPECT_EQ(Aliases(objQuorvan),
            (std::vector<std::string>{"PSP-Code", "UniqueID", "Aufgaben", "Ende", ""}));
}

TEST_F(TaskFieldsTest, ReadingSetsTheDefaultColours) {
  clsQuorvan objQuorvan(plan_.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.GetChartData();
  const auto& tasks = objQuorvan.objTasks;
  EXPECT_EQ(tasks.objHeaderTasks.lngHeaderColor, 200 + 256 * 200 + 65536 * 200);
  EXPECT_EQ(tasks.lngMilestoneColor, 221 + 256 * 221 + 65536 * 221);
  EXPECT_EQ(tasks.lngSummaryTaskColor, 240 + 256 * 240 + 65536 * 80);
  EXPECT_EQ(tasks.lngTaskColor, 0xFFFFFF);
  EXPECT_EQ(tasks.lngProjectTaskColor, 240 + 256 * 80 + 65536 * 80);
}

TEST_F(TaskFieldsTest, ResourceColumnsFollowTheTaskFieldsGroupByGroup) {
  clsQuorvan objQuorvan(plan_.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.dblColumnWidthResources = 0;  // still 3.75 points wide
  objQuorvan.GetChartData();

  // Technik: Anna, Carla; Vertrieb: Ben.
  const auto& groups = objQuorvan.objResources.colResourceGroups;
  ASSERT_EQ(groups.size(), 2u);
  const clsResource& anna = groups[0].colResources[0];
  const clsResource& carla = groups[0].colResources[1];
  const clsResource& ben = groups[1].colResources[0];
  EXPECT_EQ(anna.lngColumnNumber, 5);
  EXPECT_EQ(carla.lngColumnNumber, 6);
  EXPECT_EQ(ben.lngColumnNumber, 7);
  EXPECT_DOUBLE_EQ(anna.dblColumnWidth, 0);
  EXPECT_DOUBLE_EQ(anna.dblWidth, 3.75);
  EXPECT_DOUBLE_EQ(anna.dblMidX, 204 + 1.875);
  EXPECT_DOUBLE_EQ(carla.dblMidX, 204 + 3.75 + 1.875);
  EXPECT_DOUBLE_EQ(ben.dblMidX, 204 + 7.5 + 1.875);
}

TEST_F(TaskFieldsTest, RowsStackDownwardsFromTheHeader) {
  clsQuorvan objQuorvan(plan_.Project());
  SetRolesOnly(objQuorvan);
  objQuorvan.dblRowHeightTasks = 19.5;
  objQuorvan.GetChartData();
  const auto& rows = objQuorvan.objTasks.colTasks;
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].lngRowNumber, 7);
  EXPECT_EQ(rows[1].lngRowNumber, 8);
  EXPECT_DOUBLE_EQ(rows[0].dblRowHeight, 19.5);
  EXPECT_DOUBLE_EQ(rows[0].dblMidY, 189.75);
  EXPECT_DOUBLE_EQ(rows[1].dblMidY, 209.25);
}

}  // namespace
