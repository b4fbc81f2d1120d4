#pragma once
// Builder options as the tests set them.

#include "chart/PlanXml.h"
#include "chart/clsQuorvan.h"
#include "platform/msproject/Project.h"

namespace charttest {

inline constexpr std::int32_t kText24 = 188744010;
inline constexpr std::int32_t kText25 = 188744011;

// Roles in Text21/22/23, resource columns 8 wide, rows 31.5 high, every optional column off.
inline void SetRolesOnly(clsQuorvan& objQuorvan) {
  objQuorvan.dblColumnWidthResources = 8;
  objQuorvan.dblRowHeightTasks = 31.5;
  objQuorvan.lngFieldResponsible = kText21;
  objQuorvan.lngFieldParticipiant = kText22;
  objQuorvan.lngFieldInformed = kText23;
  objQuorvan.lngFieldTargets = -1;
  objQuorvan.lngFieldStatus = -1;
  objQuorvan.lngFieldDesc = -1;
  objQuorvan.lngFieldStart = -1;
  objQuorvan.lngFieldFinish = -1;
  objQuorvan.lngFieldDuration = -1;
}

// The same with every optional column on.
inline void SetAllColumns(clsQuorvan& objQuorvan) {
  SetRolesOnly(objQuorvan);
  objQuorvan.strFieldTargets = "Text20";
  objQuorvan.lngFieldTargets = kText20;
  objQuorvan.strFieldStatus = "Text24";
  objQuorvan.lngFieldStatus = kText24;
  objQuorvan.strFieldDesc = "Text25";
  objQuorvan.lngFieldDesc = kText25;
  objQuorvan.lngFieldStart = msproject::pjTaskStart;
  objQuorvan.lngFieldFinish = msproject::pjTaskFinish;
  objQuorvan.lngFieldDuration = msproject::pjTaskDuration;
}

}  // namespace charttest
