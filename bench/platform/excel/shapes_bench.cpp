// Saves a chart's worth of shapes: 130,000 ovals, joining lines and arrows over 20,000 task
// rows, as a real chart mixes them (symbols with gradient, outline and shadow; joining lines
// sent to the back; arrows with triangle heads). Prints the time to draw them, the time of the
// drawing part alone, the time of SaveAs, the part's size and the process's peak memory.
// Goal: saving under 2 s.

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/excel/Application.h"
#include "platform/excel/ShapeConstants.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/xlsx/DrawingXml.h"
#include "support/ChartShapes.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

class SheetLayout : public excel::SheetGeometry {
 public:
  explicit SheetLayout(const excel::Worksheet& sheet) : sheet_(sheet) {}
  double ColumnWidthPoints(std::int32_t column) const override {
    return sheet_.ColumnWidthPoints(column);
  }
  double RowHeightPoints(std::int32_t row) const override { return sheet_.RowHeightPoints(row); }

 private:
  const excel::Worksheet& sheet_;
};

}  // namespace

int main() {
  constexpr int kRows = 20000;
  constexpr int kResources = 200;

  excel::Application app;
  app.SheetsInNewWorkbook(1);
  excel::Workbook& book = app.Workbooks().Add();
  excel::Worksheet& sheet = book.Worksheets(1);
  excel::Shapes& shapes = sheet.Shapes();

  const Clock::time_point drawStart = Clock::now();
  for (int row = 0; row < kRows; ++row) {
    testsupport::DrawChartRowShapes(shapes, row, kResources);
  }
  const double dblDraw = Seconds(drawStart);

  // The drawing part alone, counted as it streams out of the writer.
  class Counter final : public excel::xlsx::XmlSink {
   public:
    void Write(std::string_view piece) override { bytes += piece.size(); }
    std::size_t bytes = 0;
  } counter;
  const Clock::time_point partStart = Clock::now();
  {
    excel::xlsx::XmlWriter writer(counter);
    excel::xlsx::WriteDrawingXml(shapes, SheetLayout(sheet), writer);
    writer.Finish();
  }
  const double dblPart = Seconds(partStart);
  const std::size_t partBytes = counter.bytes;

  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / "quorvan-bench-shapes.xlsx";
  const Clock::time_point saveStart = Clock::now();
  book.SaveAs(path.string());
  const double dblSave = Seconds(saveStart);
  const auto fileBytes = std::filesystem::file_size(path);
  std::filesystem::remove(path);

  std::printf("shapes %d\n", shapes.Count());
  std::printf("draw %.3f s\n", dblDraw);
  std::printf("drawing part %.3f s, %.1f MB\n", dblPart, partBytes / 1048576.0);
  std::printf("SaveAs %.3f s, file %.1f MB\n", dblSave, fileBytes / 1048576.0);
  std::printf("peak memory %.1f MB\n", PeakMegabytes());
  return dblSave < 2.0 ? 0 : 1;
}
