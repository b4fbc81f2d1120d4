#include "render/OffscreenGui.h"

#include <QGuiApplication>

namespace render {

namespace {

int gArgc = 3;
char gName[] = "quorvan";
char gPlatformOption[] = "-platform";
char gPlatform[] = "offscreen";
char* gArgv[] = {gName, gPlatformOption, gPlatform, nullptr};

}  // namespace

OffscreenGui::OffscreenGui() {
  if (QGuiApplication::instance() == nullptr) {
    application_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
  }
}

OffscreenGui::~OffscreenGui() = default;

}  // namespace render
