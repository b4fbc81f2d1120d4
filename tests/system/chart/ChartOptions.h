#pragma once
// Builder options as the tests set them.

#include "chart/clsQuorvan.h"
#include "platform/msproject/Project.h"
#include "support/RunOptions.h"
#include "system/chart/OpenPlan.h"

namespace charttest {

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
  testsupport::SetAllOptionalColumns(objQuorvan);
}

}  // namespace charttest
