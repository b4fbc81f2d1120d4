#include "export/ChartExport.h"

#include <fmt/format.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "chart/clsQuorvan.h"
#include "export/ChartShapeCount.h"
#include "export/CommunicationNetwork.h"
#include "export/ExportNotices.h"
#include "export/NumberText.h"
#include "export/ProgressSink.h"
#include "export/ResourceColumns.h"
#include "export/SetupPage.h"
#include "export/TaskGrouping.h"
#include "export/TaskRows.h"
#include "export/WriteHeader.h"
#include "export/basExcelServer.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/save/LockFiles.h"
#include "platform/forms/FrontEnd.h"
#include "platform/vb/OnError.h"

namespace {

namespace fs = std::filesystem;

constexpr int kExclamation = 48;
constexpr const char* kTitle = "Quorvan";
constexpr const char* kNoExcel = N_(
    "Es konnte keine Verbindung zu Excel hergestellt      \r\nwerden. Excel ist vermutlich nicht "
    "installiert.");
constexpr const char* kTargetOpen =
    N_("Die Datei mit dem gewählten Dateinamen ist      \r\nmomentan in Excel geöffnet. Bitte "
       "schließen       \r\nSie zuerst die Datei.");
constexpr const char* kSettingUp = N_("Diagramm wird eingerichtet...");

// The palette entries that take the chart's colours.
constexpr std::int32_t kPaletteMilestone = 40;
constexpr std::int32_t kPaletteProjectTask = 44;
constexpr std::int32_t kPaletteSummaryTask = 45;
constexpr std::int32_t kPaletteTask = 46;
constexpr std::int32_t kPaletteHeader = 53;
constexpr std::int32_t kPaletteArrow = 36;
constexpr std::int32_t kPaletteArrowShadow = 6;
constexpr std::int32_t kPaletteResponsible = 43;
constexpr std::int32_t kPaletteParticipiant = 12;
constexpr std::int32_t kPaletteInformed = 52;
constexpr std::int32_t kPaletteSymbolShadow = 35;

constexpr double kTitleRowsHeight = 22;

// The path as the engine names a saved workbook: absolute, without "." and "..".
std::string FullPathOf(const std::string& strPath) {
  std::error_code error;
  fs::path objFull = fs::absolute(fs::path(strPath), error);
  if (error) return strPath;
  return objFull.lexically_normal().string();
}

// The box for a target that another program than Excel holds open: the program, who and since
// when as far as its lock file says, and the lock file, which a crashed program leaves behind.
std::string HeldOpenMessage(const excel::LockFile& objLock) {
  std::string strWho;
  if (!objLock.strUser.empty()) strWho += catalog::Format(_(" von {}"), objLock.strUser);
  if (!objLock.strHost.empty()) strWho += catalog::Format(_(" auf {}"), objLock.strHost);
  if (!objLock.strTime.empty()) strWho += catalog::Format(_(" seit {}"), objLock.strTime);
  return catalog::Format(
      // TRANSLATORS: the first {} is empty or "," and who holds the file open (" von USER",
      // " auf COMPUTER", " seit TIME"), the second the lock file.
      _("Die Datei mit dem gewählten Dateinamen ist momentan in LibreOffice\r\ngeöffnet{}. "
        "Bitte schließen Sie zuerst die Datei.\r\n\r\nIst sie nirgends mehr geöffnet, löschen "
        "Sie die übrig gebliebene\r\nSperrdatei „{}“."),
      strWho.empty() ? std::string() : "," + strWho, objLock.path.string());
}

excel::Application& Engine(clsQuorvan& objQuorvan) {
  if (objQuorvan.objXlApp == nullptr) {
    throw excel::Error(vb::kErrObjectRequired, "Objekt erforderlich: objXlApp");
  }
  return *objQuorvan.objXlApp;
}

}  // namespace

void ChartExport::Progress(double dblPercent, const std::string& strText) {
  vb::TrySkip([&] { sink_.Progress(dblPercent, strText); });
  forms::DoEvents();
}

void ChartExport::Message(const std::string& strText) {
  colMessages_.push_back(strText);
  forms::MsgBox(strText, kExclamation, kTitle);
}

