#pragma once
// The host's window: the open plan's task and resource sheets (before a plan is open, the
// start page: open a plan, one of the recent plans, or drop one), the menu "Datei", the menus
// and toolbars of the host's command bars, the last menu "Hilfe" (the manual with F1, "Über
// Quorvan"), the status bar. It starts the host's add-ins (the
// add-in Quorvan registered on the very first start, as its installer would) and ends them
// when it goes, as at host shutdown, before any of its widgets.
//
// While the host is not interactive (the wizard is open) the window's menus, toolbars and
// sheets are disabled. The window lends the export a running spreadsheet engine of its own, so
// that the export hands it the new workbook: after a run that wrote a chart the tab "Diagramm"
// shows its printed page (zoomed from "Ansicht", saved as PDF, SVG or PNG from "Datei"), the
// status bar names the workbook, and "Zuletzt erstelltes Diagramm öffnen" opens it; with
// "Diagramm nach dem Erstellen öffnen" ticked the desktop opens it at once (a message box names
// why when the desktop cannot). Then the engine lets go of the workbook.
//
// The tab "Rollen" is the matrix in which the user gives the tasks' roles (gui/roles); its
// edits, and the role fields typed into the task sheet, are undone and redone from
// "Bearbeiten" (Ctrl+Z, Ctrl+Y), and each of them calls PlanChanged.
//
// Inserted projects of the plan that could not be read are named as soon as the plan is
// open and again after each run: in the status bar (the notice, or how many when there are
// several), every notice in the status bar's tooltip, and a warning sign with the notices on
// the task row that inserts them.
//
// "Speichern" and "Speichern unter…" write the plan as Microsoft Project XML (PlanSaveDialog.h);
// the title marks unsaved changes with "*", and closing the window or opening another plan
// first asks whether to save them. The window's place and size, its tab and the preview's zoom
// are kept across starts (WindowMemory.h).

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "gui/shell/DialogRun.h"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;
class QStyledItemDelegate;
class QTabWidget;
class QTableView;
class QToolBar;

namespace addin {
class AddInHost;
}
namespace msproject {
class Application;
class Project;
}  // namespace msproject

struct RunResult;

namespace gui {

class ChartPreview;
class ChartRunWatch;
class CommandBarView;
class ResourceSheetModel;
class RoleEditor;
class RoleTab;
class StartPage;
class TaskSheetModel;

class HostWindow : public QMainWindow {
  Q_OBJECT

 public:
  // A host of its own (its command bars read from their file beside the registry file).
  explicit HostWindow(QWidget* parent = nullptr);
  // The given host, which must outlive the window.
  explicit HostWindow(msproject::Application& objApplication, QWidget* parent = nullptr);
  ~HostWindow() override;
  HostWindow(const HostWindow&) = delete;
  HostWindow& operator=(const HostWindow&) = delete;

  msproject::Application& Application() const { return *application_; }
  addin::AddInHost& AddIns() const { return *addIns_; }

  // Opens the plan and shows it. A plan with unsaved changes is left only as the user answers
  // (MayLeavePlan). A plan that cannot be read is reported in a message box ("Quorvan",
  // exclamation icon, the reader's message) and the window stays as it was.
  bool OpenPlan(const QString& strPath);

  // To be called after every change of the plan shown (an edit, undo, redo) and after it was
  // saved: the title's "*" for unsaved changes follows.
  void PlanChanged();
  // "Datei" → "Speichern" (Ctrl+S): a plan of XML over its own file; a plan read from .mpp or
  // .mpx as XML where the user chooses (PLAN.xml beside it proposed), which is the plan's file
  // from then on. "Speichern unter…" always asks. A refusal is shown in a message box and
  // changes nothing; a save is confirmed in the status bar. Each returns whether it saved.
  bool SavePlan();
  bool SavePlanAs();
  // Asks "Änderungen an „PLAN“ speichern?" when the plan shown has unsaved changes: Ja saves
  // (and goes on only when the save succeeded), Nein goes on without saving, Abbrechen stays.
  // Returns whether the window may go on.
  bool MayLeavePlan();

  // "Datei" → "Öffnen…": the open dialog for Microsoft Project XML files.
  void ShowOpenDialog();
  // "Extras" → "COM-Add-Ins...": the host's dialog of the registered add-ins.
  void ShowComAddInsDialog();

  QMenu& FileMenu() const { return *fileMenu_; }
  QMenu& ExtrasMenu() const { return *extrasMenu_; }
  // "Ansicht": the chart's zoom, shown once there is a chart.
  QMenu& ViewMenu() const { return *viewMenu_; }
  QAction& OpenAction() const { return *openAction_; }
  QAction& SaveAction() const { return *saveAction_; }
  QAction& SaveAsAction() const { return *saveAsAction_; }
  // The recent plans, newest first; hidden when the list is shorter.
  const std::array<QAction*, 4>& RecentActions() const { return recentActions_; }
  QAction& LastChartAction() const { return *lastChartAction_; }
  QAction& OpenAfterRunAction() const { return *openAfterRunAction_; }
  // "Diagramm speichern unter…": the chart of the last run as PDF, SVG or PNG.
  QAction& SaveChartAction() const { return *saveChartAction_; }
  void ShowSaveChartDialog();
  QAction& ExitAction() const { return *exitAction_; }
  // "Hilfe", the last menu: "Handbuch" (F1) and "Über Quorvan".
  QMenu& HelpMenu() const { return *helpMenu_; }
  QAction& ManualAction() const { return *manualAction_; }
  QAction& AboutAction() const { return *aboutAction_; }
  // The German manual in a window of its own beside this one (a message box when it is
  // missing); the dialog "Über Quorvan".
  void ShowManual();
  void ShowAboutDialog();

