// Pictures of the desktop application as a user sees it, taken from a real X server's screen
// (run under xvfb-run, with a window manager): the start page and the host window with the
// example plan at 1600×1000 and at 800×600, as far as the screen holds them (the window with its
// frame, NAME-WIDTHxHEIGHT.png), the host window with the example plan, the open Extras and Datei
// menus, seven steps of the wizard, the open list of a field, a message box, the colour dialog, the
// information dialog, the wizard during a run, after it and back at a step after it, the first plan
// copied alone into a folder (its inserted projects missing: the status bar and the marked task row
// with its tooltip, host-missing-inserted), that plan with an edit not saved (host-unsaved) and
// the question whether to save it when it is left (save-question), and, when a second plan is given
// (a .mpp), the host window with it (host-mpp); the Hilfe menu, the manual and the dialog "Über
// Quorvan"; for the manual's pictures the wizard's window at step 2 and the preview at 800×600.
// Each goes to OUTDIR/NAME.png. Run in English (LANGUAGE=en) the pictures are OUTDIR/en-NAME.png,
// and with QUORVAN_CLI naming the command line's program one more shows it in a terminal window:
// the run of the first plan and its help (en-command-line). Exit status 0 when every picture was
// taken.
//
//     xvfb-run -a -s "-screen 0 1680x1080x24" with_window_manager.sh gui_screenshots PLAN.xml
//         OUTDIR [PLAN.mpp]

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QTranslator>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "gui/forms/FormView.h"
#include "gui/forms/QtFrontEnd.h"
#include "gui/help/ManualWindow.h"
#include "gui/host/HostWindow.h"
#include "gui/host/RecentFiles.h"
#include "gui/preview/ChartPreview.h"
#include "gui/roles/RoleMatrixView.h"
#include "gui/roles/RoleTab.h"
#include "gui/shell/GermanQt.h"
#include "gui/shell/QtShellBackend.h"
#include "platform/catalog/Catalog.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/Fields.h"
#include "wizard/frmQuorvan.h"

namespace {

QString outDir;
std::string strPrefix;  // "en-" in English
std::set<std::string> taken;

// The whole screen as the X server shows it, once everything pending is drawn.
void Shot(const std::string& strName) {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents();
    QTest::qWait(40);
  }
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  if (screen.save(outDir + "/" + QString::fromStdString(strPrefix + strName) + ".png")) {
    taken.insert(strName);
  }
  std::fprintf(stderr, "%s%s.png\n", strPrefix.c_str(), strName.c_str());
}

// A window as it is, with its frame: OUTDIR/NAME.png (the manual's pictures; and below, sized).
void ShotFrame(const std::string& strName, QWidget& window) {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::processEvents();
    QTest::qWait(40);
  }
  const QRect frame = window.frameGeometry();
  const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(
      0, frame.x(), frame.y(), frame.width(), frame.height());
  if (picture.save(outDir + "/" + QString::fromStdString(strPrefix + strName) + ".png")) {
    taken.insert(strName);
  }
  std::fprintf(stderr, "%s%s.png\n", strPrefix.c_str(), strName.c_str());
}

// The window with its frame, as the X server shows it: OUTDIR/NAME-WIDTHxHEIGHT.png, the
// window resized to that size first.
void ShotWindow(const std::string& strName, QWidget& window, QSize size) {
  window.resize(size);
  ShotFrame(strName + "-" + std::to_string(size.width()) + "x" + std::to_string(size.height()),
            window);
}

// The host window in a large and in a small window.
const QSize kWindowSizes[] = {{1600, 1000}, {800, 600}};

