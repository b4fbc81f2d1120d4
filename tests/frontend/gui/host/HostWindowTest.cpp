// The host window with a plan: its title and sheets, a plan that cannot be read, the recent
// plans of the "Datei" menu, inserted projects that could not be read.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCommandLinkButton>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <tuple>
#include <utility>

#include "frontend/gui/HostTesting.h"
#include "gui/host/OutlineDelegate.h"
#include "gui/host/StartPage.h"
#include "support/PlanXml.h"
#include "support/TextFields.h"

namespace {

using guitest::ExamplePlan;
using guitest::HostTest;
using testing::ElementsAre;

QString Cell(const QTableView& sheet, int intRow, int intColumn) {
  return sheet.model()->index(intRow, intColumn).data().toString();
}

std::vector<QString> Captions(const QTableView& sheet) {
  std::vector<QString> colCaptions;
  for (int i = 0; i < sheet.model()->columnCount(); ++i) {
    colCaptions.push_back(sheet.model()->headerData(i, Qt::Horizontal).toString());
  }
  return colCaptions;
}

// The rows of the task sheet whose task names carry a warning sign, by task ID, with their
// tooltips; every cell of such a row has the tooltip, and no other row has one.
std::map<int, QString> MarkedRows(const QTableView& sheet) {
  std::map<int, QString> colMarked;
  const QAbstractItemModel& model = *sheet.model();
  for (int intRow = 0; intRow < model.rowCount(); ++intRow) {
    const QString strTip = model.index(intRow, 0).data(Qt::ToolTipRole).toString();
    for (int intColumn = 1; intColumn < model.columnCount(); ++intColumn) {
      EXPECT_EQ(model.index(intRow, intColumn).data(Qt::ToolTipRole).toString(), strTip);
    }
    if (strTip.isEmpty()) continue;
    const QVariant sign = model.index(intRow, 1).data(Qt::DecorationRole);
    EXPECT_TRUE(sign.isValid()) << intRow;
    EXPECT_FALSE(sign.value<QIcon>().isNull());
    colMarked[Cell(sheet, intRow, 0).toInt()] = strTip;
  }
  return colMarked;
}

// How far right the name of a row is drawn, in pixels from its cell's left edge: the first
// column of the cell's picture that differs from the empty cell's background.
int TextIndent(QTableView& sheet, int intRow) {
  sheet.scrollTo(sheet.model()->index(intRow, 1));
  const QRect cell = sheet.visualRect(sheet.model()->index(intRow, 1));
  const QImage image = sheet.viewport()->grab(cell).toImage();
  const QRgb background = image.pixel(image.width() - 1, image.height() / 2);
  for (int x = 0; x < image.width(); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (image.pixel(x, y) != background) return x;
    }
  }
  return -1;
}

class HostWindowTest : public HostTest {};

