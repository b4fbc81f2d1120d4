#include "SampleWorkbook.h"

#include <string>

#include "platform/excel/Border.h"
#include "platform/excel/Font.h"
#include "platform/excel/Interior.h"

namespace exceltest {

using namespace excel;

namespace {

void FormatHeaderCell(Range cell, std::int32_t lngColor, bool blnVertical) {
  cell.Borders(xlDiagonalDown).LineStyle(xlLineStyleNone);
  cell.Borders(xlDiagonalUp).LineStyle(xlLineStyleNone);
  for (std::int32_t index : {7, 8, 9, 10, 11, 12}) {
    cell.Borders(index).LineStyle(xlContinuous);
    cell.Borders(index).Weight(xlHairline);
    cell.Borders(index).ColorIndex(xlColorIndexAutomatic);
  }
  cell.Interior().Color(lngColor);
  cell.Interior().Pattern(xlPatternSolid);
  cell.HorizontalAlignment(xlCenter);
  if (blnVertical) {
    cell.VerticalAlignment(xlBottom);
    cell.Orientation(90);
    cell.RowHeight(100);
  } else {
    cell.VerticalAlignment(xlCenter);
  }
}

void FormatTaskRow(Range row, double dblHeight, std::int32_t lngColor) {
  row.Borders(xlDiagonalDown).LineStyle(xlLineStyleNone);
  row.Borders(xlDiagonalUp).LineStyle(xlLineStyleNone);
  for (std::int32_t index : {7, 8, 9, 10, 12, 11}) {
    row.Borders(index).LineStyle(xlContinuous);
    row.Borders(index).Weight(xlHairline);
    row.Borders(index).ColorIndex(xlColorIndexAutomatic);
  }
  row.Font().Size(8);
  row.RowHeight(dblHeight);
  row.VerticalAlignment(xlTop);
  row.HorizontalAlignment(xlGeneral);
  row.WrapText(true);
  row.Interior().Color(lngColor);
  row.Interior().Pattern(xlPatternSolid);
}

void Circle(Worksheet& sheet, double dblX, double dblY, double dblRadius, std::int32_t lngColor) {
  Shape oval =
      sheet.Shapes().AddShape(9, dblX - dblRadius, dblY - dblRadius, 2 * dblRadius, 2 * dblRadius);
  oval.Fill().Transparency(0);
  oval.Fill().Visible(true);
  oval.Fill().ForeColor().RGB(lngColor);
  oval.Fill().OneColorGradient(7, 1, 0.35);
  oval.Line().Weight(0.75);
  oval.Line().DashStyle(1);
  oval.Line().Style(1);
  oval.Line().Visible(true);
  oval.Line().ForeColor().RGB(0);
  oval.Shadow().Type(6);
  oval.Shadow().IncrementOffsetX(-3);
  oval.Shadow().IncrementOffsetY(-3);
  oval.Shadow().ForeColor().RGB(0x808080);
}

}  // namespace

Workbook& BuildSampleChart(Application& app) {
  using L = SampleLayout;
  app.SheetsInNewWorkbook(1);
  Workbook& book = app.Workbooks().Add();
  Worksheet& sheet = book.Worksheets(1);
  book.Colors(46, L::kTaskColor);
  book.Colors(53, L::kHeaderColor);
  book.Colors(40, L::kMilestoneColor);
  book.Colors(43, 0x0000CC);

  sheet.Range("A1:A3").RowHeight(22);
  sheet.Cells(1, 1).Value("Kommunikationsdiagramm für Büro & Umzug <2026>");
  sheet.Cells(1, 1).Font().Size(16);

  const char* captions[] = {"PSP-Code", "Nr.", "Vorgang"};
  const double widths[] = {8, 0, 30};
  for (std::int32_t c = 1; c <= 3; ++c) {
    Range cell = sheet.Cells(L::kHeaderRow, c);
    cell.Value(captions[c - 1]);
    cell.ColumnWidth(widths[c - 1]);
    FormatHeaderCell(cell, L::kHeaderColor, false);
  }
  const char* groups[] = {"Entwicklung", "Entwicklung", "Entwicklung", "Vertrieb", "(keine)"};
  const char* names[] = {"Anna Groß", "Björn", "Chen", "Dörte Müller-Lüdenscheidt", "Emil"};
  std::string previous;
  for (std::int32_t i = 0; i < L::kResources; ++i) {
    std::int32_t c = L::kFirstResource + i;
    Range group = sheet.Cells(L::kHeaderRow - 3, c);
    FormatHeaderCell(group, L::kHeaderColor, false);
    if (groups[i] == previous) {
      sheet.Range(group, sheet.Cells(L::kHeaderRow - 3, c - 1)).MergeCells(true);
    } else {
      group.Value(groups[i]);
    }
    previous = groups[i];
    Range name = sheet.Cells(L::kHeaderRow - 2, c);
    name.Value(names[i]);
    FormatHeaderCell(name, L::kHeaderColor, true);
    Range hidden = sheet.Cells(L::kHeaderRow - 1, c);
    hidden.Value(100 + i);
    FormatHeaderCell(hidden, L::kHeaderColor, true);
    hidden.RowHeight(0);
    Range id = sheet.Cells(L::kHeaderRow, c);
    id.Value(i + 1);
    id.ColumnWidth(4);
    FormatHeaderCell(id, L::kHeaderColor, false);
  }

  const std::int32_t lastColumn = L::kFirstResource + L::kResources - 1;
  auto midX = [&](std::int32_t lngColumn) {
    double x = 0;
    for (std::int32_t c = 1; c < lngColumn; ++c) x += sheet.ColumnWidthPoints(c);
    return x + sheet.ColumnWidthPoints(lngColumn) / 2;
  };
  auto midY = [&](std::int32_t lngRow) {
    double y = 0;
    for (std::int32_t r = 1; r < lngRow; ++r) y += sheet.RowHeightPoints(r);
    return y + sheet.RowHeightPoints(lngRow) / 2;
  };
  for (std::int32_t t = 0; t < L::kTasks; ++t) {
    std::int32_t r = L::kFirstTask + t;
    FormatTaskRow(sheet.Range(sheet.Cells(r, 1), sheet.Cells(r, lastColumn)), t == 4 ? 40 : 25,
                  t == 4 ? L::kMilestoneColor : L::kTaskColor);
    sheet.Cells(r, 1).NumberFormat("@");
    sheet.Cells(r, 1).Value("1." + std::to_string(t + 1));
    sheet.Cells(r, 2).Value(std::to_string(1000 + t));
    sheet.Cells(r, 3).NumberFormat("@");
    sheet.Cells(r, 3).Value(t == 0 ? "Angebot \"Büro\" & <Umzug> prüfen\tjetzt"
                                   : "Vorgang " + std::to_string(t + 1));
    std::int32_t c = L::kFirstResource + t % L::kResources;
    Circle(sheet, midX(c), midY(r), 6, 0x0000CC);
    Circle(sheet, midX(lastColumn), midY(r), 3, 0x00CC00);
    Shape line = sheet.Shapes().AddLine(midX(c), midY(r), midX(lastColumn), midY(r));
    line.Line().ForeColor().RGB(0);
    line.Line().Weight(0.25);
    line.ZOrder(1);
  }
  Shape arrow = sheet.Shapes().AddLine(midX(4), midY(7), midX(6), midY(12));
  arrow.Line().EndArrowheadStyle(2);
  arrow.Line().EndArrowheadLength(2);
  arrow.Line().EndArrowheadWidth(2);
  arrow.Line().ForeColor().RGB(0xFF0000);
  arrow.Line().Weight(1.5);

  Outline& outline = sheet.Outline();
  outline.AutomaticStyles(false);
  outline.SummaryRow(xlSummaryAbove);
  outline.SummaryColumn(xlSummaryOnRight);
  sheet.Rows("8:13").Group();
  sheet.Rows("10:11").Group();
  sheet.Rows("15:16").Group();

  PageSetup& page = sheet.PageSetup();
  page.PrintArea("");
  page.PrintTitleRows("$1:$6");
  page.PrintTitleColumns("");
  page.CenterHeader("Kommunikation und Abstimmung");
  page.RightFooter("Seite &P");
  page.LeftMargin(app.CentimetersToPoints(2));
  page.RightMargin(app.CentimetersToPoints(2));
  page.TopMargin(app.CentimetersToPoints(2));
  page.BottomMargin(app.CentimetersToPoints(2));
  page.HeaderMargin(app.CentimetersToPoints(1));
  page.FooterMargin(app.CentimetersToPoints(1));
  page.PrintHeadings(false);
  page.PrintGridlines(false);
  page.PrintComments(xlPrintNoComments);
  page.PrintQuality(300);
  page.CenterHorizontally(false);
  page.CenterVertically(false);
  page.Orientation(xlLandscape);
  page.Draft(false);
  page.PaperSize(xlPaperA4);
  page.FirstPageNumber(xlAutomatic);
  page.Order(xlDownThenOver);
  page.BlackAndWhite(false);
  page.Zoom(false);
  page.FitToPagesWide(1);
  page.FitToPagesTall(1);

  sheet.Cells(L::kHeaderRow + 1, 3).Select();
  book.Windows(1).FreezePanes(true);
  return book;
}

Workbook& BuildVariantsWorkbook(Application& app) {
  app.SheetsInNewWorkbook(2);
  Workbook& book = app.Workbooks().Add();
  book.Worksheets(1).Range("A1").Value("erstes Blatt");
  Worksheet& sheet = book.Worksheets(2);
  sheet.Activate();

  sheet.Range("A1").Value(3.25);
  sheet.Range("A1").NumberFormat("0.00");
  sheet.Range("A2").Value(-7);
  sheet.Range("A2").NumberFormat("#,##0.0 \"Std.\"");
  sheet.Range("A3").Value(" eingerückt");
  sheet.Range("A4").Value("Zeile 1\nZeile 2");

  sheet.Range("B2").Borders(xlDiagonalUp).LineStyle(xlDash);
  sheet.Range("B2").Borders(xlDiagonalUp).Weight(xlMedium);
  Range box = sheet.Range("C2");
  for (std::int32_t index : {7, 8, 9, 10}) box.Borders(index).Weight(xlThick);
  sheet.Range("D2").Borders(xlEdgeBottom).LineStyle(xlDouble);
  sheet.Range("E2").Borders(xlEdgeTop).LineStyle(xlDot);
  sheet.Range("E2").Borders(xlEdgeTop).ColorIndex(3);
  sheet.Range("F2").Interior().Color(0x00FFFF);
  sheet.Range("F2").Interior().Pattern(xlPatternGray50);
  sheet.Range("G2").Interior().Pattern(xlPatternChecker);
  sheet.Range("H2").Interior().Pattern(xlPatternLightUp);

  sheet.Range("B3").Orientation(-90);
  sheet.Range("C3").Orientation(xlVertical);
  sheet.Range("D3").Orientation(45);
  sheet.Range("B4").HorizontalAlignment(xlLeft);
  sheet.Range("C4").HorizontalAlignment(xlRight);
  sheet.Range("D4:E4").HorizontalAlignment(xlCenterAcrossSelection);
  sheet.Range("B4").VerticalAlignment(xlCenter);
  sheet.Range("C4").VerticalAlignment(xlJustify);

  sheet.Range("G1").ColumnWidth(255);
  sheet.Range("H1").ColumnWidth(0.5);
  sheet.Range("A5").RowHeight(409);
  sheet.Range("A6").RowHeight(0.75);

  sheet.Outline().AutomaticStyles(true);
  sheet.Outline().SummaryRow(xlSummaryBelow);
  sheet.Outline().SummaryColumn(xlSummaryOnLeft);
  sheet.Rows("3:4").Group();

  PageSetup& page = sheet.PageSetup();
  page.PrintArea("A1:F20");
  page.PrintTitleRows("1:2");
  page.PrintTitleColumns("A:B");
  page.LeftHeader("Links oben");
  page.LeftFooter("Fuß");
  page.PrintHeadings(true);
  page.PrintGridlines(true);
  page.CenterHorizontally(true);
  page.CenterVertically(true);
  page.Orientation(xlPortrait);
  page.PaperSize(8);
  page.Zoom(75);
  page.FirstPageNumber(3);
  page.Order(xlOverThenDown);
  page.BlackAndWhite(true);
  page.Draft(true);
  page.PrintComments(xlPrintSheetEnd);
  page.PrintQuality(600);
  page.LeftMargin(36);

  sheet.Range("A4").Select();
  book.Windows(1).FreezePanes(true);
  return book;
}

}  // namespace exceltest
