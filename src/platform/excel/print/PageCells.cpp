#include "platform/excel/print/PageCells.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unordered_map>
#include <variant>

#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

namespace excel {

namespace {

// Room between a cell's edge and its text, as Excel leaves it.
constexpr double kTextInsetX = 1.5;
constexpr double kTextInsetY = 0.75;
constexpr std::int32_t kGridColor = 0xBFBFBF;

// A border as drawn: the style, its weight in points and its colour; style none draws nothing.
struct Stroke {
  std::int32_t lngStyle = xlLineStyleNone;
  float sngWeight = 0;
  std::int32_t lngColor = 0;
  int intRank = 0;  // which of two borders meeting on one edge wins: the heavier
  bool Visible() const { return lngStyle != xlLineStyleNone; }
  bool operator==(const Stroke& o) const {
    return lngStyle == o.lngStyle && sngWeight == o.sngWeight && lngColor == o.lngColor;
  }
};

int WeightRank(std::int32_t lngWeight) {
  switch (lngWeight) {
    case xlHairline:
      return 1;
    case xlThin:
      return 2;
    case xlMedium:
      return 3;
    case xlThick:
      return 4;
    default:
      return 2;
  }
}

// Excel's General number format, as the German sheet shows it: up to ten significant digits,
// a decimal comma, an exponent for very large and very small numbers.
std::string GeneralNumber(double dblValue) {
  char buffer[40];
  if (dblValue == std::floor(dblValue) && std::fabs(dblValue) < 1e11) {
    std::snprintf(buffer, sizeof buffer, "%.0f", dblValue);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.10G", dblValue);
  }
  std::string strText = buffer;
  std::replace(strText.begin(), strText.end(), '.', ',');
  if (strText == "-0") strText = "0";
  return strText;
}

// The letters of a text one below the other, for stacked (vertical) text.
std::string Stacked(const std::string& strText) {
  std::string strOut;
  for (std::size_t i = 0; i < strText.size(); ++i) {
    const auto ch = static_cast<unsigned char>(strText[i]);
    if (i > 0 && (ch & 0xC0) != 0x80) strOut += '\n';
    strOut += strText[i];
  }
  return strOut;
}

PageAlign Horizontal(std::int32_t lngAlignment, bool blnNumber) {
  switch (lngAlignment) {
    case xlLeft:
    case xlJustify:
    case xlFill:
      return PageAlign::Start;
    case xlRight:
      return PageAlign::End;
    case xlCenter:
    case xlCenterAcrossSelection:
    case xlDistributed:
      return PageAlign::Center;
    default:
      return blnNumber ? PageAlign::End : PageAlign::Start;
  }
}

PageAlign Vertical(std::int32_t lngAlignment) {
  switch (lngAlignment) {
    case xlTop:
      return PageAlign::Start;
    case xlBottom:
      return PageAlign::End;
    default:
      return PageAlign::Center;
  }
}

PageAlign Reversed(PageAlign align) {
  return align == PageAlign::Start ? PageAlign::End
         : align == PageAlign::End ? PageAlign::Start
                                   : PageAlign::Center;
}

std::int16_t Rotation(std::int32_t lngOrientation) {
  switch (lngOrientation) {
    case xlUpward:
      return 90;
    case xlDownward:
      return -90;
    case xlHorizontal:
    case xlVertical:
      return 0;
    default:
      return static_cast<std::int16_t>(std::clamp(lngOrientation, -90, 90));
  }
}

class CellLayer {
 public:
  CellLayer(const Worksheet& sheet, const CellRect& area, const SheetAxes& axes,
            PageDrawing& drawing)
      : data_(sheet.Data()),
        formats_(sheet.Formats()),
        palette_(sheet.Parent().Colors()),
        area_(area),
        axes_(axes),
        drawing_(drawing) {
    for (std::int32_t c = area.lngLeft; c <= area.lngRight; ++c) {
      if (axes.Width(c) > 0) columns_.push_back(c);
    }
    const auto& merges = data_.Merges();
    for (std::uint32_t i = 0; i < merges.size(); ++i) {
      if (!merges[i].Overlaps(area)) continue;
      const std::int32_t lngTop = std::max(merges[i].lngTop, area.lngTop);
      const std::int32_t lngBottom = std::min(merges[i].lngBottom, area.lngBottom);
      for (std::int32_t r = lngTop; r <= lngBottom; ++r) mergesByRow_[r].push_back(i);
    }
    open_.resize(columns_.size() + 1);
  }