void ChartExport::Run() {
  objQuorvan_.blnFastExit = false;
  Progress(10, _("Speicherort des Diagramms festlegen..."));

  // A chart past the bound is broken off before the engine is reached.
  const bool blnDrawable = ShapesWithinBound();
  if (blnDrawable) Progress(15, _("Verbindung mit Excel herstellen..."));
  if (blnDrawable && Connect() && !TargetIsOpen()) {
    Progress(20, _("Verbindung zu Excel hergestellt..."));
    vb::TrySkip([&] { Engine(objQuorvan_).Visible(false); });
    vb::TrySkip([&] { Engine(objQuorvan_).Cursor(excel::xlWait); });
    forms::DoEvents();
    CreateWorkbook();
    Progress(25, _("Header wird angelegt..."));
    if (objSheet_ != nullptr) {
      WriteHeader(objQuorvan_, *objSheet_, objQuorvan_.objTasks.objHeaderTasks.lngHeaderColor);
    }
    vb::TrySkip([&] { Engine(objQuorvan_).Cursor(excel::xlWait); });
    WriteTaskRows();
    Progress(80, _("Kommunikationsnetz wird berechnet..."));
    if (objSheet_ != nullptr) DrawCommunicationNetwork(objQuorvan_);
    FinishSheet();
    Progress(90, _("Diagramm wird gespeichert..."));
    if (Save()) {
      HandOver();
    } else {
      BreakOff();
      ReleaseExcel();
    }
  } else if (objQuorvan_.objXlApp != nullptr && !blnWasRunning_) {
    // Broken off before anything was drawn: a running instance stays as it was.
    ReleaseExcel();
  }

  objSheet_ = nullptr;
  objWorkbook_ = nullptr;
  objQuorvan_.objXlApp = nullptr;
  vb::TrySkip([&] { sink_.ExportEnded(); });
}

bool ChartExport::ShapesWithinBound() {
  lngShapes_ = ChartShapeCount(objQuorvan_);
  if (lngShapes_ <= kMaxChartShapes) return true;
  Message(catalog::Format(_("Das Diagramm hätte {} Formen (Symbole, Linien und Pfeile);\r\n"
                            "Quorvan zeichnet höchstens {}. Nennen die Rollenfelder\r\n"
                            "eine Ressource mehrfach, genügt sie dort einmal."),
                          NumberText(lngShapes_), NumberText(kMaxChartShapes)));
  BreakOff();
  return false;
}

bool ChartExport::Connect() {
  if (objEngine_ != nullptr) {
    objQuorvan_.objXlApp = objEngine_;
    blnWasRunning_ = true;
  } else {
    objQuorvan_.objXlApp = GetExcelApplication(blnWasRunning_);
  }
  if (objQuorvan_.objXlApp != nullptr) return true;
  Message(_(kNoExcel));
  BreakOff();
  return false;
}

bool ChartExport::TargetIsOpen() {
  const std::string strFullPath = FullPathOf(strChartPath_);
  // Files that other programs hold open beside the target count among the open workbooks.
  vb::TrySkip([&] { Engine(objQuorvan_).WatchFolder(fs::path(strFullPath).parent_path()); });
  bool blnOpen = false;
  std::optional<excel::LockFile> objLock;
  vb::TrySkip([&] {
    for (excel::Workbook& objBook : Engine(objQuorvan_).Workbooks()) {
      const std::string strName = objBook.FullName();
      if (strName == strChartPath_ || strName == strFullPath) {
        blnOpen = true;
        objLock = objBook.HeldBy();
        break;
      }
    }
  });
  if (!blnOpen) return false;
  // Excel's own lock keeps Excel's message.
  Message(objLock && !objLock->blnOffice ? HeldOpenMessage(*objLock) : kTargetOpen);
  BreakOff();
  return true;
}

void ChartExport::CreateWorkbook() {
  excel::Application& objEngine = *objQuorvan_.objXlApp;
  auto lngSheets = vb::TryRead([&] { return objEngine.SheetsInNewWorkbook(); });
  vb::TrySkip([&] { objEngine.SheetsInNewWorkbook(1); });
  vb::TrySkip([&] { objWorkbook_ = &objEngine.Workbooks().Add(); });
  if (objWorkbook_ != nullptr) {
    vb::TrySkip([&] { objSheet_ = &objWorkbook_->Worksheets(1); });
    const clsTasks& objTasks = objQuorvan_.objTasks;
    const std::pair<std::int32_t, std::int32_t> colPalette[] = {
        {kPaletteMilestone, objTasks.lngMilestoneColor},
        {kPaletteProjectTask, objTasks.lngProjectTaskColor},
        {kPaletteSummaryTask, objTasks.lngSummaryTaskColor},
        {kPaletteTask, objTasks.lngTaskColor},
        {kPaletteHeader, objTasks.objHeaderTasks.lngHeaderColor},
        {kPaletteArrow, objQuorvan_.lngArrowColor},
        {kPaletteArrowShadow, objQuorvan_.lngArrowShadowColor},
        {kPaletteResponsible, objQuorvan_.lngSymResponsibleColor},
        {kPaletteParticipiant, objQuorvan_.lngSymParticipiantColor},
        {kPaletteInformed, objQuorvan_.lngSymInformedColor},
        {kPaletteSymbolShadow, objQuorvan_.lngSymShadowColor},
    };
    for (const auto& [lngIndex, lngColor] : colPalette) {
      vb::TrySkip([&, lngIndex = lngIndex, lngColor = lngColor] {
        objWorkbook_->Colors(lngIndex, lngColor);
      });
    }
  }
  if (objSheet_ != nullptr) {
    vb::TrySkip([&] { objSheet_->Range("A1:A3").RowHeight(kTitleRowsHeight); });
  }
  if (lngSheets) vb::TrySkip([&] { objEngine.SheetsInNewWorkbook(*lngSheets); });
}

