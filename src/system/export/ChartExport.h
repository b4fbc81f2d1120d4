#pragma once
// One export of a filled chart model into a saved workbook, step by step: the engine instance, the
// refusal of a target that is open, the workbook with its palette, header and task rows, the
// communication network, printing, frozen headings, grouped rows, saving, and the hand-over to a
// running instance or the end of the started one. Progress goes to the run's sink; the front end
// repaints at every step.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class clsQuorvan;
class ProgressSink;
namespace excel {
class Application;
class Workbook;
class Worksheet;
}  // namespace excel

class ChartExport {
 public:
  // Saves the chart under strChartPath. With objEngine the export hands its workbook to that
  // instance, as to a running Excel, and leaves it open there; otherwise it reaches or starts
  // one of its own (basExcelServer).
  ChartExport(clsQuorvan& objQuorvan, std::string strChartPath, ProgressSink& sink,
              excel::Application* objEngine = nullptr)
      : objQuorvan_(objQuorvan),
        strChartPath_(std::move(strChartPath)),
        sink_(sink),
        objEngine_(objEngine) {}

  // Runs the whole export; broken off, it leaves blnFastExit true on the builder.
  void Run();

  // The messages the export showed, in order.
  const std::vector<std::string>& Messages() const { return colMessages_; }
  // The workbook left open in the given engine, once saved; nullptr otherwise.
  excel::Workbook* KeptWorkbook() const { return objKept_; }
  // The symbols, lines and arrows the chart needs, counted once at the start of Run.
  std::uint64_t Shapes() const { return lngShapes_; }

 private:
  void Progress(double dblPercent, const std::string& strText);
  // False, with the message and the closing steps of a broken-off export, when the chart
  // needs more shapes than an export draws.
  bool ShapesWithinBound();
  bool Connect();
  bool TargetIsOpen();
  void CreateWorkbook();
  void WriteTaskRows();
  void FinishSheet();
  bool Save();
  void HandOver();
  // The nine closing steps of an export that is broken off.
  void BreakOff();
  // Gives the engine back: a running instance is shown again, a started one is ended.
  void ReleaseExcel();
  void Message(const std::string& strText);

  clsQuorvan& objQuorvan_;
  std::string strChartPath_;
  ProgressSink& sink_;
  excel::Application* objEngine_;
  std::vector<std::string> colMessages_;
  excel::Workbook* objKept_ = nullptr;
  bool blnWasRunning_ = false;
  excel::Workbook* objWorkbook_ = nullptr;
  excel::Worksheet* objSheet_ = nullptr;
  std::int32_t lngMaxOutlineLevel_ = 0;
  std::uint64_t lngShapes_ = 0;
};
