#pragma once
// The spreadsheet application: an in-process engine that stands in for Excel. Workbooks live in
// memory; Workbook::SaveAs writes a real .xlsx file.
//
// Creating an application and a workbook:
//
//     excel::Application app;                      // invisible, like an Excel started by COM
//     app.WatchFolder(folder);                     // see files other programs hold open there
//     app.SheetsInNewWorkbook(1);
//     excel::Workbook& book = app.Workbooks().Add();
//     excel::Worksheet& sheet = book.Worksheets(1);
//     sheet.Range("A1:A3").RowHeight(22);
//     sheet.Cells(1, 1).Value("Titel");
//     book.SaveAs("/home/anna/Diagramm.xlsx");
//     book.Close();
//     app.Quit();
//
// What Excel refuses, the engine refuses by throwing excel::Error (a vb::Error, number 1004
// unless told otherwise) whose description says in German what was wrong. References to
// workbooks, sheets and ranges stay valid as long as the Application lives; after Close or
// Quit they throw when used.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <utility>
#include <vector>

#include "platform/excel/Constants.h"
#include "platform/excel/Range.h"
#include "platform/excel/Workbooks.h"
#include "platform/excel/save/SaveStages.h"

namespace excel {

class Application {
 public:
  Application();
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  excel::Workbooks& Workbooks();

  bool Visible() const;
  void Visible(bool blnVisible);
  std::int32_t Cursor() const;  // xlDefault, xlWait, xlNorthwestArrow, xlIBeam
  void Cursor(std::int32_t lngCursor);
  std::int32_t SheetsInNewWorkbook() const;  // 1 to 255
  void SheetsInNewWorkbook(std::int32_t lngCount);

  // The active sheet of the active workbook (the one last added); throws when none is open.
  Worksheet& ActiveSheet();
  // A cell of the active sheet.
  excel::Range Cells(std::int32_t lngRow, std::int32_t lngColumn);

  double CentimetersToPoints(double dblCentimeters) const;

  // Ends the application: open workbooks are discarded unsaved, every later call throws.
  void Quit();

  // Engine side. Files that another program holds open in this folder (their lock files
  // ".~lock.NAME#" or "~$NAME" lie beside them) are listed among Workbooks. Folders that
  // workbooks are saved to are watched as well.
  void WatchFolder(const std::filesystem::path& folder);
  const std::vector<std::filesystem::path>& WatchedFolders() const { return watched_; }
  void CheckUsable() const;  // throws after Quit
  bool HasQuit() const { return blnQuit_; }
  // Told the stages of every save of this application's workbooks (save/SaveStages.h).
  void OnSaveStage(SaveStageHook hook) { saveStageHook_ = std::move(hook); }
  const SaveStageHook& SaveStageObserver() const { return saveStageHook_; }

 private:
  std::unique_ptr<excel::Workbooks> workbooks_;
  std::vector<std::filesystem::path> watched_;
  SaveStageHook saveStageHook_;
  bool blnVisible_ = false;
  std::int32_t lngCursor_ = xlDefault;
  std::int32_t lngSheetsInNewWorkbook_ = 3;
  bool blnQuit_ = false;
};

}  // namespace excel
