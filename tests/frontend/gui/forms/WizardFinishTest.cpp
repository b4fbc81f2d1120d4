// Finish on screen: the progress during the run, and the chart it writes, which is the chart
// that the command line writes with the same settings.

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "frontend/gui/forms/WizardTesting.h"
#include "support/RealReaders.h"
#include "support/TestSupport.h"

namespace guitest {
namespace {

using WizardFinish = WizardOnScreen;

// The parts of a workbook that hold its cells, their formats and its shapes.
std::string ChartParts(const std::filesystem::path& workbook) {
  const testsupport::CommandResult result = testsupport::RunPythonCode(
      "import sys, zipfile\n"
      "z = zipfile.ZipFile(sys.argv[1])\n"
      "for name in sorted(z.namelist()):\n"
      "    if name.startswith(('xl/worksheets/', 'xl/drawings/', 'xl/styles')):\n"
      "        print(name)\n"
      "        print(z.read(name).decode('utf-8'))\n",
      {workbook.string()});
  EXPECT_EQ(result.intExitCode, 0) << result.strStderr;
  return result.strStdout;
}

TEST_F(WizardFinish, WritesTheChartTheCommandLineWritesWithTheSameSettings) {
  testsupport::TempDir dir;
  const std::filesystem::path gui = dir / "Fenster.xlsx";
  const std::filesystem::path cli = dir / "Kommandozeile.xlsx";
  bool blnSawRun = false;
  Launch([&](FormView& view, frmQuorvan& frm) {
    Type(view, frm.txtChartPath, gui.string());
    for (int step = 1; step < 4; ++step) ClickOn(view, frm.cmdNext);
    for (int i = 0; i < 2; ++i) {
      for (QToolButton* arrow : view.WidgetOf(frm.updColumnWidth)->findChildren<QToolButton*>()) {
        if (arrow->arrowType() == Qt::UpArrow) QTest::mouseClick(arrow, Qt::LeftButton);
      }
    }
    ClickOn(view, frm.chkGroupTasks);
    for (int step = 4; step < 6; ++step) ClickOn(view, frm.cmdNext);
    ClickOn(view, frm.chkShadowArrows);
    ClickOn(view, frm.cmdNext);
    auto* bar = qobject_cast<QProgressBar*>(view.WidgetOf(frm.barProgress));
    // The first repaint of the run: the steps have given way to the progress display, which
    // shows how much is done.
    QTimer::singleShot(0, &view, [&] {
      blnSawRun = true;
      EXPECT_FALSE(view.WidgetOf(frm.fraStep7)->isVisible());
      EXPECT_TRUE(bar->isVisible());
      EXPECT_TRUE(bar->isTextVisible());
      EXPECT_EQ(bar->text(), QString::number(bar->value()) + QStringLiteral("%"));
      EXPECT_EQ(view.cursor().shape(), Qt::WaitCursor);
      EXPECT_FALSE(view.WidgetOf(frm.cmdCancel)->isEnabled());
      SaveShot(view, "wizard-run");
      // The window's close button does not end a run.
      view.close();
      EXPECT_TRUE(frm.Loaded());
    });
    // Enter on the last step makes the chart.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    auto* finish = qobject_cast<QPushButton*>(view.WidgetOf(frm.cmdFinish));
    EXPECT_EQ(finish->text().toStdString(), "&Fertig");
    EXPECT_EQ(qobject_cast<QLabel*>(view.WidgetOf(frm.lblProgress))->text().toStdString(),
              "Kommunikationsdiagramm wurde erfolgreich erstellt.");
    EXPECT_EQ(bar->value(), 100);
    EXPECT_EQ(bar->text().toStdString(), "100%");
    SaveShot(view, "wizard-done");
    // Back to a step: it is shown alone, without the progress of the run over it.
    ClickOn(view, frm.cmdBack);
    EXPECT_TRUE(view.WidgetOf(frm.fraStep6)->isVisible());
    EXPECT_FALSE(bar->isVisible());
    EXPECT_FALSE(view.WidgetOf(frm.lblProgress)->isVisible());
    // Enter goes on to the last step and there closes the wizard.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(frm.cmdNext.Tag(), "Step7");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_FALSE(frm.Loaded());
  });
  EXPECT_TRUE(blnSawRun);
  ASSERT_TRUE(std::filesystem::exists(gui));

  const testsupport::CommandResult result = testsupport::RunCommand(
      testsupport::ShellQuote((testsupport::BinaryDir() / "quorvan").string()) + " " +
      testsupport::ShellQuote(ExamplePlan().string()) + " -o " +
      testsupport::ShellQuote(cli.string()) +
      " --column-width 10 --no-group-tasks --shadow-arrows 2>&1");
  ASSERT_EQ(result.intExitCode, 0) << result.strStdout;
  EXPECT_EQ(ChartParts(gui), ChartParts(cli));
}

}  // namespace
}  // namespace guitest
