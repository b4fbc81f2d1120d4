#include "gui/host/HostWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QToolBar>
#include <QUndoStack>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "addin/AddInHost.h"
#include "addin/Registration.h"
#include "export/PlanCoverage.h"
#include "gui/help/AboutDialog.h"
#include "gui/help/ManualWindow.h"
#include "gui/host/ChartRunWatch.h"
#include "gui/host/ComAddInsDialog.h"
#include "gui/host/CommandBarView.h"
#include "gui/host/OutlineDelegate.h"
#include "gui/host/PlanSaveDialog.h"
#include "gui/host/PlanSheets.h"
#include "gui/host/RecentFiles.h"
#include "gui/host/StartPage.h"
#include "gui/host/ThemeIcons.h"
#include "gui/host/WindowMemory.h"
#include "gui/preview/ChartPreview.h"
#include "gui/roles/RoleEditor.h"
#include "gui/roles/RoleFieldDelegate.h"
#include "gui/roles/RoleMatrixView.h"
#include "gui/roles/RoleTab.h"
#include "plan/SavePlan.h"
#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Application.h"
#include "platform/forms/Constants.h"
#include "platform/forms/FrontEnd.h"
#include "platform/msproject/Application.h"
#include "platform/office/BuiltInBars.h"
#include "platform/office/CommandBars.h"
#include "platform/registry/Registry.h"
#include "wizard/Globals.h"

// The pictures live in a static library: their registration is pulled in by name.
static void InitPictures() {
  Q_INIT_RESOURCE(quorvan);
}

