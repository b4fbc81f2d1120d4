#include "platform/excel/file/WorkbookView.h"

#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

namespace excel::file {

SheetView::SheetView(const Worksheet& sheet, bool selected) : sheet_(&sheet), selected_(selected) {}

const std::string& SheetView::Name() const {
  return sheet_->Name();
}

const SheetData& SheetView::Cells() const {
  return sheet_->Data();
}

const Outline& SheetView::OutlineSettings() const {
  return sheet_->OutlineSettings();
}

const PageSetup& SheetView::PageSettings() const {
  return sheet_->PageSettings();
}

Pane SheetView::FrozenPane() const {
  return {sheet_->FrozenRows(), sheet_->FrozenColumns(), sheet_->ActiveRow(),
          sheet_->ActiveColumn()};
}

const Shapes& SheetView::ShapeList() const {
  return sheet_->ShapeList();
}

double SheetView::ColumnWidthPoints(std::int32_t column) const {
  return sheet_->ColumnWidthPoints(column);
}

double SheetView::RowHeightPoints(std::int32_t row) const {
  return sheet_->RowHeightPoints(row);
}

WorkbookView::WorkbookView(Workbook& workbook) : workbook_(&workbook) {
  const Worksheet* active = &workbook.ActiveSheet();
  used_.assign(workbook.Formats().Count(), kUnused);
  used_[0] = 0;
  for (std::int32_t i = 1; i <= workbook.WorksheetCount(); ++i) {
    const Worksheet& sheet = workbook.Worksheets(i);
    sheets_.emplace_back(sheet, &sheet == active);
    for (const auto& [number, row] : sheet.Data().Rows()) {
      for (std::uint32_t format : row.xfs) used_[format] = 0;
    }
  }
  std::uint32_t next = 0;
  for (std::uint32_t& index : used_) {
    if (index != kUnused) index = next++;
  }
}

const FormatTable& WorkbookView::Formats() const {
  return workbook_->Formats();
}

const Palette& WorkbookView::Colors() const {
  return workbook_->Colors();
}

}  // namespace excel::file
