#pragma once
// The Visual Basic constants of message boxes, mouse pointers, check boxes and modal display.

namespace forms {

// MsgBox buttons and icons (added together).
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNoCancel = 3;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

// MsgBox answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// Mouse pointers.
inline constexpr int vbDefault = 0;
inline constexpr int vbArrow = 1;
inline constexpr int vbIbeam = 3;
inline constexpr int vbHourglass = 11;
inline constexpr int vbCustom = 99;

// Check box states.
inline constexpr int vbUnchecked = 0;
inline constexpr int vbChecked = 1;
inline constexpr int vbGrayed = 2;

// Form display.
inline constexpr int vbModeless = 0;
inline constexpr int vbModal = 1;

// Mouse buttons of MouseMove.
inline constexpr int vbLeftButton = 1;
inline constexpr int vbRightButton = 2;

// The system colour of buttons and dialog backgrounds, as the runtime holds it (&H8000000F).
inline constexpr int vbButtonFace = static_cast<int>(0x8000000FU);
inline constexpr int vbWindowBackground = static_cast<int>(0x80000005U);
inline constexpr int vbWindowText = static_cast<int>(0x80000008U);

}  // namespace forms
