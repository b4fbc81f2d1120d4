#pragma once
// The desktop's icons by their freedesktop names ("document-open", "zoom-in", …). The user's
// icon theme comes first; where the desktop names none (a bare window manager) or its theme
// lacks an icon, Adwaita, which the package depends on, stands in.

#include <QIcon>

namespace gui {

inline constexpr const char* kFallbackIconTheme = "Adwaita";

// Adds the freedesktop icon folders to Qt's search paths, sets the fallback theme, and Adwaita
// as the theme when the desktop names none. Called by
// every window that shows themed icons; the first call does the work.
void UseIconTheme();

// The icon of that name from the theme; a null icon when no theme has it.
QIcon ThemeIcon(const char* strName);

}  // namespace gui