  void Describe() {
    const RowData* previous = nullptr;
    std::int32_t lngPrevious = 0;
    auto it = data_.Rows().lower_bound(area_.lngTop);
    for (std::int32_t r = area_.lngTop; r <= area_.lngBottom; ++r) {
      while (it != data_.Rows().end() && it->first < r) ++it;
      const RowData* row = it != data_.Rows().end() && it->first == r ? &it->second : nullptr;
      if (axes_.Height(r) <= 0) continue;
      Fills(r, row);
      HorizontalBorders(lngPrevious, previous, r, row);
      VerticalBorders(r, row);
      Diagonals(r, row);
      Texts(r, row);
      previous = row;
      lngPrevious = r;
    }
    if (lngPrevious != 0) HorizontalBorders(lngPrevious, previous, 0, nullptr);
    for (std::size_t j = 0; j < open_.size(); ++j) FlushVertical(j);
  }

  void GridLines() {
    double dblTop = axes_.Y(area_.lngTop), dblBottom = axes_.Y(area_.lngBottom + 1);
    double dblLeft = axes_.X(area_.lngLeft), dblRight = axes_.X(area_.lngRight + 1);
    auto line = [&](double x1, double y1, double x2, double y2) {
      drawing_.gridLines.push_back(PageLine{x1, y1, x2, y2, 0.0f, kGridColor, xlContinuous});
    };
    line(dblLeft, dblTop, dblLeft, dblBottom);
    for (std::int32_t c : columns_) line(axes_.X(c + 1), dblTop, axes_.X(c + 1), dblBottom);
    line(dblLeft, dblTop, dblRight, dblTop);
    for (std::int32_t r = area_.lngTop; r <= area_.lngBottom; ++r) {
      if (axes_.Height(r) > 0) line(dblLeft, axes_.Y(r + 1), dblRight, axes_.Y(r + 1));
    }
  }

 private:
  // The merged area a cell lies in, or nullptr.
  const CellRect* MergeAt(std::int32_t r, std::int32_t c) const {
    const std::vector<std::uint32_t>* merges = MergesOf(r);
    if (merges == nullptr) return nullptr;
    for (std::uint32_t i : *merges) {
      const CellRect& m = data_.Merges()[i];
      if (c >= m.lngLeft && c <= m.lngRight) return &m;
    }
    return nullptr;
  }

  // The merged areas of a row; the last two rows asked for are remembered, as every cell asks.
  const std::vector<std::uint32_t>* MergesOf(std::int32_t r) const {
    if (mergesByRow_.empty()) return nullptr;
    for (const auto& [lngRow, merges] : recent_) {
      if (lngRow == r) return merges;
    }
    auto it = mergesByRow_.find(r);
    const std::vector<std::uint32_t>* merges = it == mergesByRow_.end() ? nullptr : &it->second;
    recent_[1] = recent_[0];
    recent_[0] = {r, merges};
    return merges;
  }

  static std::uint32_t FormatIn(const RowData* row, std::int32_t c) {
    return row == nullptr ? 0 : row->Format(c);
  }

  Stroke StrokeOf(const BorderFormat& border) const {
    Stroke stroke;
    if (border.lngLineStyle == xlLineStyleNone) return stroke;
    stroke.lngStyle = border.lngLineStyle;
    stroke.sngWeight =
        border.lngLineStyle == xlDouble ? 2.25f : BorderWeightPoints(border.lngWeight);
    stroke.lngColor = border.lngColorIndex >= 1 && border.lngColorIndex <= 56
                          ? palette_[static_cast<std::size_t>(border.lngColorIndex - 1)]
                          : 0;
    stroke.intRank = border.lngLineStyle == xlDouble ? 3 : WeightRank(border.lngWeight);
    return stroke;
  }

