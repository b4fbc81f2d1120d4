#include "platform/excel/xlsx/StylesXml.h"

#include "platform/excel/xlsx/StyleTable.h"

namespace excel::xlsx {

namespace {

const char* BorderStyleName(const BorderFormat& border) {
  bool heavy = border.lngWeight == xlMedium || border.lngWeight == xlThick;
  switch (border.lngLineStyle) {
    case xlContinuous:
      switch (border.lngWeight) {
        case xlHairline:
          return "hair";
        case xlMedium:
          return "medium";
        case xlThick:
          return "thick";
        default:
          return "thin";
      }
    case xlDash:
      return heavy ? "mediumDashed" : "dashed";
    case xlDot:
      return "dotted";
    case xlDashDot:
      return heavy ? "mediumDashDot" : "dashDot";
    case xlDashDotDot:
      return heavy ? "mediumDashDotDot" : "dashDotDot";
    case xlDouble:
      return "double";
    case xlSlantDashDot:
      return "slantDashDot";
    default:
      return nullptr;
  }
}

const char* PatternName(std::int32_t pattern) {
  switch (pattern) {
    case xlPatternSolid:
      return "solid";
    case xlPatternGray75:
      return "darkGray";
    case xlPatternGray50:
      return "mediumGray";
    case xlPatternGray25:
      return "lightGray";
    case xlPatternGray16:
      return "gray125";
    case xlPatternGray8:
      return "gray0625";
    case xlPatternHorizontal:
      return "darkHorizontal";
    case xlPatternVertical:
      return "darkVertical";
    case xlPatternDown:
      return "darkDown";
    case xlPatternUp:
      return "darkUp";
    case xlPatternChecker:
      return "darkGrid";
    case xlPatternSemiGray75:
      return "darkTrellis";
    case xlPatternLightHorizontal:
      return "lightHorizontal";
    case xlPatternLightVertical:
      return "lightVertical";
    case xlPatternLightDown:
      return "lightDown";
    case xlPatternLightUp:
      return "lightUp";
    case xlPatternGrid:
      return "lightGrid";
    case xlPatternCrissCross:
      return "lightTrellis";
    default:
      return "none";
  }
}

const char* HorizontalName(std::int32_t alignment) {
  switch (alignment) {
    case xlLeft:
      return "left";
    case xlCenter:
      return "center";
    case xlRight:
      return "right";
    case xlFill:
      return "fill";
    case xlJustify:
      return "justify";
    case xlCenterAcrossSelection:
      return "centerContinuous";
    case xlDistributed:
      return "distributed";
    default:
      return nullptr;  // general
  }
}

const char* VerticalName(std::int32_t alignment) {
  switch (alignment) {
    case xlTop:
      return "top";
    case xlCenter:
      return "center";
    case xlJustify:
      return "justify";
    case xlDistributed:
      return "distributed";
    default:
      return nullptr;  // bottom
  }
}

void WriteBorderSide(XmlWriter& xml, const char* side, const BorderFormat* border) {
  const char* style = border ? BorderStyleName(*border) : nullptr;
  xml.Start(side);
  if (style != nullptr) {
    xml.Attribute("style", style);
    xml.Start("color")
        .Attribute("indexed",
                   border->lngColorIndex == xlColorIndexAutomatic ? 64 : border->lngColorIndex + 7)
        .End();
  }
  xml.End();
}

void WriteBorderSet(XmlWriter& xml, const BorderSet& borders) {
  const BorderFormat& down = borders[kBorderDiagonalDown];
  const BorderFormat& up = borders[kBorderDiagonalUp];
  const bool hasDown = down.lngLineStyle != xlLineStyleNone;
  const bool hasUp = up.lngLineStyle != xlLineStyleNone;
  xml.Start("border");
  if (hasUp) xml.Attribute("diagonalUp", 1);
  if (hasDown) xml.Attribute("diagonalDown", 1);
  WriteBorderSide(xml, "left", &borders[kBorderLeft]);
  WriteBorderSide(xml, "right", &borders[kBorderRight]);
  WriteBorderSide(xml, "top", &borders[kBorderTop]);
  WriteBorderSide(xml, "bottom", &borders[kBorderBottom]);
  WriteBorderSide(xml, "diagonal", hasUp ? &up : hasDown ? &down : nullptr);
  xml.End();
}

void WriteFill(XmlWriter& xml, const Fill& fill) {
  xml.Start("fill").Start("patternFill").Attribute("patternType", PatternName(fill.pattern));
  if (fill.pattern == xlPatternSolid) {
    xml.Start("fgColor").ArgbAttribute("rgb", fill.color).End();
    xml.Start("bgColor").Attribute("indexed", 64).End();
  } else {
    xml.Start("fgColor").Attribute("indexed", 64).End();
    xml.Start("bgColor").ArgbAttribute("rgb", fill.color).End();
  }
  xml.End().End();
}

void WriteCellStyle(XmlWriter& xml, const CellStyle& style, bool first) {
  xml.Start("xf")
      .Attribute("numFmtId", style.numberFormat)
      .Attribute("fontId", style.font)
      .Attribute("fillId", style.fill)
      .Attribute("borderId", style.border)
      .Attribute("xfId", 0);
  if (!first) {
    const CellFormat& format = *style.format;
    xml.Attribute("applyNumberFormat", 1)
        .Attribute("applyFont", 1)
        .Attribute("applyFill", 1)
        .Attribute("applyBorder", 1)
        .Attribute("applyAlignment", 1);
    xml.Start("alignment");
    if (const char* horizontal = HorizontalName(format.lngHorizontalAlignment)) {
      xml.Attribute("horizontal", horizontal);
    }
    if (const char* vertical = VerticalName(format.lngVerticalAlignment)) {
      xml.Attribute("vertical", vertical);
    }
    if (format.lngOrientation != 0) {
      xml.Attribute("textRotation", format.lngOrientation == xlVertical ? 255
                                    : format.lngOrientation > 0         ? format.lngOrientation
                                                                : 90 - format.lngOrientation);
    }
    if (format.blnWrapText) xml.Attribute("wrapText", 1);
    xml.End();
  }
  xml.End();
}

}  // namespace

void WriteStylesXml(const StyleTable& styles, const Palette& palette, XmlWriter& xml) {
  xml.Declaration();
  xml.Start("styleSheet")
      .Attribute("xmlns", "http://schemas.openxmlformats.org/spreadsheetml/2006/main");
  if (!styles.NumberFormats().empty()) {
    xml.Start("numFmts").Attribute("count", styles.NumberFormats().size());
    for (const NumberFormat& format : styles.NumberFormats()) {
      xml.Start("numFmt").Attribute("numFmtId", format.id).Attribute("formatCode", format.code);
      xml.End();
    }
    xml.End();
  }

  xml.Start("fonts").Attribute("count", styles.Fonts().size());
  for (double size : styles.Fonts()) {
    xml.Start("font");
    xml.Start("sz").Attribute("val", size).End();
    xml.Start("name").Attribute("val", "Arial").End();
    xml.Start("family").Attribute("val", 2).End();
    xml.End();
  }
  xml.End();

  xml.Start("fills").Attribute("count", StyleTable::kFixedFills + styles.Fills().size());
  for (const char* fixed : {"none", "gray125"}) {
    xml.Start("fill").Start("patternFill").Attribute("patternType", fixed).End().End();
  }
  for (const Fill& fill : styles.Fills()) WriteFill(xml, fill);
  xml.End();

  xml.Start("borders").Attribute("count", styles.Borders().size());
  for (const BorderSet& borders : styles.Borders()) WriteBorderSet(xml, borders);
  xml.End();

  xml.Start("cellStyleXfs").Attribute("count", 1);
  xml.Start("xf")
      .Attribute("numFmtId", 0)
      .Attribute("fontId", 0)
      .Attribute("fillId", 0)
      .Attribute("borderId", 0)
      .End();
  xml.End();

  xml.Start("cellXfs").Attribute("count", styles.CellStyles().size());
  bool first = true;
  for (const CellStyle& style : styles.CellStyles()) {
    WriteCellStyle(xml, style, first);
    first = false;
  }
  xml.End();

  xml.Start("cellStyles").Attribute("count", 1);
  xml.Start("cellStyle")
      .Attribute("name", "Standard")
      .Attribute("xfId", 0)
      .Attribute("builtinId", 0)
      .End();
  xml.End();

  if (palette != DefaultPalette()) {
    // Indexes 0 to 7 are fixed; 8 to 63 are the palette's entries 1 to 56.
    static constexpr std::int32_t kFixed[8] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00,
                                               0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};
    xml.Start("colors").Start("indexedColors");
    for (std::int32_t color : kFixed) xml.Start("rgbColor").ArgbAttribute("rgb", color).End();
    for (std::int32_t color : palette) xml.Start("rgbColor").ArgbAttribute("rgb", color).End();
    xml.End().End();
  }
  xml.End();
}

}  // namespace excel::xlsx
