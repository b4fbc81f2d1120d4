#include "cli/ModelJson.h"

#include "chart/clsQuorvan.h"
#include "platform/msproject/Project.h"

namespace cli {

namespace {

using Json = nlohmann::ordered_json;

Json FieldToJson(const clsField& objField) {
  return Json{{"blnStatusLights", objField.blnStatusLights},
              {"lngField", objField.lngField},
              {"lngFieldOrder", objField.lngFieldOrder},
              {"lngFieldColumn", objField.lngFieldColumn},
              {"dblFieldColumnWidth", objField.dblFieldColumnWidth},
              {"dblFieldWidth", objField.dblFieldWidth},
              {"dblFieldMidX", objField.dblFieldMidX},
              {"strFieldName", objField.strFieldName},
              {"strFieldAlias", objField.strFieldAlias},
              {"strFieldDataType", objField.strFieldDataType}};
}

Json HeaderToJson(const clsHeaderTasks& objHeader) {
  Json colFields = Json::array();
  for (const auto& objField : objHeader.objFields.colFields) {
    colFields.push_back(FieldToJson(objField));
  }
  return Json{{"dblHeaderTopY", objHeader.dblHeaderTopY},
              {"dblHeaderRowHeight", objHeader.dblHeaderRowHeight},
              {"lngHeaderColor", objHeader.lngHeaderColor},
              {"lngHeaderRow", objHeader.lngHeaderRow},
              {"lngHeaderColumn", objHeader.lngHeaderColumn},
              {"lngColumns", objHeader.lngColumns},
              {"objFields", Json{{"dblOffsetX", objHeader.objFields.dblOffsetX},
                                 {"lngOffsetColumns", objHeader.objFields.lngOffsetColumns},
                                 {"colFields", std::move(colFields)}}}};
}

Json TaskToJson(const clsTask& objRow) {
  Json objTask = nullptr;
  if (objRow.objTask != nullptr) {
    objTask = Json{{"ID", objRow.objTask->ID()},
                   {"UniqueID", objRow.objTask->UniqueID()},
                   {"Name", objRow.objTask->Name()}};
  }
  return Json{{"objTask", std::move(objTask)},
              {"colResponsibles", objRow.colResponsibles},
              {"colParticipiants", objRow.colParticipiants},
              {"colInformed", objRow.colInformed},
              {"blnIsSubProject", objRow.blnIsSubProject},
              {"dblMidY", objRow.dblMidY},
              {"dblRowHeight", objRow.dblRowHeight},
              {"lngRowNumber", objRow.lngRowNumber},
              {"lngOutlineLevel", objRow.lngOutlineLevel}};
}

Json TasksToJson(const clsTasks& objTasks) {
  Json colTasks = Json::array();
  for (const auto& objRow : objTasks.colTasks) colTasks.push_back(TaskToJson(objRow));
  return Json{{"dblTopY", objTasks.dblTopY},
              {"dblWidth", objTasks.dblWidth},
              {"lngFirstTaskRow", objTasks.lngFirstTaskRow},
              {"lngTaskColor", objTasks.lngTaskColor},
              {"lngSummaryTaskColor", objTasks.lngSummaryTaskColor},
              {"lngMilestoneColor", objTasks.lngMilestoneColor},
              {"lngProjectTaskColor", objTasks.lngProjectTaskColor},
              {"objHeaderTasks", HeaderToJson(objTasks.objHeaderTasks)},
              {"colTasks", std::move(colTasks)}};
}

Json ResourceToJson(const clsResource& objColumn) {
  Json objResource = nullptr;
  if (objColumn.objResource != nullptr) {
    objResource = Json{{"ID", objColumn.objResource->ID()},
                       {"UniqueID", objColumn.objResource->UniqueID()},
                       {"Name", objColumn.objResource->Name()},
                       {"Group", objColumn.objResource->Group()}};
  }
  return Json{{"objResource", std::move(objResource)},
              {"dblMidX", objColumn.dblMidX},
              {"dblColumnWidth", objColumn.dblColumnWidth},
              {"dblWidth", objColumn.dblWidth},
              {"lngColumnNumber", objColumn.lngColumnNumber}};
}

Json ResourcesToJson(const clsResources& objResources) {
  Json colGroups = Json::array();
  for (const auto& objGroup : objResources.colResourceGroups) {
    Json colResources = Json::array();
    for (const auto& objColumn : objGroup.colResources) {
      colResources.push_back(ResourceToJson(objColumn));
    }
    colGroups.push_back(Json{{"strName", objGroup.strName}, {"colResources", colResources}});
  }
  return Json{{"lngResourcesCount", objResources.lngResourcesCount},
              {"colResourceGroups", std::move(colGroups)}};
}

}  // namespace

nlohmann::ordered_json ModelToJson(const clsQuorvan& objQuorvan) {
  return Json{{"objTasks", TasksToJson(objQuorvan.objTasks)},
              {"objResources", ResourcesToJson(objQuorvan.objResources)}};
}

}  // namespace cli
