#pragma once
// What the export's tests share: a chart run on a real plan with the options that a wizard at
// its defaults hands to the builder, the workbook as openpyxl reads it, and the shapes that
// the chart model implies, worked out the plain way (every row against every row).

#include <filesystem>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "chart/clsQuorvan.h"
#include "export/RunChart.h"
#include "platform/msproject/Application.h"
#include "support/MsgBoxScript.h"
#include "support/RunOptions.h"
#include "wizard/frmQuorvan.h"

namespace exporttest {

// The run's options and what they name: fields, colours.
using testsupport::kArrowColor;
using testsupport::kHeaderColor;
using testsupport::kInformedColor;
using testsupport::kMilestoneColor;
using testsupport::kParticipiantColor;
using testsupport::kProjectTaskColor;
using testsupport::kResponsibleColor;
using testsupport::kShadowColor;
using testsupport::kSummaryColor;
using testsupport::kTaskColor;
using testsupport::kText20;
using testsupport::kText21;
using testsupport::kText22;
using testsupport::kText23;
using testsupport::kText24;
using testsupport::kText25;
using testsupport::SetRunOptions;

// A plan open in the host, the wizard and a builder with the run's options that has read the
// plan. The export's progress shows in the wizard, as in a run from it. Message boxes are
// recorded and answered with OK.
class ChartRun : public ProgressSink {
 public:
  explicit ChartRun(const std::filesystem::path& plan);
  ~ChartRun() override;
  ChartRun(const ChartRun&) = delete;
  ChartRun& operator=(const ChartRun&) = delete;

  clsQuorvan& Builder() { return *objQuorvan_; }
  frmQuorvan& Wizard() { return *frm_; }
  msproject::Application& Host() { return objHost_; }
  const std::vector<forms::MsgBoxRecord>& Boxes() const { return script_.Boxes(); }

  // Puts the path into the wizard and exports; with objEngine the workbook stays open there.
  void Export(const std::filesystem::path& target, excel::Application* objEngine = nullptr);
  // The texts of the progress steps so far.
  const std::vector<std::string>& ProgressTexts() const { return colProgress_; }

  void Progress(double dblPercent, const std::string& strText) override;
  void ExportEnded() override;

 private:
  forms::MsgBoxScript script_;
  msproject::Application objHost_;
  std::unique_ptr<frmQuorvan> frm_;
  std::unique_ptr<clsQuorvan> objQuorvan_;
  std::vector<std::string> colProgress_;
};

// The workbook as openpyxl reads it (see read_chart.py).
nlohmann::json ReadChart(const std::filesystem::path& workbook);

struct Circle {
  double dblX, dblY, dblRadius;
  std::int32_t lngColor;
};
struct Segment {
  double dblX1, dblY1, dblX2, dblY2;
};

// The status lights and role symbols, the lines of the rows, the arrows of the network, as the
// chart model implies them, in drawing order.
std::vector<Circle> ExpectedCircles(const clsQuorvan& objQuorvan);
std::vector<Segment> ExpectedRowLines(const clsQuorvan& objQuorvan);
std::vector<Segment> ExpectedArrows(const clsQuorvan& objQuorvan);

// The shapes of the drawing part, by kind: ovals as circles, lines as segments from their
// begin to their end point; arrows are the lines with a head.
struct Drawing {
  std::vector<Circle> colCircles;
  std::vector<Segment> colLines;
  std::vector<Segment> colArrows;
};
Drawing DrawingOf(const nlohmann::json& objChart);

// Compares two lists regardless of order, within half a point.
void ExpectSameCircles(std::vector<Circle> colActual, std::vector<Circle> colExpected);
void ExpectSameSegments(std::vector<Segment> colActual, std::vector<Segment> colExpected,
                        const std::string& strWhat);

// "A1" style name of a cell.
std::string CellName(std::int32_t lngRow, std::int32_t lngColumn);

}  // namespace exporttest
