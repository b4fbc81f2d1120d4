#include "platform/excel/xlsx/SheetXml.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/excel/A1Reference.h"

namespace excel::xlsx {

namespace {

// The width attribute of a column w characters wide: w plus the padding of 5 pixels, in
// characters of 7 pixels, to 1/256 of a character (as Excel writes it for Arial 10).
double FileColumnWidth(double width) {
  return std::floor((width * 7 + 5) / 7 * 256) / 256;
}

// The column letters, made once per column.
class ColumnNames {
 public:
  const std::string& operator()(std::int32_t column) {
    while (names_.size() < static_cast<std::size_t>(column)) {
      names_.push_back(ColumnLetters(static_cast<std::int32_t>(names_.size()) + 1));
    }
    return names_[static_cast<std::size_t>(column) - 1];
  }

 private:
  std::vector<std::string> names_;
};

std::string CellName(std::int32_t row, std::int32_t column) {
  std::string name;
  AppendCellName(name, row, column);
  return name;
}

void WriteHead(const file::SheetView& sheet, XmlWriter& xml) {
  const SheetData& data = sheet.Cells();
  const Outline& outline = sheet.OutlineSettings();
  const PageSetup& page = sheet.PageSettings();

  xml.Declaration();
  xml.Start("worksheet")
      .Attribute("xmlns", "http://schemas.openxmlformats.org/spreadsheetml/2006/main")
      .Attribute("xmlns:r", "http://schemas.openxmlformats.org/officeDocument/2006/relationships");
  xml.Start("sheetPr");
  xml.Start("outlinePr")
      .Attribute("applyStyles", outline.AutomaticStyles())
      .Attribute("summaryBelow", outline.SummaryRow() == xlSummaryBelow)
      .Attribute("summaryRight", outline.SummaryColumn() == xlSummaryOnRight)
      .End();
  if (!page.Zoom()) xml.Start("pageSetUpPr").Attribute("fitToPage", 1).End();
  xml.End();

  CellRect used;
  xml.Start("dimension").Attribute("ref", data.UsedRect(used) ? RectName(used) : "A1").End();

  xml.Start("sheetViews").Start("sheetView");
  if (sheet.Selected()) xml.Attribute("tabSelected", 1);
  xml.Attribute("workbookViewId", 0);
  const file::Pane pane = sheet.FrozenPane();
  const std::string active = CellName(pane.activeRow, pane.activeColumn);
  if (pane.frozenRows > 0 || pane.frozenColumns > 0) {
    const char* where = pane.frozenRows > 0 && pane.frozenColumns > 0 ? "bottomRight"
                        : pane.frozenRows > 0                         ? "bottomLeft"
                                                                      : "topRight";
    xml.Start("pane");
    if (pane.frozenColumns > 0) xml.Attribute("xSplit", pane.frozenColumns);
    if (pane.frozenRows > 0) xml.Attribute("ySplit", pane.frozenRows);
    xml.Attribute("topLeftCell", CellName(pane.frozenRows + 1, pane.frozenColumns + 1))
        .Attribute("activePane", where)
        .Attribute("state", "frozen")
        .End();
    xml.Start("selection")
        .Attribute("pane", where)
        .Attribute("activeCell", active)
        .Attribute("sqref", active)
        .End();
  } else if (active != "A1") {
    xml.Start("selection").Attribute("activeCell", active).Attribute("sqref", active).End();
  }
  xml.End().End();

  xml.Start("sheetFormatPr").Attribute("defaultRowHeight", 12.75);
  std::int32_t outlineLevel = 0;
  for (const auto& [number, row] : data.Rows()) {
    outlineLevel = std::max(outlineLevel, row.lngOutlineLevel);
  }
  if (outlineLevel > 0) xml.Attribute("outlineLevelRow", outlineLevel);
  xml.End();

  const auto& widths = data.ColumnWidths();
  if (!widths.empty()) {
    xml.Start("cols");
    for (auto it = widths.begin(); it != widths.end();) {
      // One <col> for a run of neighbouring columns of the same width.
      auto last = it;
      auto next = std::next(it);
      while (next != widths.end() && next->first == last->first + 1 && next->second == it->second) {
        last = next++;
      }
      xml.Start("col").Attribute("min", it->first).Attribute("max", last->first);
      if (it->second <= 0) {
        xml.Attribute("width", 0).Attribute("hidden", 1);
      } else {
        xml.Attribute("width", FileColumnWidth(it->second));
      }
      xml.Attribute("customWidth", 1).End();
      it = next;
    }
    xml.End();
  }
}

void WriteCellText(XmlWriter& xml, const std::string& text) {
  const bool preserve = !text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                          text.find_first_of("\t\n\r") != std::string::npos);
  xml.Attribute("t", "inlineStr").Start("is").Start("t");
  if (preserve) xml.Attribute("xml:space", "preserve");
  xml.Text(text).End().End();
}

void WriteRow(XmlWriter& xml, ColumnNames& columns, const std::vector<std::uint32_t>& styleIndex,
              std::int32_t number, const RowData& row) {
  const bool custom = row.dblHeight >= 0 || row.lngOutlineLevel > 0;
  if (!custom && row.values.empty() &&
      std::all_of(row.xfs.begin(), row.xfs.end(), [](std::uint32_t xf) { return xf == 0; })) {
    return;
  }
  xml.Start("row").Attribute("r", number);
  if (row.dblHeight == 0) {
    xml.Attribute("ht", 0).Attribute("hidden", 1).Attribute("customHeight", 1);
  } else if (row.dblHeight > 0) {
    xml.Attribute("ht", row.dblHeight).Attribute("customHeight", 1);
  }
  if (row.lngOutlineLevel > 0) xml.Attribute("outlineLevel", row.lngOutlineLevel);

  auto value = row.values.begin();
  const auto formatted = static_cast<std::int32_t>(row.xfs.size());
  const std::int32_t last = std::max(formatted, row.values.empty() ? 0 : row.values.back().first);
  for (std::int32_t column = 1; column <= last; ++column) {
    const std::uint32_t style = column <= formatted ? styleIndex[row.xfs[column - 1]] : 0;
    const bool hasValue = value != row.values.end() && value->first == column;
    if (style == 0 && !hasValue) continue;
    xml.Start("c").Attribute("r", columns(column), number);
    if (style != 0) xml.Attribute("s", style);
    if (hasValue) {
      if (const auto* text = std::get_if<std::string>(&value->second)) {
        WriteCellText(xml, *text);
      } else {
        xml.Start("v").Number(std::get<double>(value->second)).End();
      }
      ++value;
    }
    xml.End();
  }
  xml.End();
}

// The header or footer text: its left, centre and right sections.
std::string Sections(const std::string& left, const std::string& center, const std::string& right) {
  std::string text;
  if (!left.empty()) text += "&L" + left;
  if (!center.empty()) text += "&C" + center;
  if (!right.empty()) text += "&R" + right;
  return text;
}

void WriteTail(const file::SheetView& sheet, std::string_view drawing, XmlWriter& xml) {
  const SheetData& data = sheet.Cells();
  const PageSetup& page = sheet.PageSettings();

  if (!data.Merges().empty()) {
    xml.Start("mergeCells").Attribute("count", data.Merges().size());
    for (const CellRect& area : data.Merges()) {
      xml.Start("mergeCell").Attribute("ref", RectName(area)).End();
    }
    xml.End();
  }

  if (page.CenterHorizontally() || page.CenterVertically() || page.PrintHeadings() ||
      page.PrintGridlines()) {
    xml.Start("printOptions");
    if (page.CenterHorizontally()) xml.Attribute("horizontalCentered", 1);
    if (page.CenterVertically()) xml.Attribute("verticalCentered", 1);
    if (page.PrintHeadings()) xml.Attribute("headings", 1);
    if (page.PrintGridlines()) xml.Attribute("gridLines", 1);
    xml.End();
  }

  xml.Start("pageMargins")
      .Attribute("left", page.LeftMargin() / 72)
      .Attribute("right", page.RightMargin() / 72)
      .Attribute("top", page.TopMargin() / 72)
      .Attribute("bottom", page.BottomMargin() / 72)
      .Attribute("header", page.HeaderMargin() / 72)
      .Attribute("footer", page.FooterMargin() / 72)
      .End();

  const bool firstPageNumber = page.FirstPageNumber() != xlAutomatic;
  xml.Start("pageSetup").Attribute("paperSize", page.PaperSize());
  if (page.Zoom()) xml.Attribute("scale", *page.Zoom());
  if (firstPageNumber) xml.Attribute("firstPageNumber", page.FirstPageNumber());
  xml.Attribute("fitToWidth", page.FitToPagesWide().value_or(0))
      .Attribute("fitToHeight", page.FitToPagesTall().value_or(0))
      .Attribute("pageOrder", page.Order() == xlOverThenDown ? "overThenDown" : "downThenOver")
      .Attribute("orientation", page.Orientation() == xlLandscape ? "landscape" : "portrait");
  if (page.BlackAndWhite()) xml.Attribute("blackAndWhite", 1);
  if (page.Draft()) xml.Attribute("draft", 1);
  if (page.PrintComments() == xlPrintSheetEnd) xml.Attribute("cellComments", "atEnd");
  if (page.PrintComments() == xlPrintInPlace) xml.Attribute("cellComments", "asDisplayed");
  if (firstPageNumber) xml.Attribute("useFirstPageNumber", 1);
  xml.Attribute("horizontalDpi", page.PrintQuality())
      .Attribute("verticalDpi", page.PrintQuality())
      .End();

  const std::string header = Sections(page.LeftHeader(), page.CenterHeader(), page.RightHeader());
  const std::string footer = Sections(page.LeftFooter(), page.CenterFooter(), page.RightFooter());
  if (!header.empty() || !footer.empty()) {
    xml.Start("headerFooter");
    if (!header.empty()) xml.Start("oddHeader").Text(header).End();
    if (!footer.empty()) xml.Start("oddFooter").Text(footer).End();
    xml.End();
  }
  if (!drawing.empty()) xml.Start("drawing").Attribute("r:id", drawing).End();
}

}  // namespace

void WriteSheetXml(const file::SheetView& sheet, const std::vector<std::uint32_t>& styleIndex,
                   std::string_view drawing, XmlWriter& xml) {
  WriteHead(sheet, xml);
  xml.Start("sheetData");
  ColumnNames columns;
  for (const auto& [number, row] : sheet.Cells().Rows()) {
    WriteRow(xml, columns, styleIndex, number, row);
  }
  xml.End();
  WriteTail(sheet, drawing, xml);
  xml.End();
}

}  // namespace excel::xlsx
