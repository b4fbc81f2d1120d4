#pragma once
// One export of a filled chart model into a saved workbook, step by step: the path from the
// wizard, the engine instance, the refusal of a target that is open, the workbook with its
// palette, header and task rows, the communication network, printing, frozen headings,
// grouped rows, saving, and the hand-over to a running instance or the end of the started one.
// Progress goes to ShowProgress; the front end repaints at every step.

#include <cstdint>
#include <string>

class clsQuorvan;
namespace excel {
class Workbook;
class Worksheet;
}  // namespace excel

class ChartExport {
 public:
  ChartExport(clsQuorvan& objQuorvan, bool blnInWizard)
      : objQuorvan_(objQuorvan), blnInWizard_(blnInWizard) {}

  // Runs the whole export; broken off, it leaves blnFastExit true on the builder.
  void Run();

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

  clsQuorvan& objQuorvan_;
  bool blnInWizard_;
  std::string strChartPath_;
  bool blnWasRunning_ = false;
  excel::Workbook* objWorkbook_ = nullptr;
  excel::Worksheet* objSheet_ = nullptr;
  std::int32_t lngMaxOutlineLevel_ = 0;
};
