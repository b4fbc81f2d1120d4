#include "cli/PicturePainter.h"
#include "render/OffscreenGui.h"
#include "render/QtPagePainter.h"

namespace cli {

struct PicturePainter::Parts {
  render::OffscreenGui gui;  // first: the painter needs Qt's fonts
  render::QtPagePainter painter;
};

PicturePainter::PicturePainter() : parts_(std::make_unique<Parts>()) {}
PicturePainter::~PicturePainter() = default;

}  // namespace cli