TEST_F(HostWindowTest, TheExamplePlanShowsItsTasksAndResources) {
  gui::HostWindow& host = StartHost();
  EXPECT_EQ(host.windowTitle(), "Quorvan");
  EXPECT_EQ(host.TaskSheet().model()->rowCount(), 0);

  // Dropped on the window from a file manager.
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(ExamplePlan().string()))});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&host, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&host, &drop);
  EXPECT_EQ(host.windowTitle(), "Markteinfuehrung.xml – Quorvan");
  EXPECT_EQ(host.Sheets().tabText(0), "&Vorgänge");
  EXPECT_EQ(host.Sheets().tabText(1), "&Ressourcen");

  // The text fields that hold values in this plan, and no others.
  QTableView& tasks = host.TaskSheet();
  // The plan names its fields: the names follow the field's own.
  EXPECT_THAT(Captions(tasks),
              ElementsAre("ID", "Name", "PSP-Code", "Anfang", "Ende", "Dauer", "Text20 – Ziele",
                          "Text21 – Verantwortlich", "Text22 – Beteiligt",
                          "Text23 – Wird informiert", "Text24 – Status", "Text25 – Bemerkungen"));
  EXPECT_EQ(tasks.model()->rowCount(), 41);
  // Task 3, as the German host shows it.
  EXPECT_EQ(Cell(tasks, 2, 0), "3");
  EXPECT_EQ(Cell(tasks, 2, 1), "Wettbewerbsanalyse");
  EXPECT_EQ(Cell(tasks, 2, 2), "2.1");
  EXPECT_EQ(Cell(tasks, 2, 3), "Mo 02.03.26");
  EXPECT_EQ(Cell(tasks, 2, 5), "5 Tage");
  EXPECT_EQ(Cell(tasks, 2, 6), "Stärken und Schwächen von fünf Wettbewerbern");
  EXPECT_EQ(Cell(tasks, 2, 7), "Markus Klein");
  // Row 10 is a blank row of the plan.
  for (int intColumn = 0; intColumn < tasks.model()->columnCount(); ++intColumn) {
    EXPECT_EQ(Cell(tasks, 9, intColumn), "") << intColumn;
  }
  EXPECT_EQ(Cell(tasks, 10, 0), "11");
  // The outline: the milestone "Projektstart" marked, the summary task "Marktanalyse" bold,
  // its tasks a step further right, theirs two; as drawn, not only as the model says.
  const std::map<int, std::tuple<bool, bool, int>> outline = {{0, {false, true, 1}},
                                                              {1, {true, false, 1}},
                                                              {2, {false, false, 2}},
                                                              {4, {true, false, 2}},
                                                              {5, {false, false, 3}}};
  for (const auto& [intRow, expected] : outline) {
    const QModelIndex name = tasks.model()->index(intRow, 1);
    const auto& [blnBold, blnMilestone, intLevel] = expected;
    EXPECT_EQ(name.data(Qt::FontRole).value<QFont>().bold(), blnBold) << intRow;
    EXPECT_EQ(tasks.model()->index(intRow, 3).data(Qt::FontRole).value<QFont>().bold(), blnBold);
    EXPECT_EQ(name.data(Qt::DecorationRole).isValid(), blnMilestone) << intRow;
    EXPECT_EQ(TextIndent(tasks, intRow) / gui::OutlineDelegate::Indentation(&tasks), intLevel - 1)
        << intRow;
  }

  // The resources under their groups, in the order the plan names the groups.
  const QTableView& resources = host.ResourceSheet();
  EXPECT_THAT(Captions(resources), ElementsAre("ID", "Name"));
  std::vector<QString> colRows;
  for (int intRow = 0; intRow < resources.model()->rowCount(); ++intRow) {
    const bool blnGroup = resources.columnSpan(intRow, 0) == 2;
    EXPECT_EQ(resources.model()->index(intRow, 0).data(Qt::FontRole).value<QFont>().bold(),
              blnGroup);
    colRows.push_back(blnGroup ? "# " + Cell(resources, intRow, 0)
                               : Cell(resources, intRow, 0) + " " + Cell(resources, intRow, 1));
  }
  EXPECT_THAT(
      colRows,
      ElementsAre("# Geschäftsleitung (2 Ressourcen)", "1 Dr. Petra Hansen", "2 Thomas Brandt",
                  "# Marketing (3 Ressourcen)", "3 Julia Werner", "4 Markus Klein", "5 Sabine Roth",
                  "# Entwicklung (3 Ressourcen)", "6 Stefan Wolf", "7 Anna Lehmann",
                  "8 Jonas Becker", "# Vertrieb (4 Ressourcen)", "9 Claudia Fischer",
                  "10 Michael Schulz", "11 Laura Neumann", "12 Tobias Braun",
                  "# Ohne Gruppe (1 Ressource)", "13 Agentur Nordlicht"));
  EXPECT_TRUE(boxes_.empty());
}

