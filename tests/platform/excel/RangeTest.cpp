#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/excel/Application.h"
#include "platform/excel/Border.h"
#include "platform/excel/Error.h"
#include "platform/excel/Font.h"
#include "platform/excel/Geometry.h"
#include "platform/excel/Interior.h"
#include "platform/excel/Range.h"

namespace excel {
namespace {

class RangeTest : public ::testing::Test {
 protected:
  RangeTest() {
    app.SheetsInNewWorkbook(1);
    book = &app.Workbooks().Add();
    sheet = &book->Worksheets(1);
  }
  std::size_t Formats() const { return book->Formats().Count(); }

  Application app;
  Workbook* book;
  Worksheet* sheet;
};

TEST_F(RangeTest, GeometryIsExcelsWithArialTen) {
  EXPECT_DOUBLE_EQ(sheet->Range("C1").ColumnWidth(), 8.43);
  EXPECT_DOUBLE_EQ(sheet->Range("C9").RowHeight(), 12.75);
  sheet->Range("B1:D1").ColumnWidth(20);
  EXPECT_DOUBLE_EQ(sheet->ColumnWidthPoints(3), 5.25 * 20 + 3.75);
  EXPECT_DOUBLE_EQ(sheet->ColumnWidthPoints(5), ColumnWidthToPoints(8.43));
  sheet->Range("A1:A3").RowHeight(22);
  EXPECT_DOUBLE_EQ(sheet->RowHeightPoints(3), 22);
  sheet->Range("C1").ColumnWidth(0);
  sheet->Range("A2").RowHeight(0);
  EXPECT_DOUBLE_EQ(sheet->ColumnWidthPoints(3), 0) << "width 0 hides the column";
  EXPECT_DOUBLE_EQ(sheet->RowHeightPoints(2), 0);
}

TEST_F(RangeTest, RefusesWidthsAndHeightsExcelRefuses) {
  Range cell = sheet->Range("B2");
  for (double bad : {-0.5, 255.01, double(NAN), double(INFINITY)})
    EXPECT_THROW(cell.ColumnWidth(bad), Error);
  for (double bad : {-1.0, 409.5, double(NAN)}) EXPECT_THROW(cell.RowHeight(bad), Error);
  EXPECT_NO_THROW(cell.ColumnWidth(255));
  EXPECT_NO_THROW(cell.RowHeight(409));
  EXPECT_DOUBLE_EQ(cell.RowHeight(), 409);
}

TEST_F(RangeTest, EdgesApplyToTheirSideInsideLinesBetweenTheCells) {
  Range block = sheet->Range("B2:D3");
  block.Borders(xlEdgeLeft).LineStyle(xlContinuous);
  EXPECT_EQ(sheet->Range("B3").Borders(xlEdgeLeft).LineStyle(), xlContinuous);
  EXPECT_EQ(sheet->Range("C2").Borders(xlEdgeLeft).LineStyle(), xlLineStyleNone);
  block.Borders(xlEdgeBottom).Weight(xlMedium);
  EXPECT_EQ(sheet->Range("C3").Borders(xlEdgeBottom).LineStyle(), xlContinuous)
      << "a weight makes the line continuous";
  EXPECT_EQ(sheet->Range("C3").Borders(xlEdgeBottom).Weight(), xlMedium);
  EXPECT_EQ(sheet->Range("C2").Borders(xlEdgeBottom).LineStyle(), xlLineStyleNone);
  block.Borders(xlInsideVertical).LineStyle(xlDash);
  EXPECT_EQ(sheet->Range("B2").Borders(xlEdgeRight).LineStyle(), xlDash);
  EXPECT_EQ(sheet->Range("C2").Borders(xlEdgeLeft).LineStyle(), xlDash);
  EXPECT_EQ(sheet->Range("D2").Borders(xlEdgeRight).LineStyle(), xlLineStyleNone);
  EXPECT_EQ(sheet->Range("B2").Borders(xlEdgeLeft).LineStyle(), xlContinuous) << "edge kept";
  block.Borders(xlInsideHorizontal).LineStyle(xlDot);
  EXPECT_EQ(sheet->Range("C2").Borders(xlEdgeBottom).LineStyle(), xlDot);
  EXPECT_EQ(sheet->Range("C3").Borders(xlEdgeTop).LineStyle(), xlDot);
  EXPECT_EQ(sheet->Range("C3").Borders(xlEdgeBottom).LineStyle(), xlContinuous);

  Range row = sheet->Range("B5:D5");
  row.Borders(xlInsideHorizontal).LineStyle(xlContinuous);
  EXPECT_EQ(sheet->Range("C5").Borders(xlEdgeTop).LineStyle(), xlLineStyleNone)
      << "one row has no inside horizontal line";
  EXPECT_EQ(sheet->Range("C5").Borders(xlEdgeBottom).LineStyle(), xlLineStyleNone);
  row.Borders(xlDiagonalUp).LineStyle(xlLineStyleNone);
  EXPECT_EQ(sheet->Range("C5").Borders(xlDiagonalUp).LineStyle(), xlLineStyleNone);
}

TEST_F(RangeTest, EachEdgeReachesEveryCellOnItInOneCellOneColumnAndOneRow) {
  // A single cell or column lies on the left and the right edge at once, a single row on the
  // top and the bottom edge.
  struct Case {
    std::int32_t lngEdge;
    std::vector<const char*> colOn;   // cells that get the line
    std::vector<const char*> colOff;  // cells of the range that do not
  };
  const struct {
    const char* strRange;
    std::vector<Case> colCases;
  } colRanges[] = {
      {"B2",
       {{xlEdgeLeft, {"B2"}, {}},
        {xlEdgeRight, {"B2"}, {}},
        {xlEdgeTop, {"B2"}, {}},
        {xlEdgeBottom, {"B2"}, {}}}},
      {"F2:F4",
       {{xlEdgeLeft, {"F2", "F3", "F4"}, {}},
        {xlEdgeRight, {"F2", "F3", "F4"}, {}},
        {xlEdgeTop, {"F2"}, {"F3", "F4"}},
        {xlEdgeBottom, {"F4"}, {"F2", "F3"}}}},
      {"H6:J6",
       {{xlEdgeLeft, {"H6"}, {"I6", "J6"}},
        {xlEdgeRight, {"J6"}, {"H6", "I6"}},
        {xlEdgeTop, {"H6", "I6", "J6"}, {}},
        {xlEdgeBottom, {"H6", "I6", "J6"}, {}}}},
  };
  for (const auto& range : colRanges) {
    for (const Case& c : range.colCases) {
      sheet->Range(range.strRange).Borders(c.lngEdge).LineStyle(xlDouble);
      for (const char* strCell : c.colOn) {
        EXPECT_EQ(sheet->Range(strCell).Borders(c.lngEdge).LineStyle(), xlDouble)
            << range.strRange << " edge " << c.lngEdge << " at " << strCell;
      }
      for (const char* strCell : c.colOff) {
        EXPECT_EQ(sheet->Range(strCell).Borders(c.lngEdge).LineStyle(), xlLineStyleNone)
            << range.strRange << " edge " << c.lngEdge << " at " << strCell;
      }
    }
  }
}

TEST_F(RangeTest, BorderConstantsOutsideTheirSetsAreRefused) {
  Range cell = sheet->Range("B2");
  EXPECT_THROW(cell.Borders(4), Error);
  EXPECT_THROW(cell.Borders(13), Error);
  EXPECT_THROW(cell.Borders(xlEdgeTop).LineStyle(2), Error);
  EXPECT_THROW(cell.Borders(xlEdgeTop).Weight(3), Error);
  EXPECT_THROW(cell.Borders(xlEdgeTop).ColorIndex(0), Error);
  EXPECT_THROW(cell.Borders(xlEdgeTop).ColorIndex(57), Error);
  cell.Borders(xlEdgeTop).ColorIndex(12);
  EXPECT_EQ(cell.Borders(xlEdgeTop).ColorIndex(), 12);
  EXPECT_EQ(cell.Borders(xlEdgeTop).LineStyle(), xlContinuous);
  cell.Borders(xlEdgeTop).ColorIndex(xlColorIndexNone);
  EXPECT_EQ(cell.Borders(xlEdgeTop).LineStyle(), xlLineStyleNone);
}

// The task row of a chart: the same calls on every row must not add formats per row.
void FormatTaskRow(Worksheet& sheet, std::int32_t lngRow, std::int32_t lngColor) {
  Range row = sheet.Range(sheet.Cells(lngRow, 1), sheet.Cells(lngRow, 40));
  row.Borders(xlDiagonalDown).LineStyle(xlLineStyleNone);
  row.Borders(xlDiagonalUp).LineStyle(xlLineStyleNone);
  for (std::int32_t index : {7, 8, 9, 10, 12, 11}) {
    row.Borders(index).LineStyle(xlContinuous);
    row.Borders(index).Weight(xlHairline);
    row.Borders(index).ColorIndex(xlColorIndexAutomatic);
  }
  row.Font().Size(8);
  row.RowHeight(25);
  row.VerticalAlignment(xlTop);
  row.HorizontalAlignment(xlGeneral);
  row.WrapText(true);
  row.Interior().Color(lngColor);
  row.Interior().Pattern(xlPatternSolid);
}

TEST_F(RangeTest, FormatsAreInternedOncePerDistinctFormat) {
  FormatTaskRow(*sheet, 7, 0xCCFFFF);
  const std::size_t afterOneRow = Formats();
  for (std::int32_t r = 8; r < 500; ++r) FormatTaskRow(*sheet, r, 0xCCFFFF);
  EXPECT_EQ(Formats(), afterOneRow) << "identical rows share their formats";
  EXPECT_EQ(sheet->Data().Format(300, 1), sheet->Data().Format(7, 1));
  EXPECT_EQ(sheet->Data().Format(300, 20), sheet->Data().Format(7, 20));
  EXPECT_LT(Formats(), 60u) << "intermediate formats of one row stay few";

  // One change over cells of different formats changes each and keeps what differs.
  sheet->Range("A7:A8").Interior().Color(0x0000FF);
  sheet->Range("A7:B8").Font().Size(12);
  EXPECT_EQ(sheet->Range("A7").Interior().Color(), 0x0000FF);
  EXPECT_EQ(sheet->Range("B7").Interior().Color(), 0xCCFFFF);
  EXPECT_DOUBLE_EQ(sheet->Range("B8").Font().Size(), 12);
  EXPECT_EQ(sheet->Range("B8").Borders(xlEdgeLeft).Weight(), xlHairline);
  EXPECT_TRUE(sheet->Range("B8").WrapText());
}

TEST_F(RangeTest, FillFontAndAlignment) {
  Range cell = sheet->Range("C3");
  EXPECT_EQ(cell.Interior().Pattern(), xlPatternNone);
  cell.Interior().Color(0x00FF00);
  EXPECT_EQ(cell.Interior().Pattern(), xlPatternSolid) << "a colour makes the fill solid";
  EXPECT_THROW(cell.Interior().Color(-1), Error);
  EXPECT_THROW(cell.Interior().Pattern(3), Error);
  EXPECT_DOUBLE_EQ(cell.Font().Size(), 10);
  cell.Font().Size(8.3);
  EXPECT_DOUBLE_EQ(cell.Font().Size(), 8.5) << "half points";
  EXPECT_THROW(cell.Font().Size(0.5), Error);
  EXPECT_THROW(cell.Font().Size(410), Error);
  cell.HorizontalAlignment(xlCenter);
  cell.VerticalAlignment(xlBottom);
  EXPECT_EQ(cell.HorizontalAlignment(), xlCenter);
  EXPECT_THROW(cell.HorizontalAlignment(xlTop), Error);
  EXPECT_THROW(cell.VerticalAlignment(xlGeneral), Error);
  cell.Orientation(90);
  EXPECT_EQ(cell.Orientation(), 90);
  cell.Orientation(xlDownward);
  EXPECT_EQ(cell.Orientation(), -90);
  cell.Orientation(xlHorizontal);
  EXPECT_EQ(cell.Orientation(), xlHorizontal);
  EXPECT_THROW(cell.Orientation(91), Error);
  EXPECT_THROW(sheet->Range("A:Z").WrapText(true), Error) << "too many cells at once";
}

TEST_F(RangeTest, ValuesAreNumbersUnlessTheCellIsText) {
  sheet->Range("A1").Value("42");
  EXPECT_DOUBLE_EQ(std::get<double>(sheet->Range("A1").Value()), 42);
  sheet->Range("A2").Value("-1,5");
  EXPECT_DOUBLE_EQ(std::get<double>(sheet->Range("A2").Value()), -1.5) << "German decimal comma";
  for (const char* text : {"1.5", "5 Tage", "1,", ",5", "1,2,3", "-", "0x10", " 4"}) {
    sheet->Range("A3").Value(text);
    EXPECT_EQ(std::get<std::string>(sheet->Range("A3").Value()), text);
  }
  sheet->Range("B1").NumberFormat("@");
  sheet->Range("B1").Value("0042");
  EXPECT_EQ(std::get<std::string>(sheet->Range("B1").Value()), "0042");
  EXPECT_EQ(sheet->Range("B1").NumberFormat(), "@");
  EXPECT_EQ(sheet->Range("C1").NumberFormat(), "General");
  sheet->Range("B1").Value("");
  EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet->Range("B1").Value()));
  sheet->Range("E1").Value(std::int64_t{4000000000});
  EXPECT_DOUBLE_EQ(std::get<double>(sheet->Range("E1").Value()), 4e9);
  sheet->Range("E2").Value(std::uint16_t{9});
  EXPECT_DOUBLE_EQ(std::get<double>(sheet->Range("E2").Value()), 9);
  sheet->Range("C1:D2").Value(7);
  EXPECT_DOUBLE_EQ(std::get<double>(sheet->Range("D2").Value()), 7);
  EXPECT_THROW(sheet->Range("A1").Value(NAN), Error);
  EXPECT_DOUBLE_EQ(std::get<double>(sheet->Range("A1").Value()), 42) << "kept after a refusal";
}

