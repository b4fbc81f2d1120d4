#include "platform/excel/xls/SheetStream.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>
#include <variant>

#include "platform/excel/xls/UnicodeText.h"

namespace excel::xls {

namespace {

constexpr std::uint16_t kCalcMode = 0x000D;
constexpr std::uint16_t kCalcCount = 0x000C;
constexpr std::uint16_t kRefMode = 0x000F;
constexpr std::uint16_t kIteration = 0x0011;
constexpr std::uint16_t kDelta = 0x0010;
constexpr std::uint16_t kSaveRecalc = 0x005F;
constexpr std::uint16_t kPrintHeaders = 0x002A;
constexpr std::uint16_t kPrintGridlines = 0x002B;
constexpr std::uint16_t kGridSet = 0x0082;
constexpr std::uint16_t kGuts = 0x0080;
constexpr std::uint16_t kDefaultRowHeight = 0x0225;
constexpr std::uint16_t kWsBool = 0x0081;
constexpr std::uint16_t kHeader = 0x0014;
constexpr std::uint16_t kFooter = 0x0015;
constexpr std::uint16_t kHCenter = 0x0083;
constexpr std::uint16_t kVCenter = 0x0084;
constexpr std::uint16_t kLeftMargin = 0x0026;
constexpr std::uint16_t kRightMargin = 0x0027;
constexpr std::uint16_t kTopMargin = 0x0028;
constexpr std::uint16_t kBottomMargin = 0x0029;
constexpr std::uint16_t kSetup = 0x00A1;
constexpr std::uint16_t kDefColWidth = 0x0055;
constexpr std::uint16_t kColInfo = 0x007D;
constexpr std::uint16_t kDimensions = 0x0200;
constexpr std::uint16_t kRow = 0x0208;
constexpr std::uint16_t kLabelSst = 0x00FD;
constexpr std::uint16_t kNumber = 0x0203;
constexpr std::uint16_t kBlank = 0x0201;
constexpr std::uint16_t kMulBlank = 0x00BE;
constexpr std::uint16_t kWindow2 = 0x023E;
constexpr std::uint16_t kPane = 0x0041;
constexpr std::uint16_t kSelection = 0x001D;
constexpr std::uint16_t kMergedCells = 0x00E5;

constexpr std::size_t kRowsPerBlock = 32;
constexpr std::size_t kMergesPerRecord = 1026;
constexpr std::uint32_t kDefaultRowTwips = 255;

Bytes Number(double value) {
  Bytes bytes;
  bytes.F64(value);
  return bytes;
}

// The width of a column w characters wide in 1/256 of a character, the padding of 5 pixels
// included (as Excel keeps it for Arial 10).
std::uint32_t ColumnUnits(double width) {
  return static_cast<std::uint32_t>(std::floor((width * 7 + 5) / 7 * 256));
}

bool RowWritten(const RowData& row) {
  return row.dblHeight >= 0 || row.lngOutlineLevel > 0 || !row.values.empty() ||
         std::any_of(row.xfs.begin(), row.xfs.end(), [](std::uint32_t xf) { return xf != 0; });
}

void WritePrintSettings(RecordWriter& out, const file::SheetView& sheet) {
  const PageSetup& page = sheet.PageSettings();
  const Outline& outline = sheet.OutlineSettings();
  out.Write(kPrintHeaders, Word(page.PrintHeadings() ? 1 : 0));
  out.Write(kPrintGridlines, Word(page.PrintGridlines() ? 1 : 0));
  out.Write(kGridSet, Word(1));

  std::int32_t levels = 0;
  for (const auto& [number, row] : sheet.Cells().Rows())
    levels = std::max(levels, row.lngOutlineLevel);
  Bytes guts;
  guts.U16(levels > 0 ? static_cast<std::uint32_t>(17 + 12 * levels) : 0)
      .U16(0)
      .U16(levels > 0 ? static_cast<std::uint32_t>(levels + 1) : 0)
      .U16(0);
  out.Write(kGuts, guts);

  Bytes defaultRow;
  defaultRow.U16(0).U16(kDefaultRowTwips);
  out.Write(kDefaultRowHeight, defaultRow);

  std::uint32_t flags = 0x0001 | 0x0400;  // page breaks and outline symbols shown
  if (outline.AutomaticStyles()) flags |= 0x0020;
  if (outline.SummaryRow() == xlSummaryBelow) flags |= 0x0040;
  if (outline.SummaryColumn() == xlSummaryOnRight) flags |= 0x0080;
  if (!page.Zoom()) flags |= 0x0100;  // fitted to pages
  out.Write(kWsBool, Word(flags));

  auto section = [](const std::string& left, const std::string& center, const std::string& right) {
    std::string text;
    if (!left.empty()) text += "&L" + left;
    if (!center.empty()) text += "&C" + center;
    if (!right.empty()) text += "&R" + right;
    return text;
  };
  for (const auto& [type, text] :
       {std::pair{kHeader, section(page.LeftHeader(), page.CenterHeader(), page.RightHeader())},
        std::pair{kFooter, section(page.LeftFooter(), page.CenterFooter(), page.RightFooter())}}) {
    Bytes record;
    if (!text.empty()) AppendText16(record, text);
    out.Write(type, record);
  }
  out.Write(kHCenter, Word(page.CenterHorizontally() ? 1 : 0));
  out.Write(kVCenter, Word(page.CenterVertically() ? 1 : 0));
  out.Write(kLeftMargin, Number(page.LeftMargin() / 72));
  out.Write(kRightMargin, Number(page.RightMargin() / 72));
  out.Write(kTopMargin, Number(page.TopMargin() / 72));
  out.Write(kBottomMargin, Number(page.BottomMargin() / 72));

  std::uint32_t setupFlags = 0;
  if (page.Order() == xlOverThenDown) setupFlags |= 0x0001;
  if (page.Orientation() == xlPortrait) setupFlags |= 0x0002;
  if (page.BlackAndWhite()) setupFlags |= 0x0008;
  if (page.Draft()) setupFlags |= 0x0010;
  if (page.PrintComments() != xlPrintNoComments) setupFlags |= 0x0020;
  if (page.FirstPageNumber() != xlAutomatic) setupFlags |= 0x0080;
  if (page.PrintComments() == xlPrintSheetEnd) setupFlags |= 0x0200;
  Bytes setup;
  setup.U16(static_cast<std::uint32_t>(page.PaperSize()))
      .U16(static_cast<std::uint32_t>(page.Zoom().value_or(100)))
      .U16(static_cast<std::uint32_t>(page.FirstPageNumber() != xlAutomatic ? page.FirstPageNumber()
                                                                            : 1))
      .U16(static_cast<std::uint32_t>(page.FitToPagesWide().value_or(0)))
      .U16(static_cast<std::uint32_t>(page.FitToPagesTall().value_or(0)))
      .U16(setupFlags)
      .U16(static_cast<std::uint32_t>(page.PrintQuality()))
      .U16(static_cast<std::uint32_t>(page.PrintQuality()))
      .F64(page.HeaderMargin() / 72)
      .F64(page.FooterMargin() / 72)
      .U16(1);
  out.Write(kSetup, setup);
}

void WriteColumns(RecordWriter& out, const SheetData& cells) {
  out.Write(kDefColWidth, Word(8));
  const auto& widths = cells.ColumnWidths();
  for (auto it = widths.begin(); it != widths.end();) {
    // One record for a run of neighbouring columns of the same width.
    auto last = it;
    auto next = std::next(it);
    while (next != widths.end() && next->first == last->first + 1 && next->second == it->second) {
      last = next++;
    }
    const bool hidden = it->second <= 0;
    Bytes info;
    info.U16(static_cast<std::uint32_t>(it->first - 1))
        .U16(static_cast<std::uint32_t>(last->first - 1))
        .U16(hidden ? 0 : std::min<std::uint32_t>(ColumnUnits(it->second), 0xFFFF))
        .U16(CellStyles::kDefaultXf)
        .U16(hidden ? 0x0001 : 0x0000)
        .U16(0);
    out.Write(kColInfo, info);
    it = next;
  }
}

void WriteDimensions(RecordWriter& out, const SheetData& cells) {
  CellRect used;
  Bytes dimensions;
  if (cells.UsedRect(used)) {
    dimensions.U32(static_cast<std::uint32_t>(used.lngTop - 1))
        .U32(static_cast<std::uint32_t>(used.lngBottom))
        .U16(static_cast<std::uint32_t>(used.lngLeft - 1))
        .U16(static_cast<std::uint32_t>(used.lngRight));
  } else {
    dimensions.U32(0).U32(0).U16(0).U16(0);
  }
  dimensions.U16(0);
  out.Write(kDimensions, dimensions);
}

class CellWriter {
 public:
  CellWriter(RecordWriter& out, const CellStyles& styles, const SharedStrings& strings)
      : out_(out), styles_(styles), strings_(strings) {}

