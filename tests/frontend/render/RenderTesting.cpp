#include "frontend/render/RenderTesting.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "render/OffscreenGui.h"
#include "render/QtPagePainter.h"
#include "support/TestSupport.h"

namespace rendertest {

namespace {

std::unique_ptr<render::OffscreenGui> gui;
std::unique_ptr<render::QtPagePainter> painter;

// Qt and the painter go again after the last test, so that nothing of them is left behind.
class PainterEnvironment : public testing::Environment {
 public:
  void TearDown() override {
    painter.reset();
    gui.reset();
  }
};

[[maybe_unused]] testing::Environment* const environment =
    testing::AddGlobalTestEnvironment(new PainterEnvironment);

}  // namespace

void StartPainter() {
  if (!gui) gui = std::make_unique<render::OffscreenGui>();
  if (!painter) painter = std::make_unique<render::QtPagePainter>();
}

std::filesystem::path ArtefactsDir() {
  const auto dir = testsupport::BinaryDir() / "artefacts" / "render";
  std::filesystem::create_directories(dir);
  return dir;
}

OpenChart::OpenChart(const std::filesystem::path& plan, const std::filesystem::path& target)
    : run_(plan) {
  run_.Export(target, &app_);
  book_ = app_.Workbooks().Last();
  if (book_ == nullptr) throw std::runtime_error("the export left no workbook open");
}

OpenChart::~OpenChart() = default;

QPointF OnPaper(const excel::PrintedPage& page, double dblX, double dblY) {
  return QPointF(page.dblLeft + (dblX - page.source.dblLeft) * page.dblScale,
                 page.dblTop + (dblY - page.source.dblTop) * page.dblScale);
}

}  // namespace rendertest
