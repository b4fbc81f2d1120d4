#pragma once
// Worksheet.Outline: how grouped rows and columns are summarised.

#include <cstdint>

#include "platform/excel/Constants.h"

namespace excel {

class Worksheet;

class Outline {
 public:
  explicit Outline(Worksheet& sheet) : sheet_(&sheet) {}

  bool AutomaticStyles() const;
  void AutomaticStyles(bool blnValue);
  std::int32_t SummaryRow() const;  // xlSummaryAbove or xlSummaryBelow
  void SummaryRow(std::int32_t lngValue);
  std::int32_t SummaryColumn() const;  // xlSummaryOnLeft or xlSummaryOnRight
  void SummaryColumn(std::int32_t lngValue);

 private:
  Worksheet* sheet_;
  bool blnAutomaticStyles_ = false;
  std::int32_t lngSummaryRow_ = xlSummaryBelow;
  std::int32_t lngSummaryColumn_ = xlSummaryOnRight;
};

}  // namespace excel
