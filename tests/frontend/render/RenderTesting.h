#pragma once
// What the tests of the page painter share: a chart exported into an engine that stays open, so
// that its workbook can be printed and pictured; Qt on its offscreen platform with the painter
// installed; and the pages' mapping from sheet points to paper points.

#include <QPointF>
#include <filesystem>
#include <memory>
#include <string>

#include "platform/excel/Application.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/print/PageLayout.h"
#include "system/export/ExportTesting.h"

namespace rendertest {

// Starts the offscreen Qt and installs the painter, once per test program.
void StartPainter();

// Where the tests keep files to look at: the build folder's artefacts/render.
std::filesystem::path ArtefactsDir();

// The chart of a plan, exported as the wizard exports it, into an engine that the test holds
// open (announced as the running one), so that the workbook stays open after its SaveAs.
class OpenChart {
 public:
  OpenChart(const std::filesystem::path& plan, const std::filesystem::path& target);
  ~OpenChart();
  excel::Workbook& Book() { return *book_; }
  excel::Worksheet& Sheet() { return book_->Worksheets(1); }
  clsQuorvan& Builder() { return run_.Builder(); }
  msproject::Application& Host() { return run_.Host(); }

 private:
  excel::Application app_;
  exporttest::ChartRun run_;
  excel::Workbook* book_ = nullptr;
};

// Where a point of the sheet lies on the printed page, in paper points.
QPointF OnPaper(const excel::PrintedPage& page, double dblX, double dblY);

}  // namespace rendertest