namespace gui {

namespace {

const QString kAppTitle = QStringLiteral("Quorvan");

// A refusal or failure in the host's message box: "Quorvan", exclamation icon, OK.
void ShowWarning(const std::string& strText) {
  forms::MsgBox(strText, forms::vbExclamation + forms::vbOKOnly, kAppTitle.toStdString());
}

// Whether the add-in has an entry below the host's add-in key at all, whatever its load
// behaviour.
bool AddInEntryExists() {
  registry::HKEY hKey = nullptr;
  if (registry::RegOpenKeyExA(registry::HKEY_CURRENT_USER, addin::kAddInKey, 0, registry::KEY_READ,
                              &hKey) != registry::ERROR_SUCCESS) {
    return false;
  }
  registry::RegCloseKey(hKey);
  return true;
}

// An ampersand in a file name is shown, not taken as the entry's accelerator.
QString MenuText(const QString& strText) {
  QString strEscaped = strText;
  return strEscaped.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString AbsolutePath(const std::string& strPath) {
  return QDir::cleanPath(QFileInfo(QString::fromStdString(strPath)).absoluteFilePath());
}

// The first plan among dropped files.
QString DroppedPlan(const QMimeData* mime) {
  if (mime == nullptr || !mime->hasUrls()) return {};
  for (const QUrl& url : mime->urls()) {
    if (url.isLocalFile()) return url.toLocalFile();
  }
  return {};
}

}  // namespace

HostWindow::HostWindow(QWidget* parent)
    : QMainWindow(parent),
      ownApplication_(std::make_unique<msproject::Application>()),
      application_(ownApplication_.get()) {
  Start();
}

HostWindow::HostWindow(msproject::Application& objApplication, QWidget* parent)
    : QMainWindow(parent), application_(&objApplication) {
  Start();
}

HostWindow::~HostWindow() {
  // The add-ins end first, as at host shutdown, while every widget still exists; then the
  // window stops listening to the host.
  addIns_.reset();
  runWatch_.reset();
  bars_.reset();
  application_->Observe(nullptr);
  if (gobjApplication == application_) {
    gobjApplication = nullptr;
    gfrmWizard = nullptr;
  }
}

void HostWindow::Start() {
  InitPictures();
  roleEditor_ = new RoleEditor(this);
  roleEditor_->OnChanged = [this] { PlanChanged(); };
  UseIconTheme();
  setWindowIcon(QIcon(QStringLiteral(":/quorvan/quorvan.svg")));
  setAcceptDrops(true);
  resize(1000, 650);
  BuildMenus();
  BuildSheets();
  UpdateRecentActions();
  statusText_ = new QLabel(this);
  statusText_->setObjectName(QStringLiteral("statusText"));
  // A long notice is cut at the window's edge rather than widening the window; the tooltip
  // holds the notices whole.
  statusText_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  statusBar()->addWidget(statusText_, 1);

  runWatch_ = std::make_unique<ChartRunWatch>(
      [this](const std::string& strStep) {
        strRunStep_ = strStep;
        UpdateStatus();
      },
      [this](const RunResult& result) {
        strRunStep_.clear();
        std::string strNotices;
        for (const std::string& strNotice : result.colNotices) {
          strNotices += (strNotices.empty() ? "" : " ") + strNotice;
        }
        ChartExported(result, strNotices);
      });
  application_->Observe([this] { ApplicationChanged(); });
  bars_ = std::make_unique<CommandBarView>(*this, *extrasMenu_, application_->CommandBars(),
                                           [this](int intId) { return HostCommand(intId); });

  // The installer's part on the very first start; an add-in the user removed keeps its entry
  // (load behaviour 2) and is not registered again.
  if (!AddInEntryExists()) addin::RegisterAddIn();
  addIns_ = std::make_unique<addin::AddInHost>(*application_, runWatch_.get());
  addIns_->StartUp();
  bars_->Redraw();
  ApplicationChanged();
  RecallWindow();
  if (shownProject_ == nullptr) startPage_->setFocus();
}

void HostWindow::BuildMenus() {
  fileMenu_ = menuBar()->addMenu(QString::fromUtf8(_("&Datei")));
  fileMenu_->setObjectName(QStringLiteral("menuDatei"));
  // A disabled entry says why in its tooltip.
  fileMenu_->setToolTipsVisible(true);
  const QString strNoChartYet =
      QString::fromUtf8(_("Erst verfügbar, wenn ein Kommunikationsdiagramm erstellt wurde."));
  openAction_ = fileMenu_->addAction(ThemeIcon("document-open"), QString::fromUtf8(_("Ö&ffnen…")),
                                     this, &HostWindow::ShowOpenDialog);
  openAction_->setShortcut(QKeySequence::Open);
  saveAction_ = fileMenu_->addAction(ThemeIcon("document-save"), QString::fromUtf8(_("&Speichern")),
                                     this, &HostWindow::SavePlan);
  saveAction_->setShortcut(QKeySequence::Save);
  saveAsAction_ =
      fileMenu_->addAction(ThemeIcon("document-save-as"), QString::fromUtf8(_("Speichern &unter…")),
                           this, &HostWindow::SavePlanAs);
  // Desktops without a key of their own for it get the usual one.
  const QList<QKeySequence> colSaveAsKeys = QKeySequence::keyBindings(QKeySequence::SaveAs);
  saveAsAction_->setShortcut(colSaveAsKeys.isEmpty() ? QKeySequence(QStringLiteral("Ctrl+Shift+S"))
                                                     : colSaveAsKeys.front());
  recentSeparator_ = fileMenu_->addSeparator();
  for (std::size_t i = 0; i < recentActions_.size(); ++i) {
    QAction* action = fileMenu_->addAction(QString());
    connect(action, &QAction::triggered, this,
            [this, action] { OpenPlan(action->data().toString()); });
    recentActions_[i] = action;
  }
  fileMenu_->addSeparator();
  lastChartAction_ =
      fileMenu_->addAction(ThemeIcon("x-office-spreadsheet"),
                           QString::fromUtf8(_("&Zuletzt erstelltes Diagramm öffnen")));
  lastChartAction_->setEnabled(false);
  lastChartAction_->setToolTip(strNoChartYet);
  connect(lastChartAction_, &QAction::triggered, this, [this] { OpenChart(strLastChart_); });
  saveChartAction_ = fileMenu_->addAction(ThemeIcon("document-save-as"),
                                          QString::fromUtf8(_("&Diagramm speichern unter…")), this,
                                          &HostWindow::ShowSaveChartDialog);
  saveChartAction_->setEnabled(false);
  saveChartAction_->setToolTip(strNoChartYet);
  openAfterRunAction_ =
      fileMenu_->addAction(QString::fromUtf8(_("Diagramm nach dem &Erstellen öffnen")));
  openAfterRunAction_->setCheckable(true);
  connect(openAfterRunAction_, &QAction::toggled, this, &HostWindow::SetOpenAfterRun);
  fileMenu_->addSeparator();
  exitAction_ = fileMenu_->addAction(ThemeIcon("application-exit"),
                                     QString::fromUtf8(_("&Beenden")), this, &QWidget::close);
  exitAction_->setShortcut(QKeySequence::Quit);

  // "Bearbeiten": undo and redo of the roles' edits, one user action a step.
  editMenu_ = menuBar()->addMenu(QString::fromUtf8(_("&Bearbeiten")));
  editMenu_->setObjectName(QStringLiteral("menuBearbeiten"));
  undoAction_ =
      roleEditor_->UndoStack().createUndoAction(this, QString::fromUtf8(_("&Rückgängig")));
  undoAction_->setIcon(ThemeIcon("edit-undo"));
  undoAction_->setShortcut(QKeySequence::Undo);
  redoAction_ =
      roleEditor_->UndoStack().createRedoAction(this, QString::fromUtf8(_("&Wiederholen")));
  redoAction_->setIcon(ThemeIcon("edit-redo"));
  // Ctrl+Y, and the desktop's own key where it has another.
  QList<QKeySequence> colRedoKeys{QKeySequence(Qt::CTRL | Qt::Key_Y)};
  for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo)) {
    if (!colRedoKeys.contains(key)) colRedoKeys.push_back(key);
  }
  redoAction_->setShortcuts(colRedoKeys);
  editMenu_->addAction(undoAction_);
  editMenu_->addAction(redoAction_);
  editMenu_->setToolTipsVisible(true);
  // Disabled, they say why; enabled, what they undo or redo.
  const auto explain = [](QAction* action, const char* strWhyNot) {
    return [action, strWhyNot](bool blnCan) {
      action->setToolTip(blnCan ? QString() : QString::fromUtf8(strWhyNot));
    };
  };
  const auto undoWhyNot =
      explain(undoAction_, _("Es gibt keine Änderung, die rückgängig zu machen wäre."));
  const auto redoWhyNot = explain(redoAction_, _("Es gibt keine rückgängig gemachte Änderung."));
  connect(&roleEditor_->UndoStack(), &QUndoStack::canUndoChanged, undoAction_, undoWhyNot);
  connect(&roleEditor_->UndoStack(), &QUndoStack::canRedoChanged, redoAction_, redoWhyNot);
  undoWhyNot(false);
  redoWhyNot(false);

