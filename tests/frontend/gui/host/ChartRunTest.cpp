// A run of the wizard started from the host window: the host held while the wizard is open, each
// step of the run in the status bar, then the chart named there and offered in "Datei", and with
// "Diagramm nach dem Erstellen öffnen" the chart handed to the desktop at once.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QColorDialog>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QToolBar>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/gui/HostTesting.h"
#include "gui/forms/FormView.h"
#include "gui/preview/ChartPreview.h"
#include "platform/forms/FrontEnd.h"
#include "platform/msproject/Application.h"
#include "platform/msproject/CompoundFileCopy.h"
#include "support/PlanXml.h"
#include "support/TestSupport.h"
#include "wizard/frmQuorvan.h"

namespace {

using guitest::ExamplePlan;
using guitest::HostTest;

class ChartRunTest : public HostTest {
 protected:
  // Runs the wizard from the action: the path chosen in the save dialog, the arrows' colour in
  // the colour dialog, Finish, then "Fertig". Returns how often the wizard was shown.
  int RunWizard(QAction& action, const std::filesystem::path& chart) {
    int intShown = 0;
    frontEnd_.OnFormShown = [&](gui::FormView& view) {
      ++intShown;
      auto& frm = dynamic_cast<frmQuorvan&>(view.Form());
      // The host is held while the wizard is open; the wizard is not.
      EXPECT_FALSE(host_->Application().Interactive());
      EXPECT_FALSE(host_->menuBar()->isEnabled());
      EXPECT_FALSE(host_->TaskSheet().isEnabled());
      EXPECT_TRUE(view.isEnabled());
      shell_.OnDialog = [&](QDialog& dialog) {
        // Over the wizard, not over the host window behind it.
        EXPECT_EQ(dialog.parentWidget(), &view);
        if (auto* files = qobject_cast<QFileDialog*>(&dialog)) {
          const auto proposed = ExamplePlan().parent_path() / "Markteinfuehrung.xls";
          EXPECT_EQ(files->selectedFiles(), QStringList{QString::fromStdString(proposed.string())});
          files->selectFile(QString::fromStdString(chart.string()));
        } else {
          dynamic_cast<QColorDialog&>(dialog).setCurrentColor(QColor(0x12, 0x34, 0x56));
        }
        dialog.accept();
      };
      frm.cmdSave.Click();
      frm.cmdChangeColorArrows.Click();
      shell_.OnDialog = nullptr;
      EXPECT_EQ(frm.txtChartPath.Text(), chart.string());
      EXPECT_EQ(frm.lblColorArrows.BackColor(), 0x563412);
      // The status bar as the run repaints: each step of the run.
      colSteps_.clear();
      forms::DoEventsHandler previous = forms::SetDoEventsHandler(nullptr);
      forms::SetDoEventsHandler([&] {
        const std::string strShown = host_->StatusText().toStdString();
        if (colSteps_.empty() || colSteps_.back() != strShown) colSteps_.push_back(strShown);
        if (previous) previous();
      });
      frm.cmdFinish.Click();
      forms::SetDoEventsHandler(previous);
      frm.cmdFinish.Click();
    };
    action.trigger();
    frontEnd_.OnFormShown = nullptr;
    ProcessEvents();
    return intShown;
  }

  std::vector<std::string> colSteps_;  // the status bar's texts during the last run

