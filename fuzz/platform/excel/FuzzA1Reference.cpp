// Feeds arbitrary text to the engine's A1 reference parser, as a macro's Range("…") or a page
// setup's print area would. Text that is no range must end in excel::Error; a range that is
// taken lies inside the sheet and reads back the same from the name the engine writes for it.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/excel/A1Reference.h"
#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"

namespace {

void Check(bool blnCondition) {
  if (!blnCondition) std::abort();
}

void CheckRect(const excel::CellRect& rect) {
  Check(1 <= rect.lngTop && rect.lngTop <= rect.lngBottom && rect.lngBottom <= excel::kMaxRows);
  Check(1 <= rect.lngLeft && rect.lngLeft <= rect.lngRight && rect.lngRight <= excel::kMaxColumns);
  excel::CheckCell(rect.lngTop, rect.lngLeft);
  excel::CheckCell(rect.lngBottom, rect.lngRight);
  const std::string strName = excel::RectName(rect);
  const std::string strRange =
      strName.find(':') == std::string::npos ? strName + ":" + strName : strName;
  Check(excel::ParseA1(strName) == rect);
  Check(excel::ParseA1(strRange) == rect);
  Check(excel::ParseA1(excel::ColumnLetters(rect.lngLeft) + std::to_string(rect.lngTop)) ==
        (excel::CellRect{rect.lngTop, rect.lngLeft, rect.lngTop, rect.lngLeft}));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view strText(reinterpret_cast<const char*>(data), size);
  try {
    CheckRect(excel::ParseA1(strText));
  } catch (const excel::Error& e) {
    Check(std::string_view(e.what()).starts_with("Der Bereich „"));
  }
  try {
    const excel::CellRect rect = excel::ParseRows(strText);
    CheckRect(rect);
    Check(rect.lngLeft == 1 && rect.lngRight == excel::kMaxColumns);
  } catch (const excel::Error& e) {
    Check(std::string_view(e.what()).starts_with("Der Bereich „"));
  }
  return 0;
}
