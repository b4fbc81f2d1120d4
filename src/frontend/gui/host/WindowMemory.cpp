#include "gui/host/WindowMemory.h"

#include <QSettings>
#include <algorithm>

#include "platform/office/CommandBars.h"

namespace gui {

namespace {

const QString kGeometry = QStringLiteral("Fenster/Bereich");
const QString kMaximized = QStringLiteral("Fenster/Maximiert");
const QString kTab = QStringLiteral("Fenster/Registerkarte");
const QString kZoom = QStringLiteral("Diagramm/Zoom");

// How much of the window's top edge must lie on a screen for the user to grab it there.
constexpr int kGrabWidth = 100;
constexpr int kGrabHeight = 20;

QSettings MemoryFile() {
  return QSettings(QString::fromStdString(WindowMemoryPath().string()), QSettings::IniFormat);
}

}  // namespace

std::filesystem::path WindowMemoryPath() {
  return office::CommandBarsFilePath().parent_path() / "Fenster.ini";
}

WindowMemory RecallWindowMemory() {
  const QSettings file = MemoryFile();
  WindowMemory memory;
  memory.geometry = file.value(kGeometry).toRect();
  if (memory.geometry.width() <= 0 || memory.geometry.height() <= 0) memory.geometry = QRect();
  memory.blnMaximized = file.value(kMaximized, false).toBool();
  memory.strTab = file.value(kTab).toString();
  memory.strZoom = file.value(kZoom).toString();
  return memory;
}

void KeepWindowMemory(const WindowMemory& memory) {
  std::error_code ec;
  std::filesystem::create_directories(WindowMemoryPath().parent_path(), ec);
  QSettings file = MemoryFile();
  file.setValue(kGeometry, memory.geometry);
  file.setValue(kMaximized, memory.blnMaximized);
  file.setValue(kTab, memory.strTab);
  file.setValue(kZoom, memory.strZoom);
  file.sync();
}

QRect OnScreen(const QRect& geometry, const QList<QRect>& colScreens) {
  if (colScreens.isEmpty() || geometry.isEmpty()) return geometry;
  // The title bar lies above the inside: the strip from a title bar's height above its top to
  // a little below.
  const QRect top(geometry.left(), geometry.top() - kGrabHeight, geometry.width(), 2 * kGrabHeight);
  const int intNeeded = std::min(kGrabWidth, geometry.width());
  for (const QRect& screen : colScreens) {
    const QRect shared = screen.intersected(top);
    if (shared.width() >= intNeeded && shared.height() >= kGrabHeight) return geometry;
  }
  const QRect& screen = colScreens.front();
  QRect moved(QPoint(), geometry.size().boundedTo(screen.size()));
  moved.moveCenter(screen.center());
  return moved;
}

}  // namespace gui
