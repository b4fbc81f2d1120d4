#include "platform/excel/Outline.h"

#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"

namespace excel {

bool Outline::AutomaticStyles() const {
  sheet_->CheckUsable();
  return blnAutomaticStyles_;
}

void Outline::AutomaticStyles(bool blnValue) {
  sheet_->CheckUsable();
  blnAutomaticStyles_ = blnValue;
}

std::int32_t Outline::SummaryRow() const {
  sheet_->CheckUsable();
  return lngSummaryRow_;
}

void Outline::SummaryRow(std::int32_t lngValue) {
  sheet_->CheckUsable();
  if (lngValue != xlSummaryAbove && lngValue != xlSummaryBelow) {
    throw Error("Die Lage der Zusammenfassungszeile " + std::to_string(lngValue) +
                " gibt es nicht.");
  }
  lngSummaryRow_ = lngValue;
}

std::int32_t Outline::SummaryColumn() const {
  sheet_->CheckUsable();
  return lngSummaryColumn_;
}

void Outline::SummaryColumn(std::int32_t lngValue) {
  sheet_->CheckUsable();
  if (lngValue != xlSummaryOnLeft && lngValue != xlSummaryOnRight) {
    throw Error("Die Lage der Zusammenfassungsspalte " + std::to_string(lngValue) +
                " gibt es nicht.");
  }
  lngSummaryColumn_ = lngValue;
}

}  // namespace excel
