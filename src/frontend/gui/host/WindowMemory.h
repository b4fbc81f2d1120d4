#pragma once
// What the host window keeps of itself across starts: its place and size (and whether it was
// maximized), the tab shown, and the zoom of the chart's preview. Kept in a small INI file of
// its own, "Fenster.ini", beside the file of the host's command bars
// (office::CommandBarsFilePath(), in the folder of the registry file).

#include <QList>
#include <QRect>
#include <QString>
#include <filesystem>

namespace gui {

struct WindowMemory {
  QRect geometry;  // the window's inside in screen coordinates, unmaximized; empty: none kept
  bool blnMaximized = false;
  QString strTab;   // the object name of the tab shown; "" for none kept
  QString strZoom;  // kZoomWhole, kZoomWidth or the zoom as a number (1 = printed size)
};

inline const QString kZoomWhole = QStringLiteral("ganzes Diagramm");
inline const QString kZoomWidth = QStringLiteral("Seitenbreite");

std::filesystem::path WindowMemoryPath();

// What was kept; a missing or unreadable file keeps nothing.
WindowMemory RecallWindowMemory();
// Keeps it; a file that cannot be written is let go (the window closes all the same).
void KeepWindowMemory(const WindowMemory& memory);

// The place of a window on the screens (their available areas, the primary one first): a
// window whose top edge (where the frame's title bar is grabbed) lies on no screen comes back
// onto the primary screen, centred and no larger than it; any other stays where it is.
QRect OnScreen(const QRect& geometry, const QList<QRect>& colScreens);

}  // namespace gui
