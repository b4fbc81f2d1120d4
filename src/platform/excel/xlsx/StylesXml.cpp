#include "platform/excel/xlsx/StylesXml.h"

#include <cstdio>
#include <map>
#include <tuple>
#include <vector>

#include "platform/excel/XmlText.h"

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

// "FFRRGGBB" from an RGB long with red in the low byte.
std::string Argb(std::int32_t color) {
  char buffer[9];
  std::snprintf(buffer, sizeof buffer, "FF%02X%02X%02X", color & 0xFF, (color >> 8) & 0xFF,
                (color >> 16) & 0xFF);
  return buffer;
}

std::int32_t BuiltInNumberFormat(const std::string& text) {
  static const std::map<std::string, std::int32_t> builtIn = {
      {"General", 0},  {"0", 1},  {"0.00", 2},   {"#,##0", 3},
      {"#,##0.00", 4}, {"0%", 9}, {"0.00%", 10}, {"@", 49}};
  auto it = builtIn.find(text);
  return it == builtIn.end() ? -1 : it->second;
}

void AppendBorderSide(std::string& out, const char* side, const BorderFormat* border) {
  const char* style = border ? BorderStyleName(*border) : nullptr;
  if (style == nullptr) {
    out += "<";
    out += side;
    out += "/>";
    return;
  }
  out += "<";
  out += side;
  out += " style=\"";
  out += style;
  out += "\"><color indexed=\"";
  AppendInteger(out,
                border->lngColorIndex == xlColorIndexAutomatic ? 64 : border->lngColorIndex + 7);
  out += "\"/></";
  out += side;
  out += ">";
}

using BorderKey = std::array<BorderFormat, kBorderSlots>;

struct BorderKeyLess {
  bool operator()(const BorderKey& a, const BorderKey& b) const {
    for (std::size_t i = 0; i < kBorderSlots; ++i) {
      auto ka = std::tie(a[i].lngLineStyle, a[i].lngWeight, a[i].lngColorIndex);
      auto kb = std::tie(b[i].lngLineStyle, b[i].lngWeight, b[i].lngColorIndex);
      if (ka != kb) return ka < kb;
    }
    return false;
  }
};

// Only what shows: a border without a line has no weight or colour.
BorderKey Visible(BorderKey key) {
  for (BorderFormat& border : key) {
    if (border.lngLineStyle == xlLineStyleNone) border = BorderFormat{};
  }
  return key;
}

}  // namespace