TEST_F(RangeTest, ATextPastWhatACellHoldsIsCutAtACharacterAndTheCutIsKept) {
  // Counted in UTF-16 code units: an umlaut is one (two bytes), a character beyond U+FFFF two
  // (four bytes), which are never split.
  const std::string strUmlauts = [] {
    std::string s;
    for (int i = 0; i < 32767; ++i) s += "ä";
    return s;
  }();
  const std::string strEmoji = std::string(32766, 'a') + "😀" + "b";
  const std::string strMany = "Anfang" + std::string(50000, 'x');
  struct Case {
    const char* strCell;
    std::string strText;
    std::string strStored;
  };
  const Case kCases[] = {
      {"A1", strUmlauts, strUmlauts},
      {"A2", strUmlauts + "ä", strUmlauts},
      {"A3", strEmoji, std::string(32766, 'a')},
      {"A4", strMany, strMany.substr(0, 32767)},
  };
  for (const Case& c : kCases) {
    sheet->Range(c.strCell).Value(c.strText);
    EXPECT_EQ(std::get<std::string>(sheet->Range(c.strCell).Value()), c.strStored) << c.strCell;
  }
  sheet->Range("B1:B3").Value(strMany);
  ASSERT_EQ(book->CutTexts().size(), 4u);
  EXPECT_EQ(book->CutTexts()[0].strAddress, "A2");
  EXPECT_EQ(book->CutTexts()[0].lngLength, 32768u);
  EXPECT_EQ(book->CutTexts()[1].strAddress, "A3");
  EXPECT_EQ(book->CutTexts()[1].lngLength, 32769u);
  EXPECT_EQ(book->CutTexts()[2].strSheet, "Tabelle1");
  EXPECT_EQ(book->CutTexts()[2].strStart, "Anfang" + std::string(34, 'x'));
  EXPECT_EQ(book->CutTexts()[3].strAddress, "B1:B3");
}

