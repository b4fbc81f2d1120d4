#pragma once
// What the tests of the desktop share: one QApplication on Qt's offscreen platform (unless the
// environment names another, as the screenshots do with a real X server), a registry file of
// their own, and a way to wait for a window while a modal loop runs.

#include <QApplication>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>

#include "platform/registry/ScopedRegistryFile.h"

namespace guitest {

// The application of the test program; created before the first test runs.
QApplication& App();

// Where the tests keep pictures to look at: the build folder's artefacts/gui.
std::filesystem::path ArtefactsDir();

// Saves a picture of the widget (its window, drawn by Qt) as NAME.png in the artefacts.
void SaveShot(QWidget& widget, const std::string& strName);

// Processes events until the condition holds or the time is up; returns the condition.
bool WaitFor(const std::function<bool()>& condition, int intMilliseconds = 5000);

// The example plan shipped with the program.
std::filesystem::path ExamplePlan();

}  // namespace guitest
