#include "settings/LoadSettings.h"

#include <cstdint>
#include <string>

#include "platform/vb/Conversion.h"
#include "platform/vb/OnError.h"
#include "settings/SettingsTable.h"
#include "settings/basRegistry.h"
#include "wizard/Globals.h"
#include "wizard/frmQuorvan.h"

using namespace settings;

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

// The text's leading number, taken to the nearest whole number; an empty text keeps the
// swatch's colour.
void LoadColor(forms::Label& lblSwatch, const char* strValueName) {
  const std::string strValue = Read(kKeyColors, strValueName);
  if (strValue.empty()) return;
  vb::TrySkip([&] {
    const std::int32_t lngColor = vb::CLng(vb::Val(strValue));
    if (IsColorValue(lngColor)) lblSwatch.BackColor(lngColor);
  });
}

// The text's integer value; an empty text sets lngMissing, or keeps the state when there is
// none. A text that is no whole number, or a state outside 0 … 2, keeps the state.
void LoadSwitch(forms::CheckBox& chk, const char* strKey, const char* strValueName,
                bool blnTickWhenMissing) {
  const std::string strValue = Read(strKey, strValueName);
  if (strValue.empty()) {
    if (blnTickWhenMissing) vb::TrySkip([&] { chk.Value(forms::vbChecked); });
    return;
  }
  vb::TrySkip([&] { chk.Value(vb::CInt(strValue)); });
}

template <class Control>
void LoadText(Control& ctl, const char* strValueName, const char* strDefault) {
  const std::string strValue = Read(kKeySettings, strValueName);
  vb::TrySkip([&] { ctl.Text(strValue.empty() ? std::string(strDefault) : strValue); });
}

}  // namespace

void LoadSettings() {
  frmQuorvan* frm = gfrmWizard;
  if (frm == nullptr) return;

  for (const ColorSetting& color : kColorSettings)
    LoadColor(frm->*color.lblSwatch, color.strValueName);

  LoadSwitch(frm->chkShadowArrows, kKeyShadows, "ShadowArrow", false);
  LoadSwitch(frm->chkShadowSymbols, kKeyShadows, "ShadowSymbols", false);

  LoadText(frm->cboFieldResponsible, "FieldResponsible", "Text21");
  LoadText(frm->cboFieldParticipiant, "FieldParticipiant", "Text22");
  LoadText(frm->cboFieldInformed, "FieldInformed", "Text23");
  LoadText(frm->cboFieldTargets, "FieldTargets", "Text20");
  LoadText(frm->cboFieldStatus, "FieldStatus", "Text24");
  LoadText(frm->cboFieldDesc, "FieldDesc", "Text25");

  LoadSwitch(frm->chkTargets, kKeySettings, "UseFieldTargets", true);
  LoadSwitch(frm->chkStatus, kKeySettings, "UseFieldStatus", true);
  LoadSwitch(frm->chkDesc, kKeySettings, "UseFieldDesc", true);
  LoadSwitch(frm->chkStart, kKeySettings, "UseFieldStart", true);
  LoadSwitch(frm->chkFinish, kKeySettings, "UseFieldFinish", true);
  LoadSwitch(frm->chkDuration, kKeySettings, "UseFieldDuration", true);

  LoadText(frm->txtArrowThickness, "ArrowLineWeight", "2,5");

  const std::string strArrowSize = Read(kKeySettings, "ArrowEndSize");
  vb::TrySkip([&] {
    frm->cboArrowSize.Text(IsArrowSize(strArrowSize) ? strArrowSize : kArrowSizeDefault);
  });

  LoadSwitch(frm->chkGroupTasks, kKeySettings, "GroupTasks", true);
  LoadSwitch(frm->chkFreezePanes, kKeySettings, "FreezePanes", true);

  LoadText(frm->txtColumnWidth, "ColumnWidthRessources", "8");
  LoadText(frm->txtRowHeight, "RowHeightTasks", "32");
}