  // The border drawn where two cells meet: the heavier of the two.
  Stroke Meeting(const BorderFormat* first, const BorderFormat* second) const {
    Stroke a = first ? StrokeOf(*first) : Stroke{};
    Stroke b = second ? StrokeOf(*second) : Stroke{};
    if (!a.Visible()) return b;
    if (!b.Visible()) return a;
    return b.intRank > a.intRank ? b : a;
  }

  void Fills(std::int32_t r, const RowData* row) {
    const double y = axes_.Y(r), h = axes_.Height(r);
    bool blnOpen = false;
    PageFill run;
    auto flush = [&] {
      if (blnOpen) drawing_.fills.push_back(run);
      blnOpen = false;
    };
    for (std::int32_t c : columns_) {
      std::uint32_t xf = FormatIn(row, c);
      if (const CellRect* m = MergeAt(r, c); m != nullptr && (m->lngTop != r || m->lngLeft != c)) {
        xf = data_.Format(m->lngTop, m->lngLeft);
      }
      const CellFormat& format = formats_.At(xf);
      if (format.lngPattern == xlPatternNone) {
        flush();
        continue;
      }
      const double x = axes_.X(c), w = axes_.Width(c);
      if (blnOpen && run.lngColor == format.lngInteriorColor &&
          run.lngPattern == format.lngPattern && std::fabs(run.box.Right() - x) < 1e-9) {
        run.box.dblWidth = x + w - run.box.dblLeft;
        continue;
      }
      flush();
      run = PageFill{PageRect{x, y, w, h}, format.lngInteriorColor, format.lngPattern};
      blnOpen = true;
    }
    flush();
  }

  // The edge above row r (or, with r 0, below the last row): runs of equal strokes.
  void HorizontalBorders(std::int32_t p, const RowData* above, std::int32_t r,
                         const RowData* below) {
    const double y = r != 0 ? axes_.Y(r) : axes_.Y(p + 1);
    bool blnOpen = false;
    Stroke current;
    double dblStart = 0, dblEnd = 0;
    auto flush = [&] {
      if (blnOpen) {
        drawing_.borders.push_back(PageLine{dblStart, y, dblEnd, y, current.sngWeight,
                                            current.lngColor, current.lngStyle});
      }
      blnOpen = false;
    };
    for (std::int32_t c : columns_) {
      const CellRect* ma = p != 0 ? MergeAt(p, c) : nullptr;
      const CellRect* mb = r != 0 ? MergeAt(r, c) : nullptr;
      Stroke stroke;
      if (ma == nullptr || ma != mb) {
        const BorderFormat* a =
            p != 0 ? &formats_.At(FormatIn(above, c)).borders[kBorderBottom] : nullptr;
        const BorderFormat* b =
            r != 0 ? &formats_.At(FormatIn(below, c)).borders[kBorderTop] : nullptr;
        stroke = Meeting(a, b);
      }
      const double x = axes_.X(c), x2 = axes_.X(c + 1);
      if (blnOpen && stroke == current && std::fabs(dblEnd - x) < 1e-9) {
        dblEnd = x2;
        continue;
      }
      flush();
      if (stroke.Visible()) {
        current = stroke;
        dblStart = x;
        dblEnd = x2;
        blnOpen = true;
      }
    }
    flush();
  }

  // The edges left of each visible column and right of the last, carried down as runs.
  void VerticalBorders(std::int32_t r, const RowData* row) {
    const double y = axes_.Y(r), y2 = axes_.Y(r + 1);
    for (std::size_t j = 0; j <= columns_.size(); ++j) {
      const std::int32_t left = j > 0 ? columns_[j - 1] : 0;
      const std::int32_t right = j < columns_.size() ? columns_[j] : 0;
      const CellRect* ml = left != 0 ? MergeAt(r, left) : nullptr;
      const CellRect* mr = right != 0 ? MergeAt(r, right) : nullptr;
      Stroke stroke;
      if (ml == nullptr || ml != mr) {
        const BorderFormat* a =
            left != 0 ? &formats_.At(FormatIn(row, left)).borders[kBorderRight] : nullptr;
        const BorderFormat* b =
            right != 0 ? &formats_.At(FormatIn(row, right)).borders[kBorderLeft] : nullptr;
        stroke = Meeting(a, b);
      }
      OpenRun& run = open_[j];
      if (run.blnOpen && stroke == run.stroke && std::fabs(run.dblEnd - y) < 1e-9) {
        run.dblEnd = y2;
        continue;
      }
      FlushVertical(j);
      if (stroke.Visible()) {
        run = OpenRun{true, stroke, y, y2};
      }
    }
  }

