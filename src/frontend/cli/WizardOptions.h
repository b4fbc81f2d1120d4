#pragma once
// The wizard's options on the command line: each names one control of the wizard and sets the
// chart's option that the control shows, as the user would type or tick it. An option not given
// leaves its option as the stored defaults filled it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "chart/ChartOptions.h"

namespace CLI {
class App;
}

namespace cli {

// The colour options, in the order of the swatches on the wizard's steps 5 and 6.
inline constexpr std::size_t kColorOptionCount = 11;

struct WizardOptions {
  std::optional<std::string> strOutput;  // txtChartPath

  std::optional<std::string> strResponsible;  // cboFieldResponsible
  std::optional<std::string> strParticipant;  // cboFieldParticipiant
  std::optional<std::string> strInformed;     // cboFieldInformed

  // A field given ticks its column; --no-… clears the tick.
  std::optional<std::string> strTargets;  // cboFieldTargets
  std::optional<bool> blnTargets;         // chkTargets
  std::optional<std::string> strStatus;   // cboFieldStatus
  std::optional<bool> blnStatus;          // chkStatus
  std::optional<std::string> strRemarks;  // cboFieldDesc
  std::optional<bool> blnRemarks;         // chkDesc
  std::optional<bool> blnStart;           // chkStart
  std::optional<bool> blnFinish;          // chkFinish
  std::optional<bool> blnDuration;        // chkDuration
  std::optional<bool> blnGroupTasks;      // chkGroupTasks
  std::optional<bool> blnFreezePanes;     // chkFreezePanes

  std::optional<std::string> strColumnWidth;  // txtColumnWidth
  std::optional<std::string> strRowHeight;    // txtRowHeight
  std::optional<std::string> strArrowWeight;  // txtArrowThickness
  std::optional<std::string> strArrowSize;    // cboArrowSize

  // Windows colour values (red in the low byte), see kColorOptionCount.
  std::array<std::optional<std::int32_t>, kColorOptionCount> lngColors;

  std::optional<bool> blnShadowArrows;   // chkShadowArrows
  std::optional<bool> blnShadowSymbols;  // chkShadowSymbols

  bool blnSaveDefaults = false;  // presses "Als Standard festlegen"
  bool blnYes = false;           // answers Yes to the launch's questions
};

// "#RRGGBB" (either letter case) as a Windows colour value: red + 256 × green + 65536 × blue.
// Nothing for any other text.
std::optional<std::int32_t> ParseColor(const std::string& strColor);

// Declares the options on the parser, bound to the fields of options. A colour that is not
// #RRGGBB is refused with a German message; --x and --no-x exclude each other.
void DeclareWizardOptions(CLI::App& app, WizardOptions& options);

// Puts every option given into the chart's options.
void ApplyWizardOptions(const WizardOptions& options, chart::ChartOptions& chart);

}  // namespace cli
