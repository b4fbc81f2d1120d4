#pragma once
// Where the stored defaults live below HKEY_CURRENT_USER, and what their loading and saving
// share: the names of the colour values, in the order of the chart's colours, in which they are
// loaded and saved.

#include <array>

#include "chart/ChartOptions.h"

namespace settings {

inline constexpr const char* kKeyColors = "Software\\Tevrana\\Quorvan\\Colors";
inline constexpr const char* kKeyShadows = "Software\\Tevrana\\Quorvan\\Shadows";
inline constexpr const char* kKeySettings = "Software\\Tevrana\\Quorvan\\Settings";

// Indexed by chart::ColorOf.
inline constexpr std::array<const char*, chart::kColorCount> kColorValueNames{{
    "ColorHeader",
    "ColorTasksSubproject",
    "ColorTasksSummary",
    "ColorTasksTask",
    "ColorTasksMilestone",
    "ColorArrow",
    "ColorArrowShadow",
    "ColorSymbolResponsible",
    "ColorSymbolParticipiant",
    "ColorSymbolInformed",
    "ColorSymbolShadow",
}};

}  // namespace settings
