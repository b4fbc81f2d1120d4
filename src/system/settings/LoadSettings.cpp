#include "settings/LoadSettings.h"

#include <cstdint>
#include <string>

#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"
#include "settings/SettingsTable.h"
#include "settings/basRegistry.h"

using namespace settings;
using chart::Switch;

namespace {

// What a swatch accepts as its background colour, as a Visual Basic label does: a colour value
// (0 … &HFFFFFF) or one of the system colours (&H80000000 …).
bool IsColorValue(std::int32_t lngColor) {
  const auto dwColor = static_cast<std::uint32_t>(lngColor);
  return dwColor <= 0xFFFFFFu || (dwColor >= 0x80000000u && dwColor <= 0x80000018u);
}

std::string Read(const char* strKey, const char* strValueName) {
  return ReadRegString(registry::HKEY_CURRENT_USER, strKey, strValueName);
}

// The text's leading number, taken to the nearest whole number; an empty text keeps the colour.
void LoadColor(std::int32_t& lngColor, const char* strValueName) {
  const std::string strValue = Read(kKeyColors, strValueName);
  if (strValue.empty()) return;
  vb::TrySkip([&] {
    const std::int32_t lngValue = vb::CLng(vb::Val(strValue));
    if (IsColorValue(lngValue)) lngColor = lngValue;
  });
}

// The text's integer value; an empty text ticks the switch when blnTickWhenMissing, or keeps
// it. A text that is no whole number, or a state outside 0 … 2, keeps the state.
void LoadSwitch(Switch& state, const char* strKey, const char* strValueName,
                bool blnTickWhenMissing) {
  const std::string strValue = Read(strKey, strValueName);
  if (strValue.empty()) {
    if (blnTickWhenMissing) state = Switch::On;
    return;
  }
  vb::TrySkip([&] {
    const std::int32_t intValue = vb::CInt(strValue);
    if (intValue >= 0 && intValue <= 2) state = static_cast<Switch>(intValue);
  });
}

void LoadText(std::string& strOption, const char* strValueName, const char* strDefault) {
  const std::string strValue = Read(kKeySettings, strValueName);
  strOption = strValue.empty() ? std::string(strDefault) : strValue;
}

}  // namespace

void LoadSettings(chart::ChartOptions& options) {
  for (std::size_t i = 0; i < chart::kColorCount; ++i) {
    LoadColor(options.lngColors[i], kColorValueNames[i]);
  }

  LoadSwitch(options.shadowArrows, kKeyShadows, "ShadowArrow", false);
  LoadSwitch(options.shadowSymbols, kKeyShadows, "ShadowSymbols", false);

  LoadText(options.strFieldResponsible, "FieldResponsible", "Text21");
  LoadText(options.strFieldParticipant, "FieldParticipiant", "Text22");
  LoadText(options.strFieldInformed, "FieldInformed", "Text23");
  LoadText(options.targets.strField, "FieldTargets", "Text20");
  LoadText(options.status.strField, "FieldStatus", "Text24");
  LoadText(options.remarks.strField, "FieldDesc", "Text25");

  LoadSwitch(options.targets.use, kKeySettings, "UseFieldTargets", true);
  LoadSwitch(options.status.use, kKeySettings, "UseFieldStatus", true);
  LoadSwitch(options.remarks.use, kKeySettings, "UseFieldDesc", true);
  LoadSwitch(options.start, kKeySettings, "UseFieldStart", true);
  LoadSwitch(options.finish, kKeySettings, "UseFieldFinish", true);
  LoadSwitch(options.duration, kKeySettings, "UseFieldDuration", true);

  LoadText(options.strArrowWeight, "ArrowLineWeight", "2,5");
  options.arrowSize =
      chart::ArrowSizeNamed(Read(kKeySettings, "ArrowEndSize")).value_or(chart::ArrowSize::Medium);

  LoadSwitch(options.groupTasks, kKeySettings, "GroupTasks", true);
  LoadSwitch(options.freezePanes, kKeySettings, "FreezePanes", true);

  LoadText(options.strColumnWidth, "ColumnWidthRessources", "8");
  LoadText(options.strRowHeight, "RowHeightTasks", "32");
}