  // The first and one past the last column holding a cell.
  std::pair<std::int32_t, std::int32_t> Span(const RowData& row) const {
    std::int32_t first = 0, last = 0;
    const auto consider = [&](std::int32_t column) {
      if (first == 0 || column < first) first = column;
      last = std::max(last, column);
    };
    if (!row.values.empty()) {
      consider(row.values.front().first);
      consider(row.values.back().first);
    }
    for (std::size_t c = 0; c < row.xfs.size(); ++c) {
      if (row.xfs[c] != 0) {
        consider(static_cast<std::int32_t>(c) + 1);
        break;
      }
    }
    for (std::size_t c = row.xfs.size(); c > 0; --c) {
      if (row.xfs[c - 1] != 0) {
        consider(static_cast<std::int32_t>(c));
        break;
      }
    }
    return first == 0 ? std::pair{0, 0} : std::pair{first - 1, last};
  }

  void Row(std::int32_t number, const RowData& row) {
    const auto [first, last] = Span(row);
    Bytes record;
    std::uint32_t flags =
        0x0100 | static_cast<std::uint32_t>(std::clamp(row.lngOutlineLevel, 0, 7));
    std::uint32_t twips = kDefaultRowTwips;
    if (row.dblHeight == 0) {
      flags |= 0x0020 | 0x0040;  // hidden
    } else if (row.dblHeight > 0) {
      twips = static_cast<std::uint32_t>(std::lround(row.dblHeight * 20));
      flags |= 0x0040;  // a height of its own
    }
    record.U16(static_cast<std::uint32_t>(number - 1))
        .U16(static_cast<std::uint32_t>(first))
        .U16(static_cast<std::uint32_t>(last))
        .U16(twips)
        .U32(0)
        .U16(flags)
        .U16(CellStyles::kDefaultXf);
    out_.Write(kRow, record);
  }