  // The view's entries zoom the chart: the menu shows once there is one, and its entries bring
  // the chart's tab to the front.
  viewMenu_ = menuBar()->addMenu(QString::fromUtf8(_("&Ansicht")));
  viewMenu_->setObjectName(QStringLiteral("menuAnsicht"));
  viewMenu_->menuAction()->setVisible(false);
  // The zoom bar's steps, with "Seitenbreite" and "100 %" as it names them.
  auto addZoom = [this](const char* strIcon, const char* strText, const QKeySequence& shortcut,
                        void (ChartPreview::*step)()) {
    QAction* action = viewMenu_->addAction(QString::fromUtf8(strText));
    if (strIcon != nullptr) action->setIcon(ThemeIcon(strIcon));
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, step] { ZoomChart(step); });
  };
  addZoom("zoom-in", _("Diagramm ver&größern"), QKeySequence::ZoomIn, &ChartPreview::ZoomIn);
  addZoom("zoom-out", _("Diagramm ver&kleinern"), QKeySequence::ZoomOut, &ChartPreview::ZoomOut);
  addZoom("zoom-fit-best", _("Diagramm an &Fenster anpassen"), {}, &ChartPreview::FitToWindow);
  addZoom(nullptr, _("Seiten&breite"), {}, &ChartPreview::FitToWidth);
  addZoom("zoom-original", _("&100 %"), QKeySequence(Qt::CTRL | Qt::Key_0),
          &ChartPreview::ShowActualSize);

  extrasMenu_ = menuBar()->addMenu(QString::fromUtf8(_("E&xtras")));
  extrasMenu_->setObjectName(QStringLiteral("menuExtras"));

  // The last menu: the manual (F1) and the program's version and licence.
  helpMenu_ = menuBar()->addMenu(QString::fromUtf8(_("&Hilfe")));
  helpMenu_->setObjectName(QStringLiteral("menuHilfe"));
  manualAction_ = helpMenu_->addAction(
      ThemeIcon("help-contents"), QString::fromUtf8(_("&Handbuch")), this, &HostWindow::ShowManual);
  manualAction_->setShortcut(QKeySequence::HelpContents);
  aboutAction_ =
      helpMenu_->addAction(ThemeIcon("help-about"), QString::fromUtf8(_("Ü&ber Quorvan")), this,
                           &HostWindow::ShowAboutDialog);
}