TEST_F(RangeTest, MergingGrowsOverMergedNeighboursAndKeepsTheTopLeftValue) {
  sheet->Range("C5").Value("Gruppe");
  sheet->Range("D5").Value("weg");
  sheet->Range("C5:D5").MergeCells(true);
  sheet->Range("D5:E5").MergeCells(true);
  ASSERT_EQ(sheet->Data().Merges().size(), 1u);
  EXPECT_EQ(sheet->Data().Merges()[0], (CellRect{5, 3, 5, 5}));
  EXPECT_TRUE(sheet->Range("C5:E5").MergeCells());
  EXPECT_TRUE(sheet->Range("D5").MergeCells());
  EXPECT_FALSE(sheet->Range("F5").MergeCells());
  EXPECT_EQ(std::get<std::string>(sheet->Range("C5").Value()), "Gruppe");
  EXPECT_TRUE(std::holds_alternative<std::monostate>(sheet->Range("D5").Value()));
  sheet->Range("H5").MergeCells(true);
  EXPECT_EQ(sheet->Data().Merges().size(), 1u) << "one cell is no merge";
  sheet->Range("E5").MergeCells(false);
  EXPECT_TRUE(sheet->Data().Merges().empty());
}

TEST_F(RangeTest, GroupingAddsOneOutlineLevelPerCallUpToSeven) {
  sheet->Rows("5:9").Group();
  sheet->Rows("6:7").Group();
  EXPECT_EQ(sheet->Data().FindRow(5)->lngOutlineLevel, 1);
  EXPECT_EQ(sheet->Data().FindRow(6)->lngOutlineLevel, 2);
  EXPECT_EQ(sheet->Data().FindRow(10), nullptr);
  for (int i = 0; i < 5; ++i) sheet->Rows("7").Group();
  EXPECT_EQ(sheet->Data().FindRow(7)->lngOutlineLevel, 7);
  EXPECT_THROW(sheet->Rows("6:7").Group(), Error);
  EXPECT_EQ(sheet->Data().FindRow(6)->lngOutlineLevel, 2) << "a refused group changes nothing";
  EXPECT_THROW(sheet->Range("A1:B2").Group(), Error) << "only whole rows";
  EXPECT_THROW(sheet->Rows("0:3"), Error);
}