  void Cells(std::int32_t number, const RowData& row) {
    const auto rowIndex = static_cast<std::uint32_t>(number - 1);
    auto value = row.values.begin();
    const auto formatted = static_cast<std::int32_t>(row.xfs.size());
    const std::int32_t end = std::max(formatted, row.values.empty() ? 0 : row.values.back().first);
    std::int32_t column = 1;
    while (column <= end) {
      const bool hasValue = value != row.values.end() && value->first == column;
      const std::uint16_t xf = styles_.XfIndex(row.Format(column));
      if (hasValue) {
        Bytes cell;
        cell.U16(rowIndex).U16(static_cast<std::uint32_t>(column - 1)).U16(xf);
        if (const auto* text = std::get_if<std::string>(&value->second)) {
          cell.U32(strings_.Find(*text));
          out_.Write(kLabelSst, cell);
        } else if (const auto* number = std::get_if<double>(&value->second)) {
          cell.F64(*number);
          out_.Write(kNumber, cell);
        } else {
          out_.Write(kBlank, cell);
        }
        ++value;
        ++column;
        continue;
      }
      if (xf == CellStyles::kDefaultXf) {
        ++column;
        continue;
      }
      // A run of formatted cells without values.
      const std::int32_t runStart = column;
      const std::int32_t next = value != row.values.end() ? value->first : end + 1;
      std::int32_t runEnd = column;
      while (runEnd + 1 < next && runEnd + 1 <= formatted &&
             styles_.XfIndex(row.Format(runEnd + 1)) != CellStyles::kDefaultXf) {
        ++runEnd;
      }
      Bytes cell;
      cell.U16(rowIndex).U16(static_cast<std::uint32_t>(runStart - 1));
      if (runEnd == runStart) {
        cell.U16(xf);
        out_.Write(kBlank, cell);
      } else {
        for (std::int32_t c = runStart; c <= runEnd; ++c) cell.U16(styles_.XfIndex(row.Format(c)));
        cell.U16(static_cast<std::uint32_t>(runEnd - 1));
        out_.Write(kMulBlank, cell);
      }
      column = runEnd + 1;
    }
  }

