#pragma once
// The host's own command bars as it ships them: the menu "Tools" with its German entries, the
// toolbars "Standard" and "Formatting".

namespace office {

class CommandBars;

// Ids of the built-in entries of the "Tools" menu that add-ins place their entries before.
inline constexpr int kIdOrganizer = 2131;
inline constexpr int kIdCustomize = 40085;
inline constexpr int kIdOptions = 40196;
inline constexpr int kIdComAddIns = 40092;

// "Öffnen" on the toolbar "Standard".
inline constexpr int kIdFileOpen = 23;

void AddBuiltInBars(CommandBars& bars);

}  // namespace office
