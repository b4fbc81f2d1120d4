#include <gtest/gtest.h>

#include "platform/excel/Application.h"
#include "platform/excel/Error.h"
#include "platform/excel/Font.h"

namespace excel {
namespace {

TEST(Application, StartsInvisibleAndAddsNumberedWorkbooksWithGermanSheetNames) {
  Application app;
  EXPECT_FALSE(app.Visible());
  EXPECT_EQ(app.Cursor(), xlDefault);
  EXPECT_EQ(app.Workbooks().Count(), 0);
  Workbook& first = app.Workbooks().Add();
  EXPECT_EQ(first.FullName(), "Mappe1");
  EXPECT_EQ(first.WorksheetCount(), 3);
  EXPECT_EQ(first.Worksheets(2).Name(), "Tabelle2");
  app.SheetsInNewWorkbook(1);
  Workbook& second = app.Workbooks().Add();
  EXPECT_EQ(second.FullName(), "Mappe2");
  EXPECT_EQ(second.WorksheetCount(), 1);
  EXPECT_EQ(app.Workbooks().Count(), 2);
  EXPECT_EQ(&app.Workbooks().Item(2), &second);
  std::vector<std::string> names;
  for (Workbook& workbook : app.Workbooks()) names.push_back(workbook.FullName());
  EXPECT_EQ(names, (std::vector<std::string>{"Mappe1", "Mappe2"}));
  EXPECT_EQ(&app.ActiveSheet(), &second.Worksheets(1)) << "the last workbook added is active";
  app.Cells(2, 3).Value("x");
  EXPECT_EQ(std::get<std::string>(second.Worksheets(1).Range("C2").Value()), "x");
}

TEST(Application, RefusesValuesOutsideTheirSets) {
  Application app;
  EXPECT_THROW(app.Cursor(4), Error);
  app.Cursor(xlWait);
  EXPECT_EQ(app.Cursor(), xlWait);
  EXPECT_THROW(app.SheetsInNewWorkbook(0), Error);
  EXPECT_THROW(app.SheetsInNewWorkbook(256), Error);
  EXPECT_THROW(app.ActiveSheet(), Error) << "no workbook is open";
  EXPECT_THROW(app.Workbooks().Item(1), Error);
  EXPECT_DOUBLE_EQ(app.CentimetersToPoints(2.54), 72.0);
  EXPECT_NEAR(app.CentimetersToPoints(2), 56.6929, 1e-4);
}

TEST(Workbook, PaletteStartsAsExcelsAndTakesRgbColours) {
  Application app;
  Workbook& book = app.Workbooks().Add();
  EXPECT_EQ(book.Colors(1), 0x000000);
  EXPECT_EQ(book.Colors(3), 0x0000FF) << "red, in the low byte";
  EXPECT_EQ(book.Colors(40), 0x99CCFF) << "Excel's #FFCC99";
  EXPECT_EQ(book.Colors(56), 0x333333);
  book.Colors(40, 0x123456);
  EXPECT_EQ(book.Colors(40), 0x123456);
  EXPECT_THROW(book.Colors(0), Error);
  EXPECT_THROW(book.Colors(57), Error);
  EXPECT_THROW(book.Colors(0, 0), Error);
  EXPECT_THROW(book.Colors(1, -1), Error);
  EXPECT_THROW(book.Colors(1, 0x1000000), Error);
  EXPECT_EQ(book.Colors(1), 0x000000) << "a refused colour changes nothing";
}

TEST(Workbook, OnlyWindowOneAndExistingSheets) {
  Application app;
  app.SheetsInNewWorkbook(1);
  Workbook& book = app.Workbooks().Add();
  EXPECT_NO_THROW(book.Windows(1));
  EXPECT_THROW(book.Windows(2), Error);
  try {
    book.Worksheets(2);
    FAIL() << "sheet 2 does not exist";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), 9);
  }
  EXPECT_THROW(book.Worksheets(0), Error);
}

TEST(Workbook, FreezePanesSplitsAtTheSelectedCellOfTheActiveSheet) {
  Application app;
  app.SheetsInNewWorkbook(2);
  Workbook& book = app.Workbooks().Add();
  Worksheet& sheet = book.Worksheets(1);
  sheet.Cells(7, 3).Select();
  EXPECT_FALSE(book.Windows(1).FreezePanes());
  book.Windows(1).FreezePanes(true);
  EXPECT_TRUE(book.Windows(1).FreezePanes());
  EXPECT_EQ(sheet.FrozenRows(), 6);
  EXPECT_EQ(sheet.FrozenColumns(), 2);
  book.Windows(1).FreezePanes(false);
  EXPECT_EQ(sheet.FrozenRows(), 0);
  EXPECT_THROW(book.Worksheets(2).Range("B2").Select(), Error) << "only on the active sheet";
  book.Worksheets(2).Activate();
  EXPECT_NO_THROW(book.Worksheets(2).Range("B2").Select());
}

TEST(Lifetime, AClosedWorkbookAndItsPartsRefuseEveryCall) {
  Application app;
  app.SheetsInNewWorkbook(1);
  Workbook& kept = app.Workbooks().Add();
  Workbook& book = app.Workbooks().Add();
  Worksheet& sheet = book.Worksheets(1);
  Range cell = sheet.Range("B2");
  PageSetup& page = sheet.PageSetup();
  book.Close();
  EXPECT_EQ(app.Workbooks().Count(), 1);
  EXPECT_EQ(&app.Workbooks().Item(1), &kept);
  EXPECT_THROW(book.FullName(), Error);
  EXPECT_THROW(book.Worksheets(1), Error);
  EXPECT_THROW(book.Colors(1), Error);
  EXPECT_THROW(book.SaveAs("/tmp/never.xlsx"), Error);
  EXPECT_THROW(book.Close(), Error);
  EXPECT_THROW(sheet.Range("A1"), Error);
  EXPECT_THROW(cell.Value("x"), Error);
  EXPECT_THROW(cell.RowHeight(20), Error);
  EXPECT_THROW(page.Orientation(xlLandscape), Error);
  EXPECT_EQ(&app.ActiveSheet(), &kept.Worksheets(1)) << "the previous workbook is active again";
}

TEST(Lifetime, AfterQuitEveryCallThrows) {
  Application app;
  Workbook& book = app.Workbooks().Add();
  Worksheet& sheet = book.Worksheets(1);
  Range cell = sheet.Cells(1, 1);
  app.Quit();
  EXPECT_TRUE(app.HasQuit());
  EXPECT_THROW(app.Workbooks(), Error);
  EXPECT_THROW(app.Visible(true), Error);
  EXPECT_THROW(app.Cursor(), Error);
  EXPECT_THROW(app.CentimetersToPoints(1), Error);
  EXPECT_THROW(app.ActiveSheet(), Error);
  EXPECT_THROW(app.Quit(), Error);
  EXPECT_THROW(book.FullName(), Error);
  EXPECT_THROW(sheet.Outline().SummaryRow(xlSummaryAbove), Error);
  EXPECT_THROW(cell.Font().Size(8), Error);
}

}  // namespace
}  // namespace excel