// Before any plan: the start page, whose button opens the open dialog and whose recent plans
// open with a click; the first plan takes the start page away.
TEST_F(HostWindowTest, TheStartPageOpensAPlanFromTheDialogOrFromTheRecentPlans) {
  const std::string strExample = testsupport::ReadFile(ExamplePlan());
  for (const char* strName : {"A.xml", "B.xml"}) testsupport::WriteFile(dir_ / strName, strExample);
  const QString strA = QString::fromStdString((dir_ / "A.xml").string());
  const QString strB = QString::fromStdString((dir_ / "B.xml").string());
  {
    gui::HostWindow& host = StartHost();
    EXPECT_TRUE(host.Home().isVisible());
    EXPECT_FALSE(host.Sheets().isVisible());
    EXPECT_TRUE(host.Home().RecentButtons().empty());
    auto* hint = host.Home().findChild<QLabel*>("dropHint");
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(hint->text(), "oder einen Projektplan hierher ziehen");
    EXPECT_TRUE(hint->isVisible());
    int intDialogs = 0;
    host_->OnDialog = [&](QDialog& dialog) {
      ++intDialogs;
      dynamic_cast<QFileDialog&>(dialog).selectFile(strA);
      dialog.accept();
    };
    QTest::mouseClick(&host.Home().OpenButton(), Qt::LeftButton);
    EXPECT_EQ(intDialogs, 1);
    EXPECT_EQ(host.windowTitle(), "A.xml – Quorvan");
    EXPECT_FALSE(host.Home().isVisible());
    EXPECT_TRUE(host.Sheets().isVisible());
    ASSERT_TRUE(host.OpenPlan(strB));
  }
  EndHost();

  gui::HostWindow& host = StartHost();
  const auto& colRecent = host.Home().RecentButtons();
  ASSERT_EQ(colRecent.size(), 2u);
  EXPECT_EQ(colRecent[0]->text(), "B.xml");
  EXPECT_EQ(colRecent[1]->text(), "A.xml");
  EXPECT_EQ(colRecent[1]->description(), QString::fromStdString(dir_.Path().string()));
  EXPECT_TRUE(colRecent[1]->isVisible());
  QTest::mouseClick(colRecent[1], Qt::LeftButton);
  EXPECT_EQ(host.windowTitle(), "A.xml – Quorvan");
  EXPECT_EQ(host.TaskSheet().model()->rowCount(), 41);
  EXPECT_TRUE(host.Sheets().isVisible());
  EXPECT_TRUE(boxes_.empty());
}