// The chart's tab comes to the front, then zooms.
void HostWindow::ZoomChart(void (ChartPreview::*step)()) {
  sheets_->setCurrentWidget(preview_);
  (preview_->*step)();
}

namespace {

// The widest a column of a sheet grows to fit its texts, in average characters: a task name of
// thousands of characters is cut with "…" instead of pushing the other columns out of sight.
constexpr int kWidestColumn = 60;

void FitColumns(QTableView& sheet) {
  sheet.resizeColumnsToContents();
  const int intWidest = sheet.fontMetrics().averageCharWidth() * kWidestColumn;
  for (int intColumn = 0; intColumn < sheet.model()->columnCount(); ++intColumn) {
    if (sheet.columnWidth(intColumn) > intWidest) sheet.setColumnWidth(intColumn, intWidest);
  }
}

}  // namespace

void HostWindow::BuildSheets() {
  sheets_ = new QTabWidget(this);
  auto makeSheet = [this](QAbstractTableModel* model, const QString& strName) {
    auto* sheet = new QTableView(sheets_);
    sheet->setObjectName(strName);
    sheet->setModel(model);
    sheet->setEditTriggers(QAbstractItemView::NoEditTriggers);
    sheet->setSelectionBehavior(QAbstractItemView::SelectRows);
    sheet->setAlternatingRowColors(true);
    sheet->verticalHeader()->setVisible(false);
    sheet->horizontalHeader()->setStretchLastSection(true);
    sheet->setWordWrap(false);  // a text longer than its column ends in "…" on its line
    // A line of text per row, as a spreadsheet shows it.
    sheet->verticalHeader()->setDefaultSectionSize(sheet->fontMetrics().height() + 6);
    return sheet;
  };
  taskModel_ = new TaskSheetModel(*roleEditor_, this);
  resourceModel_ = new ResourceSheetModel(this);
  taskSheet_ = makeSheet(taskModel_, QStringLiteral("taskSheet"));
  taskSheet_->setItemDelegate(new OutlineDelegate(taskSheet_));
  resourceSheet_ = makeSheet(resourceModel_, QStringLiteral("resourceSheet"));
  sheets_->addTab(taskSheet_, QString::fromUtf8(_("&Vorgänge")));
  // The role fields are typed into, with the resource names offered.
  taskSheet_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed);
  sheets_->addTab(resourceSheet_, QString::fromUtf8(_("&Ressourcen")));
  roleFieldDelegate_ = new RoleFieldDelegate(*roleEditor_, taskSheet_);
  connect(taskModel_, &QAbstractItemModel::modelReset, this, &HostWindow::ShowRoleFieldEditors);
  roleTab_ = new RoleTab(*roleEditor_, sheets_);
  roleTab_->setObjectName(QStringLiteral("roleTab"));
  sheets_->addTab(roleTab_, QString::fromUtf8(_("R&ollen")));
  preview_ = new ChartPreview(sheets_);
  preview_->setObjectName(QStringLiteral("chartPreview"));
  // Hidden until its tab is added after the first chart: it would lie over the tabs.
  preview_->hide();

  startPage_ = new StartPage(this);
  connect(startPage_, &StartPage::OpenRequested, this, &HostWindow::ShowOpenDialog);
  connect(startPage_, &StartPage::PlanChosen, this, &HostWindow::OpenPlan);
  pages_ = new QStackedWidget(this);
  pages_->addWidget(startPage_);
  pages_->addWidget(sheets_);
  setCentralWidget(pages_);
}

