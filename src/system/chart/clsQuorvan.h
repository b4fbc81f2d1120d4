#pragma once
// The chart builder. One builder serves one run: the run creates it for the plan, sets its
// options (TakeOptions), lets GetChartData read the project into the chart model, sets the
// colour and shadow options (TakeColors) and has the model exported. A builder is never reused.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "chart/ChartOptions.h"
#include "chart/clsResources.h"
#include "chart/clsTasks.h"

namespace msproject {
class Project;
}
namespace excel {
class Application;
}

class clsQuorvan {
 public:
  // Reads the given project, which must outlive the builder.
  explicit clsQuorvan(msproject::Project& objProjectToRead);
  clsQuorvan(const clsQuorvan&) = delete;
  clsQuorvan& operator=(const clsQuorvan&) = delete;

  // Non-owning: the Excel instance that the export drives.
  excel::Application* objXlApp = nullptr;
  // Non-owning: the project the builder reads.
  msproject::Project& objProject;
  clsTasks objTasks;
  clsResources objResources;
  bool blnShadowArrow = false;
  bool blnShadowSymbols = false;
  bool blnShadowStatus = false;
  bool blnFreezePanes = false;
  bool blnGroupTasks = false;
  bool blnFastExit = false;
  // Set by the export once the chart is saved: what the user should learn after the run (the
  // cell texts the workbook cut, ...), a line each; empty when there is nothing to say.
  std::vector<std::string> colExportNotices;
  double dblXOffsetCorrect = 0.0;
  double dblYOffsetCorrect = 0.0;
  double dblColumnWidthResources = 0.0;
  double dblRowHeightTasks = 0.0;
  double dblArrowThickness = 0.0;
  std::int32_t lngMaxResourcesCount = 200;
  std::int32_t lngMaxTasksCount = 30000;
  std::int32_t lngFirstRow = 0;
  std::int32_t lngFirstColumn = 0;
  std::int32_t lngArrowColor = 0;
  std::int32_t lngArrowShadowColor = 0;
  std::int32_t lngSymResponsibleColor = 0;
  std::int32_t lngSymParticipiantColor = 0;
  std::int32_t lngSymInformedColor = 0;
  std::int32_t lngSymShadowColor = 0;
  std::int32_t lngFieldResponsible = 0;
  std::int32_t lngFieldParticipiant = 0;
  std::int32_t lngFieldInformed = 0;
  std::int32_t lngFieldTargets = 0;
  std::int32_t lngFieldStatus = 0;
  std::int32_t lngFieldDesc = 0;
  std::int32_t lngFieldStart = 0;
  std::int32_t lngFieldFinish = 0;
  std::int32_t lngFieldDuration = 0;
  std::string strTitle;
  // None: the engine's own arrowheads.
  std::optional<chart::ArrowSize> arrowSize;
  std::string strFieldResponsible;
  std::string strFieldParticipiant;
  std::string strFieldInformed;
  std::string strFieldTargets;
  std::string strFieldStatus;
  std::string strFieldDesc;
  std::string strFieldStart;
  std::string strFieldFinish;
  std::string strFieldDuration;

  // Reads objProject into objTasks and objResources and computes every worksheet row and
  // column and every position in points. The chart starts in the sheet's first column, below
  // the title rows.
  void GetChartData();

  // The options that GetChartData reads: the limits, the column width and row height, the
  // role fields and the task columns (an optional column left out has the field −1).
  void TakeOptions(const chart::ChartOptions& options);
  // The options that the export reads: the colours, shadows, arrows, frozen headings and
  // grouping. After GetChartData, which starts the task model afresh.
  void TakeColors(const chart::ChartOptions& options);

  // Adds the resources of every project inserted below objParent, depth first, each project's
  // own resources before those of the projects inserted into it. lngCount is the number of
  // resources kept so far and is brought up to date.
  void GetSubprojectResources(msproject::Project& objParent, clsResources& objResourceList,
                              std::int32_t& lngCount);

  // Splits a role field's text at each separator. Text without the separator gives itself
  // as the only element, the empty text included; a trailing separator gives no empty last
  // element. Elements are kept as they are, blanks and case included.
  static std::vector<std::string> SplitToCollection(const std::string& strText,
                                                    const std::string& strSeparator);

  // An Excel column width in character units as points.
  static double ColumnWidthToPoints(double dblWidth) { return 5.25 * dblWidth + 3.75; }

 private:
  // Walks the resources of one project into the groups until the limit is reached.
  void AddProjectResources(const msproject::Project& objSource, clsResources& objResourceList,
                           std::int32_t& lngCount) const;
  void AddTaskFields();
  void PlaceResources();
  void AddTaskRows();
};
