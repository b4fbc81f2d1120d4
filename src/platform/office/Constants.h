#pragma once
// The Office constants of command bars and their controls.

namespace office {

// Control types (MsoControlType).
inline constexpr int msoControlButton = 1;
inline constexpr int msoControlPopup = 10;

// Docking positions of a command bar (MsoBarPosition).
inline constexpr int msoBarLeft = 0;
inline constexpr int msoBarTop = 1;
inline constexpr int msoBarRight = 2;
inline constexpr int msoBarBottom = 3;
inline constexpr int msoBarFloating = 4;
inline constexpr int msoBarPopup = 5;
inline constexpr int msoBarMenuBar = 6;

// Button styles (MsoButtonStyle).
inline constexpr int msoButtonAutomatic = 0;
inline constexpr int msoButtonIcon = 1;
inline constexpr int msoButtonCaption = 2;
inline constexpr int msoButtonIconAndCaption = 3;

// The Id of every control that is not one of the host's own commands.
inline constexpr int kIdCustom = 1;

}  // namespace office