 private:
  RecordWriter& out_;
  const CellStyles& styles_;
  const SharedStrings& strings_;
};

void WriteRows(RecordWriter& out, const SheetData& cells, const CellStyles& styles,
               const SharedStrings& strings) {
  CellWriter writer(out, styles, strings);
  const auto& rows = cells.Rows();
  auto block = rows.begin();
  while (block != rows.end()) {
    auto end = block;
    std::size_t count = 0;
    while (end != rows.end() && count < kRowsPerBlock) {
      if (RowWritten(end->second)) {
        writer.Row(end->first, end->second);
        ++count;
      }
      ++end;
    }
    for (auto it = block; it != end; ++it) {
      if (RowWritten(it->second)) writer.Cells(it->first, it->second);
    }
    block = end;
  }
}

void WriteWindow(RecordWriter& out, const file::SheetView& sheet) {
  const file::Pane pane = sheet.FrozenPane();
  const bool frozen = pane.frozenRows > 0 || pane.frozenColumns > 0;
  std::uint32_t flags = 0x0002 | 0x0004 | 0x0010 | 0x0020 | 0x0080;  // grid, headings, zeros,
                                                                     // outline symbols
  if (frozen) flags |= 0x0008 | 0x0100;
  if (sheet.Selected()) flags |= 0x0200 | 0x0400;
  Bytes window;
  window.U16(flags).U16(0).U16(0).U32(64).U16(0).U16(0).U32(0);
  out.Write(kWindow2, window);

  std::uint32_t active = 3;  // the top-left pane, the only one when nothing is frozen
  if (frozen) {
    active = pane.frozenRows > 0 && pane.frozenColumns > 0 ? 0 : pane.frozenRows > 0 ? 2 : 1;
    Bytes split;
    split.U16(static_cast<std::uint32_t>(pane.frozenColumns))
        .U16(static_cast<std::uint32_t>(pane.frozenRows))
        .U16(static_cast<std::uint32_t>(pane.frozenRows))
        .U16(static_cast<std::uint32_t>(pane.frozenColumns))
        .U8(active)
        .U8(0);
    out.Write(kPane, split);
  }
  const auto row = static_cast<std::uint32_t>(pane.activeRow - 1);
  const auto column = static_cast<std::uint32_t>(pane.activeColumn - 1);
  Bytes selection;
  selection.U8(active).U16(row).U16(column).U16(0).U16(1);
  selection.U16(row).U16(row).U8(column).U8(column);
  out.Write(kSelection, selection);
}

void WriteMerges(RecordWriter& out, const SheetData& cells) {
  const auto& merges = cells.Merges();
  for (std::size_t start = 0; start < merges.size(); start += kMergesPerRecord) {
    const std::size_t count = std::min(kMergesPerRecord, merges.size() - start);
    Bytes record;
    record.U16(static_cast<std::uint32_t>(count));
    for (std::size_t i = start; i < start + count; ++i) {
      record.U16(static_cast<std::uint32_t>(merges[i].lngTop - 1))
          .U16(static_cast<std::uint32_t>(merges[i].lngBottom - 1))
          .U16(static_cast<std::uint32_t>(merges[i].lngLeft - 1))
          .U16(static_cast<std::uint32_t>(merges[i].lngRight - 1));
    }
    out.Write(kMergedCells, record);
  }
}

}  // namespace

void WriteSheet(RecordWriter& out, const file::SheetView& sheet, const CellStyles& styles,
                const SharedStrings& strings, const ShapeIds& ids, std::size_t drawing) {
  out.WriteBof(kWorksheet);
  out.Write(kCalcMode, Word(1));
  out.Write(kCalcCount, Word(100));
  out.Write(kRefMode, Word(1));
  out.Write(kIteration, Word(0));
  out.Write(kDelta, Number(0.001));
  out.Write(kSaveRecalc, Word(1));
  WritePrintSettings(out, sheet);
  WriteColumns(out, sheet.Cells());
  WriteDimensions(out, sheet.Cells());
  WriteRows(out, sheet.Cells(), styles, strings);
  if (drawing > 0) WriteDrawing(out, sheet, ids, drawing);
  WriteWindow(out, sheet);
  WriteMerges(out, sheet.Cells());
  out.WriteEof();
}

}  // namespace excel::xls