TEST_F(RangeTest, RangesStayOnTheirSheetAndInsideIt) {
  app.SheetsInNewWorkbook(1);
  Worksheet& other = app.Workbooks().Add().Worksheets(1);
  EXPECT_THROW(sheet->Range(sheet->Cells(1, 1), other.Cells(2, 2)), Error);
  EXPECT_THROW(sheet->Cells(0, 1), Error);
  EXPECT_THROW(sheet->Cells(1, kMaxColumns + 1), Error);
  EXPECT_THROW(sheet->Range("A1:"), Error);
  Range block = sheet->Range(sheet->Cells(9, 4), sheet->Cells(2, 6));
  EXPECT_EQ(block.Address(), "D2:F9");
}

TEST(OutlineAndPageSetup, RefuseConstantsOutsideTheirSets) {
  Application app;
  Worksheet& sheet = app.Workbooks().Add().Worksheets(1);
  Outline& outline = sheet.Outline();
  EXPECT_THROW(outline.SummaryRow(2), Error);
  EXPECT_THROW(outline.SummaryColumn(1), Error);
  outline.SummaryRow(xlSummaryAbove);
  outline.SummaryColumn(xlSummaryOnLeft);
  EXPECT_EQ(outline.SummaryRow(), xlSummaryAbove);

  PageSetup& page = sheet.PageSetup();
  EXPECT_THROW(page.Orientation(3), Error);
  EXPECT_THROW(page.PaperSize(0), Error);
  EXPECT_THROW(page.PaperSize(119), Error);
  EXPECT_THROW(page.Zoom(true), Error);
  EXPECT_THROW(page.Zoom(9), Error);
  EXPECT_THROW(page.FitToPagesWide(true), Error);
  EXPECT_THROW(page.PrintComments(2), Error);
  EXPECT_THROW(page.PrintQuality(0), Error);
  EXPECT_THROW(page.Order(3), Error);
  EXPECT_THROW(page.FirstPageNumber(-1), Error);
  EXPECT_THROW(page.LeftMargin(-1), Error);
  EXPECT_THROW(page.PrintArea("Z"), Error);
  EXPECT_THROW(page.PrintTitleRows("A1:B2"), Error) << "titles are whole rows";
  EXPECT_THROW(page.PrintTitleColumns("$1:$2"), Error);
  EXPECT_THROW(page.CenterHeader(std::string(256, 'x')), Error);
  page.Zoom(false);
  EXPECT_FALSE(page.Zoom().has_value());
  page.FitToPagesTall(false);
  EXPECT_FALSE(page.FitToPagesTall().has_value());
  page.PrintTitleRows("$1:$6");
  EXPECT_EQ(page.PrintTitleRows(), "$1:$6");
}

}  // namespace
}  // namespace excel
