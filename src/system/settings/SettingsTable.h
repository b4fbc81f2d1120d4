#pragma once
// Where the stored defaults live below HKEY_CURRENT_USER, and what their loading and saving
// share: the colour values with the swatch of the wizard that carries each, in the order in
// which they are loaded and saved, and the arrow-head sizes that take effect.

#include <array>
#include <string>

#include "wizard/frmQuorvan.h"

namespace settings {

inline constexpr const char* kKeyColors = "Software\\Tevrana\\Quorvan\\Colors";
inline constexpr const char* kKeyShadows = "Software\\Tevrana\\Quorvan\\Shadows";
inline constexpr const char* kKeySettings = "Software\\Tevrana\\Quorvan\\Settings";

inline constexpr const char* kArrowSizeDefault = "mittel";

// True for "klein", "mittel" and "groß", compared exactly.
inline bool IsArrowSize(const std::string& strText) {
  return strText == "klein" || strText == "mittel" || strText == "groß";
}

struct ColorSetting {
  const char* strValueName;
  forms::Label frmQuorvan::*lblSwatch;
};

inline constexpr std::array<ColorSetting, 11> kColorSettings{{
    {"ColorHeader", &frmQuorvan::lblColorHeaderTasks},
    {"ColorTasksSubproject", &frmQuorvan::lblColorSubprojects},
    {"ColorTasksSummary", &frmQuorvan::lblColorSummaries},
    {"ColorTasksTask", &frmQuorvan::lblColorTasks},
    {"ColorTasksMilestone", &frmQuorvan::lblColorMilestones},
    {"ColorArrow", &frmQuorvan::lblColorArrows},
    {"ColorArrowShadow", &frmQuorvan::lblColorShadowArrows},
    {"ColorSymbolResponsible", &frmQuorvan::lblColorResponsible},
    {"ColorSymbolParticipiant", &frmQuorvan::lblColorParticipiant},
    {"ColorSymbolInformed", &frmQuorvan::lblColorInformed},
    {"ColorSymbolShadow", &frmQuorvan::lblColorShadowSymbols},
}};

}  // namespace settings