void Click(gui::FormView& view, const forms::Control& ctl) {
  QWidget* widget = view.WidgetOf(ctl);
  QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "Aufruf: gui_screenshots PLAN.xml AUSGABEORDNER [PLAN.mpp]\n");
    return 2;
  }
  QTemporaryDir settings;
  ::setenv("QUORVAN_REGISTRY", (settings.path() + "/HKCU.reg").toUtf8().constData(), 1);
  QApplication app(argc, argv);
  outDir = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(outDir);
  catalog::Start();
  QTranslator german;
  if (catalog::Current() == catalog::Language::English) {
    strPrefix = "en-";
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  } else {
    gui::InstallGermanQt(german);
  }

  // Plans opened before: the start page lists them.
  const QFileInfo plan(QString::fromLocal8Bit(argv[1]));
  gui::AddRecentFile(plan.dir().filePath(QStringLiteral("Schulung.xml")).toStdString());
  gui::AddRecentFile(plan.absoluteFilePath().toStdString());

  gui::QtFrontEnd frontEnd;
  gui::QtShellBackend shell;
  gui::HostWindow host;
  frontEnd.HostWindow(&host);
  host.resize(1100, 720);
  host.move(40, 30);
  host.show();
  if (!QTest::qWaitForWindowExposed(&host)) return 1;
  // Before a plan is open: the start page; then the example plan, both at each size.
  std::set<std::string> sized;
  const QSize screen = QGuiApplication::primaryScreen()->size();
  const auto fits = [&screen](QSize size) {
    return size.width() <= screen.width() && size.height() <= screen.height();
  };
  for (const QSize& size : kWindowSizes) {
    if (!fits(size)) continue;
    ShotWindow("start-page", host, size);
    sized.insert("start-page-" + std::to_string(size.width()) + "x" +
                 std::to_string(size.height()));
  }
  if (!host.OpenPlan(QString::fromLocal8Bit(argv[1]))) return 1;
  for (const QSize& size : kWindowSizes) {
    if (!fits(size)) continue;
    ShotWindow("host-plan", host, size);
    sized.insert("host-plan-" + std::to_string(size.width()) + "x" + std::to_string(size.height()));
  }
  host.Sheets().setCurrentIndex(1);
  ShotWindow("host-resources", host, kWindowSizes[1]);
  sized.insert("host-resources-800x600");
  // The roles' matrix: the example's roles, a resource's column chosen.
  host.Sheets().setCurrentWidget(&host.Roles());
  gui::RoleMatrixView& matrix = host.Roles().Matrix();
  matrix.setFocus();
  matrix.setCurrentIndex(matrix.model()->index(4, 2));
  for (const QSize& size : {QSize(1400, 1000), QSize(800, 600)}) {
    if (!fits(size)) continue;
    ShotWindow("host-roles", host, size);
    sized.insert("host-roles-" + std::to_string(size.width()) + "x" +
                 std::to_string(size.height()));
  }
  host.Sheets().setCurrentIndex(0);
  host.resize(1100, 720);
  Shot("host-window");

  // The Extras menu, opened from the menu bar as a click opens it.
  host.menuBar()->setActiveAction(host.ExtrasMenu().menuAction());
  Shot("extras-menu");
  host.ExtrasMenu().close();
  // The Datei menu with the plan's and the chart's entries.
  host.menuBar()->setActiveAction(host.FileMenu().menuAction());
  Shot("file-menu");
  host.FileMenu().close();
  host.menuBar()->setActiveAction(nullptr);

  // "Hilfe": the menu, the manual beside the window, the dialog "Über Quorvan".
  host.menuBar()->setActiveAction(host.HelpMenu().menuAction());
  Shot("help-menu");
  host.HelpMenu().close();
  host.menuBar()->setActiveAction(nullptr);
  if (gui::ManualWindow* manual = gui::ShowManual(host)) {
    if (!QTest::qWaitForWindowExposed(manual)) return 1;
    Shot("manual");
    manual->close();
  }
  host.OnDialog = [](QDialog& dialog) {
    Shot("about-dialog");
    dialog.reject();
  };
  host.AboutAction().trigger();
  host.OnDialog = nullptr;

  const QString chart = settings.path() + "/Markteinfuehrung.xlsx";
  frontEnd.OnMessageBox = [](QWidget& box) {
    Shot("message-box");
    static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
  };
  shell.OnDialog = [](QDialog& dialog) {
    if (auto* colors = qobject_cast<QColorDialog*>(&dialog)) {
      colors->setCurrentColor(QColor(0, 128, 255));
      Shot("color-dialog");
    }
    dialog.accept();
  };
  frontEnd.OnFormShown = [&](gui::FormView& view) {
    auto* frm = dynamic_cast<frmQuorvan*>(&view.Form());
    if (frm == nullptr) {
      Shot("info-dialog");
      view.Form().Unload();
      return;
    }
    frm->txtChartPath.Text(chart.toStdString());
    for (int step = 1; step <= 7; ++step) {
      Shot("wizard-step" + std::to_string(step));
      if (step == 2) ShotFrame("wizard-step2-window", view);
      if (step == 2) {
        // The list of a field, open on the field chosen, with the plan's names of the fields.
        auto* fields = qobject_cast<QComboBox*>(view.WidgetOf(frm->cboFieldResponsible));
        fields->showPopup();
        Shot("wizard-field-list");
        fields->hidePopup();
      }
      if (step == 4) {
        // A refused value: its message box, then the value put right.
        const std::string strHeight = frm->txtRowHeight.Text();
        frm->txtRowHeight.Text("95");
        Click(view, frm->cmdNext);
        frm->txtRowHeight.Text(strHeight);
      }
      if (step == 5) Click(view, frm->cmdChangeColorHeaderTasks);
      if (step == 7) Click(view, frm->cmdInfo);
      if (step < 7) Click(view, frm->cmdNext);
    }
    QTimer::singleShot(0, &view, [] { Shot("wizard-run"); });
    Click(view, frm->cmdFinish);
    Shot("wizard-done");
    Click(view, frm->cmdBack);
    Shot("wizard-back-after-run");
    Click(view, frm->cmdFinish);
  };
  QAction* entry = host.CommandBarAction("QuorvanWizard");
  if (entry == nullptr) return 1;
  entry->trigger();
  Shot("host-after-run");
  // The chart's preview: the whole chart, then zoomed in.
  host.Preview().FitToWindow();
  Shot("preview-whole");
  host.Preview().SetZoom(2.0);
  Shot("preview-zoomed");
  host.Preview().FitToWindow();
  // The preview in the small window, fitted (the manual's picture).
  if (fits(kWindowSizes[1])) {
    ShotWindow("preview", host, kWindowSizes[1]);
    sized.insert("preview-800x600");
    host.resize(1100, 720);
  }
  std::set<std::string> wanted = {
      "host-window",       "extras-menu",          "wizard-step1", "wizard-step2", "wizard-step3",
      "wizard-step4",      "wizard-step5",         "wizard-step6", "wizard-step7", "message-box",
      "color-dialog",      "info-dialog",          "wizard-run",   "wizard-done",  "host-after-run",
      "wizard-field-list", "wizard-back-after-run"};
  wanted.insert({"preview-whole", "preview-zoomed", "file-menu", "help-menu", "manual",
                 "about-dialog", "wizard-step2-window"});
  wanted.insert(sized.begin(), sized.end());
  // The plan without the inserted projects beside it.
  QTemporaryDir alone;
  const QString strAlone = alone.filePath(QFileInfo(QString::fromLocal8Bit(argv[1])).fileName());
  if (!QFile::copy(QString::fromLocal8Bit(argv[1]), strAlone) || !host.OpenPlan(strAlone)) {
    return 1;
  }
  host.Sheets().setCurrentIndex(0);
  QTableView& tasks = host.TaskSheet();
  for (int intRow = 0; intRow < tasks.model()->rowCount(); ++intRow) {
    const QModelIndex name = tasks.model()->index(intRow, 1);
    const QString strTip = name.data(Qt::ToolTipRole).toString();
    if (strTip.isEmpty()) continue;
    tasks.scrollTo(name, QAbstractItemView::PositionAtCenter);
    tasks.selectRow(intRow);
    QCoreApplication::processEvents();
    const QRect cell = tasks.visualRect(name);
    QToolTip::showText(tasks.viewport()->mapToGlobal(cell.center()), strTip, tasks.viewport());
    Shot("host-missing-inserted");
    QToolTip::hideText();
    break;
  }
  wanted.insert("host-missing-inserted");
  // A remark edited and not saved: the title's "*"; leaving the plan then asks whether to save
  // it (answered "Nein": the copy stays as it was).
  for (msproject::Task* task : host.Application().ActiveProject().Tasks()) {
    if (task == nullptr || !task->Subproject().empty()) continue;
    task->SetField(msproject::TextFieldId(25), "Termin um eine Woche verschoben");
    break;
  }
  host.PlanChanged();
  Shot("host-unsaved");
  frontEnd.OnMessageBox = [](QWidget& box) {
    Shot("save-question");
    static_cast<QMessageBox&>(box).button(QMessageBox::No)->click();
  };
  wanted.insert({"host-unsaved", "save-question"});
  if (argc == 4) {
    if (!host.OpenPlan(QString::fromLocal8Bit(argv[3]))) return 1;
    host.Sheets().setCurrentIndex(0);  // its tasks, not the chart of the run before
    Shot("host-mpp");
    wanted.insert("host-mpp");
  }
  host.close();

  // The command line in a terminal: what a run of the plan and `quorvan --help` print.
  if (const char* strCli = std::getenv("QUORVAN_CLI"); strCli != nullptr && *strCli != '\0') {
    QString text;
    const QString strChart = settings.path() + "/Markteinfuehrung.xlsx";
    for (const QStringList& arguments :
         {QStringList{QString::fromLocal8Bit(argv[1]), QStringLiteral("-o"), strChart},
          QStringList{QStringLiteral("--help")}}) {
      QProcess run;
      run.setProcessChannelMode(QProcess::MergedChannels);
      run.start(QString::fromLocal8Bit(strCli), arguments);
      if (!run.waitForFinished(120000)) return 1;
      QStringList shown = arguments;
      shown.replaceInStrings(QFileInfo(QString::fromLocal8Bit(argv[1])).absolutePath() + "/",
                             QString());
      shown.replaceInStrings(settings.path() + "/", QString());
      text += QStringLiteral("$ quorvan ") + shown.join(QLatin1Char(' ')) + QLatin1Char('\n') +
              QString::fromUtf8(run.readAll());
    }
    QPlainTextEdit terminal;
    terminal.setWindowTitle(QStringLiteral("Terminal"));
    terminal.setReadOnly(true);
    terminal.setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(8);
    terminal.setFont(mono);
    terminal.setStyleSheet(
        QStringLiteral("QPlainTextEdit { background: #1e1e1e; color: #e0e0e0; }"));
    terminal.setPlainText(text);
    terminal.resize(1220, 860);
    terminal.move(10, 10);
    terminal.show();
    if (!QTest::qWaitForWindowExposed(&terminal)) return 1;
    Shot("command-line");
    wanted.insert("command-line");
  }

  int intMissing = 0;
  for (const std::string& name : wanted) {
    if (!taken.contains(name)) {
      std::fprintf(stderr, "Bild fehlt: %s\n", name.c_str());
      ++intMissing;
    }
  }
  return intMissing == 0 ? 0 : 1;
}