void ChartExport::WriteTaskRows() {
  const std::vector<clsTask>& colTasks = objQuorvan_.objTasks.colTasks;
  const auto N = static_cast<std::int32_t>(colTasks.size());
  const std::int32_t R =
      std::min(objQuorvan_.objResources.lngResourcesCount, objQuorvan_.lngMaxResourcesCount);
  const ResourceColumns objColumns = IndexResourceColumns(objQuorvan_.objResources);
  const char* strCreating = _("Vorgang {} von {} wird angelegt...");
  std::int32_t n = 1;
  for (const clsTask& objTask : colTasks) {
    if (n > objQuorvan_.lngMaxTasksCount) break;
    lngMaxOutlineLevel_ = std::max(lngMaxOutlineLevel_, objTask.lngOutlineLevel);
    Progress(25 + 50.0 * n / N, catalog::Format(strCreating, n, N));
    if (objSheet_ != nullptr) WriteTaskRow(objQuorvan_, *objSheet_, objTask, R, objColumns);
    ++n;
  }
}

void ChartExport::FinishSheet() {
  const char* strSettingUp = _(kSettingUp);
  Progress(85, strSettingUp);
  if (objSheet_ != nullptr) SetupPage(objQuorvan_, *objSheet_);
  Progress(86, strSettingUp);
  if (objQuorvan_.blnFreezePanes && objSheet_ != nullptr) {
    const clsHeaderTasks& objHeader = objQuorvan_.objTasks.objHeaderTasks;
    vb::TrySkip(
        [&] { objSheet_->Cells(objHeader.lngHeaderRow + 1, objHeader.lngHeaderColumn).Select(); });
    vb::TrySkip([&] { objWorkbook_->Windows(1).FreezePanes(true); });
  }
  Progress(87, strSettingUp);
  if (objQuorvan_.blnGroupTasks && objSheet_ != nullptr) {
    GroupTaskRows(*objSheet_, objQuorvan_.objTasks.colTasks, lngMaxOutlineLevel_);
  }
  Progress(88, strSettingUp);
  Progress(89, strSettingUp);
}

bool ChartExport::Save() {
  // The engine writes beside the target and renames over it: a failed save leaves the old
  // file as it was.
  vb::ResumeNext steps;
  steps([&] {
    if (objWorkbook_ == nullptr) {
      throw excel::Error(vb::kErrObjectRequired, _("Es wurde keine Arbeitsmappe angelegt."));
    }
    objWorkbook_->SaveAs(strChartPath_);
  });
  if (!steps.Failed()) {
    objQuorvan_.colExportNotices = ExportNotices(*objWorkbook_);
    if (objEngine_ != nullptr) objKept_ = objWorkbook_;
    return true;
  }
  Message(catalog::Format(_("Die Datei „{}“ konnte nicht gespeichert werden.\r\n{}"), strChartPath_,
                          steps.LastDescription()));
  return false;
}

void ChartExport::HandOver() {
  if (blnWasRunning_) {
    vb::TrySkip([&] { Engine(objQuorvan_).Visible(true); });
    vb::TrySkip([&] { Engine(objQuorvan_).Cursor(excel::xlDefault); });
    return;
  }
  Progress(95, _("Excel wird beendet..."));
  ReleaseExcel();
}

void ChartExport::BreakOff() {
  for (int intPercent = 20; intPercent <= 100; intPercent += 10) {
    Progress(intPercent, _("Ausgabe wird beendet..."));
  }
  objQuorvan_.blnFastExit = true;
}

void ChartExport::ReleaseExcel() {
  if (blnWasRunning_) {
    // The user's instance keeps what it holds, an unsaved chart included, and is shown again.
    vb::TrySkip([&] { Engine(objQuorvan_).Visible(true); });
    vb::TrySkip([&] { Engine(objQuorvan_).Cursor(excel::xlDefault); });
    return;
  }
  if (objWorkbook_ != nullptr) vb::TrySkip([&] { objWorkbook_->Close(); });
  vb::TrySkip([&] { Engine(objQuorvan_).Cursor(excel::xlDefault); });
  vb::TrySkip([&] { Engine(objQuorvan_).Quit(); });
  forms::DoEvents();
  forms::DoEvents();
  TerminateExcelProcesses();
  forms::DoEvents();
  TerminateExcelProcesses();
  forms::DoEvents();
}
