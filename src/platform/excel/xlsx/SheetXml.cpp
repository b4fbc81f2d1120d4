#include "platform/excel/xlsx/SheetXml.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "platform/excel/XmlText.h"

namespace excel::xlsx {

namespace {

constexpr std::size_t kPieceSize = 1 << 16;

// The width attribute of a column w characters wide: w plus the padding of 5 pixels, in
// characters of 7 pixels, to 1/256 of a character (as Excel writes it for Arial 10).
double FileColumnWidth(double width) {
  return std::floor((width * 7 + 5) / 7 * 256) / 256;
}

void AppendAttribute(std::string& out, const char* name, double value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendNumber(out, value);
  out += '"';
}

void AppendAttribute(std::string& out, const char* name, std::int64_t value) {
  out += ' ';
  out += name;
  out += "=\"";
  AppendInteger(out, value);
  out += '"';
}

void AppendCellText(std::string& out, const std::string& text) {
  bool preserve = !text.empty() && (text.front() == ' ' || text.back() == ' ' ||
                                    text.find_first_of("\t\n\r") != std::string::npos);
  out += preserve ? " t=\"inlineStr\"><is><t xml:space=\"preserve\">" : " t=\"inlineStr\"><is><t>";
  AppendXmlText(out, text);
  out += "</t></is></c>";
}

}  // namespace

SheetXml::SheetXml(const file::SheetView& sheet, bool drawing,
                   const std::vector<std::uint32_t>& styleIndex)
    : sheet_(sheet), drawing_(drawing), styleIndex_(styleIndex) {}

void SheetXml::Rewind() {
  stage_ = Stage::kHead;
}

bool SheetXml::Next(std::string& out) {
  switch (stage_) {
    case Stage::kHead:
      Head(out);
      row_ = sheet_.Cells().Rows().begin();
      stage_ = Stage::kRows;
      return true;
    case Stage::kRows: {
      const auto end = sheet_.Cells().Rows().end();
      std::size_t limit = out.size() + kPieceSize;
      while (row_ != end && out.size() < limit) {
        WriteRow(out, row_->first, row_->second);
        ++row_;
      }
      if (row_ == end) stage_ = Stage::kTail;
      return true;
    }
    case Stage::kTail:
      Tail(out);
      stage_ = Stage::kDone;
      return true;
    case Stage::kDone:
      break;
  }
  return false;
}

const std::string& SheetXml::Letters(std::int32_t column) {
  while (letters_.size() < static_cast<std::size_t>(column)) {
    letters_.push_back(ColumnLetters(static_cast<std::int32_t>(letters_.size()) + 1));
  }
  return letters_[column - 1];
}

void SheetXml::Head(std::string& out) const {
  const SheetData& data = sheet_.Cells();
  const Outline& outline = sheet_.OutlineSettings();
  const PageSetup& page = sheet_.PageSettings();

  out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
      "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
      "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
      "<sheetPr><outlinePr applyStyles=\"";
  out += outline.AutomaticStyles() ? "1" : "0";
  out += "\" summaryBelow=\"";
  out += outline.SummaryRow() == xlSummaryBelow ? "1" : "0";
  out += "\" summaryRight=\"";
  out += outline.SummaryColumn() == xlSummaryOnRight ? "1" : "0";
  out += "\"/>";
  if (!page.Zoom()) out += "<pageSetUpPr fitToPage=\"1\"/>";
  out += "</sheetPr><dimension ref=\"";
  CellRect used;
  out += data.UsedRect(used) ? RectName(used) : "A1";
  out += "\"/><sheetViews><sheetView";
  if (sheet_.Selected()) out += " tabSelected=\"1\"";
  out += " workbookViewId=\"0\">";
  const file::Pane pane = sheet_.FrozenPane();
  std::int32_t rows = pane.frozenRows, columns = pane.frozenColumns;
  std::string active;
  AppendCellName(active, pane.activeRow, pane.activeColumn);
  if (rows > 0 || columns > 0) {
    const char* pane = rows > 0 && columns > 0 ? "bottomRight"
                       : rows > 0              ? "bottomLeft"
                                               : "topRight";
    out += "<pane";
    if (columns > 0) AppendAttribute(out, "xSplit", std::int64_t{columns});
    if (rows > 0) AppendAttribute(out, "ySplit", std::int64_t{rows});
    out += " topLeftCell=\"";
    AppendCellName(out, rows + 1, columns + 1);
    out += "\" activePane=\"";
    out += pane;
    out += "\" state=\"frozen\"/><selection pane=\"";
    out += pane;
    out += "\" activeCell=\"" + active + "\" sqref=\"" + active + "\"/>";
  } else if (active != "A1") {
    out += "<selection activeCell=\"" + active + "\" sqref=\"" + active + "\"/>";
  }
  out += "</sheetView></sheetViews><sheetFormatPr defaultRowHeight=\"12.75\"";
  std::int32_t outlineLevel = 0;
  for (const auto& [number, row] : data.Rows())
    outlineLevel = std::max(outlineLevel, row.lngOutlineLevel);
  if (outlineLevel > 0) AppendAttribute(out, "outlineLevelRow", std::int64_t{outlineLevel});
  out += "/>";

  const auto& widths = data.ColumnWidths();
  if (!widths.empty()) {
    out += "<cols>";
    for (auto it = widths.begin(); it != widths.end();) {
      // One <col> for a run of neighbouring columns of the same width.
      auto last = it;
      auto next = std::next(it);
      while (next != widths.end() && next->first == last->first + 1 && next->second == it->second) {
        last = next++;
      }
      out += "<col";
      AppendAttribute(out, "min", std::int64_t{it->first});
      AppendAttribute(out, "max", std::int64_t{last->first});
      if (it->second <= 0) {
        out += " width=\"0\" hidden=\"1\"";
      } else {
        AppendAttribute(out, "width", FileColumnWidth(it->second));
      }
      out += " customWidth=\"1\"/>";
      it = next;
    }
    out += "</cols>";
  }
  out += "<sheetData>";
}

void SheetXml::WriteRow(std::string& out, std::int32_t number, const RowData& row) {
  bool custom = row.dblHeight >= 0 || row.lngOutlineLevel > 0;
  if (!custom && row.values.empty() &&
      std::all_of(row.xfs.begin(), row.xfs.end(), [](std::uint32_t xf) { return xf == 0; })) {
    return;
  }
  char digits[12];
  auto [digitsEnd, error] = std::to_chars(digits, digits + sizeof digits, number);
  (void)error;
  std::string_view rowName(digits, static_cast<std::size_t>(digitsEnd - digits));

  out += "<row r=\"";
  out += rowName;
  out += '"';
  if (row.dblHeight == 0) {
    out += " ht=\"0\" hidden=\"1\" customHeight=\"1\"";
  } else if (row.dblHeight > 0) {
    AppendAttribute(out, "ht", row.dblHeight);
    out += " customHeight=\"1\"";
  }
  if (row.lngOutlineLevel > 0)
    AppendAttribute(out, "outlineLevel", std::int64_t{row.lngOutlineLevel});
  out += '>';

  auto value = row.values.begin();
  const std::int32_t formatted = static_cast<std::int32_t>(row.xfs.size());
  const std::int32_t last = std::max(formatted, row.values.empty() ? 0 : row.values.back().first);
  for (std::int32_t c = 1; c <= last; ++c) {
    std::uint32_t xf = c <= formatted ? styleIndex_[row.xfs[c - 1]] : 0;
    bool hasValue = value != row.values.end() && value->first == c;
    if (xf == 0 && !hasValue) continue;
    out += "<c r=\"";
    out += Letters(c);
    out += rowName;
    out += '"';
    if (xf != 0) AppendAttribute(out, "s", std::int64_t{xf});
    if (!hasValue) {
      out += "/>";
      continue;
    }
    if (const auto* text = std::get_if<std::string>(&value->second)) {
      AppendCellText(out, *text);
    } else {
      out += "><v>";
      AppendNumber(out, std::get<double>(value->second));
      out += "</v></c>";
    }
    ++value;
  }
  out += "</row>";
}

void SheetXml::Tail(std::string& out) const {
  const SheetData& data = sheet_.Cells();
  const PageSetup& page = sheet_.PageSettings();
  out += "</sheetData>";

  if (!data.Merges().empty()) {
    out += "<mergeCells";
    AppendAttribute(out, "count", static_cast<std::int64_t>(data.Merges().size()));
    out += '>';
    for (const CellRect& area : data.Merges()) out += "<mergeCell ref=\"" + RectName(area) + "\"/>";
    out += "</mergeCells>";
  }

  std::string options;
  if (page.CenterHorizontally()) options += " horizontalCentered=\"1\"";
  if (page.CenterVertically()) options += " verticalCentered=\"1\"";
  if (page.PrintHeadings()) options += " headings=\"1\"";
  if (page.PrintGridlines()) options += " gridLines=\"1\"";
  if (!options.empty()) out += "<printOptions" + options + "/>";

  out += "<pageMargins";
  AppendAttribute(out, "left", page.LeftMargin() / 72);
  AppendAttribute(out, "right", page.RightMargin() / 72);
  AppendAttribute(out, "top", page.TopMargin() / 72);
  AppendAttribute(out, "bottom", page.BottomMargin() / 72);
  AppendAttribute(out, "header", page.HeaderMargin() / 72);
  AppendAttribute(out, "footer", page.FooterMargin() / 72);
  out += "/><pageSetup";
  AppendAttribute(out, "paperSize", std::int64_t{page.PaperSize()});
  if (page.Zoom()) AppendAttribute(out, "scale", std::int64_t{*page.Zoom()});
  if (page.FirstPageNumber() != xlAutomatic) {
    AppendAttribute(out, "firstPageNumber", std::int64_t{page.FirstPageNumber()});
  }
  AppendAttribute(out, "fitToWidth", std::int64_t{page.FitToPagesWide().value_or(0)});
  AppendAttribute(out, "fitToHeight", std::int64_t{page.FitToPagesTall().value_or(0)});
  out += page.Order() == xlOverThenDown ? " pageOrder=\"overThenDown\""
                                        : " pageOrder=\"downThenOver\"";
  out += page.Orientation() == xlLandscape ? " orientation=\"landscape\""
                                           : " orientation=\"portrait\"";
  if (page.BlackAndWhite()) out += " blackAndWhite=\"1\"";
  if (page.Draft()) out += " draft=\"1\"";
  out += page.PrintComments() == xlPrintSheetEnd  ? " cellComments=\"atEnd\""
         : page.PrintComments() == xlPrintInPlace ? " cellComments=\"asDisplayed\""
                                                  : "";
  if (page.FirstPageNumber() != xlAutomatic) out += " useFirstPageNumber=\"1\"";
  AppendAttribute(out, "horizontalDpi", std::int64_t{page.PrintQuality()});
  AppendAttribute(out, "verticalDpi", std::int64_t{page.PrintQuality()});
  out += "/>";

  auto section = [](const std::string& l, const std::string& c, const std::string& r) {
    std::string text;
    if (!l.empty()) text += "&L" + l;
    if (!c.empty()) text += "&C" + c;
    if (!r.empty()) text += "&R" + r;
    return text;
  };
  std::string header = section(page.LeftHeader(), page.CenterHeader(), page.RightHeader());
  std::string footer = section(page.LeftFooter(), page.CenterFooter(), page.RightFooter());
  if (!header.empty() || !footer.empty()) {
    out += "<headerFooter>";
    if (!header.empty()) out += "<oddHeader>" + XmlText(header) + "</oddHeader>";
    if (!footer.empty()) out += "<oddFooter>" + XmlText(footer) + "</oddFooter>";
    out += "</headerFooter>";
  }
  if (drawing_) out += "<drawing r:id=\"rId1\"/>";
  out += "</worksheet>";
}

}  // namespace excel::xlsx
