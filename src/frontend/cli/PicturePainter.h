#pragma once
// The engine's page painter for the command line, installed for as long as the object lives:
// Qt's, started on Qt's offscreen platform, when the command line is built with Qt; otherwise
// none, and the engine refuses PDF and pictures with its own message.

#include <memory>

namespace cli {

class PicturePainter {
 public:
  PicturePainter();
  ~PicturePainter();
  PicturePainter(const PicturePainter&) = delete;
  PicturePainter& operator=(const PicturePainter&) = delete;

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace cli
