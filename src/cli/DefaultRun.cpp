#include "cli/DefaultRun.h"

#include <cmath>
#include <cstdint>

#include "chart/clsQuorvan.h"
#include "platform/msproject/Project.h"

namespace cli {

namespace {

// Identifiers of the custom task text fields that hold the roles and the optional columns by
// default ("Text11" … "Text30" are 188743997 … 188744016).
constexpr std::int32_t kText20 = 188744006;
constexpr std::int32_t kText21 = 188744007;
constexpr std::int32_t kText22 = 188744008;
constexpr std::int32_t kText23 = 188744009;
constexpr std::int32_t kText24 = 188744010;
constexpr std::int32_t kText25 = 188744011;

// Row heights are snapped down to a multiple of 0.75 points.
double SnapRowHeight(double dblHeight) {
  return std::floor(dblHeight * 4 / 3) * 3 / 4;
}

}  // namespace

void RunWithDefaultOptions(clsQuorvan& objQuorvan) {
  objQuorvan.lngFirstRow = 1;
  objQuorvan.lngFirstColumn = 1;
  objQuorvan.strTitle = "Kommunikationsdiagramm";
  objQuorvan.lngMaxResourcesCount = 200;
  objQuorvan.lngMaxTasksCount = 20000;
  objQuorvan.dblXOffsetCorrect = -6;
  objQuorvan.dblYOffsetCorrect = -2;
  objQuorvan.dblColumnWidthResources = 8;
  objQuorvan.dblRowHeightTasks = SnapRowHeight(32);
  objQuorvan.strFieldResponsible = "Text21";
  objQuorvan.lngFieldResponsible = kText21;
  objQuorvan.strFieldParticipiant = "Text22";
  objQuorvan.lngFieldParticipiant = kText22;
  objQuorvan.strFieldInformed = "Text23";
  objQuorvan.lngFieldInformed = kText23;
  objQuorvan.strFieldTargets = "Text20";
  objQuorvan.lngFieldTargets = kText20;
  objQuorvan.strFieldStatus = "Text24";
  objQuorvan.lngFieldStatus = kText24;
  objQuorvan.strFieldDesc = "Text25";
  objQuorvan.lngFieldDesc = kText25;
  objQuorvan.strFieldStart = "Anfang";
  objQuorvan.lngFieldStart = msproject::pjTaskStart;
  objQuorvan.strFieldFinish = "Ende";
  objQuorvan.lngFieldFinish = msproject::pjTaskFinish;
  objQuorvan.strFieldDuration = "Dauer";
  objQuorvan.lngFieldDuration = msproject::pjTaskDuration;

  objQuorvan.GetChartData(0, 0);

  objQuorvan.lngArrowColor = 16711680;            // pure blue
  objQuorvan.lngArrowShadowColor = 14737632;      // 224, 224, 224
  objQuorvan.lngSymResponsibleColor = 0;          // black
  objQuorvan.lngSymParticipiantColor = 12632256;  // 192, 192, 192
  objQuorvan.lngSymInformedColor = 16777215;      // white
  objQuorvan.lngSymShadowColor = 14737632;
  objQuorvan.blnShadowArrow = false;
  objQuorvan.blnShadowStatus = false;
  objQuorvan.blnShadowSymbols = false;
  objQuorvan.dblArrowThickness = 2.5;
  objQuorvan.strArrowSize = "mittel";
  objQuorvan.objTasks.lngSummaryTaskColor = 12648447;  // R 255, G 255, B 192
  objQuorvan.objTasks.lngMilestoneColor = 14737632;
  objQuorvan.objTasks.lngTaskColor = 16777215;
  objQuorvan.objTasks.lngProjectTaskColor = 12640511;  // R 255, G 224, B 192
  objQuorvan.objTasks.objHeaderTasks.lngHeaderColor = 14737632;
  objQuorvan.blnFreezePanes = true;
  objQuorvan.blnGroupTasks = true;
}

}  // namespace cli
