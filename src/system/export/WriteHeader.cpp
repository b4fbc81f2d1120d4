#include "export/WriteHeader.h"

#include "chart/clsQuorvan.h"
#include "export/CellFormats.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Worksheet.h"
#include "platform/msproject/Application.h"
#include "platform/vb/OnError.h"

namespace {

constexpr std::int32_t kTitleFontSize = 16;

const msproject::Resource& HostResource(const clsResource& objResource) {
  if (objResource.objResource == nullptr) {
    throw vb::Error(vb::kErrObjectRequired, "Objekt erforderlich: objResource");
  }
  return *objResource.objResource;
}

}  // namespace

bool WriteHeader(clsQuorvan& objQuorvan, excel::Worksheet& objSheet, std::int32_t lngHeaderColor) {
  vb::ResumeNext steps;
  bool blnFailed = false;
  // A cell of the sheet; none (and a failure) outside it.
  auto cell = [&](std::int32_t lngRow, std::int32_t lngColumn) {
    auto objCell = vb::TryRead([&] { return objSheet.Cells(lngRow, lngColumn); });
    if (!objCell) blnFailed = true;
    return objCell;
  };

  if (objQuorvan.lngFirstRow == 0) objQuorvan.lngFirstRow = 1;
  if (objQuorvan.lngFirstColumn == 0) objQuorvan.lngFirstColumn = 1;
  const clsHeaderTasks& objHeader = objQuorvan.objTasks.objHeaderTasks;
  const std::int32_t hr = objHeader.lngHeaderRow;

  if (auto objTitle = cell(objQuorvan.lngFirstRow, objQuorvan.lngFirstColumn)) {
    steps([&] {
      objTitle->Value(catalog::Format(
          // TRANSLATORS: the chart's title: "Kommunikationsdiagramm" and the plan's name.
          _("{} für {}"), objQuorvan.strTitle, objQuorvan.objProject.Name()));
    });
    blnFailed |= SetFontSize(*objTitle, kTitleFontSize);
  }

  for (const clsField& objField : objHeader.objFields.colFields) {
    if (auto objCell = cell(hr, objField.lngFieldColumn)) {
      steps([&] { objCell->Value(objField.strFieldAlias); });
      steps([&] { objCell->ColumnWidth(objField.dblFieldColumnWidth); });
      blnFailed |= FormatHeaderCell(*objCell, lngHeaderColor, false, kHairline);
    }
  }

  std::string strPreviousGroup;
  for (const clsResourceGroup& objGroup : objQuorvan.objResources.colResourceGroups) {
    for (const clsResource& objResource : objGroup.colResources) {
      const std::int32_t col = objResource.lngColumnNumber;
      if (auto objCell = cell(hr - 3, col)) {
        blnFailed |= FormatHeaderCell(*objCell, lngHeaderColor, false, kHairline);
        if (objGroup.strName == strPreviousGroup) {
          // The group's cell grows over this column.
          steps(
              [&] { objSheet.Range(*objCell, objSheet.Cells(hr - 3, col - 1)).MergeCells(true); });
        } else {
          steps([&] { objCell->Value(objGroup.strName); });
        }
      }
      strPreviousGroup = objGroup.strName;
      if (auto objCell = cell(hr - 2, col)) {
        steps([&] { objCell->Value(HostResource(objResource).Name()); });
        blnFailed |= FormatHeaderCell(*objCell, lngHeaderColor, true, kHairline);
      }
      if (auto objCell = cell(hr - 1, col)) {
        steps([&] { objCell->Value(HostResource(objResource).UniqueID()); });
        blnFailed |= FormatHeaderCell(*objCell, lngHeaderColor, true, kHairline);
        steps([&] { objCell->RowHeight(0); });
      }
      if (auto objCell = cell(hr, col)) {
        steps([&] { objCell->Value(HostResource(objResource).ID()); });
        steps([&] { objCell->ColumnWidth(objResource.dblColumnWidth); });
        blnFailed |= FormatHeaderCell(*objCell, lngHeaderColor, false, kHairline);
      }
    }
  }
  if (objQuorvan.objResources.colResourceGroups.empty()) {
    // No resource column gave the rows of names and IDs their heights; the task rows below
    // them must still lie where the chart's shapes are placed.
    if (auto objCell = cell(hr - 2, objHeader.lngHeaderColumn)) {
      steps([&] { objCell->RowHeight(kVerticalHeaderRowHeight); });
    }
    if (auto objCell = cell(hr - 1, objHeader.lngHeaderColumn)) {
      steps([&] { objCell->RowHeight(0); });
    }
  }
  return steps.Failed() || blnFailed;
}