  void FlushVertical(std::size_t j) {
    OpenRun& run = open_[j];
    if (!run.blnOpen || columns_.empty()) return;
    const double x = j < columns_.size() ? axes_.X(columns_[j]) : axes_.X(columns_.back() + 1);
    drawing_.borders.push_back(PageLine{x, run.dblStart, x, run.dblEnd, run.stroke.sngWeight,
                                        run.stroke.lngColor, run.stroke.lngStyle});
    run.blnOpen = false;
  }

  void Diagonals(std::int32_t r, const RowData* row) {
    if (row == nullptr) return;
    for (std::int32_t c : columns_) {
      const CellFormat& format = formats_.At(FormatIn(row, c));
      const double x = axes_.X(c), y = axes_.Y(r), x2 = axes_.X(c + 1), y2 = axes_.Y(r + 1);
      if (Stroke s = StrokeOf(format.borders[kBorderDiagonalDown]); s.Visible()) {
        drawing_.borders.push_back(PageLine{x, y, x2, y2, s.sngWeight, s.lngColor, s.lngStyle});
      }
      if (Stroke s = StrokeOf(format.borders[kBorderDiagonalUp]); s.Visible()) {
        drawing_.borders.push_back(PageLine{x, y2, x2, y, s.sngWeight, s.lngColor, s.lngStyle});
      }
    }
  }

  // Whether a text may run into the cell: visible, empty, not merged.
  bool Free(std::int32_t r, const RowData* row, std::int32_t c) const {
    return (row == nullptr || row->Value(c) == nullptr) && MergeAt(r, c) == nullptr;
  }

