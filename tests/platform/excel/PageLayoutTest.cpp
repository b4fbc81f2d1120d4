// A worksheet laid out as its printed pages: what takes room and what shows, the cells'
// borders, fills and texts as drawn, the page set-up on the paper, the header codes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/excel/Application.h"
#include "platform/excel/Border.h"
#include "platform/excel/Interior.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/print/PageLayout.h"

namespace excel {
namespace {

class PageLayoutTest : public ::testing::Test {
 protected:
  PageLayoutTest() {
    app_.SheetsInNewWorkbook(1);
    sheet_ = &app_.Workbooks().Add().Worksheets(1);
  }
  Worksheet& Sheet() { return *sheet_; }
  PageDocument Layout() { return LayOutPages(Sheet(), {}); }

  static const PageText* Text(const PageDocument& document, const std::string& strText) {
    const auto& texts = document.drawing.texts;
    auto it = std::find_if(texts.begin(), texts.end(),
                           [&](const PageText& t) { return t.strText == strText; });
    return it == texts.end() ? nullptr : &*it;
  }

  Application app_;
  Worksheet* sheet_ = nullptr;
};

TEST_F(PageLayoutTest, HiddenColumnsAndRowsTakeNoRoomAndShowNothing) {
  Sheet().Range("A:A").ColumnWidth(10);  // 56.25 points
  Sheet().Range("B:B").ColumnWidth(0);
  Sheet().Range("C:C").ColumnWidth(20);  // 108.75 points
  Sheet().Range("2:2").RowHeight(0);
  Sheet().Range("A1").Value("links");
  Sheet().Range("B1").Value("versteckt");
  Sheet().Range("C1").Value("rechts");
  Sheet().Range("A2").Value("Zeile zwei");
  Sheet().Range("A3").Value("Zeile drei");
  Sheet().Range("B3").Interior().Color(0x0000FF);

  const PageDocument document = Layout();
  EXPECT_EQ(Text(document, "versteckt"), nullptr);
  EXPECT_EQ(Text(document, "Zeile zwei"), nullptr);
  ASSERT_NE(Text(document, "rechts"), nullptr);
  EXPECT_DOUBLE_EQ(Text(document, "rechts")->clip.dblLeft, 56.25);
  ASSERT_NE(Text(document, "Zeile drei"), nullptr);
  EXPECT_DOUBLE_EQ(Text(document, "Zeile drei")->clip.dblTop, 12.75);
  EXPECT_TRUE(document.drawing.fills.empty());  // the hidden cell's fill

  ASSERT_EQ(document.pages.size(), 1u);
  EXPECT_DOUBLE_EQ(document.pages[0].source.dblWidth, 56.25 + 108.75);
  EXPECT_DOUBLE_EQ(document.pages[0].source.dblHeight, 2 * 12.75);
}

TEST_F(PageLayoutTest, MergedCellsShowOneTextOneFillAndNoBorderInside) {
  Range block = Sheet().Range("A1:C2");
  block.Interior().Color(0x00FFFF);
  for (std::int32_t lngIndex :
       {xlEdgeLeft, xlEdgeTop, xlEdgeBottom, xlEdgeRight, xlInsideVertical, xlInsideHorizontal}) {
    block.Borders(lngIndex).LineStyle(xlContinuous);
    block.Borders(lngIndex).Weight(xlMedium);
  }
  Sheet().Range("B1").Value("Gruppe");
  Sheet().Range("B1:C1").MergeCells(true);
  const double w = 5.25 * 8.43 + 3.75, h = 12.75;

  const PageDocument document = Layout();
  const PageText* text = Text(document, "Gruppe");
  ASSERT_NE(text, nullptr);
  EXPECT_DOUBLE_EQ(text->clip.dblLeft, w);
  EXPECT_DOUBLE_EQ(text->clip.dblWidth, 2 * w);
  // Each row's fill is one run over the three cells.
  ASSERT_EQ(document.drawing.fills.size(), 2u);
  EXPECT_DOUBLE_EQ(document.drawing.fills[0].box.dblWidth, 3 * w);

  auto vertical = [&](double x, double y) {
    return std::count_if(document.drawing.borders.begin(), document.drawing.borders.end(),
                         [&](const PageLine& l) {
                           return l.dblX1 == x && l.dblX2 == x && l.dblY1 <= y && l.dblY2 >= y;
                         });
  };
  EXPECT_EQ(vertical(2 * w, h / 2), 0) << "inside the merged cells";
  EXPECT_EQ(vertical(2 * w, 1.5 * h), 1) << "between the cells below them";
  EXPECT_EQ(vertical(w, h / 2), 1);
  // The three columns' edges each come down as one line over both rows.
  EXPECT_EQ(vertical(0, h), 1);
  for (const PageLine& line : document.drawing.borders) EXPECT_FLOAT_EQ(line.sngWeight, 1.5f);
}

TEST_F(PageLayoutTest, ThePageSetUpPlacesTheAreaOnThePaper) {
  struct Case {
    const char* strWhat;
    std::int32_t lngRows;  // 20 points each, in one column 100 points wide (ColumnWidth 18.333…)
    std::function<void(PageSetup&)> setUp;
    std::size_t lngPages;
    double dblScale;
    double dblLeft;  // of the first page's drawing on the paper
  };
  const double cm = 72 / 2.54;
  const double a4w = 297 * 72 / 25.4, a4h = 210 * 72 / 25.4;  // landscape
  const std::vector<Case> colCases{
      {"fitted, never enlarged", 10,
       [&](PageSetup& s) {
         s.Orientation(xlLandscape);
         s.LeftMargin(2 * cm);
         s.Zoom(false);
       },
       1, 1.0, 2 * cm},
      {"fitted, shrunk to the page's height", 100,
       [&](PageSetup& s) {
         s.Orientation(xlLandscape);
         s.TopMargin(cm);
         s.BottomMargin(cm);
         s.Zoom(false);
       },
       1, (a4h - 2 * cm) / 2000.0, 50.4},
      {"centred", 10,
       [&](PageSetup& s) {
         s.Orientation(xlLandscape);
         s.Zoom(false);
         s.CenterHorizontally(true);
       },
       1, 1.0, 50.4 + (a4w - 2 * 50.4 - 100) / 2},
      {"zoomed", 10, [&](PageSetup& s) { s.Zoom(50); }, 1, 0.5, 50.4},
      // 733.89 points of paper between the margins hold 36 rows of 20 points.
      {"broken into pages at row borders", 100, [&](PageSetup& s) { s.Zoom(100); }, 3, 1.0, 50.4},
  };
  for (const Case& c : colCases) {
    Application app;
    app.SheetsInNewWorkbook(1);
    Worksheet& sheet = app.Workbooks().Add().Worksheets(1);
    sheet.Range("A:A").ColumnWidth((100 - 3.75) / 5.25);
    sheet.Range("A1:A" + std::to_string(c.lngRows)).RowHeight(20);
    sheet.Range("A1:A" + std::to_string(c.lngRows)).Value("x");
    c.setUp(sheet.PageSetup());
    const PageDocument document = LayOutPages(sheet, {});
    ASSERT_EQ(document.pages.size(), c.lngPages) << c.strWhat;
    EXPECT_NEAR(document.pages[0].dblScale, c.dblScale, 1e-9) << c.strWhat;
    EXPECT_NEAR(document.pages[0].dblLeft, c.dblLeft, 1e-9) << c.strWhat;
    for (const PrintedPage& page : document.pages) {
      EXPECT_NEAR(std::fmod(page.source.dblTop, 20.0), 0.0, 1e-9) << c.strWhat;
      EXPECT_LE(page.source.dblHeight * page.dblScale, 841.89 - 2 * 54 + 1e-6) << c.strWhat;
    }
  }
}

TEST(HeaderTextTest, CodesAreReplacedAndFormattingTakenOver) {
  std::tm day{};
  day.tm_year = 126, day.tm_mon = 2, day.tm_mday = 5, day.tm_hour = 9, day.tm_min = 7;
  day.tm_isdst = -1;
  const std::time_t now = std::mktime(&day);
  struct Case {
    const char* strCodes;
    const char* strText;
    float sngSize;
    bool blnBold;
  };
  const Case colCases[] = {
      {"Seite &P von &N", "Seite 3 von 7", 10, false},
      {"&D &T", "05.03.2026 09:07", 10, false},
      {"&F in &Z, Blatt &A", "Plan.pdf in /home/anna/, Blatt Tabelle1", 10, false},
      {"&B&14Titel && Co", "Titel & Co", 14, true},
      {"&\"Arial,Fett\"&KFF0000rot", "rot", 10, true},
  };
  for (const Case& c : colCases) {
    const PageHeaderText text =
        ResolveHeaderText(c.strCodes, 3, 7, "Tabelle1", "/home/anna/Plan.pdf", now);
    EXPECT_EQ(text.strText, c.strText) << c.strCodes;
    EXPECT_EQ(text.sngSize, c.sngSize) << c.strCodes;
    EXPECT_EQ(text.blnBold, c.blnBold) << c.strCodes;
  }
}

}  // namespace
}  // namespace excel
