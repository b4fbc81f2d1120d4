#include "cli/PicturePainter.h"

namespace cli {

struct PicturePainter::Parts {};

PicturePainter::PicturePainter() = default;
PicturePainter::~PicturePainter() = default;

}  // namespace cli
