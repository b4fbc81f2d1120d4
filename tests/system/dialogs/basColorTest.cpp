// The colour picker: its record, OK and Cancel, and the custom colour table it keeps.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "dialogs/basColor.h"
#include "support/ScriptedBackend.h"

namespace {

// Shows the dialog with every custom colour given.
std::int32_t Show(std::int32_t lngInit, const std::array<std::int32_t, 16>& c) {
  return basColor::ShowColorDialog(lngInit, c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7], c[8],
                                   c[9], c[10], c[11], c[12], c[13], c[14], c[15]);
}

std::array<std::int32_t, 16> Colors(std::int32_t lngBase) {
  std::array<std::int32_t, 16> c{};
  for (std::size_t i = 0; i < c.size(); ++i) c[i] = lngBase + static_cast<std::int32_t>(i);
  return c;
}

TEST(ShowColorDialog, OkReturnsTheChosenColour) {
  shell::ScriptedBackend backend;
  backend.AnswerColor(0x336699);
  EXPECT_EQ(Show(0xFF0000, Colors(0x100)), 0x336699);

  const shell::ColorDialogRequest& request = backend.ColorDialogs().at(0);
  EXPECT_EQ(request.record.lStructSize, 36u);
  EXPECT_EQ(request.record.hwndOwner, 0u);
  EXPECT_EQ(request.record.hInstance, 0u);
  EXPECT_EQ(request.record.rgbResult, 0xFF0000u);
  EXPECT_NE(request.record.lpCustColors, 0u);
  EXPECT_EQ(request.record.Flags, 0x107u);
  EXPECT_EQ(request.record.lCustData, 0);
  EXPECT_EQ(request.record.lpfnHook, 0u);
  EXPECT_EQ(request.record.lpTemplateName, 0u);
  for (std::size_t i = 0; i < 16; ++i) EXPECT_EQ(request.custColors[i], 0x100 + i);
}

TEST(ShowColorDialog, CancelReturnsTheInitialColour) {
  shell::ScriptedBackend backend;
  backend.Cancel();
  EXPECT_EQ(Show(0x00FF00, Colors(0x100)), 0x00FF00);
  // Without any front end the dialog cannot open: the initial colour too.
  shell::SetBackend(nullptr);
  EXPECT_EQ(Show(0x0000FF, Colors(0x100)), 0x0000FF);
  shell::SetBackend(&backend);
}

TEST(ShowColorDialog, ZeroKeepsTheTablesEntry) {
  shell::ScriptedBackend backend;
  Show(0, Colors(0x200));
  std::array<std::int32_t, 16> c = Colors(0x300);
  c[0] = 0;
  c[7] = 0;
  Show(0, c);
  const shell::ColorDialogRequest& request = backend.ColorDialogs().at(1);
  EXPECT_EQ(request.custColors[0], 0x200u);
  EXPECT_EQ(request.custColors[1], 0x301u);
  EXPECT_EQ(request.custColors[7], 0x207u);
  EXPECT_EQ(request.custColors[15], 0x30Fu);
}

TEST(ShowColorDialog, ColoursChangedInTheDialogStayUntilTheNextCall) {
  shell::ScriptedBackend backend;
  Show(0, Colors(0x400));
  backend.EditCustomColor(2, 0xABCDEF);
  backend.Cancel();
  Show(0, Colors(0x400));
  std::array<std::int32_t, 16> c = Colors(0x400);
  c[2] = 0;
  Show(0, c);
  EXPECT_EQ(backend.ColorDialogs().at(2).custColors[2], 0xABCDEFu);
  // The wizard passes all sixteen colours: the dialog opens with them again.
  Show(0, Colors(0x400));
  EXPECT_EQ(backend.ColorDialogs().at(3).custColors[2], 0x402u);
}

}  // namespace
