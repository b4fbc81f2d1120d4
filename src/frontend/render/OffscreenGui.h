#pragma once
// Qt's painting needs a QGuiApplication (for its fonts). A front end without windows, such as
// the command line, starts one on Qt's offscreen platform only when it is about to paint.

#include <memory>

class QGuiApplication;

namespace render {

class OffscreenGui {
 public:
  // Starts a QGuiApplication on the offscreen platform unless one is running already.
  OffscreenGui();
  ~OffscreenGui();
  OffscreenGui(const OffscreenGui&) = delete;
  OffscreenGui& operator=(const OffscreenGui&) = delete;

 private:
  std::unique_ptr<QGuiApplication> application_;
};

}  // namespace render