std::string StylesXml(const file::WorkbookView& workbook) {
  const std::vector<std::uint32_t>& styleIndex = workbook.UsedFormats();
  const FormatTable& formats = workbook.Formats();

  // Number formats: built-in ones by id, the others numbered from 164.
  std::vector<std::int32_t> numberFormatIds(formats.NumberFormatCount());
  std::string numFmts;
  std::int32_t nextId = 164, customCount = 0;
  for (std::size_t i = 0; i < formats.NumberFormatCount(); ++i) {
    std::int32_t id = BuiltInNumberFormat(formats.NumberFormatText(static_cast<std::uint32_t>(i)));
    if (id < 0) {
      id = nextId++;
      ++customCount;
      numFmts += "<numFmt numFmtId=\"";
      AppendInteger(numFmts, id);
      numFmts += "\" formatCode=\"";
      AppendXmlText(numFmts, formats.NumberFormatText(static_cast<std::uint32_t>(i)));
      numFmts += "\"/>";
    }
    numberFormatIds[i] = id;
  }

  std::map<double, std::size_t> fonts{{10.0, 0}};
  std::vector<double> fontList{10.0};
  std::map<std::pair<std::int32_t, std::int32_t>, std::size_t> fills;
  std::vector<std::pair<std::int32_t, std::int32_t>> fillList;
  std::map<BorderKey, std::size_t, BorderKeyLess> borders{{BorderKey{}, 0}};
  std::vector<BorderKey> borderList{BorderKey{}};

  std::string xfs;
  std::int64_t usedCount = 0;
  for (std::size_t i = 0; i < formats.Count(); ++i) {
    if (styleIndex[i] == file::WorkbookView::kUnused) continue;
    ++usedCount;
    const CellFormat& format = formats.At(static_cast<std::uint32_t>(i));
    auto [font, fontAdded] = fonts.try_emplace(format.dblFontSize, fontList.size());
    if (fontAdded) fontList.push_back(format.dblFontSize);
    std::size_t fillId = 0;
    if (format.lngPattern != xlPatternNone) {
      auto key = std::make_pair(format.lngPattern, format.lngInteriorColor);
      auto [fill, fillAdded] = fills.try_emplace(key, fillList.size() + 2);
      if (fillAdded) fillList.push_back(key);
      fillId = fill->second;
    }
    auto [border, borderAdded] = borders.try_emplace(Visible(format.borders), borderList.size());
    if (borderAdded) borderList.push_back(border->first);

    xfs += "<xf numFmtId=\"";
    AppendInteger(xfs, numberFormatIds[format.lngNumberFormat]);
    xfs += "\" fontId=\"";
    AppendInteger(xfs, static_cast<std::int64_t>(font->second));
    xfs += "\" fillId=\"";
    AppendInteger(xfs, static_cast<std::int64_t>(fillId));
    xfs += "\" borderId=\"";
    AppendInteger(xfs, static_cast<std::int64_t>(border->second));
    xfs += "\" xfId=\"0\"";
    if (i == 0) {
      xfs += "/>";
      continue;
    }
    xfs +=
        " applyNumberFormat=\"1\" applyFont=\"1\" applyFill=\"1\" applyBorder=\"1\" "
        "applyAlignment=\"1\"><alignment";
    if (const char* h = HorizontalName(format.lngHorizontalAlignment)) {
      xfs += " horizontal=\"";
      xfs += h;
      xfs += '"';
    }
    if (const char* v = VerticalName(format.lngVerticalAlignment)) {
      xfs += " vertical=\"";
      xfs += v;
      xfs += '"';
    }
    if (format.lngOrientation != 0) {
      xfs += " textRotation=\"";
      AppendInteger(xfs, format.lngOrientation == xlVertical ? 255
                         : format.lngOrientation > 0         ? format.lngOrientation
                                                             : 90 - format.lngOrientation);
      xfs += '"';
    }
    if (format.blnWrapText) xfs += " wrapText=\"1\"";
    xfs += "/></xf>";
  }

  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
  if (customCount > 0) {
    out += "<numFmts count=\"";
    AppendInteger(out, customCount);
    out += "\">" + numFmts + "</numFmts>";
  }
  out += "<fonts count=\"";
  AppendInteger(out, static_cast<std::int64_t>(fontList.size()));
  out += "\">";
  for (double size : fontList) {
    out += "<font><sz val=\"";
    AppendNumber(out, size);
    out += "\"/><name val=\"Arial\"/><family val=\"2\"/></font>";
  }
  out += "</fonts><fills count=\"";
  AppendInteger(out, static_cast<std::int64_t>(fillList.size() + 2));
  out +=
      "\"><fill><patternFill patternType=\"none\"/></fill>"
      "<fill><patternFill patternType=\"gray125\"/></fill>";
  for (const auto& [pattern, color] : fillList) {
    out += "<fill><patternFill patternType=\"";
    out += PatternName(pattern);
    if (pattern == xlPatternSolid) {
      out += "\"><fgColor rgb=\"" + Argb(color) + "\"/><bgColor indexed=\"64\"/>";
    } else {
      out += "\"><fgColor indexed=\"64\"/><bgColor rgb=\"" + Argb(color) + "\"/>";
    }
    out += "</patternFill></fill>";
  }
  out += "</fills><borders count=\"";
  AppendInteger(out, static_cast<std::int64_t>(borderList.size()));
  out += "\">";
  for (const BorderKey& key : borderList) {
    const BorderFormat& down = key[kBorderDiagonalDown];
    const BorderFormat& up = key[kBorderDiagonalUp];
    bool hasDown = down.lngLineStyle != xlLineStyleNone;
    bool hasUp = up.lngLineStyle != xlLineStyleNone;
    out += "<border";
    if (hasUp) out += " diagonalUp=\"1\"";
    if (hasDown) out += " diagonalDown=\"1\"";
    out += ">";
    AppendBorderSide(out, "left", &key[kBorderLeft]);
    AppendBorderSide(out, "right", &key[kBorderRight]);
    AppendBorderSide(out, "top", &key[kBorderTop]);
    AppendBorderSide(out, "bottom", &key[kBorderBottom]);
    AppendBorderSide(out, "diagonal", hasUp ? &up : hasDown ? &down : nullptr);
    out += "</border>";
  }
  out +=
      "</borders><cellStyleXfs count=\"1\"><xf numFmtId=\"0\" fontId=\"0\" fillId=\"0\" "
      "borderId=\"0\"/></cellStyleXfs><cellXfs count=\"";
  AppendInteger(out, usedCount);
  out += "\">" + xfs +
         "</cellXfs><cellStyles count=\"1\"><cellStyle name=\"Standard\" xfId=\"0\" "
         "builtinId=\"0\"/></cellStyles>";

  const Palette& palette = workbook.Colors();
  if (palette != DefaultPalette()) {
    // Indexes 0 to 7 are fixed; 8 to 63 are the palette's entries 1 to 56.
    static const std::int32_t kFixed[8] = {0x000000, 0xFFFFFF, 0x0000FF, 0x00FF00,
                                           0xFF0000, 0x00FFFF, 0xFF00FF, 0xFFFF00};
    out += "<colors><indexedColors>";
    for (std::int32_t color : kFixed) out += "<rgbColor rgb=\"" + Argb(color) + "\"/>";
    for (std::int32_t color : palette) out += "<rgbColor rgb=\"" + Argb(color) + "\"/>";
    out += "</indexedColors></colors>";
  }
  out += "</styleSheet>";
  return out;
}

}  // namespace excel::xlsx
