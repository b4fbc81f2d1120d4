#include "dialogs/basColor.h"

#include <array>
#include <span>

#include "platform/shell/CommDlg.h"
#include "platform/vb/OnError.h"

namespace basColor {

namespace {

constexpr shell::DWORD kColorDialogFlags = shell::CC_RGBINIT | shell::CC_FULLOPEN |
                                           shell::CC_PREVENTFULLOPEN | shell::CC_ANYCOLOR;  // 0x107

// The custom colours of the dialog, kept for the life of the add-in.
std::array<std::int32_t, shell::kCustomColorCount> lngCustomColors{};

}  // namespace

std::int32_t ShowColorDialog(std::int32_t lngInitColor, std::int32_t lngCustom1,
                             std::int32_t lngCustom2, std::int32_t lngCustom3,
                             std::int32_t lngCustom4, std::int32_t lngCustom5,
                             std::int32_t lngCustom6, std::int32_t lngCustom7,
                             std::int32_t lngCustom8, std::int32_t lngCustom9,
                             std::int32_t lngCustom10, std::int32_t lngCustom11,
                             std::int32_t lngCustom12, std::int32_t lngCustom13,
                             std::int32_t lngCustom14, std::int32_t lngCustom15,
                             std::int32_t lngCustom16) {
  const std::array<std::int32_t, shell::kCustomColorCount> lngCustom{
      lngCustom1,  lngCustom2,  lngCustom3,  lngCustom4,  lngCustom5,  lngCustom6,
      lngCustom7,  lngCustom8,  lngCustom9,  lngCustom10, lngCustom11, lngCustom12,
      lngCustom13, lngCustom14, lngCustom15, lngCustom16};
  for (std::size_t i = 0; i < lngCustom.size(); ++i) {
    if (lngCustom[i] != 0) lngCustomColors[i] = lngCustom[i];
  }

  shell::Buffers mem;
  shell::CHOOSECOLOR cc;
  cc.lStructSize = sizeof(shell::CHOOSECOLOR);
  cc.hwndOwner = 0;
  cc.hInstance = 0;
  cc.rgbResult = static_cast<shell::COLORREF>(lngInitColor);
  cc.lpCustColors = mem.LendBytes(std::as_writable_bytes(std::span(lngCustomColors)));
  cc.Flags = kColorDialogFlags;
  cc.lCustData = 0;
  cc.lpfnHook = 0;
  cc.lpTemplateName = 0;
  vb::TrySkip([&] { shell::ChooseColorA(cc, mem); });
  return static_cast<std::int32_t>(cc.rgbResult);
}

}  // namespace basColor
