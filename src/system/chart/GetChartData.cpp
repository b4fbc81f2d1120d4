// The reading of the active project into the chart model.

#include <algorithm>
#include <string_view>

#include "chart/clsQuorvan.h"
#include "platform/catalog/Catalog.h"
#include "platform/msproject/Project.h"
#include "platform/vb/OnError.h"

namespace {

constexpr std::int32_t kHeaderTopY = 160;
constexpr std::int32_t kHeaderRowHeight = 20;
constexpr std::int32_t kHeaderRowsAboveChart = 6;
constexpr const char* kNoGroup = N_("(keine)");

constexpr std::int32_t RGB(std::int32_t lngRed, std::int32_t lngGreen, std::int32_t lngBlue) {
  return lngRed + 256 * lngGreen + 65536 * lngBlue;
}

bool IsBlank(std::string_view strText) {
  return std::all_of(strText.begin(), strText.end(), [](char c) { return c == ' '; });
}

// One column of the task-field block as the table of columns describes it.
struct FieldColumn {
  std::string strName;
  std::string strDataType;
  std::string strAlias;
  std::int32_t lngField;
  double dblWidth;
};

}  // namespace

void clsQuorvan::GetChartData() {
  AddTaskFields();

  std::int32_t lngCount = 0;
  AddProjectResources(objProject, objResources, lngCount);
  GetSubprojectResources(objProject, objResources, lngCount);
  objResources.lngResourcesCount = lngCount;

  PlaceResources();
  AddTaskRows();
}

void clsQuorvan::AddTaskFields() {
  clsFields objFields;  // its offsets stay 0: the chart starts in the first column

  std::vector<FieldColumn> colColumns;
  colColumns.push_back({"PSP-Code", "text", _("PSP-Code"), msproject::pjTaskWBS, 12});
  colColumns.push_back({"UniqueID", "text", "UniqueID", msproject::pjTaskUniqueID, 0});
  if (lngFieldTargets > 0) {
    colColumns.push_back({strFieldTargets, "text", _("Ziele"), lngFieldTargets, 24});
  }
  colColumns.push_back({"Name", "text", _("Aufgaben"), msproject::pjTaskName, 24});
  auto fixed = [&](chart::TaskColumn column, const char* strDataType, std::int32_t lngField) {
    const char* strName = chart::TaskColumnText(column);
    if (lngField > 0) colColumns.push_back({strName, strDataType, _(strName), lngField, 18});
  };
  fixed(chart::TaskColumn::Start, "date", lngFieldStart);
  fixed(chart::TaskColumn::Finish, "date", lngFieldFinish);
  fixed(chart::TaskColumn::Duration, "text", lngFieldDuration);
  if (lngFieldDesc > 0) {
    colColumns.push_back({strFieldDesc, "text", _("Bemerkungen"), lngFieldDesc, 24});
  }
  if (lngFieldStatus > 0) {
    colColumns.push_back({strFieldStatus, "status", _("Status"), lngFieldStatus, 12});
  }
  colColumns.push_back({"", "text", "", 0, 0});  // the empty closing column

  std::int32_t lngOrder = 1;
  std::int32_t lngLastColumn = objFields.lngOffsetColumns;
  double dblX = 0;
  for (const auto& column : colColumns) {
    clsField objField;
    objField.lngFieldOrder = lngOrder++;
    objField.lngFieldColumn = objField.lngFieldOrder + objFields.lngOffsetColumns;
    objField.dblFieldColumnWidth = column.dblWidth;
    objField.dblFieldWidth = ColumnWidthToPoints(column.dblWidth);
    objField.dblFieldMidX = dblX + objField.dblFieldWidth / 2;
    dblX += objField.dblFieldWidth;
    objField.strFieldName = column.strName;
    objField.strFieldDataType = column.strDataType;
    objField.strFieldAlias = column.strAlias;
    objField.lngField = column.lngField;
    objField.blnStatusLights = column.strDataType == "status";
    ++lngLastColumn;
    objFields.AddField(std::move(objField));
  }

  objTasks.dblWidth = dblX;

  clsHeaderTasks objHeader;
  objHeader.objFields = std::move(objFields);
  objHeader.lngHeaderColor = RGB(200, 200, 200);
  objHeader.dblHeaderTopY = kHeaderTopY;
  objHeader.dblHeaderRowHeight = kHeaderRowHeight;
  objHeader.lngHeaderRow = kHeaderRowsAboveChart;
  objHeader.lngHeaderColumn = 1;
  objHeader.lngColumns = lngLastColumn;
  objTasks.objHeaderTasks = std::move(objHeader);

  objTasks.lngFirstTaskRow = objTasks.objHeaderTasks.lngHeaderRow + 1;
  objTasks.lngMilestoneColor = RGB(221, 221, 221);
  objTasks.lngSummaryTaskColor = RGB(240, 240, 80);
  objTasks.lngTaskColor = RGB(255, 255, 255);
  objTasks.lngProjectTaskColor = RGB(240, 80, 80);
  objTasks.dblTopY =
      objTasks.objHeaderTasks.dblHeaderTopY + objTasks.objHeaderTasks.dblHeaderRowHeight;
}

