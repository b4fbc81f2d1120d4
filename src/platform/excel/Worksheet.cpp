#include "platform/excel/Worksheet.h"

#include <algorithm>

#include "platform/excel/Error.h"
#include "platform/excel/Geometry.h"
#include "platform/excel/Workbook.h"

namespace excel {

Worksheet::Worksheet(Workbook& workbook, std::string strName)
    : workbook_(&workbook), strName_(std::move(strName)), outline_(*this), pageSetup_(*this) {}

const std::string& Worksheet::Name() const {
  CheckUsable();
  return strName_;
}

excel::Range Worksheet::Range(const std::string& strAddress) {
  CheckUsable();
  return excel::Range(*this, ParseA1(strAddress));
}

excel::Range Worksheet::Range(const excel::Range& first, const excel::Range& second) {
  CheckUsable();
  if (&first.Sheet() != this || &second.Sheet() != this) {
    throw Error("Die Zellen eines Bereichs müssen auf demselben Tabellenblatt liegen.");
  }
  const CellRect& a = first.Rect();
  const CellRect& b = second.Rect();
  return excel::Range(
      *this, CellRect{std::min(a.lngTop, b.lngTop), std::min(a.lngLeft, b.lngLeft),
                      std::max(a.lngBottom, b.lngBottom), std::max(a.lngRight, b.lngRight)});
}

excel::Range Worksheet::Cells(std::int32_t lngRow, std::int32_t lngColumn) {
  CheckUsable();
  CheckCell(lngRow, lngColumn);
  return excel::Range(*this, CellRect{lngRow, lngColumn, lngRow, lngColumn});
}

excel::Range Worksheet::Rows(const std::string& strRows) {
  CheckUsable();
  return excel::Range(*this, ParseRows(strRows));
}

excel::Range Worksheet::Rows(std::int32_t lngRow) {
  CheckUsable();
  CheckCell(lngRow, 1);
  return excel::Range(*this, CellRect{lngRow, 1, lngRow, kMaxColumns});
}

excel::Outline& Worksheet::Outline() {
  CheckUsable();
  return outline_;
}

excel::PageSetup& Worksheet::PageSetup() {
  CheckUsable();
  return pageSetup_;
}

excel::Shapes& Worksheet::Shapes() {
  CheckUsable();
  return shapes_;
}

void Worksheet::Activate() {
  CheckUsable();
  workbook_->ActivateSheet(*this);
}

void Worksheet::CheckUsable() const {
  workbook_->CheckUsable();
}

FormatTable& Worksheet::Formats() {
  return workbook_->Formats();
}
const FormatTable& Worksheet::Formats() const {
  return workbook_->Formats();
}

void Worksheet::ActiveCell(std::int32_t lngRow, std::int32_t lngColumn) {
  lngActiveRow_ = lngRow;
  lngActiveColumn_ = lngColumn;
}

void Worksheet::FreezeAtActiveCell(bool blnFreeze) {
  lngFrozenRows_ = blnFreeze ? lngActiveRow_ - 1 : 0;
  lngFrozenColumns_ = blnFreeze ? lngActiveColumn_ - 1 : 0;
}

double Worksheet::ColumnWidthPoints(std::int32_t lngColumn) const {
  return ColumnWidthToPoints(data_.ColumnWidth(lngColumn));
}

double Worksheet::RowHeightPoints(std::int32_t lngRow) const {
  return data_.RowHeight(lngRow);
}

}  // namespace excel