// The menus and toolbars hold what works: the host's entries that the window offers no
// command for are not shown, each one shown does its work, and an entry shown disabled says
// why.
TEST_F(HostWindowTest, EveryEntryShownWorksOrSaysWhyNot) {
  for (const bool blnPlan : {false, true}) {
    gui::HostWindow& host = StartHost();
    if (blnPlan) {
      ASSERT_TRUE(host.OpenPlan(QString::fromStdString(ExamplePlan().string())));
    }
    EXPECT_THAT(DisabledEntries(host, true), testing::IsEmpty());
    std::vector<QString> colDisabled{"&Zuletzt erstelltes Diagramm öffnen",
                                     "&Diagramm speichern unter…"};
    if (!blnPlan) colDisabled.insert(colDisabled.begin(), {"&Speichern", "Speichern &unter…"});
    EXPECT_EQ(DisabledEntries(host), colDisabled);
    // No chart, no zoom.
    EXPECT_FALSE(host.ViewMenu().menuAction()->isVisible());

    // The host's own entries in "Extras" and on its toolbars each open their dialog.
    std::vector<QAction*> colHostEntries;
    for (QAction* action : host.ExtrasMenu().actions()) colHostEntries.push_back(action);
    std::vector<QString> colToolbars;
    for (QToolBar* toolbar : host.findChildren<QToolBar*>()) {
      if (!toolbar->isVisibleTo(&host)) continue;
      colToolbars.push_back(toolbar->objectName());
      for (QAction* action : toolbar->actions()) {
        colHostEntries.push_back(action);
        EXPECT_FALSE(action->icon().isNull()) << action->text().toStdString();
        auto* button = qobject_cast<QToolButton*>(toolbar->widgetForAction(action));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
      }
    }
    EXPECT_THAT(colToolbars, testing::UnorderedElementsAre("Standard", "Quorvan"));
    std::vector<QString> colOpened;
    for (QAction* action : colHostEntries) {
      if (action->isSeparator() || action->text() == "&Quorvan Assistent") continue;
      host.OnDialog = [&](QDialog& dialog) {
        colOpened.push_back(action->text() + " → " + dialog.windowTitle());
        dialog.reject();
      };
      action->trigger();
      host.OnDialog = nullptr;
    }
    EXPECT_THAT(colOpened, ElementsAre("COM-Add-&Ins... → COM-Add-Ins", "Ö&ffnen → Öffnen"));
  }
  // The themed icon of "Öffnen" comes from the theme the package depends on, when the desktop
  // names none.
  EXPECT_FALSE(QIcon::fromTheme("document-open").isNull());
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(HostWindowTest, AVeryLongTaskNameIsCutSoThatTheOtherColumnsStayInView) {
  gui::HostWindow& host = StartHost();
  host.resize(1200, 700);
  testsupport::TempDir dir;
  const auto plan = testsupport::PlanXml()
                        .Task(std::string(5000, 'x'), 1, {{testsupport::kText21, "Anna"}})
                        .Resource("Anna")
                        .Write(dir);
  ASSERT_TRUE(host.OpenPlan(QString::fromStdString(plan.string())));
  const QTableView& tasks = host.TaskSheet();
  const int intLast = tasks.model()->columnCount() - 1;
  ASSERT_GT(intLast, 3);
  // Every column begins within the window; the cell keeps the whole name and shows it cut.
  EXPECT_LT(tasks.columnViewportPosition(intLast), host.width())
      << "name column " << tasks.columnWidth(1) << " px";
  EXPECT_EQ(Cell(tasks, 0, 1).size(), 5000);
  EXPECT_FALSE(tasks.wordWrap());
}

TEST_F(HostWindowTest, APlanThatCannotBeReadIsReportedAndTheWindowStaysAsItWas) {
  gui::HostWindow& host = StartHost();
  ASSERT_TRUE(host.OpenPlan(QString::fromStdString(ExamplePlan().string())));
  const auto colRecent = MenuTexts(host.FileMenu());

  EXPECT_FALSE(host.OpenPlan(QString::fromStdString((DataDir() / "Defekt.xml").string())));
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].strTitle, "Quorvan");
  EXPECT_EQ(boxes_[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(boxes_[0].strText.startsWith("Die Projektdatei „Defekt.xml“ konnte nicht gelesen"))
      << boxes_[0].strText.toStdString();
  EXPECT_EQ(host.windowTitle(), "Markteinfuehrung.xml – Quorvan");
  EXPECT_EQ(host.TaskSheet().model()->rowCount(), 41);
  EXPECT_EQ(Cell(host.TaskSheet(), 2, 1), "Wettbewerbsanalyse");
  EXPECT_EQ(MenuTexts(host.FileMenu()), colRecent);
}

TEST_F(HostWindowTest, TheLastFourPlansAreOfferedNewestFirstAtTheNextStart) {
  const std::string strExample = testsupport::ReadFile(ExamplePlan());
  auto plan = [&](const char* strName) {
    const auto path = dir_ / (std::string(strName) + ".xml");
    if (!std::filesystem::exists(path)) testsupport::WriteFile(path, strExample);
    return QString::fromStdString(path.string());
  };
  {
    gui::HostWindow& host = StartHost();
    // The menu's own way: the open dialog.
    host_->OnDialog = [&](QDialog& dialog) {
      auto& files = dynamic_cast<QFileDialog&>(dialog);
      EXPECT_EQ(files.nameFilters().front(), "Microsoft Project (*.mpp *.mpx *.xml)");
      files.selectFile(plan("A"));
      dialog.accept();
    };
    host.OpenAction().trigger();
    for (const char* strName : {"B", "C", "D", "E", "B"}) ASSERT_TRUE(host.OpenPlan(plan(strName)));
  }
  EndHost();

  gui::HostWindow& host = StartHost();
  std::vector<QString> colRecent;
  for (const QAction* action : host.RecentActions()) {
    if (action->isVisible()) colRecent.push_back(action->text());
  }
  EXPECT_THAT(colRecent, ElementsAre("&1 " + plan("B"), "&2 " + plan("E"), "&3 " + plan("D"),
                                     "&4 " + plan("C")));
  host.RecentActions()[1]->trigger();
  EXPECT_EQ(host.windowTitle(), "E.xml – Quorvan");
  EXPECT_EQ(host.RecentActions()[0]->text(), "&1 " + plan("E"));
}

// Microsoft Project's own files open as its XML does: dropped on the window or from the menu,
// and kept among the recent plans.
TEST_F(HostWindowTest, MppAndMpxPlansOpenAndAreKeptAmongTheRecentPlans) {
  const std::filesystem::path data = testsupport::FixturesDir() / "mpp";
  std::filesystem::copy_file(data / "task-text-project2003-mpp9.mpp", dir_ / "Texte.mpp");
  std::filesystem::copy_file(data / "resource-misc-project98.mpx", dir_ / "Personal.mpx");
  const QString strMpp = QString::fromStdString((dir_ / "Texte.mpp").string());
  gui::HostWindow& host = StartHost();
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(strMpp)});
  QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&host, &enter);
  EXPECT_TRUE(enter.isAccepted());
  QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&host, &drop);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_EQ(host.windowTitle(), "Texte.mpp – Quorvan");
  const QTableView& tasks = host.TaskSheet();
  EXPECT_EQ(tasks.model()->rowCount(), 30);
  EXPECT_EQ(Cell(tasks, 0, 1), "Text1");
  EXPECT_EQ(Captions(tasks).at(6), "Text1");
  EXPECT_EQ(Cell(tasks, 0, 6), "1");

  ASSERT_TRUE(host.OpenPlan(QString::fromStdString((dir_ / "Personal.mpx").string())));
  EXPECT_EQ(host.windowTitle(), "Personal.mpx – Quorvan");
  EXPECT_EQ(host.RecentActions()[0]->text(),
            "&1 " + QString::fromStdString((dir_ / "Personal.mpx").string()));
  EXPECT_EQ(host.RecentActions()[1]->text(), "&2 " + strMpp);
}

