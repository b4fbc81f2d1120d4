// What the host window keeps of itself across starts: its place and size, its tab and the
// chart's zoom, in its own file beside the command bars' file; a place off every screen comes
// back onto the screen.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTableView>
#include <filesystem>
#include <string>
#include <vector>

#include "frontend/gui/HostTesting.h"
#include "gui/forms/FormView.h"
#include "gui/host/WindowMemory.h"
#include "gui/preview/ChartPreview.h"
#include "platform/office/CommandBars.h"
#include "platform/registry/HiveFile.h"
#include "wizard/frmQuorvan.h"

namespace {

using guitest::ExamplePlan;
using guitest::HostTest;

class WindowMemoryTest : public HostTest {
 protected:
  // Starts the program with the example plan and writes its chart from the wizard.
  gui::HostWindow& StartWithChart() {
    gui::HostWindow& host = StartHost();
    EXPECT_TRUE(host.OpenPlan(QString::fromStdString(ExamplePlan().string())));
    frontEnd_.OnFormShown = [this](gui::FormView& view) {
      auto& frm = dynamic_cast<frmQuorvan&>(view.Form());
      frm.txtChartPath.Text((dir_ / "Diagramm.xlsx").string());
      frm.cmdFinish.Click();
      frm.cmdFinish.Click();
    };
    host.CommandBarAction("QuorvanWizard")->trigger();
    frontEnd_.OnFormShown = nullptr;
    ProcessEvents();
    EXPECT_TRUE(host.Preview().HasChart());
    return host;
  }
};

TEST_F(WindowMemoryTest, PlaceSizeTabAndZoomAreKeptAcrossStarts) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect place(screen.left() + 30, screen.top() + 40, screen.width() - 100,
                    screen.height() - 90);
  {
    gui::HostWindow& host = StartWithChart();
    host.Preview().SetZoom(2.0);
    host.setGeometry(place);
    host.Sheets().setCurrentWidget(&host.ResourceSheet());
  }
  EndHost();
  // Beside the command bars, in the test's own folder: never the user's.
  EXPECT_EQ(gui::WindowMemoryPath().parent_path(), office::CommandBarsFilePath().parent_path());
  EXPECT_EQ(gui::WindowMemoryPath().parent_path(), registry::RegistryFilePath().parent_path());
  EXPECT_TRUE(std::filesystem::exists(gui::WindowMemoryPath()));
  {
    gui::HostWindow& host = StartHost();
    EXPECT_EQ(host.geometry(), place);
    EXPECT_EQ(host.Sheets().currentWidget(), static_cast<QWidget*>(&host.ResourceSheet()));
  }
  // The next chart is shown at the zoom kept; fitted to its width, it is shown so next time.
  {
    gui::HostWindow& host = StartWithChart();
    EXPECT_EQ(host.Preview().Zoom(), 2.0);
    EXPECT_EQ(host.Preview().Fitting(), gui::ChartPreview::Fit::None);
    host.Preview().FitToWidth();
  }
  EndHost();
  EXPECT_EQ(StartWithChart().Preview().Fitting(), gui::ChartPreview::Fit::Width);
  // Fitted whole (as a chart is shown first), it stays so.
  host_->Preview().FitToWindow();
  EndHost();
  EXPECT_EQ(StartWithChart().Preview().Fitting(), gui::ChartPreview::Fit::Whole);

  // Maximized, it comes back maximized, and unmaximized as large as before.
  host_->setGeometry(place);
  host_->showMaximized();
  EndHost();
  {
    gui::HostWindow& host = StartHost();
    EXPECT_TRUE(host.isMaximized());
    host.showNormal();
    ProcessEvents();
    EXPECT_EQ(host.geometry(), place);
  }

  // Left far off the screen (a screen since unplugged), the window comes back onto it.
  host_->setGeometry(QRect(QPoint(screen.right() + 2000, screen.bottom() + 1500), place.size()));
  EndHost();
  const QRect back = StartHost().geometry();
  EXPECT_TRUE(screen.contains(back)) << back.x() << "," << back.y();
  EXPECT_EQ(back.size(), place.size());
}

TEST(WindowPlace, AWindowWhoseTopEdgeIsOnNoScreenComesBackOntoThePrimaryScreen) {
  const QList<QRect> colScreens{QRect(0, 0, 1920, 1040), QRect(1920, 0, 1280, 1024)};
  struct Case {
    QRect geometry;
    QRect expected;
  };
  const std::vector<Case> colCases{
      // On the first screen, on the second, partly off the right edge: stays.
      {{100, 80, 800, 600}, {100, 80, 800, 600}},
      {{2000, 30, 900, 700}, {2000, 30, 900, 700}},
      {{3000, 500, 900, 700}, {3000, 500, 900, 700}},
      // Beyond the screens, above them (its title bar out of reach), below them: centred on
      // the primary screen.
      {{5000, 300, 800, 600}, {560, 220, 800, 600}},
      {{100, -500, 800, 400}, {560, 320, 800, 400}},
      {{100, 1100, 800, 400}, {560, 320, 800, 400}},
      // Larger than the screen as well: no larger than it.
      {{-4000, 0, 2500, 1500}, {0, 0, 1920, 1040}},
  };
  for (const Case& c : colCases) {
    EXPECT_EQ(gui::OnScreen(c.geometry, colScreens), c.expected)
        << c.geometry.x() << "," << c.geometry.y();
  }
}

}  // namespace
