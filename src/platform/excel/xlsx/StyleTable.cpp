#include "platform/excel/xlsx/StyleTable.h"

#include <map>
#include <tuple>

namespace excel::xlsx {

namespace {

std::int32_t BuiltInNumberFormat(const std::string& code) {
  static const std::map<std::string, std::int32_t> builtIn = {
      {"General", 0},  {"0", 1},  {"0.00", 2},   {"#,##0", 3},
      {"#,##0.00", 4}, {"0%", 9}, {"0.00%", 10}, {"@", 49}};
  const auto it = builtIn.find(code);
  return it == builtIn.end() ? -1 : it->second;
}

struct BorderSetLess {
  bool operator()(const BorderSet& a, const BorderSet& b) const {
    for (std::size_t i = 0; i < kBorderSlots; ++i) {
      const auto left = std::tie(a[i].lngLineStyle, a[i].lngWeight, a[i].lngColorIndex);
      const auto right = std::tie(b[i].lngLineStyle, b[i].lngWeight, b[i].lngColorIndex);
      if (left != right) return left < right;
    }
    return false;
  }
};

// Only what shows: a side without a line has no weight or colour.
BorderSet Visible(BorderSet borders) {
  for (BorderFormat& border : borders) {
    if (border.lngLineStyle == xlLineStyleNone) border = BorderFormat{};
  }
  return borders;
}

// Keeps each value once, in the order first met; Add gives its index.
template <class Value, class Less = std::less<Value>>
class Interned {
 public:
  explicit Interned(std::vector<Value>& list) : list_(list) {}
  std::size_t Add(const Value& value) {
    const auto [entry, added] = index_.try_emplace(value, list_.size());
    if (added) list_.push_back(value);
    return entry->second;
  }

 private:
  std::vector<Value>& list_;
  std::map<Value, std::size_t, Less> index_;
};

}  // namespace

StyleTable::StyleTable(const file::WorkbookView& workbook) {
  const FormatTable& formats = workbook.Formats();

  // Number formats: the built-in ones by their id, the others numbered from 164.
  std::vector<std::int32_t> numberFormatIds(formats.NumberFormatCount());
  for (std::size_t i = 0; i < formats.NumberFormatCount(); ++i) {
    const std::string& code = formats.NumberFormatText(static_cast<std::uint32_t>(i));
    std::int32_t id = BuiltInNumberFormat(code);
    if (id < 0) {
      id = 164 + static_cast<std::int32_t>(numberFormats_.size());
      numberFormats_.push_back({id, code});
    }
    numberFormatIds[i] = id;
  }

  Interned<double> fonts(fonts_);
  Interned<Fill> fills(fills_);
  Interned<BorderSet, BorderSetLess> borders(borders_);
  fonts.Add(10.0);
  borders.Add(BorderSet{});
  const std::vector<std::uint32_t>& used = workbook.UsedFormats();
  for (std::size_t i = 0; i < formats.Count(); ++i) {
    if (used[i] == file::WorkbookView::kUnused) continue;
    const CellFormat& format = formats.At(static_cast<std::uint32_t>(i));
    const std::size_t fill =
        format.lngPattern == xlPatternNone
            ? 0
            : kFixedFills + fills.Add({format.lngPattern, format.lngInteriorColor});
    cellStyles_.push_back({numberFormatIds[format.lngNumberFormat], fonts.Add(format.dblFontSize),
                           fill, borders.Add(Visible(format.borders)), &format});
  }
}

}  // namespace excel::xlsx
