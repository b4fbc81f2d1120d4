#include "platform/excel/print/PageLayout.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <limits>

#include "platform/catalog/Catalog.h"
#include "platform/catalog/Format.h"
#include "platform/excel/Error.h"
#include "platform/excel/Worksheet.h"
#include "platform/excel/print/PageCells.h"
#include "platform/excel/print/PageShapes.h"

namespace excel {

namespace {

constexpr double kMinScale = 0.1, kMaxScale = 4.0;
constexpr double kHeadingHeight = 12.75;
constexpr std::int32_t kHeadingFill = 0xE6E6E6;

// The last column (row) whose far edge lies before the point, plus one: the column holding it.
std::int32_t ColumnAt(const Worksheet& sheet, double dblX) {
  double dblEdge = 0;
  for (std::int32_t c = 1; c <= kMaxColumns; ++c) {
    dblEdge += sheet.ColumnWidthPoints(c);
    if (dblEdge > dblX) return c;
  }
  return kMaxColumns;
}

std::int32_t RowAt(const Worksheet& sheet, double dblY) {
  double dblEdge = 0;
  for (std::int32_t r = 1; r <= kMaxRows; ++r) {
    dblEdge += std::max(0.0, sheet.RowHeightPoints(r));
    if (dblEdge > dblY) return r;
  }
  return kMaxRows;
}

// What prints: the print area, or the used range with the shapes.
CellRect PrintedArea(const Worksheet& sheet, const PageDrawing& shapes, bool blnIgnorePrintAreas) {
  const PageSetup& setup = sheet.PageSettings();
  if (!blnIgnorePrintAreas && !setup.PrintArea().empty()) {
    const std::string& strArea = setup.PrintArea();
    const std::size_t lngBang = strArea.rfind('!');
    return ParseA1(lngBang == std::string::npos ? strArea : strArea.substr(lngBang + 1));
  }
  CellRect area;
  bool blnAny = sheet.Data().UsedRect(area);
  PageRect bounds;
  if (ShapesBounds(shapes, bounds)) {
    const std::int32_t lngLeft = ColumnAt(sheet, std::max(0.0, bounds.dblLeft));
    const std::int32_t lngRight = ColumnAt(sheet, std::max(0.0, bounds.Right() - 1e-6));
    const std::int32_t lngTop = RowAt(sheet, std::max(0.0, bounds.dblTop));
    const std::int32_t lngBottom = RowAt(sheet, std::max(0.0, bounds.Bottom() - 1e-6));
    if (!blnAny) {
      area = CellRect{lngTop, lngLeft, lngBottom, lngRight};
      blnAny = true;
    } else {
      area = CellRect{std::min(area.lngTop, lngTop), std::min(area.lngLeft, lngLeft),
                      std::max(area.lngBottom, lngBottom), std::max(area.lngRight, lngRight)};
    }
  }
  if (!blnAny) {
    throw Error(catalog::Format(_("Das Tabellenblatt „{}“ ist leer; es gibt nichts zu drucken."),
                                sheet.Name()));
  }
  return area;
}

// Column letters above and row numbers left of the area, as Excel prints its headings.
void DescribeHeadings(const CellRect& area, const SheetAxes& axes, double dblBandWidth,
                      PageDrawing& drawing) {
  const double dblLeft = axes.X(area.lngLeft), dblTop = axes.Y(area.lngTop);
  auto cell = [&](const PageRect& box, std::string strText) {
    drawing.fills.push_back(PageFill{box, kHeadingFill, xlPatternSolid});
    PageText text;
    text.box = box;
    text.clip = box;
    text.strText = std::move(strText);
    text.horizontal = PageAlign::Center;
    text.vertical = PageAlign::Center;
    drawing.texts.push_back(std::move(text));
    const double x2 = box.Right(), y2 = box.Bottom();
    drawing.borders.push_back(PageLine{box.dblLeft, y2, x2, y2, 0.0f, 0x808080, xlContinuous});
    drawing.borders.push_back(PageLine{x2, box.dblTop, x2, y2, 0.0f, 0x808080, xlContinuous});
  };
  cell(PageRect{dblLeft - dblBandWidth, dblTop - kHeadingHeight, dblBandWidth, kHeadingHeight}, "");
  for (std::int32_t c = area.lngLeft; c <= area.lngRight; ++c) {
    if (axes.Width(c) <= 0) continue;
    cell(PageRect{axes.X(c), dblTop - kHeadingHeight, axes.Width(c), kHeadingHeight},
         ColumnLetters(c));
  }
  for (std::int32_t r = area.lngTop; r <= area.lngBottom; ++r) {
    if (axes.Height(r) <= 0) continue;
    cell(PageRect{dblLeft - dblBandWidth, axes.Y(r), dblBandWidth, axes.Height(r)},
         std::to_string(r));
  }
}

// Where pages break along one axis: at cell edges, so that no page ends inside a cell unless a
// single cell is larger than the page.
std::vector<std::pair<double, double>> Breaks(double dblStart, const std::vector<double>& edges,
                                              double dblPageLength) {
  std::vector<std::pair<double, double>> colPages;
  double dblPageStart = dblStart, dblLastEdge = dblStart;
  const double dblEnd = edges.empty() ? dblStart : edges.back();
  std::size_t i = 0;
  while (dblPageStart < dblEnd - 1e-9) {
    while (i < edges.size() && edges[i] - dblPageStart <= dblPageLength + 1e-6) {
      dblLastEdge = edges[i++];
    }
    double dblPageEnd =
        dblLastEdge > dblPageStart + 1e-9 ? dblLastEdge : dblPageStart + dblPageLength;
    dblPageEnd = std::min(dblPageEnd, dblEnd);
    colPages.emplace_back(dblPageStart, dblPageEnd);
    dblPageStart = dblPageEnd;
    while (i < edges.size() && edges[i] <= dblPageStart + 1e-9) ++i;
  }
  if (colPages.empty()) colPages.emplace_back(dblStart, dblEnd);
  return colPages;
}

std::string TwoDigits(int intValue) {
  std::string strText = std::to_string(intValue);
  return strText.size() < 2 ? "0" + strText : strText;
}

}  // namespace

void PaperSizePoints(std::int32_t lngPaperSize, double& dblWidth, double& dblHeight) {
  constexpr double kMm = 72.0 / 25.4;
  switch (lngPaperSize) {
    case 1:  // Letter
    case 2:
      dblWidth = 612, dblHeight = 792;
      return;
    case 3:
      dblWidth = 792, dblHeight = 1224;
      return;  // Tabloid
    case 5:
      dblWidth = 612, dblHeight = 1008;
      return;  // Legal
    case 7:
      dblWidth = 522, dblHeight = 756;
      return;  // Executive
    case 8:
      dblWidth = 297 * kMm, dblHeight = 420 * kMm;
      return;  // A3
    case 11:
      dblWidth = 148 * kMm, dblHeight = 210 * kMm;
      return;  // A5
    case 12:
      dblWidth = 250 * kMm, dblHeight = 353 * kMm;
      return;  // B4
    case 13:
      dblWidth = 176 * kMm, dblHeight = 250 * kMm;
      return;  // B5
    default:
      dblWidth = 210 * kMm, dblHeight = 297 * kMm;
      return;  // A4 (9, 10) and the rest
  }
}

PageHeaderText ResolveHeaderText(const std::string& strCodes, std::int32_t lngPage,
                                 std::int32_t lngPages, const std::string& strSheet,
                                 const std::string& strFileName, std::time_t lngNow) {
  PageHeaderText result;
  std::tm now{};
  localtime_r(&lngNow, &now);
  const std::filesystem::path file(strFileName);
  std::string& out = result.strText;
  for (std::size_t i = 0; i < strCodes.size(); ++i) {
    if (strCodes[i] != '&' || i + 1 >= strCodes.size()) {
      out += strCodes[i];
      continue;
    }
    const char code = strCodes[++i];
    switch (std::toupper(static_cast<unsigned char>(code))) {
      case '&':
        out += '&';
        break;
      case 'P':
        out += std::to_string(lngPage);
        break;
      case 'N':
        out += std::to_string(lngPages);
        break;
      case 'D':
        out += TwoDigits(now.tm_mday) + "." + TwoDigits(now.tm_mon + 1) + "." +
               std::to_string(now.tm_year + 1900);
        break;
      case 'T':
        out += TwoDigits(now.tm_hour) + ":" + TwoDigits(now.tm_min);
        break;
      case 'F':
        out += file.filename().string();
        break;
      case 'Z': {
        std::string strFolder = file.parent_path().string();
        if (!strFolder.empty() && strFolder.back() != '/') strFolder += '/';
        out += strFolder;
        break;
      }
      case 'A':
        out += strSheet;
        break;
      case 'B':
        result.blnBold = !result.blnBold;
        break;
      case 'K':
        i = std::min(strCodes.size() - 1, i + 6);
        break;  // a colour: &KRRGGBB
      case '"': {
        // &"Font,Style": the style may make the text bold.
        const std::size_t end = strCodes.find('"', i + 1);
        const std::string strFont =
            strCodes.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
        if (strFont.find("Bold") != std::string::npos || strFont.find("Fett") != std::string::npos)
          result.blnBold = true;
        i = end == std::string::npos ? strCodes.size() : end;
        break;
      }
      default:
        if (std::isdigit(static_cast<unsigned char>(code))) {
          std::size_t end = i;
          while (end < strCodes.size() && std::isdigit(static_cast<unsigned char>(strCodes[end])))
            ++end;
          result.sngSize = static_cast<float>(std::stoi(strCodes.substr(i, end - i)));
          i = end - 1;
        }
        break;  // other formatting codes are dropped
    }
  }
  return result;
}

PageDocument LayOutPages(const Worksheet& sheet, const PageLayoutOptions& options) {
  const PageSetup& setup = sheet.PageSettings();
  PageDocument document;
  DescribeShapes(sheet.ShapeList(), document.drawing);
  const CellRect area = PrintedArea(sheet, document.drawing, options.blnIgnorePrintAreas);
  const SheetAxes axes(sheet, area.lngRight, area.lngBottom);

  // The cells go behind the shapes: lay them out into a drawing of their own, then append.
  PageDrawing cells;
  double dblBandWidth = 0, dblBandHeight = 0;
  if (setup.PrintHeadings()) {
    dblBandWidth = 6.0 + 5.25 * static_cast<double>(std::to_string(area.lngBottom).size());
    dblBandHeight = kHeadingHeight;
    DescribeHeadings(area, axes, dblBandWidth, cells);
  }
  DescribeCells(sheet, area, axes, setup.PrintGridlines(), cells);
  cells.shapes = std::move(document.drawing.shapes);
  document.drawing = std::move(cells);

  // The paper and the printable part of it.
  double dblWidth = 0, dblHeight = 0;
  PaperSizePoints(setup.PaperSize(), dblWidth, dblHeight);
  document.blnLandscape = setup.Orientation() == xlLandscape;
  if (document.blnLandscape) std::swap(dblWidth, dblHeight);
  document.dblPaperWidth = dblWidth;
  document.dblPaperHeight = dblHeight;
  const double dblPrintWidth = std::max(1.0, dblWidth - setup.LeftMargin() - setup.RightMargin());
  const double dblPrintHeight = std::max(1.0, dblHeight - setup.TopMargin() - setup.BottomMargin());

  const PageRect content{axes.X(area.lngLeft) - dblBandWidth, axes.Y(area.lngTop) - dblBandHeight,
                         axes.X(area.lngRight + 1) - axes.X(area.lngLeft) + dblBandWidth,
                         axes.Y(area.lngBottom + 1) - axes.Y(area.lngTop) + dblBandHeight};
  double dblScale = 1.0;
  if (setup.Zoom()) {
    dblScale = *setup.Zoom() / 100.0;
  } else {
    constexpr double kNone = std::numeric_limits<double>::infinity();
    const auto wide = setup.FitToPagesWide(), tall = setup.FitToPagesTall();
    const double dblX =
        wide && content.dblWidth > 0 ? dblPrintWidth * *wide / content.dblWidth : kNone;
    const double dblY =
        tall && content.dblHeight > 0 ? dblPrintHeight * *tall / content.dblHeight : kNone;
    dblScale = std::min({1.0, dblX, dblY});
  }
  dblScale = std::clamp(dblScale, kMinScale, kMaxScale);

  std::vector<double> colEdges, rowEdges;
  for (std::int32_t c = area.lngLeft; c <= area.lngRight; ++c) {
    if (axes.Width(c) > 0) colEdges.push_back(axes.X(c + 1));
  }
  for (std::int32_t r = area.lngTop; r <= area.lngBottom; ++r) {
    if (axes.Height(r) > 0) rowEdges.push_back(axes.Y(r + 1));
  }
  const auto colAcross = Breaks(content.dblLeft, colEdges, dblPrintWidth / dblScale);
  const auto colDown = Breaks(content.dblTop, rowEdges, dblPrintHeight / dblScale);

  std::vector<PageRect> colSources;
  auto add = [&](const std::pair<double, double>& x, const std::pair<double, double>& y) {
    colSources.push_back(PageRect{x.first, y.first, x.second - x.first, y.second - y.first});
  };
  if (setup.Order() == xlOverThenDown) {
    for (const auto& y : colDown)
      for (const auto& x : colAcross) add(x, y);
  } else {
    for (const auto& x : colAcross)
      for (const auto& y : colDown) add(x, y);
  }

  const std::time_t lngNow = options.lngNow != 0 ? options.lngNow : std::time(nullptr);
  const auto lngPages = static_cast<std::int32_t>(colSources.size());
  const std::int32_t lngFirst =
      setup.FirstPageNumber() == xlAutomatic ? 1 : setup.FirstPageNumber();
  const std::string strSheet = sheet.Name();
  for (std::int32_t i = 0; i < lngPages; ++i) {
    PrintedPage page;
    page.source = colSources[static_cast<std::size_t>(i)];
    page.dblScale = dblScale;
    page.dblLeft = setup.LeftMargin();
    page.dblTop = setup.TopMargin();
    if (setup.CenterHorizontally())
      page.dblLeft += (dblPrintWidth - page.source.dblWidth * dblScale) / 2;
    if (setup.CenterVertically())
      page.dblTop += (dblPrintHeight - page.source.dblHeight * dblScale) / 2;
    const std::string* header[] = {&setup.LeftHeader(), &setup.CenterHeader(),
                                   &setup.RightHeader()};
    const std::string* footer[] = {&setup.LeftFooter(), &setup.CenterFooter(),
                                   &setup.RightFooter()};
    for (std::size_t k = 0; k < 3; ++k) {
      page.header[k] = ResolveHeaderText(*header[k], lngFirst + i, lngPages, strSheet,
                                         options.strFileName, lngNow);
      page.footer[k] = ResolveHeaderText(*footer[k], lngFirst + i, lngPages, strSheet,
                                         options.strFileName, lngNow);
    }
    page.dblHeaderTop = setup.HeaderMargin();
    page.dblFooterBottom = setup.FooterMargin();
    page.dblTextLeft = setup.LeftMargin();
    page.dblTextRight = dblWidth - setup.RightMargin();
    document.pages.push_back(std::move(page));
  }
  return document;
}

}  // namespace excel
