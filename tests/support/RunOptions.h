#pragma once
// The builder's options as the run sets them from a wizard at its stored defaults: first the
// fields, then the plan is read, then the look. Header only, so that a benchmark can use it
// without the test framework.

#include <cstdint>

#include "chart/clsQuorvan.h"
#include "platform/msproject/Project.h"
#include "support/TextFields.h"

namespace testsupport {

// The colours of a wizard at its defaults.
inline constexpr std::int32_t kArrowColor = 16711680;
inline constexpr std::int32_t kShadowColor = 14737632;
inline constexpr std::int32_t kResponsibleColor = 0;
inline constexpr std::int32_t kParticipiantColor = 12632256;
inline constexpr std::int32_t kInformedColor = 16777215;
inline constexpr std::int32_t kSummaryColor = 12648447;
inline constexpr std::int32_t kMilestoneColor = 14737632;
inline constexpr std::int32_t kTaskColor = 16777215;
inline constexpr std::int32_t kProjectTaskColor = 12640511;
inline constexpr std::int32_t kHeaderColor = 14737632;

// Every optional column on: targets in Text20, status in Text24, remarks in Text25, start,
// finish and duration.
inline void SetAllOptionalColumns(clsQuorvan& q) {
  q.strFieldTargets = "Text20";
  q.lngFieldTargets = kText20;
  q.strFieldStatus = "Text24";
  q.lngFieldStatus = kText24;
  q.strFieldDesc = "Text25";
  q.lngFieldDesc = kText25;
  q.strFieldStart = "Anfang";
  q.lngFieldStart = msproject::pjTaskStart;
  q.strFieldFinish = "Ende";
  q.lngFieldFinish = msproject::pjTaskFinish;
  q.strFieldDuration = "Dauer";
  q.lngFieldDuration = msproject::pjTaskDuration;
}

// Place, title, limits, sizes and fields: roles in Text21/22/23, every optional column on.
inline void SetRunFields(clsQuorvan& q) {
  q.lngFirstRow = 1;
  q.lngFirstColumn = 1;
  q.strTitle = "Kommunikationsdiagramm";
  q.lngMaxResourcesCount = 200;
  q.lngMaxTasksCount = 20000;
  q.dblXOffsetCorrect = -6;
  q.dblYOffsetCorrect = -2;
  q.dblColumnWidthResources = 8;
  q.dblRowHeightTasks = 31.5;  // "32" snapped to a multiple of 0.75
  q.strFieldResponsible = "Text21";
  q.lngFieldResponsible = kText21;
  q.strFieldParticipiant = "Text22";
  q.lngFieldParticipiant = kText22;
  q.strFieldInformed = "Text23";
  q.lngFieldInformed = kText23;
  SetAllOptionalColumns(q);
}

// Colours, shadows (off), arrows, freezing and grouping.
inline void SetRunLook(clsQuorvan& q) {
  q.lngArrowColor = kArrowColor;
  q.lngArrowShadowColor = kShadowColor;
  q.lngSymResponsibleColor = kResponsibleColor;
  q.lngSymParticipiantColor = kParticipiantColor;
  q.lngSymInformedColor = kInformedColor;
  q.lngSymShadowColor = kShadowColor;
  q.blnShadowArrow = false;
  q.blnShadowStatus = false;
  q.blnShadowSymbols = false;
  q.dblArrowThickness = 2.5;
  q.arrowSize = chart::ArrowSize::Medium;
  q.objTasks.lngSummaryTaskColor = kSummaryColor;
  q.objTasks.lngMilestoneColor = kMilestoneColor;
  q.objTasks.lngTaskColor = kTaskColor;
  q.objTasks.lngProjectTaskColor = kProjectTaskColor;
  q.objTasks.objHeaderTasks.lngHeaderColor = kHeaderColor;
  q.blnFreezePanes = true;
  q.blnGroupTasks = true;
}

// The whole of it, reading the plan of the active project in between.
inline void SetRunOptions(clsQuorvan& q) {
  SetRunFields(q);
  q.GetChartData();
  SetRunLook(q);
}

}  // namespace testsupport
