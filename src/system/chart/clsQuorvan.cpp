#include "chart/clsQuorvan.h"

#include "chart/GetFieldId.h"
#include "platform/catalog/Catalog.h"

namespace {

// Microsoft Project's field identifiers of the task's start, finish and duration.
constexpr std::int32_t kFieldStart = 188743715;
constexpr std::int32_t kFieldFinish = 188743716;
constexpr std::int32_t kFieldDuration = 188743709;

}  // namespace

clsQuorvan::clsQuorvan(msproject::Project& objProjectToRead) : objProject(objProjectToRead) {}

void clsQuorvan::TakeOptions(const chart::ChartOptions& options) {
  lngFirstRow = 1;
  lngFirstColumn = 1;
  strTitle = _("Kommunikationsdiagramm");
  lngMaxResourcesCount = options.lngMaxResources;
  lngMaxTasksCount = options.lngMaxTasks;
  dblXOffsetCorrect = -6;
  dblYOffsetCorrect = -2;
  dblColumnWidthResources = chart::ColumnWidth(options);
  dblRowHeightTasks = chart::RowHeight(options);

  strFieldResponsible = options.strFieldResponsible;
  lngFieldResponsible = GetFieldId(strFieldResponsible);
  strFieldParticipiant = options.strFieldParticipant;
  lngFieldParticipiant = GetFieldId(strFieldParticipiant);
  strFieldInformed = options.strFieldInformed;
  lngFieldInformed = GetFieldId(strFieldInformed);

  auto optional = [](const chart::OptionalField& field, std::string& strField,
                     std::int32_t& lngField) {
    strField = chart::IsOn(field.use) ? field.strField : "";
    lngField = chart::IsOn(field.use) ? GetFieldId(strField) : -1;
  };
  optional(options.targets, strFieldTargets, lngFieldTargets);
  optional(options.status, strFieldStatus, lngFieldStatus);
  optional(options.remarks, strFieldDesc, lngFieldDesc);

  auto fixed = [](chart::Switch use, chart::TaskColumn column, std::int32_t lngId,
                  std::string& strField, std::int32_t& lngField) {
    strField = chart::IsOn(use) ? std::string(chart::TaskColumnText(column)) : "";
    lngField = chart::IsOn(use) ? lngId : -1;
  };
  fixed(options.start, chart::TaskColumn::Start, kFieldStart, strFieldStart, lngFieldStart);
  fixed(options.finish, chart::TaskColumn::Finish, kFieldFinish, strFieldFinish, lngFieldFinish);
  fixed(options.duration, chart::TaskColumn::Duration, kFieldDuration, strFieldDuration,
        lngFieldDuration);
}

void clsQuorvan::TakeColors(const chart::ChartOptions& options) {
  using chart::ColorOf;
  lngArrowColor = options.Color(ColorOf::Arrows);
  lngArrowShadowColor = options.Color(ColorOf::ArrowShadows);
  lngSymResponsibleColor = options.Color(ColorOf::Responsible);
  lngSymParticipiantColor = options.Color(ColorOf::Participant);
  lngSymInformedColor = options.Color(ColorOf::Informed);
  lngSymShadowColor = options.Color(ColorOf::SymbolShadows);
  blnShadowArrow = chart::IsOn(options.shadowArrows);
  blnShadowStatus = chart::IsOn(options.shadowSymbols);
  blnShadowSymbols = chart::IsOn(options.shadowSymbols);
  dblArrowThickness = chart::ArrowWeight(options);
  arrowSize = options.arrowSize;
  objTasks.lngSummaryTaskColor = options.Color(ColorOf::Summaries);
  objTasks.lngMilestoneColor = options.Color(ColorOf::Milestones);
  objTasks.lngTaskColor = options.Color(ColorOf::Tasks);
  objTasks.lngProjectTaskColor = options.Color(ColorOf::Subprojects);
  objTasks.objHeaderTasks.lngHeaderColor = options.Color(ColorOf::Headers);
  blnFreezePanes = chart::IsOn(options.freezePanes);
  blnGroupTasks = chart::IsOn(options.groupTasks);
}

std::vector<std::string> clsQuorvan::SplitToCollection(const std::string& strText,
                                                       const std::string& strSeparator) {
  // An empty separator would be found everywhere and never advance; it splits nothing.
  if (strSeparator.empty() || strText.find(strSeparator) == std::string::npos) {
    return {strText};
  }
  std::vector<std::string> colParts;
  std::string::size_type lngStart = 0;
  for (auto lngAt = strText.find(strSeparator); lngAt != std::string::npos;
       lngAt = strText.find(strSeparator, lngStart)) {
    colParts.push_back(strText.substr(lngStart, lngAt - lngStart));
    lngStart = lngAt + strSeparator.size();
  }
  if (lngStart < strText.size()) colParts.push_back(strText.substr(lngStart));
  return colParts;
}