void clsQuorvan::AddProjectResources(const msproject::Project& objSource,
                                     clsResources& objResourceList, std::int32_t& lngCount) const {
  for (msproject::Resource* objResource : objSource.Resources()) {
    if (objResource == nullptr) continue;  // a blank row of the resource table

    ++lngCount;
    if (lngCount > lngMaxResourcesCount) {
      --lngCount;
      return;
    }

    clsResource objColumn;
    objColumn.objResource = objResource;

    auto strGroup = vb::TryRead([&] { return objResource->Group(); }).value_or("");
    if (IsBlank(strGroup)) {
      vb::TrySkip([&] { objResource->Group(_(kNoGroup)); });
      strGroup = vb::TryRead([&] { return objResource->Group(); }).value_or(strGroup);
    }
    const auto strName = vb::TryRead([&] { return objResource->Name(); }).value_or("");

    auto itGroup = std::find_if(
        objResourceList.colResourceGroups.begin(), objResourceList.colResourceGroups.end(),
        [&](const clsResourceGroup& objGroup) { return objGroup.strName == strGroup; });
    if (itGroup != objResourceList.colResourceGroups.end()) {
      const bool blnMetBefore =
          std::any_of(itGroup->colResources.begin(), itGroup->colResources.end(),
                      [&](const clsResource& objKept) {
                        return vb::TryRead([&] { return objKept.objResource->Name() == strName; })
                            .value_or(false);
                      });
      if (blnMetBefore) {
        --lngCount;
      } else {
        itGroup->AddResource(objColumn);
      }
    } else {
      clsResourceGroup objGroup;
      objGroup.strName = strGroup;
      objGroup.AddResource(objColumn);
      objResourceList.AddResourceGroup(std::move(objGroup));
    }
  }
}

void clsQuorvan::GetSubprojectResources(msproject::Project& objParent,
                                        clsResources& objResourceList, std::int32_t& lngCount) {
  for (const msproject::Subproject& objSubproject : objParent.Subprojects()) {
    msproject::Project* objSource = nullptr;
    vb::TrySkip([&] { objSource = &objSubproject.SourceProject(); });
    if (objSource == nullptr) continue;  // an inserted project that could not be reached
    AddProjectResources(*objSource, objResourceList, lngCount);
    GetSubprojectResources(*objSource, objResourceList, lngCount);
  }
}

void clsQuorvan::PlaceResources() {
  double dblX = objTasks.dblWidth;
  std::int32_t lngColumn = objTasks.objHeaderTasks.lngColumns;
  for (auto& objGroup : objResources.colResourceGroups) {
    for (auto& objColumn : objGroup.colResources) {
      ++lngColumn;
      objColumn.dblColumnWidth = dblColumnWidthResources;
      objColumn.dblWidth = ColumnWidthToPoints(objColumn.dblColumnWidth);
      objColumn.lngColumnNumber = lngColumn;
      objColumn.dblMidX = dblX + objColumn.dblWidth / 2;
      dblX += objColumn.dblWidth;
    }
  }
}

void clsQuorvan::AddTaskRows() {
  std::int32_t lngRow = objTasks.lngFirstTaskRow;
  double dblY = objTasks.dblTopY;
  std::int32_t lngTaken = 0;

  const auto& colProjectTasks = objProject.Tasks();
  objTasks.colTasks.reserve(static_cast<std::size_t>(
      std::clamp(colProjectTasks.Count(), 0, std::max(lngMaxTasksCount, 0))));

  for (msproject::Task* objProjectTask : colProjectTasks) {
    ++lngTaken;
    if (lngTaken > lngMaxTasksCount) {
      --lngTaken;
      break;
    }

    clsTask objRow;
    objRow.objTask = objProjectTask;

    // A blank row has no task: each read below fails, and the row keeps empty role lists,
    // outline level 0 and stays an ordinary task.
    if (objProjectTask != nullptr) {
      const msproject::Task& task = *objProjectTask;
      const auto ReadRole = [&](std::int32_t lngField) {
        return vb::TryRead([&] { return SplitToCollection(task.GetField(lngField), ";"); })
            .value_or(std::vector<std::string>{});
      };
      objRow.colResponsibles = ReadRole(lngFieldResponsible);
      objRow.colParticipiants = ReadRole(lngFieldParticipiant);
      objRow.colInformed = ReadRole(lngFieldInformed);
      objRow.blnIsSubProject =
          vb::TryRead([&] { return !task.Subproject().empty(); }).value_or(false);
      objRow.lngOutlineLevel = vb::TryRead([&] { return task.OutlineLevel(); }).value_or(0);
    }

    objRow.dblRowHeight = dblRowHeightTasks;
    objRow.dblMidY = dblY + objRow.dblRowHeight / 2;
    dblY += objRow.dblRowHeight;
    objRow.lngRowNumber = lngRow++;

    objTasks.AddTask(std::move(objRow));
  }
}
