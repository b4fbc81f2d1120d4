#include "render/OffscreenGui.h"

#include <QGuiApplication>

namespace render {

namespace {

int gArgc = 3;
char gName[] = "quorvan";
char gPlatformOption[] = "-platform";
char gPlatform[] = "offscreen";
char* gArgv[] = {gName, gPlatformOption, gPlatform, nullptr};

// Qt's notes that the program says better itself, or that do not concern a program without
// windows: kept off the terminal, every other message goes where it went.
QtMessageHandler gPreviousHandler = nullptr;

void QuietNotes(QtMsgType type, const QMessageLogContext& context, const QString& strMessage) {
  // No runtime folder is needed on the offscreen platform.
  if (strMessage.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
  // An image too large for the memory: the painter says so in German.
  if (strMessage.startsWith(QStringLiteral("QImage: out of memory"))) return;
  if (gPreviousHandler != nullptr) gPreviousHandler(type, context, strMessage);
}

}  // namespace

OffscreenGui::OffscreenGui() {
  if (QGuiApplication::instance() == nullptr) {
    gPreviousHandler = qInstallMessageHandler(QuietNotes);
    application_ = std::make_unique<QGuiApplication>(gArgc, gArgv);
  }
}

OffscreenGui::~OffscreenGui() {
  if (application_) {
    application_.reset();
    qInstallMessageHandler(gPreviousHandler);
  }
}

}  // namespace render
