#include "chart/ChartOptions.h"

#include "chart/LayoutNumbers.h"
#include "platform/catalog/Catalog.h"
#include "platform/vb/Conversion.h"

namespace chart {

namespace {

constexpr double kDefaultColumnWidth = 4;
constexpr double kDefaultRowHeight = 36;

// The words stored in the settings, German in every language; the wizard shows their
// translations.
constexpr std::array<const char*, 3> kArrowSizeWords{N_("klein"), N_("mittel"), N_("groß")};

}  // namespace

std::string_view ArrowSizeWord(ArrowSize size) {
  return kArrowSizeWords[static_cast<std::size_t>(size)];
}

std::optional<ArrowSize> ArrowSizeNamed(std::string_view strWord) {
  for (std::size_t i = 0; i < kArrowSizeWords.size(); ++i) {
    if (kArrowSizeWords[i] == strWord) return static_cast<ArrowSize>(i);
  }
  return std::nullopt;
}

const char* ArrowSizeText(ArrowSize size) {
  return _(kArrowSizeWords[static_cast<std::size_t>(size)]);
}

std::optional<ArrowSize> ArrowSizeShown(std::string_view strText) {
  for (std::size_t i = 0; i < kArrowSizeWords.size(); ++i) {
    if (_(kArrowSizeWords[i]) == strText) return static_cast<ArrowSize>(i);
  }
  return ArrowSizeNamed(strText);
}

const char* TaskColumnText(TaskColumn column) {
  switch (column) {
    case TaskColumn::Start:
      return N_("Anfang");
    case TaskColumn::Finish:
      return N_("Ende");
    case TaskColumn::Duration:
      break;
  }
  return N_("Dauer");
}

double ColumnWidth(const ChartOptions& options) {
  return vb::IsNumeric(options.strColumnWidth) ? vb::Val(options.strColumnWidth)
                                               : kDefaultColumnWidth;
}

double RowHeight(const ChartOptions& options) {
  return vb::IsNumeric(options.strRowHeight) ? SnapRowHeight(vb::Val(options.strRowHeight))
                                             : kDefaultRowHeight;
}

double ArrowWeight(const ChartOptions& options) {
  return ReadLineWeight(options.strArrowWeight).value_or(0.0);
}

OptionsProblem CheckChartPath(const ChartOptions& options) {
  return options.strChartPath.empty() ? OptionsProblem::ChartPath : OptionsProblem::None;
}

OptionsProblem CheckLayoutNumbers(const ChartOptions& options) {
  const auto dblLineWeight = ReadLineWeight(options.strArrowWeight);
  if (!dblLineWeight || *dblLineWeight < kMinLineWeight || *dblLineWeight > kMaxLineWeight) {
    return OptionsProblem::ArrowWeight;
  }
  const double dblWidth = ReadWholeNumber(options.strColumnWidth);
  if (dblWidth < kMinColumnWidth || dblWidth > kMaxColumnWidth) return OptionsProblem::ColumnWidth;
  const double dblHeight = ReadWholeNumber(options.strRowHeight);
  if (dblHeight < kMinRowHeight || dblHeight > kMaxRowHeight) return OptionsProblem::RowHeight;
  return OptionsProblem::None;
}

const char* ProblemMessage(OptionsProblem problem) {
  switch (problem) {
    case OptionsProblem::ChartPath:
      return _("Legen Sie den Speicherort des Diagramms fest.");
    case OptionsProblem::ArrowWeight:
      return _("Bitte nur Linienstärken zwischen 0,25 und 6 eingeben.    ");
    case OptionsProblem::ColumnWidth:
      return _("Bitte nur Spaltenbreiten zwischen 4 und 20 eingeben.    ");
    case OptionsProblem::RowHeight:
      return _("Bitte nur Zeilenhöhen zwischen 18 und 90 eingeben.    ");
    case OptionsProblem::None:
      break;
  }
  return "";
}

}  // namespace chart