  // The toolbar of a command bar shown now; nullptr when it is not shown.
  QToolBar* ToolBar(const std::string& strName) const;
  // The entry of the control with that tag in "Extras" (blnToolbar false) or on a toolbar.
  QAction* CommandBarAction(const std::string& strTag, bool blnToolbar = false) const;

  // Shown while no plan is open, in place of the sheets.
  gui::StartPage& Home() const { return *startPage_; }
  QTabWidget& Sheets() const { return *sheets_; }
  QTableView& TaskSheet() const { return *taskSheet_; }
  QTableView& ResourceSheet() const { return *resourceSheet_; }
  // The printed page of the last chart written; its tab shows once there is one.
  ChartPreview& Preview() const { return *preview_; }
  // The text the status bar shows now, and its tooltip.
  QString StatusText() const;
  QString StatusToolTip() const;
  // The workbook of the last run that wrote one; "" before.
  const std::string& LastChart() const { return strLastChart_; }

  // The tab "Rollen": the matrix of the plan's tasks and resources, and the editor of the
  // roles, whose undo stack "Bearbeiten" undoes and redoes.
  RoleTab& Roles() const { return *roleTab_; }
  RoleEditor& RoleEdits() const { return *roleEditor_; }
  QAction& UndoAction() const { return *undoAction_; }
  QAction& RedoAction() const { return *redoAction_; }

  // Called with each dialog of the host's own (open, save, COM add-ins, "Über Quorvan") once it
  // is shown.
  DialogHook OnDialog;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void Start();
  void BuildMenus();
  void BuildSheets();
  void ApplicationChanged();
  void UpdateTitle();
  bool SavePlanTo(const QString& strTarget);
  void RecallWindow();
  void KeepWindow();
  // The preview's zoom as kept (WindowMemory::strZoom), and applied to a chart shown.
  QString PreviewZoom() const;
  void ApplyPreviewZoom();
  void UpdateRecentActions();
  void UpdateStatus();
  void ShowUnreadSubprojects();
  void ShowRoleFieldEditors();
  void SetInteractive(bool blnValue);
  void SetOpenAfterRun(bool blnValue);
  void ChartExported(const RunResult& result, const std::string& strCoverage);
  void OpenChart(const std::string& strPath);
  void ZoomChart(void (ChartPreview::*step)());
  std::function<void()> HostCommand(int intId);

  std::unique_ptr<msproject::Application> ownApplication_;
  msproject::Application* application_;
  std::unique_ptr<addin::AddInHost> addIns_;
  std::unique_ptr<CommandBarView> bars_;
  std::unique_ptr<ChartRunWatch> runWatch_;

  QMenu* fileMenu_ = nullptr;
  QMenu* extrasMenu_ = nullptr;
  QMenu* viewMenu_ = nullptr;
  QMenu* editMenu_ = nullptr;
  QAction* undoAction_ = nullptr;
  QAction* redoAction_ = nullptr;
  QMenu* helpMenu_ = nullptr;
  QAction* manualAction_ = nullptr;
  QAction* aboutAction_ = nullptr;
  QAction* openAction_ = nullptr;
  QAction* saveAction_ = nullptr;
  QAction* saveAsAction_ = nullptr;
  std::array<QAction*, 4> recentActions_{};
  QAction* recentSeparator_ = nullptr;
  QAction* lastChartAction_ = nullptr;
  QAction* openAfterRunAction_ = nullptr;
  QAction* saveChartAction_ = nullptr;
  bool blnOpenAfterRun_ = false;
  QAction* exitAction_ = nullptr;
  QStackedWidget* pages_ = nullptr;
  StartPage* startPage_ = nullptr;
  QTabWidget* sheets_ = nullptr;
  QTableView* taskSheet_ = nullptr;
  QTableView* resourceSheet_ = nullptr;
  ChartPreview* preview_ = nullptr;
  TaskSheetModel* taskModel_ = nullptr;
  ResourceSheetModel* resourceModel_ = nullptr;
  RoleEditor* roleEditor_ = nullptr;
  RoleTab* roleTab_ = nullptr;
  QStyledItemDelegate* roleFieldDelegate_ = nullptr;
  QLabel* statusText_ = nullptr;

  const msproject::Project* shownProject_ = nullptr;
  std::string strLastChart_;
  std::string strRunStep_;       // the step of the run under way
  std::string strChartMessage_;  // after a run of the plan shown
  std::string strPlanNotice_;    // its inserted projects that could not be read
  std::string strSavedMessage_;  // after the plan shown was saved, until it changes
  QString strZoom_;              // the preview's zoom, kept across starts
};

}  // namespace gui
