#pragma once
// The options of one chart as a plain value: what the wizard's seven steps ask for, what the
// command line's flags give and what the stored defaults hold. The wizard fills one from its
// controls, the command line from its flags over the stored defaults, the settings load and save
// one; the run takes one.
//
// The entries a user types (the layout numbers) and the state of each switch are kept as given,
// so that what is stored reads back unchanged; the run takes its numbers through ColumnWidth,
// RowHeight and ArrowWeight below.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace chart {

// The size of the arrowheads. The words are what is stored, German in every language; the
// wizard lists their translations.
enum class ArrowSize { Small, Medium, Large };

// "klein", "mittel", "groß".
std::string_view ArrowSizeWord(ArrowSize size);
// The size a stored word names, compared exactly; nothing for any other text.
std::optional<ArrowSize> ArrowSizeNamed(std::string_view strWord);
// The word in the process's language ("small" in English), as the wizard lists it.
const char* ArrowSizeText(ArrowSize size);
// The size a listed word names: the word in the process's language or the stored one.
std::optional<ArrowSize> ArrowSizeShown(std::string_view strText);

// The task columns of the plan's own fields that the user may leave out, and the words that
// name them (in the chart's heading, the model and the wizard).
enum class TaskColumn { Start, Finish, Duration };

// "Anfang", "Ende", "Dauer": the German name (the model's field name); the heading shows
// _(TaskColumnText(column)).
const char* TaskColumnText(TaskColumn column);

// The state of a check box, as stored: a greyed box counts as not ticked.
enum class Switch : std::int32_t { Off = 0, On = 1, Greyed = 2 };

inline bool IsOn(Switch state) {
  return state == Switch::On;
}

// The chart's colours, Windows colour values (red in the low byte), in the order of the swatches
// on the wizard's steps 5 and 6.
enum class ColorOf : std::size_t {
  Headers,
  Subprojects,
  Summaries,
  Tasks,
  Milestones,
  Arrows,
  ArrowShadows,
  Responsible,
  Participant,
  Informed,
  SymbolShadows,
};
inline constexpr std::size_t kColorCount = 11;

// A task column that the user may leave out, filled from a custom field of the plan.
struct OptionalField {
  Switch use = Switch::Off;
  std::string strField;
};

// A value made without arguments is the wizard's form before the stored defaults are loaded into
// it (every switch off, every entry empty, the design's colours): LoadSettings fills it from the
// stored defaults or their defaults, and keeps what it cannot take, as the form's controls do.
struct ChartOptions {
  // Where the workbook is saved; .xls writes the older format.
  std::string strChartPath;

  // The role fields: names of custom task text fields ("Text21", "Enterprise-Text3").
  std::string strFieldResponsible;
  std::string strFieldParticipant;
  std::string strFieldInformed;

  // The optional task columns.
  OptionalField targets;
  OptionalField status;
  OptionalField remarks;
  Switch start = Switch::Off;
  Switch finish = Switch::Off;
  Switch duration = Switch::Off;

  Switch groupTasks = Switch::Off;
  Switch freezePanes = Switch::Off;

  // The layout numbers as typed: the column width of a resource in characters, the row height
  // of a task in points, the arrows' line weight in points ("2,5", with a decimal comma).
  std::string strColumnWidth;
  std::string strRowHeight;
  std::string strArrowWeight;
  ArrowSize arrowSize = ArrowSize::Medium;

  std::array<std::int32_t, kColorCount> lngColors{
      14737632, 12640511, 12648447, 16777215, 14737632, 16711680,
      14737632, 0,        12632256, 16777215, 14737632,
  };
  Switch shadowArrows = Switch::Off;
  Switch shadowSymbols = Switch::Off;

  // The largest plan a chart shows: resources (columns) and tasks (rows).
  std::int32_t lngMaxResources = 200;
  std::int32_t lngMaxTasks = 20000;

  std::int32_t Color(ColorOf which) const { return lngColors[static_cast<std::size_t>(which)]; }
  std::int32_t& Color(ColorOf which) { return lngColors[static_cast<std::size_t>(which)]; }
};

// What the run takes from the layout numbers: the column width (4 when the entry is not a
// number, "5x" included), the row height snapped down to a multiple of 0.75 (36 when not a
// number) and the line weight (read with a decimal comma; 0 when not a number).
double ColumnWidth(const ChartOptions& options);
double RowHeight(const ChartOptions& options);
double ArrowWeight(const ChartOptions& options);

// The checks that refuse options before a run, in the order the wizard makes them.
enum class OptionsProblem {
  None,
  ChartPath,    // no path for the workbook
  ArrowWeight,  // not a number from 0.25 to 6
  ColumnWidth,  // not from 4 to 20
  RowHeight,    // not from 18 to 90
};

OptionsProblem CheckChartPath(const ChartOptions& options);
// The layout numbers: the line weight, then the column width, then the row height.
OptionsProblem CheckLayoutNumbers(const ChartOptions& options);
// What the wizard says of a problem ("" for None).
const char* ProblemMessage(OptionsProblem problem);

}  // namespace chart
