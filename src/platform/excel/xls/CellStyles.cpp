#include "platform/excel/xls/CellStyles.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "platform/excel/xls/PaletteIndex.h"
#include "platform/excel/xls/UnicodeText.h"

namespace excel::xls {

namespace {

constexpr std::uint16_t kFont = 0x0031;
constexpr std::uint16_t kFormat = 0x041E;
constexpr std::uint16_t kXf = 0x00E0;
constexpr std::uint16_t kStyle = 0x0293;
constexpr std::uint16_t kPalette = 0x0092;

constexpr std::uint32_t kAutomaticColor = 64;   // the window's text colour
constexpr std::uint32_t kBackgroundColor = 65;  // the window's background
constexpr std::uint16_t kFirstCustomFormat = 164;
constexpr std::size_t kStyleXfs = 15;

// The number formats every workbook has, by their id.
std::int32_t BuiltInNumberFormat(const std::string& text) {
  static const std::map<std::string, std::int32_t> builtIn = {
      {"General", 0},  {"0", 1},  {"0.00", 2},   {"#,##0", 3},
      {"#,##0.00", 4}, {"0%", 9}, {"0.00%", 10}, {"@", 49}};
  auto it = builtIn.find(text);
  return it == builtIn.end() ? -1 : it->second;
}

// The currency and accounting formats Excel writes into every workbook.
struct StandardFormat {
  std::uint16_t id;
  const char* text;
};
constexpr StandardFormat kStandardFormats[] = {
    {5, "#,##0\\ \"€\";\\-#,##0\\ \"€\""},
    {6, "#,##0\\ \"€\";[Red]\\-#,##0\\ \"€\""},
    {7, "#,##0.00\\ \"€\";\\-#,##0.00\\ \"€\""},
    {8, "#,##0.00\\ \"€\";[Red]\\-#,##0.00\\ \"€\""},
    {42, "_-* #,##0\\ \"€\"_-;\\-* #,##0\\ \"€\"_-;_-* \"-\"\\ \"€\"_-;_-@_-"},
    {41, "_-* #,##0_-;\\-* #,##0_-;_-* \"-\"_-;_-@_-"},
    {44, "_-* #,##0.00\\ \"€\"_-;\\-* #,##0.00\\ \"€\"_-;_-* \"-\"??\\ \"€\"_-;_-@_-"},
    {43, "_-* #,##0.00_-;\\-* #,##0.00_-;_-* \"-\"??_-;_-@_-"},
};

std::uint32_t LineStyle(const BorderFormat& border) {
  const bool heavy = border.lngWeight == xlMedium || border.lngWeight == xlThick;
  switch (border.lngLineStyle) {
    case xlContinuous:
      switch (border.lngWeight) {
        case xlHairline:
          return 7;
        case xlMedium:
          return 2;
        case xlThick:
          return 5;
        default:
          return 1;
      }
    case xlDash:
      return heavy ? 8 : 3;
    case xlDot:
      return 4;
    case xlDashDot:
      return heavy ? 10 : 9;
    case xlDashDotDot:
      return heavy ? 12 : 11;
    case xlDouble:
      return 6;
    case xlSlantDashDot:
      return 13;
    default:
      return 0;
  }
}

std::uint32_t BorderColor(const BorderFormat& border) {
  if (LineStyle(border) == 0) return 0;
  return border.lngColorIndex >= 1 && border.lngColorIndex <= 56
             ? static_cast<std::uint32_t>(border.lngColorIndex) + 7
             : kAutomaticColor;
}

std::uint32_t FillPattern(std::int32_t pattern) {
  switch (pattern) {
    case xlPatternSolid:
      return 1;
    case xlPatternGray50:
      return 2;
    case xlPatternGray75:
      return 3;
    case xlPatternGray25:
      return 4;
    case xlPatternHorizontal:
      return 5;
    case xlPatternVertical:
      return 6;
    case xlPatternDown:
      return 7;
    case xlPatternUp:
      return 8;
    case xlPatternChecker:
      return 9;
    case xlPatternSemiGray75:
      return 10;
    case xlPatternLightHorizontal:
      return 11;
    case xlPatternLightVertical:
      return 12;
    case xlPatternLightDown:
      return 13;
    case xlPatternLightUp:
      return 14;
    case xlPatternGrid:
      return 15;
    case xlPatternCrissCross:
      return 16;
    case xlPatternGray16:
      return 17;
    case xlPatternGray8:
      return 18;
    default:
      return 0;
  }
}

std::uint32_t Horizontal(std::int32_t alignment) {
  switch (alignment) {
    case xlLeft:
      return 1;
    case xlCenter:
      return 2;
    case xlRight:
      return 3;
    case xlFill:
      return 4;
    case xlJustify:
      return 5;
    case xlCenterAcrossSelection:
      return 6;
    case xlDistributed:
      return 7;
    default:
      return 0;
  }
}

std::uint32_t Vertical(std::int32_t alignment) {
  switch (alignment) {
    case xlTop:
      return 0;
    case xlCenter:
      return 1;
    case xlJustify:
      return 3;
    case xlDistributed:
      return 4;
    default:
      return 2;  // bottom
  }
}

std::uint32_t Rotation(std::int32_t orientation) {
  if (orientation == xlVertical) return 255;
  return orientation >= 0 ? static_cast<std::uint32_t>(orientation)
                          : static_cast<std::uint32_t>(90 - orientation);
}

Bytes FontRecord(double size) {
  Bytes font;
  font.U16(static_cast<std::uint32_t>(std::lround(size * 20)))  // twips
      .U16(0)                                                   // plain
      .U16(0x7FFF)                                              // automatic colour
      .U16(400)                                                 // normal weight
      .U16(0)                                                   // no super- or subscript
      .U8(0)                                                    // not underlined
      .U8(2)                                                    // swiss
      .U8(0)                                                    // character set
      .U8(0);
  AppendText8(font, "Arial");
  return font;
}

// A style XF as Excel writes the fifteen built-in ones; the first is "Normal".
Bytes StyleXf(std::uint16_t font, bool normal) {
  Bytes xf;
  xf.U16(font).U16(0).U16(0xFFF5).U8(0x20).U8(0).U8(0).U8(normal ? 0x00 : 0xF4);
  xf.U32(0).U32(0).U16(kAutomaticColor | (kBackgroundColor << 7));
  return xf;
}

}  // namespace

CellStyles::CellStyles(const file::WorkbookView& workbook) : workbook_(workbook) {
  const FormatTable& formats = workbook.Formats();
  std::uint16_t nextCustom = kFirstCustomFormat;
  for (std::size_t i = 0; i < formats.NumberFormatCount(); ++i) {
    const std::int32_t id =
        BuiltInNumberFormat(formats.NumberFormatText(static_cast<std::uint32_t>(i)));
    numberIds_.push_back(id >= 0 ? static_cast<std::uint16_t>(id) : nextCustom++);
  }
  fontSizes_.push_back(10.0);
  xfs_.assign(formats.Count(), kDefaultXf);
  const auto& used = workbook.UsedFormats();
  for (std::size_t i = 0; i < formats.Count(); ++i) {
    if (used[i] == file::WorkbookView::kUnused) continue;
    xfs_[i] = static_cast<std::uint16_t>(kStyleXfs + used[i]);
    const double size = formats.At(static_cast<std::uint32_t>(i)).dblFontSize;
    if (std::find(fontSizes_.begin(), fontSizes_.end(), size) == fontSizes_.end()) {
      fontSizes_.push_back(size);
    }
  }
}

void CellStyles::Write(RecordWriter& out) const {
  // Fonts 0 to 3 are the default; there is no font 4.
  for (int i = 0; i < 4; ++i) out.Write(kFont, FontRecord(fontSizes_[0]));
  for (std::size_t i = 1; i < fontSizes_.size(); ++i) out.Write(kFont, FontRecord(fontSizes_[i]));

  const FormatTable& formats = workbook_.Formats();
  for (const StandardFormat& standard : kStandardFormats) {
    Bytes format;
    format.U16(standard.id);
    AppendText16(format, standard.text);
    out.Write(kFormat, format);
  }
  for (std::size_t i = 0; i < numberIds_.size(); ++i) {
    if (numberIds_[i] == 0) continue;  // General
    Bytes format;
    format.U16(numberIds_[i]);
    AppendText16(format, formats.NumberFormatText(static_cast<std::uint32_t>(i)));
    out.Write(kFormat, format);
  }

  out.Write(kXf, StyleXf(0, true));
  for (std::uint16_t font : {1, 1, 2, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}) {
    out.Write(kXf, StyleXf(font, false));
  }
  const Palette& palette = workbook_.Colors();
  const auto& used = workbook_.UsedFormats();
  std::vector<std::uint32_t> byNumber(formats.Count());
  std::size_t count = 0;
  for (std::size_t i = 0; i < formats.Count(); ++i) {
    if (used[i] != file::WorkbookView::kUnused)
      byNumber[used[i]] = static_cast<std::uint32_t>(i), ++count;
  }
  for (std::size_t n = 0; n < count; ++n) {
    const CellFormat& format = formats.At(byNumber[n]);
    const std::size_t fontPosition = static_cast<std::size_t>(
        std::find(fontSizes_.begin(), fontSizes_.end(), format.dblFontSize) - fontSizes_.begin());
    const std::uint16_t font = fontPosition == 0 ? 0 : static_cast<std::uint16_t>(fontPosition + 4);
    const auto& b = format.borders;
    std::uint32_t diagonalKind = 0;
    const BorderFormat* diagonal = nullptr;
    if (LineStyle(b[kBorderDiagonalDown]) != 0)
      diagonalKind |= 1, diagonal = &b[kBorderDiagonalDown];
    if (LineStyle(b[kBorderDiagonalUp]) != 0) diagonalKind |= 2, diagonal = &b[kBorderDiagonalUp];
    const std::uint32_t pattern = FillPattern(format.lngPattern);
    std::uint32_t fore = kAutomaticColor, back = kBackgroundColor;
    if (pattern == 1) {
      fore = NearestColorIndex(palette, format.lngInteriorColor);
    } else if (pattern != 0) {
      back = NearestColorIndex(palette, format.lngInteriorColor);
    }

    Bytes xf;
    xf.U16(font).U16(numberIds_[format.lngNumberFormat]).U16(0x0001);  // locked, parent "Normal"
    xf.U8(Horizontal(format.lngHorizontalAlignment) | (format.blnWrapText ? 0x08u : 0u) |
          (Vertical(format.lngVerticalAlignment) << 4));
    xf.U8(Rotation(format.lngOrientation));
    xf.U8(0);
    xf.U8(n == 0 ? 0x00 : 0xFC);  // a cell format of its own applies all its attributes
    xf.U32(LineStyle(b[kBorderLeft]) | (LineStyle(b[kBorderRight]) << 4) |
           (LineStyle(b[kBorderTop]) << 8) | (LineStyle(b[kBorderBottom]) << 12) |
           (BorderColor(b[kBorderLeft]) << 16) | (BorderColor(b[kBorderRight]) << 23) |
           (diagonalKind << 30));
    xf.U32(BorderColor(b[kBorderTop]) | (BorderColor(b[kBorderBottom]) << 7) |
           ((diagonal ? BorderColor(*diagonal) : 0) << 14) |
           ((diagonal ? LineStyle(*diagonal) : 0) << 21) | (pattern << 26));
    xf.U16(fore | (back << 7));
    out.Write(kXf, xf);
  }

  Bytes normal;
  normal.U16(0x8000).U8(0).U8(0xFF);  // built-in style 0, "Normal", on style XF 0
  out.Write(kStyle, normal);

  Bytes colors;
  colors.U16(static_cast<std::uint32_t>(palette.size()));
  for (std::int32_t color : palette) {
    colors.U8(color & 0xFF).U8((color >> 8) & 0xFF).U8((color >> 16) & 0xFF).U8(0);
  }
  out.Write(kPalette, colors);
}

}  // namespace excel::xls