bool HostWindow::OpenPlan(const QString& strPath) {
  if (!MayLeavePlan()) return false;
  const QString strAbsolute = QDir::cleanPath(QFileInfo(strPath).absoluteFilePath());
  try {
    application_->FileOpen(std::filesystem::path(strAbsolute.toStdString()));
  } catch (const vb::Error& err) {
    ShowWarning(err.Description());
    return false;
  }
  AddRecentFile(strAbsolute.toStdString());
  UpdateRecentActions();
  return true;
}

void HostWindow::ShowOpenDialog() {
  QFileDialog dialog(this, QString::fromUtf8(_("Öffnen")));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters({QString::fromUtf8(_("Microsoft Project (*.mpp *.mpx *.xml)")),
                         QString::fromUtf8(_("Alle Dateien (*)"))});
  if (shownProject_ != nullptr) {
    dialog.setDirectory(QString::fromStdString(shownProject_->Path()));
  } else if (const auto colRecent = RecentFiles(); !colRecent.empty()) {
    dialog.setDirectory(QFileInfo(QString::fromStdString(colRecent.front())).absolutePath());
  }
  if (RunDialog(dialog, OnDialog) != QDialog::Accepted) return;
  const QStringList colFiles = dialog.selectedFiles();
  if (!colFiles.isEmpty()) OpenPlan(colFiles.front());
}

void HostWindow::ShowComAddInsDialog() {
  ComAddInsDialog dialog(*addIns_, this);
  if (RunDialog(dialog, OnDialog) == QDialog::Accepted) dialog.Apply();
}

std::function<void()> HostWindow::HostCommand(int intId) {
  switch (intId) {
    case office::kIdComAddIns:
      return [this] { ShowComAddInsDialog(); };
    case office::kIdFileOpen:
      return [this] { ShowOpenDialog(); };
    default:
      return {};
  }
}

QToolBar* HostWindow::ToolBar(const std::string& strName) const {
  return bars_->ToolBar(strName);
}

QAction* HostWindow::CommandBarAction(const std::string& strTag, bool blnToolbar) const {
  return bars_->ActionForTag(strTag, blnToolbar);
}

QString HostWindow::StatusText() const {
  return statusText_->text();
}

QString HostWindow::StatusToolTip() const {
  return statusText_->toolTip();
}

void HostWindow::ShowRoleFieldEditors() {
  // Every column the sheet may have had: the fixed ones and every custom text field.
  constexpr int kMostColumns = 6 + 70;
  for (int intColumn = 0; intColumn < kMostColumns; ++intColumn) {
    taskSheet_->setItemDelegateForColumn(intColumn, nullptr);
  }
  for (int intColumn : taskModel_->RoleColumns()) {
    taskSheet_->setItemDelegateForColumn(intColumn, roleFieldDelegate_);
  }
}

void HostWindow::ApplicationChanged() {
  msproject::Project* project = nullptr;
  try {
    project = &application_->ActiveProject();
  } catch (const vb::Error&) {
    // No plan open.
  }
  if (project != shownProject_) {
    shownProject_ = project;
    ShowUnreadSubprojects();
    roleEditor_->SetProject(project);
    taskModel_->SetProject(project);
    resourceModel_->SetProject(project);
    FitColumns(*taskSheet_);
    FitColumns(*resourceSheet_);
    resourceModel_->SpanGroupRows(*resourceSheet_);
    // The groups' headings span the sheet: the ID column fits the IDs alone.
    int intIdWidth = resourceSheet_->horizontalHeader()->sectionSizeHint(0);
    for (int intRow = 0; intRow < resourceModel_->rowCount(); ++intRow) {
      if (resourceModel_->IsGroupRow(intRow)) continue;
      intIdWidth = std::max(
          intIdWidth, resourceSheet_->sizeHintForIndex(resourceModel_->index(intRow, 0)).width());
    }
    resourceSheet_->setColumnWidth(0, intIdWidth);
    pages_->setCurrentWidget(project == nullptr ? static_cast<QWidget*>(startPage_) : sheets_);
  }
  UpdateTitle();
  SetInteractive(application_->Interactive());
  UpdateStatus();
}

