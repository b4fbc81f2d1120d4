// The tab "Rollen" at the chart's limits: a plan of 20,000 tasks and 200 resources (three roles
// per task) opened in the matrix in a window of 1400 × 1000 pixels, scrolled a page at a time
// down and across, and cells clicked. Timed: the opening from the plan handed to the tab to
// its first picture, each scroll step until the view is painted anew, each click until what
// it changed (the cell, the selection, the headings) is painted.
//
//   bench_role_matrix [TASKS [RESOURCES]]    (default 20,000 and 200)
//
// Goals: opened in under 0.5 s; a scroll step, and a click, under 16 ms (a frame at 60 Hz).
// Runs on Qt's offscreen platform unless QT_QPA_PLATFORM names another.

#include <unistd.h>

#include <QApplication>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ExportPlan.h"
#include "gui/roles/RoleEditor.h"
#include "gui/roles/RoleMatrixModel.h"
#include "gui/roles/RoleMatrixView.h"
#include "gui/roles/RoleTab.h"
#include "platform/msproject/Application.h"

namespace {

namespace fs = std::filesystem;

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Longest(const std::vector<double>& values) {
  return *std::max_element(values.begin(), values.end());
}

// From the step to its picture: the parts of the window it marked for painting painted; with
// blnWhole the whole widget painted anew besides.
template <class Step>
double Timed(QWidget& painted, bool blnWhole, Step&& step) {
  const auto start = std::chrono::steady_clock::now();
  step();
  QApplication::processEvents();
  if (blnWhole) painted.repaint();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int intTasks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20000;
  const int intResources = argc > 2 ? std::max(1, std::atoi(argv[2])) : 200;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  const fs::path dir =
      fs::temp_directory_path() / ("quorvan-bench-roles-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  // The stored defaults of a registry of its own: Text21, Text22, Text23.
  ::setenv("QUORVAN_REGISTRY", (dir / "HKCU.reg").c_str(), 1);
  QApplication app(argc, argv);

  const fs::path plan = dir / "Plan.xml";
  benchexport::WriteExportPlan(plan, intTasks, intResources);
  msproject::Application objHost;
  objHost.FileOpen(plan);

  gui::RoleEditor editor;
  gui::RoleTab tab(editor);
  tab.resize(1400, 1000);
  tab.show();
  QApplication::processEvents();
  gui::RoleMatrixView& matrix = tab.Matrix();

  const double dblOpen = Timed(tab, true, [&] { editor.SetProject(&objHost.ActiveProject()); });

  std::vector<double> colScroll;
  QScrollBar& down = *matrix.verticalScrollBar();
  for (int i = 0; i < 60; ++i) {
    colScroll.push_back(Timed(*matrix.viewport(), true, [&] {
      down.setValue(down.value() + down.pageStep() * (i < 30 ? 1 : 13));
    }));
  }
  QScrollBar& across = *matrix.horizontalScrollBar();
  for (int i = 0; i < 20; ++i) {
    colScroll.push_back(Timed(*matrix.viewport(), true, [&] {
      across.setValue(i < 10 ? across.value() + across.pageStep()
                             : across.value() - across.pageStep());
    }));
  }

  std::vector<double> colClicks;
  const QAbstractItemModel& model = *matrix.model();
  for (int i = 0; i < 30; ++i) {
    const QModelIndex first = matrix.indexAt(QPoint(2, 2));
    const QModelIndex cell = model.index(first.row() + i % 20, first.column() + i % 7);
    colClicks.push_back(Timed(*matrix.viewport(), false, [&] {
      QTest::mouseClick(matrix.viewport(), Qt::LeftButton, {}, matrix.visualRect(cell).center());
    }));
  }
  std::vector<double> colClicksWhole;
  for (int i = 0; i < 30; ++i) {
    const QModelIndex first = matrix.indexAt(QPoint(2, 2));
    const QModelIndex cell = model.index(first.row() + i % 20, first.column() + i % 7);
    colClicksWhole.push_back(Timed(*matrix.viewport(), true, [&] {
      QTest::mouseClick(matrix.viewport(), Qt::LeftButton, {}, matrix.visualRect(cell).center());
    }));
  }
  fs::remove_all(dir);

  std::printf("%d Vorgänge × %d Ressourcen\n", intTasks, intResources);
  std::printf("%-34s %8s %8s %s\n", "Sekunden", "median", "längster", "Ziel");
  std::printf("%-34s %8.3f %8.3f unter 0.5 s\n", "Öffnen bis zum ersten Bild", dblOpen, dblOpen);
  std::printf("%-34s %8.4f %8.4f unter 0.016 s\n", "Blättern (Seite)", Median(colScroll),
              Longest(colScroll));
  std::printf("%-34s %8.4f %8.4f unter 0.016 s\n", "Klick bis zum neuen Bild", Median(colClicks),
              Longest(colClicks));
  std::printf("%-34s %8.4f %8.4f\n", "Klick, das ganze Bild neu gemalt", Median(colClicksWhole),
              Longest(colClicksWhole));
  return dblOpen < 0.5 && Longest(colClicks) < 0.016 && Median(colScroll) < 0.016 ? 0 : 1;
}