  std::filesystem::path OpenExample() {
    StartHost();
    EXPECT_TRUE(host_->OpenPlan(QString::fromStdString(ExamplePlan().string())));
    return dir_ / "Diagramm.xlsx";
  }
};

TEST_F(ChartRunTest, TheStatusBarNamesTheChartAndDateiOpensIt) {
  const std::filesystem::path chart = OpenExample();
  EXPECT_FALSE(host_->LastChartAction().isEnabled());
  EXPECT_FALSE(host_->ViewMenu().menuAction()->isVisible());  // nothing to zoom yet

  ASSERT_EQ(RunWizard(*host_->CommandBarAction("QuorvanWizard"), chart), 1);
  ASSERT_TRUE(std::filesystem::exists(chart));
  EXPECT_THAT(colSteps_,
              testing::IsSupersetOf({"Speicherort des Diagramms festlegen...",
                                     "Header wird angelegt...", "Vorgang 1 von 41 wird angelegt...",
                                     "Kommunikationsnetz wird berechnet...",
                                     "Diagramm wird gespeichert..."}));
  EXPECT_TRUE(host_->menuBar()->isEnabled());
  EXPECT_TRUE(host_->Application().Interactive());
  EXPECT_EQ(host_->StatusText().toStdString(),
            "Kommunikationsdiagramm gespeichert: " + chart.string());
  // Off by default: the export ended its own engine and nothing was opened.
  EXPECT_FALSE(host_->OpenAfterRunAction().isChecked());
  EXPECT_TRUE(links_.Opened().empty());

  // The host's own status text goes before it while it is set.
  host_->Application().StatusBar("Ressourcen werden abgeglichen...");
  EXPECT_EQ(host_->StatusText(), "Ressourcen werden abgeglichen...");
  host_->Application().StatusBar(false);
  EXPECT_EQ(host_->StatusText().toStdString(),
            "Kommunikationsdiagramm gespeichert: " + chart.string());

  // Every entry of the window works now, the chart's zoom included; only undo and redo wait for
  // an edit.
  EXPECT_THAT(DisabledEntries(*host_), testing::ElementsAre("&Rückgängig", "&Wiederholen"));
  EXPECT_TRUE(host_->ViewMenu().menuAction()->isVisible());
  ASSERT_TRUE(host_->LastChartAction().isEnabled());
  host_->LastChartAction().trigger();
  ASSERT_EQ(links_.Opened().size(), 1u);
  EXPECT_EQ(links_.Opened().front().toLocalFile().toStdString(), chart.string());

  // A desktop without a program for it (no launcher on the PATH): the user learns why.
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  const std::string strPath = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
  ::setenv("PATH", "", 1);
  boxes_.clear();
  host_->LastChartAction().trigger();
  ::setenv("PATH", strPath.c_str(), 1);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_.front().strTitle, "Quorvan");
  EXPECT_EQ(boxes_.front().strText, "Kein Programm zum Öffnen von „Diagramm.xlsx“ gefunden.");
  EXPECT_EQ(boxes_.front().icon, QMessageBox::Warning);
}

TEST_F(ChartRunTest, APlanPastTheChartsLimitsIsNamedInTheStatusBar) {
  testsupport::PlanXml objPlan;
  objPlan.Task("A", 1, {{testsupport::kText21, "Person 1"}});
  for (int i = 1; i <= 201; ++i) objPlan.Resource("Person " + std::to_string(i));
  StartHost();
  ASSERT_TRUE(host_->OpenPlan(QString::fromStdString(objPlan.Write(dir_).string())));
  const std::filesystem::path chart = dir_ / "Diagramm.xlsx";
  FinishWizardInto(chart);
  ASSERT_TRUE(std::filesystem::exists(chart));
  EXPECT_EQ(host_->StatusText().toStdString(),
            "Kommunikationsdiagramm gespeichert: " + chart.string() +
                " – Hinweis: Der Plan hat 1 Vorgang und 201 Ressourcen, das Diagramm zeigt davon "
                "1 Vorgang und 200 Ressourcen.");
}

TEST_F(ChartRunTest, OpenAfterRunHandsEachChartToTheDesktopAndLetsGoOfIt) {
  const std::filesystem::path chart = OpenExample();
  host_->OpenAfterRunAction().trigger();
  ASSERT_TRUE(host_->OpenAfterRunAction().isChecked());

  // From the menu, then from the toolbar onto the same file: the engine must have let go of
  // the first workbook, or the export would refuse to overwrite it.
  ASSERT_EQ(RunWizard(*host_->CommandBarAction("QuorvanWizard"), chart), 1);
  std::filesystem::remove(chart);
  ASSERT_EQ(RunWizard(*host_->CommandBarAction("QuorvanWizardToolbar", true), chart), 1);
  EXPECT_TRUE(std::filesystem::exists(chart));
  ASSERT_EQ(links_.Opened().size(), 2u);
  for (const QUrl& url : links_.Opened())
    EXPECT_EQ(url.toLocalFile().toStdString(), chart.string());
  EXPECT_EQ(host_->StatusText().toStdString(),
            "Kommunikationsdiagramm gespeichert: " + chart.string());
  EXPECT_TRUE(boxes_.empty()) << boxes_.front().strText.toStdString();
}