void HostWindow::UpdateTitle() {
  const bool blnPlan = shownProject_ != nullptr;
  const QString strUnsaved = blnPlan && !shownProject_->Saved() ? QStringLiteral("*") : QString();
  setWindowTitle(blnPlan ? QString::fromStdString(shownProject_->Name()) + strUnsaved +
                               QStringLiteral(" – ") + kAppTitle
                         : kAppTitle);
  const QString strNoPlan =
      blnPlan ? QString() : QString::fromUtf8(_("Erst verfügbar, wenn ein Projektplan offen ist."));
  for (QAction* action : {saveAction_, saveAsAction_}) {
    action->setEnabled(blnPlan);
    action->setToolTip(strNoPlan);
  }
}

void HostWindow::PlanChanged() {
  // A change after the save makes the save's confirmation untrue.
  if (shownProject_ != nullptr && !shownProject_->Saved()) strSavedMessage_.clear();
  UpdateTitle();
  UpdateStatus();
}

bool HostWindow::SavePlan() {
  if (shownProject_ == nullptr) return false;
  const QString strOwnFile = PlanFileToSave(*shownProject_);
  return strOwnFile.isEmpty() ? SavePlanAs() : SavePlanTo(strOwnFile);
}

bool HostWindow::SavePlanAs() {
  if (shownProject_ == nullptr) return false;
  const QString strTarget = AskWhereToSavePlan(this, *shownProject_, OnDialog);
  return !strTarget.isEmpty() && SavePlanTo(strTarget);
}

bool HostWindow::SavePlanTo(const QString& strTarget) {
  msproject::Project& objPlan = application_->ActiveProject();
  try {
    plan::SavePlanAs(objPlan, std::filesystem::path(strTarget.toStdString()),
                     plan::SavedPlan::IsTheNewFile);
  } catch (const vb::Error& err) {
    ShowWarning(err.Description());
    return false;
  }
  AddRecentFile(objPlan.FullName());
  UpdateRecentActions();
  strSavedMessage_ = catalog::Format(_("Projektplan gespeichert: {}"), objPlan.FullName());
  PlanChanged();
  return true;
}

bool HostWindow::MayLeavePlan() {
  if (shownProject_ == nullptr || shownProject_->Saved()) return true;
  const std::string strQuestion =
      catalog::Format(_("Änderungen an „{}“ speichern?"), shownProject_->Name());
  switch (forms::MsgBox(strQuestion, forms::vbYesNoCancel + forms::vbQuestion,
                        kAppTitle.toStdString())) {
    case forms::vbYes:
      return SavePlan();
    case forms::vbNo:
      return true;
    default:
      return false;
  }
}

void HostWindow::RecallWindow() {
  const WindowMemory memory = RecallWindowMemory();
  if (!memory.geometry.isEmpty()) {
    QScreen* primary = QGuiApplication::primaryScreen();
    QList<QRect> colScreens;
    if (primary != nullptr) colScreens.push_back(primary->availableGeometry());
    for (QScreen* screen : QGuiApplication::screens()) {
      if (screen != primary) colScreens.push_back(screen->availableGeometry());
    }
    setGeometry(OnScreen(memory.geometry, colScreens));
  }
  if (memory.blnMaximized) setWindowState(windowState() | Qt::WindowMaximized);
  for (QWidget* tab : {static_cast<QWidget*>(taskSheet_), static_cast<QWidget*>(resourceSheet_)}) {
    if (tab->objectName() == memory.strTab) sheets_->setCurrentWidget(tab);
  }
  strZoom_ = memory.strZoom;
}

void HostWindow::KeepWindow() {
  WindowMemory memory;
  memory.blnMaximized = isMaximized();
  memory.geometry = memory.blnMaximized ? normalGeometry() : geometry();
  if (const QWidget* tab = sheets_->currentWidget()) memory.strTab = tab->objectName();
  memory.strZoom = PreviewZoom();
  KeepWindowMemory(memory);
}

