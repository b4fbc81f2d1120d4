#include "platform/excel/Font.h"

#include <cmath>

#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"

namespace excel {

double Font::Size() const {
  const Worksheet& sheet = range_.Sheet();
  sheet.CheckUsable();
  return sheet.Formats().At(sheet.Data().Format(range_.Row(), range_.Column())).dblFontSize;
}

void Font::Size(double dblSize) {
  if (!(dblSize >= 1 && dblSize <= 409)) {
    throw Error("Die Schriftgröße muss zwischen 1 und 409 Punkt liegen.");
  }
  // Excel keeps font sizes in half points.
  double dblRounded = std::round(dblSize * 2) / 2;
  Worksheet& sheet = range_.Sheet();
  sheet.CheckUsable();
  const CellRect& rect = range_.Rect();
  CheckFormattable(rect);
  sheet.Data().ChangeFormats(sheet.Formats(), rect, [&](CellFormat& format, unsigned) {
    format.dblFontSize = dblRounded;
  });
}

}  // namespace excel