// The example plan alone in a folder, and a plan whose inserted project inserts one that is
// missing: said in the status bar as soon as the plan is open, the notices in its tooltip and
// on the task row through which each is inserted.
TEST_F(HostWindowTest, MissingInsertedProjectsAreNamedWhenThePlanOpens) {
  std::filesystem::copy_file(ExamplePlan(), dir_ / "Markteinfuehrung.xml");
  gui::HostWindow& host = StartHost();
  ASSERT_TRUE(host.OpenPlan(QString::fromStdString((dir_ / "Markteinfuehrung.xml").string())));
  const QString strSchulung =
      "Hinweis: Das eingefügte Projekt „Schulung.mpp“ (Vorgang 32 „Vertriebsschulung“) wurde "
      "nicht gefunden; seine Ressourcen fehlen im Diagramm.";
  EXPECT_EQ(host.StatusText(), strSchulung);
  EXPECT_EQ(host.StatusToolTip(), strSchulung);
  EXPECT_THAT(MarkedRows(host.TaskSheet()), ElementsAre(std::pair{32, strSchulung}));

  testsupport::PlanXml().Task("M").InsertedProject("Tief", "C:\\Tief.mpp").Write(dir_, "Mitte.xml");
  testsupport::PlanXml()
      .Task("A")
      .InsertedProject("Mitte", "Mitte.xml")
      .InsertedProject("Fehlt", "Fehlt.xml")
      .Write(dir_);
  ASSERT_TRUE(host.OpenPlan(QString::fromStdString((dir_ / "Plan.xml").string())));
  const QString strTief =
      "Hinweis: Das eingefügte Projekt „Tief.mpp“ (Vorgang 2 „Tief“ in „Mitte.xml“) wurde nicht "
      "gefunden; seine Ressourcen fehlen im Diagramm.";
  const QString strFehlt =
      "Hinweis: Das eingefügte Projekt „Fehlt.xml“ (Vorgang 3 „Fehlt“) wurde nicht gefunden; "
      "seine Ressourcen fehlen im Diagramm.";
  EXPECT_EQ(host.StatusText(),
            "Hinweis: 2 eingefügte Projekte konnten nicht gelesen werden; ihre Ressourcen fehlen "
            "im Diagramm.");
  EXPECT_EQ(host.StatusToolTip(), strTief + "\n" + strFehlt);
  EXPECT_THAT(MarkedRows(host.TaskSheet()),
              ElementsAre(std::pair{2, strTief}, std::pair{3, strFehlt}));

  // Beside its inserted project the plan is whole: nothing is said or marked.
  ASSERT_TRUE(host.OpenPlan(QString::fromStdString(ExamplePlan().string())));
  EXPECT_EQ(host.StatusText(), "");
  EXPECT_EQ(host.StatusToolTip(), "");
  EXPECT_TRUE(MarkedRows(host.TaskSheet()).empty());
  EXPECT_TRUE(boxes_.empty());
}

}  // namespace