QString HostWindow::PreviewZoom() const {
  if (!preview_->HasChart()) return strZoom_;
  switch (preview_->Fitting()) {
    case ChartPreview::Fit::Whole:
      return kZoomWhole;
    case ChartPreview::Fit::Width:
      return kZoomWidth;
    case ChartPreview::Fit::None:
      break;
  }
  return QString::number(preview_->Zoom());
}

void HostWindow::ApplyPreviewZoom() {
  bool blnNumber = false;
  const double dblZoom = strZoom_.toDouble(&blnNumber);
  if (strZoom_ == kZoomWidth) {
    preview_->FitToWidth();
  } else if (blnNumber) {
    preview_->SetZoom(dblZoom);
  }
  // Else the chart stays fitted to the window, as it is shown first.
}

void HostWindow::SetInteractive(bool blnValue) {
  // The window itself stays enabled: the wizard's dialog is its child and would be disabled
  // with it.
  menuBar()->setEnabled(blnValue);
  pages_->setEnabled(blnValue);
  for (QToolBar* toolbar : findChildren<QToolBar*>(QString(), Qt::FindDirectChildrenOnly)) {
    toolbar->setEnabled(blnValue);
  }
}

void HostWindow::UpdateRecentActions() {
  const std::vector<std::string> colFiles = RecentFiles();
  for (std::size_t i = 0; i < recentActions_.size(); ++i) {
    QAction* action = recentActions_[i];
    if (i < colFiles.size()) {
      const QString strPath = QString::fromStdString(colFiles[i]);
      action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(MenuText(strPath)));
      action->setData(strPath);
      action->setVisible(true);
    } else {
      action->setVisible(false);
    }
  }
  recentSeparator_->setVisible(!colFiles.empty());
  startPage_->SetRecentPlans(colFiles);
}

void HostWindow::UpdateStatus() {
  const std::string& strHost = application_->StatusBar();
  const std::string& strOwn = !strRunStep_.empty()        ? strRunStep_
                              : !strSavedMessage_.empty() ? strSavedMessage_
                              : !strChartMessage_.empty() ? strChartMessage_
                                                          : strPlanNotice_;
  statusText_->setText(QString::fromStdString(strHost.empty() ? strOwn : strHost));
}

void HostWindow::ShowUnreadSubprojects() {
  // A chart or a save of the plan shown before says nothing about this one.
  strChartMessage_.clear();
  strSavedMessage_.clear();
  const std::vector<std::string> colNotices = shownProject_ == nullptr
                                                  ? std::vector<std::string>{}
                                                  : UnreadSubprojectNotices(*shownProject_);
  if (colNotices.size() == 1) {
    strPlanNotice_ = colNotices.front();
  } else if (colNotices.size() > 1) {
    strPlanNotice_ = catalog::Format(_("Hinweis: {} eingefügte Projekte konnten nicht gelesen "
                                       "werden; ihre Ressourcen fehlen im Diagramm."),
                                     colNotices.size());
  } else {
    strPlanNotice_.clear();
  }
  QStringList colLines;
  for (const std::string& strNotice : colNotices)
    colLines.push_back(QString::fromStdString(strNotice));
  statusText_->setToolTip(colLines.join(QLatin1Char('\n')));
}

void HostWindow::SetOpenAfterRun(bool blnValue) {
  blnOpenAfterRun_ = blnValue;
}