// A plan of 400 tasks is too long for the chart's one page even at the smallest scale: it is
// printed on several pages, and the preview shows each of them. "Ansicht" offers the zoom
// bar's "Seitenbreite" and "100 %" (Ctrl+0).
TEST_F(ChartRunTest, AChartOfSeveralPagesIsPreviewedWholeAndZoomedFromAnsicht) {
  testsupport::PlanXml objPlan;
  objPlan.Resource("Anna").Resource("Bernd");
  for (int i = 1; i <= 400; ++i) {
    objPlan.Task("Vorgang " + std::to_string(i), 1,
                 {{testsupport::kText21, i % 2 == 0 ? "Anna" : "Bernd"}});
  }
  StartHost();
  ASSERT_TRUE(host_->OpenPlan(QString::fromStdString(objPlan.Write(dir_).string())));
  FinishWizardInto(dir_ / "Lang.xlsx");
  gui::ChartPreview& preview = host_->Preview();
  ASSERT_TRUE(preview.HasChart());
  const excel::PageDocument& document = *preview.Document();
  ASSERT_GT(document.pages.size(), 1u);
  EXPECT_DOUBLE_EQ(document.pages.front().dblScale, 0.1);
  EXPECT_EQ(preview.PageCount(), static_cast<int>(document.pages.size()));
  // The last page is shown below the first: scrolled to the end, the view shows it.
  QScrollBar& down = *preview.View().verticalScrollBar();
  down.setValue(down.maximum());
  EXPECT_EQ(preview.PageAt(
                {preview.View().viewport()->width() / 2, preview.View().viewport()->height() - 30}),
            preview.PageCount() - 1);

  EXPECT_THAT(MenuTexts(host_->ViewMenu()),
              testing::ElementsAre("Diagramm ver&größern", "Diagramm ver&kleinern",
                                   "Diagramm an &Fenster anpassen", "Seiten&breite", "&100 %"));
  auto entry = [&](const char* strText) {
    for (QAction* action : host_->ViewMenu().actions()) {
      if (action->text() == QString::fromUtf8(strText)) return action;
    }
    ADD_FAILURE() << strText;
    return host_->ViewMenu().actions().front();
  };
  host_->Sheets().setCurrentIndex(0);
  entry("&100 %")->trigger();
  EXPECT_EQ(host_->Sheets().currentWidget(), &preview);
  EXPECT_DOUBLE_EQ(preview.Zoom(), 1.0);
  EXPECT_EQ(entry("&100 %")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
  // "Seitenbreite": the widest page fills the view, without a scroll bar across.
  entry("Seiten&breite")->trigger();
  ProcessEvents();
  const double dblWidth = preview.Zoom();
  EXPECT_FALSE(preview.View().horizontalScrollBar()->isVisible());
  EXPECT_GT(preview.View().widget()->width(), preview.View().viewport()->width() * 9 / 10);
  // A page of the long chart is narrow and tall: the whole page fits at a smaller zoom.
  entry("Diagramm an &Fenster anpassen")->trigger();
  EXPECT_LT(preview.Zoom(), dblWidth);
  EXPECT_LE(preview.View().widget()->width(), preview.View().viewport()->width());
  guitest::SaveShot(*host_, "host-preview-pages");
}

// The chart of the example plan alone in a folder lacks its inserted project: the status bar
// says so after the run too.
TEST_F(ChartRunTest, AChartWithoutAnInsertedProjectSaysSoInTheStatusBar) {
  std::filesystem::copy_file(ExamplePlan(), dir_ / "Markteinfuehrung.xml");
  StartHost();
  ASSERT_TRUE(host_->OpenPlan(QString::fromStdString((dir_ / "Markteinfuehrung.xml").string())));
  const std::filesystem::path chart = dir_ / "Diagramm.xlsx";
  FinishWizardInto(chart);
  ASSERT_TRUE(std::filesystem::exists(chart));
  const std::string strNotice =
      "Hinweis: Das eingefügte Projekt „Schulung.mpp“ (Vorgang 32 „Vertriebsschulung“) wurde "
      "nicht gefunden; seine Ressourcen fehlen im Diagramm.";
  EXPECT_EQ(host_->StatusText().toStdString(),
            "Kommunikationsdiagramm gespeichert: " + chart.string() + " – " + strNotice);
  EXPECT_EQ(host_->StatusToolTip().toStdString(), strNotice);
}

// A plan of Microsoft Project's own format (a .mpp of Project 2019 with tasks and resources)
// gives its chart from the desktop as its XML does.
TEST_F(ChartRunTest, AMppPlanGivesItsChart) {
  const std::filesystem::path data = testsupport::FixturesDir() / "mpp";
  testsupport::PlanOfTwo(data / "task-dates-project2019-mpp14.mpp",
                         data / "resource-text-project2019-mpp14.mpp", dir_ / "Plan.mpp");
  StartHost();
  ASSERT_TRUE(host_->OpenPlan(QString::fromStdString((dir_ / "Plan.mpp").string())));
  const std::filesystem::path chart = dir_ / "Plan.xlsx";
  FinishWizardInto(chart);
  EXPECT_TRUE(boxes_.empty()) << boxes_.front().strText.toStdString();
  ASSERT_TRUE(std::filesystem::exists(chart));
  EXPECT_EQ(host_->StatusText().toStdString(),
            "Kommunikationsdiagramm gespeichert: " + chart.string());
  EXPECT_TRUE(host_->Preview().HasChart());
}

}  // namespace
