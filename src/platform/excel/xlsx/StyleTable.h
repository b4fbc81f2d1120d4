#pragma once
// The styles of the .xlsx package interned before they are written: the number formats that
// are not built in, the fonts, fills and border sets, each kept once, and one cell style per
// format that cells use, referring to them by their indexes.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/excel/CellFormat.h"
#include "platform/excel/file/WorkbookView.h"

namespace excel::xlsx {

struct NumberFormat {
  std::int32_t id;  // from 164, after the built-in ones
  std::string code;
};

struct Fill {
  std::int32_t pattern;
  std::int32_t color;  // RGB, red in the low byte
  auto operator<=>(const Fill&) const = default;
};

// The borders of a cell, left, top, bottom, right and the two diagonals; a side without a
// line has neither weight nor colour.
using BorderSet = std::array<BorderFormat, kBorderSlots>;

struct CellStyle {
  std::int32_t numberFormat;  // the id of a built-in or an interned number format
  std::size_t font;
  std::size_t fill;  // counting the two fills every package begins with
  std::size_t border;
  const CellFormat* format;  // for its alignment
};

class StyleTable {
 public:
  // The fills every package begins with ("none" and "gray125"), before the interned ones.
  static constexpr std::size_t kFixedFills = 2;

  explicit StyleTable(const file::WorkbookView& workbook);

  const std::vector<NumberFormat>& NumberFormats() const { return numberFormats_; }
  // Font sizes; every font is Arial, the first one (10 points) the default.
  const std::vector<double>& Fonts() const { return fonts_; }
  const std::vector<Fill>& Fills() const { return fills_; }
  const std::vector<BorderSet>& Borders() const { return borders_; }
  // In the order of the view's numbering of the formats cells use (UsedFormats).
  const std::vector<CellStyle>& CellStyles() const { return cellStyles_; }

 private:
  std::vector<NumberFormat> numberFormats_;
  std::vector<double> fonts_;
  std::vector<Fill> fills_;
  std::vector<BorderSet> borders_;
  std::vector<CellStyle> cellStyles_;
};

}  // namespace excel::xlsx