void HostWindow::ChartExported(const RunResult& result, const std::string& strCoverage) {
  const bool blnWritten = result.blnWritten;
  std::string strWritten = result.strChartPath;
  // The run kept its saved workbook open: the preview shows its page, the desktop opens the
  // saved file when asked to, and the run's engine lets go of the workbook and ends.
  if (excel::Workbook* objWorkbook = result.objWorkbook; objWorkbook != nullptr && blnWritten) {
    strWritten = objWorkbook->FullName();
    // The next chart is shown at the zoom the user chose for this one.
    strZoom_ = PreviewZoom();
    if (preview_->ShowWorkbook(*objWorkbook).empty()) {
      if (sheets_->indexOf(preview_) < 0)
        sheets_->addTab(preview_, QString::fromUtf8(_("&Diagramm")));
      sheets_->setCurrentWidget(preview_);
      ApplyPreviewZoom();
      saveChartAction_->setEnabled(true);
      saveChartAction_->setToolTip(QString());
      viewMenu_->menuAction()->setVisible(true);
    }
  }
  if (blnWritten && blnOpenAfterRun_) OpenChart(AbsolutePath(strWritten).toStdString());
  if (result.objEngine) {
    excel::Workbooks& colWorkbooks = result.objEngine->Workbooks();
    while (excel::Workbook* objWorkbook = colWorkbooks.Last()) objWorkbook->Close();
    if (!result.objEngine->HasQuit()) result.objEngine->Quit();
  }
  if (!blnWritten) {
    UpdateStatus();  // the last step of a run broken off goes
    return;
  }
  strLastChart_ = AbsolutePath(strWritten).toStdString();
  strSavedMessage_.clear();
  lastChartAction_->setEnabled(true);
  lastChartAction_->setToolTip(QString());
  strChartMessage_ = catalog::Format(_("Kommunikationsdiagramm gespeichert: {}"), strLastChart_);
  // A plan past the chart's limits, a text cut to what a cell holds, inserted projects
  // missing from the chart: the user learns it here.
  std::string strNotices = strCoverage;
  if (!strPlanNotice_.empty()) strNotices += (strNotices.empty() ? "" : " ") + strPlanNotice_;
  if (!strNotices.empty()) strChartMessage_ += " – " + strNotices;
  UpdateStatus();
}

// The desktop's program for the workbook; when there is none, or the file is gone, the user
// learns why.
void HostWindow::OpenChart(const std::string& strPath) {
  const std::string strFailure = OpenWithDesktop(strPath);
  if (!strFailure.empty()) {
    ShowWarning(strFailure);
  }
}

void HostWindow::ShowSaveChartDialog() {
  if (!preview_->HasChart()) return;
  QFileDialog dialog(this, QString::fromUtf8(_("Diagramm speichern unter")));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  const QStringList filters = {QString::fromUtf8(_("PDF-Dokument (*.pdf)")),
                               QString::fromUtf8(_("SVG-Grafik (*.svg)")),
                               QString::fromUtf8(_("PNG-Bild (*.png)"))};
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  const QFileInfo chart(QString::fromStdString(strLastChart_));
  dialog.setDirectory(chart.absolutePath());
  dialog.selectFile(chart.completeBaseName() + QStringLiteral(".pdf"));
  // The suffix follows the chosen kind of file.
  connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& f) {
    static const char* const suffixes[] = {"pdf", "svg", "png"};
    const auto index = filters.indexOf(f);
    if (index >= 0) dialog.setDefaultSuffix(QString::fromLatin1(suffixes[index]));
  });
  if (RunDialog(dialog, OnDialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString strPath = dialog.selectedFiles().constFirst();
  const QString strSuffix = QFileInfo(strPath).suffix().toLower();
  const std::string strTarget = strPath.toStdString();
  std::string strFailure;
  if (strSuffix == QStringLiteral("svg")) {
    strFailure = preview_->SaveAsSvg(strTarget);
  } else if (strSuffix == QStringLiteral("png")) {
    strFailure = preview_->SaveAsPng(strTarget);
  } else if (strSuffix == QStringLiteral("pdf")) {
    strFailure = preview_->SaveAsPdf(strTarget);
  } else {
    strFailure = _("Das Diagramm wird als PDF (.pdf), SVG (.svg) oder PNG (.png) gespeichert.");
  }
  if (!strFailure.empty()) {
    ShowWarning(strFailure);
  }
}

void HostWindow::ShowManual() {
  gui::ShowManual(*this);
}

void HostWindow::ShowAboutDialog() {
  AboutDialog dialog(this);
  RunDialog(dialog, OnDialog);
}

void HostWindow::closeEvent(QCloseEvent* event) {
  // Not while an add-in's dialog holds the host.
  if (!application_->Interactive() || !MayLeavePlan()) {
    event->ignore();
    return;
  }
  KeepWindow();
  event->accept();
}

void HostWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedPlan(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void HostWindow::dropEvent(QDropEvent* event) {
  const QString strPlan = DroppedPlan(event->mimeData());
  if (strPlan.isEmpty()) return;
  event->acceptProposedAction();
  OpenPlan(strPlan);
}

}  // namespace gui
