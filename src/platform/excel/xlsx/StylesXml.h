#pragma once
// xl/styles.xml from the interned styles (StyleTable.h): the number formats, fonts, fills,
// borders and cell formats (cellXfs, one for each format a cell uses, in the view's
// numbering), Arial 10 as the default font, and the palette where it differs from Excel's.

#include "platform/excel/Palette.h"
#include "platform/excel/xlsx/StyleTable.h"
#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {

void WriteStylesXml(const StyleTable& styles, const Palette& palette, XmlWriter& xml);

}  // namespace excel::xlsx