  void Texts(std::int32_t r, const RowData* row) {
    if (row == nullptr) return;
    for (const auto& [c, value] : row->values) {
      if (c < area_.lngLeft || c > area_.lngRight || axes_.Width(c) <= 0) continue;
      CellRect cell{r, c, r, c};
      if (const CellRect* m = MergeAt(r, c); m != nullptr) {
        if (m->lngTop != r || m->lngLeft != c) continue;
        cell = *m;
        cell.lngRight = std::min(cell.lngRight, area_.lngRight);
        cell.lngBottom = std::min(cell.lngBottom, area_.lngBottom);
      }
      const bool blnNumber = std::holds_alternative<double>(value);
      std::string strText = blnNumber ? GeneralNumber(std::get<double>(value))
                            : std::holds_alternative<std::string>(value)
                                ? std::get<std::string>(value)
                                : std::string();
      if (strText.empty()) continue;
      const CellFormat& format = formats_.At(row->Format(c));
      PageText text;
      const PageRect box{axes_.X(cell.lngLeft), axes_.Y(cell.lngTop),
                         axes_.X(cell.lngRight + 1) - axes_.X(cell.lngLeft),
                         axes_.Y(cell.lngBottom + 1) - axes_.Y(cell.lngTop)};
      text.clip = box;
      text.sngSize = static_cast<float>(format.dblFontSize);
      text.blnWrap = format.blnWrapText;
      PageAlign horizontal = Horizontal(format.lngHorizontalAlignment, blnNumber);
      const PageAlign vertical = Vertical(format.lngVerticalAlignment);
      text.intRotation = Rotation(format.lngOrientation);
      if (format.lngOrientation == xlVertical) {
        strText = Stacked(strText);
        horizontal = PageAlign::Center;
      }
      text.strText = std::move(strText);
      if (text.intRotation >= 45) {
        // Reading upwards: lines begin at the cell's bottom, the text's top faces left.
        text.horizontal = Reversed(vertical);
        text.vertical = horizontal;
        text.box = PageRect{box.dblLeft + kTextInsetY, box.dblTop + kTextInsetX,
                            box.dblWidth - 2 * kTextInsetY, box.dblHeight - 2 * kTextInsetX};
      } else if (text.intRotation <= -45) {
        // Reading downwards: lines begin at the top, the text's top faces right.
        text.horizontal = vertical;
        text.vertical = Reversed(horizontal);
        text.box = PageRect{box.dblLeft + kTextInsetY, box.dblTop + kTextInsetX,
                            box.dblWidth - 2 * kTextInsetY, box.dblHeight - 2 * kTextInsetX};
      } else {
        text.horizontal = horizontal;
        text.vertical = vertical;
        text.box = PageRect{box.dblLeft + kTextInsetX, box.dblTop + kTextInsetY,
                            box.dblWidth - 2 * kTextInsetX, box.dblHeight - 2 * kTextInsetY};
        // Text that does not wrap runs on into empty neighbours, as far as they are free.
        if (!text.blnWrap && !blnNumber && text.intRotation == 0 && cell.lngLeft == cell.lngRight) {
          std::int32_t lngRight = cell.lngRight, lngLeft = cell.lngLeft;
          if (horizontal != PageAlign::End) {
            while (lngRight < area_.lngRight && Free(r, row, lngRight + 1)) ++lngRight;
          }
          if (horizontal != PageAlign::Start) {
            while (lngLeft > area_.lngLeft && Free(r, row, lngLeft - 1)) --lngLeft;
          }
          text.clip.dblLeft = axes_.X(lngLeft);
          text.clip.dblWidth = axes_.X(lngRight + 1) - text.clip.dblLeft;
        }
      }
      drawing_.texts.push_back(std::move(text));
    }
  }

  struct OpenRun {
    bool blnOpen = false;
    Stroke stroke;
    double dblStart = 0, dblEnd = 0;
  };

  const SheetData& data_;
  const FormatTable& formats_;
  const Palette& palette_;
  CellRect area_;
  const SheetAxes& axes_;
  PageDrawing& drawing_;
  std::vector<std::int32_t> columns_;  // the visible columns of the area
  std::unordered_map<std::int32_t, std::vector<std::uint32_t>> mergesByRow_;
  std::vector<OpenRun> open_;  // per vertical edge: the border run coming down
  mutable std::pair<std::int32_t, const std::vector<std::uint32_t>*> recent_[2] = {{0, nullptr},
                                                                                   {0, nullptr}};
};

}  // namespace

SheetAxes::SheetAxes(const Worksheet& sheet, std::int32_t lngLastColumn, std::int32_t lngLastRow) {
  columns_.assign(static_cast<std::size_t>(lngLastColumn) + 2, 0.0);
  for (std::int32_t c = 1; c <= lngLastColumn; ++c) {
    columns_[static_cast<std::size_t>(c) + 1] =
        columns_[static_cast<std::size_t>(c)] + sheet.ColumnWidthPoints(c);
  }
  rows_.assign(static_cast<std::size_t>(lngLastRow) + 2, 0.0);
  for (std::int32_t r = 1; r <= lngLastRow; ++r) {
    rows_[static_cast<std::size_t>(r) + 1] =
        rows_[static_cast<std::size_t>(r)] + std::max(0.0, sheet.RowHeightPoints(r));
  }
}

float BorderWeightPoints(std::int32_t lngWeight) {
  switch (lngWeight) {
    case xlHairline:
      return 0.0f;
    case xlMedium:
      return 1.5f;
    case xlThick:
      return 2.25f;
    default:
      return 0.75f;
  }
}

void DescribeCells(const Worksheet& sheet, const CellRect& area, const SheetAxes& axes,
                   bool blnGridlines, PageDrawing& drawing) {
  CellLayer layer(sheet, area, axes, drawing);
  layer.Describe();
  if (blnGridlines) layer.GridLines();
}

}  // namespace excel
