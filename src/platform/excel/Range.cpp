#include "platform/excel/Range.h"

#include <charconv>
#include <cmath>

#include "platform/excel/Border.h"
#include "platform/excel/Error.h"
#include "platform/excel/Font.h"
#include "platform/excel/Geometry.h"
#include "platform/excel/Interior.h"
#include "platform/excel/Workbook.h"
#include "platform/excel/Worksheet.h"

namespace excel {

namespace {

// Excel's limit on the text of a cell, in UTF-16 code units.
constexpr std::size_t kMaxTextLength = 32767;
// The characters of a cut text that name it afterwards.
constexpr std::size_t kCutTextStart = 40;

// The UTF-16 code units of a UTF-8 character by its first byte: two for the four-byte ones
// (beyond U+FFFF), one for every other; continuation bytes none.
std::size_t Utf16Units(unsigned char chByte) {
  if ((chByte & 0xC0) == 0x80) return 0;
  return chByte >= 0xF0 ? 2 : 1;
}

// The number of bytes of the text's beginning that holds at most lngUnits UTF-16 code units
// and ends at a character's end; the whole text when it fits.
std::size_t Utf16PrefixBytes(const std::string& strText, std::size_t lngUnits) {
  std::size_t lngCount = 0;
  for (std::size_t i = 0; i < strText.size(); ++i) {
    const std::size_t lngChar = Utf16Units(static_cast<unsigned char>(strText[i]));
    if (lngCount + lngChar > lngUnits) return i;
    lngCount += lngChar;
  }
  return strText.size();
}

std::size_t Utf16Length(const std::string& strText) {
  std::size_t lngCount = 0;
  for (const char ch : strText) lngCount += Utf16Units(static_cast<unsigned char>(ch));
  return lngCount;
}

// Text that a German Excel reads as a number when typed into a cell: an optional minus sign,
// digits, and optionally a decimal comma with more digits.
bool ReadsAsNumber(const std::string& strText, double& dblValue) {
  if (strText.empty() || strText.size() > 20) return false;
  std::string plain;
  std::size_t i = 0;
  if (strText[0] == '-') {
    plain += '-';
    i = 1;
  }
  std::size_t digitsBefore = 0, digitsAfter = 0;
  bool comma = false;
  for (; i < strText.size(); ++i) {
    char ch = strText[i];
    if (ch >= '0' && ch <= '9') {
      plain += ch;
      (comma ? digitsAfter : digitsBefore)++;
    } else if (ch == ',' && !comma) {
      comma = true;
      plain += '.';
    } else {
      return false;
    }
  }
  if (digitsBefore == 0 || (comma && digitsAfter == 0)) return false;
  auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), dblValue);
  return error == std::errc() && end == plain.data() + plain.size();
}

}  // namespace

CellValue Range::Value() const {
  sheet_->CheckUsable();
  const RowData* row = sheet_->Data().FindRow(rect_.lngTop);
  const CellValue* value = row ? row->Value(rect_.lngLeft) : nullptr;
  return value ? *value : CellValue{};
}

void Range::Value(const std::string& strValue) {
  sheet_->CheckUsable();
  CheckFormattable(rect_);
  // A text longer than a cell holds is cut as Excel cuts it; the workbook keeps the cut.
  if (strValue.size() > kMaxTextLength && Utf16Length(strValue) > kMaxTextLength) {
    Value(strValue.substr(0, Utf16PrefixBytes(strValue, kMaxTextLength)));
    sheet_->Parent().TextCut({sheet_->Name(), Address(), Utf16Length(strValue),
                              strValue.substr(0, Utf16PrefixBytes(strValue, kCutTextStart))});
    return;
  }
  SheetData& data = sheet_->Data();
  const FormatTable& formats = sheet_->Formats();
  double dblNumber = 0;
  bool blnNumber = ReadsAsNumber(strValue, dblNumber);
  for (std::int32_t r = rect_.lngTop; r <= rect_.lngBottom; ++r) {
    RowData& row = data.Row(r);
    for (std::int32_t c = rect_.lngLeft; c <= rect_.lngRight; ++c) {
      bool blnText = formats.NumberFormatText(formats.At(row.Format(c)).lngNumberFormat) == "@";
      if (strValue.empty()) {
        row.SetValue(c, CellValue{});
      } else if (blnNumber && !blnText) {
        row.SetValue(c, dblNumber);
      } else {
        row.SetValue(c, strValue);
      }
    }
  }
}

void Range::Value(double dblValue) {
  sheet_->CheckUsable();
  if (!std::isfinite(dblValue)) throw Error("Der Wert ist keine gültige Zahl.");
  CheckFormattable(rect_);
  for (std::int32_t r = rect_.lngTop; r <= rect_.lngBottom; ++r) {
    RowData& row = sheet_->Data().Row(r);
    for (std::int32_t c = rect_.lngLeft; c <= rect_.lngRight; ++c) row.SetValue(c, dblValue);
  }
}

std::string Range::NumberFormat() const {
  sheet_->CheckUsable();
  const FormatTable& formats = sheet_->Formats();
  return formats.NumberFormatText(
      formats.At(sheet_->Data().Format(rect_.lngTop, rect_.lngLeft)).lngNumberFormat);
}

void Range::NumberFormat(const std::string& strFormat) {
  sheet_->CheckUsable();
  CheckFormattable(rect_);
  FormatTable& formats = sheet_->Formats();
  std::uint32_t lngIndex = formats.InternNumberFormat(strFormat.empty() ? "General" : strFormat);
  sheet_->Data().ChangeFormats(
      formats, rect_, [&](CellFormat& format, unsigned) { format.lngNumberFormat = lngIndex; });
}

double Range::ColumnWidth() const {
  sheet_->CheckUsable();
  return sheet_->Data().ColumnWidth(rect_.lngLeft);
}

void Range::ColumnWidth(double dblWidth) {
  sheet_->CheckUsable();
  if (!(dblWidth >= 0 && dblWidth <= kMaxColumnWidth)) {
    throw Error("Die Spaltenbreite muss zwischen 0 und 255 Zeichen liegen.");
  }
  for (std::int32_t c = rect_.lngLeft; c <= rect_.lngRight; ++c) {
    sheet_->Data().ColumnWidth(c, dblWidth);
  }
}

double Range::RowHeight() const {
  sheet_->CheckUsable();
  return sheet_->Data().RowHeight(rect_.lngTop);
}

void Range::RowHeight(double dblHeight) {
  sheet_->CheckUsable();
  if (!(dblHeight >= 0 && dblHeight <= kMaxRowHeight)) {
    throw Error("Die Zeilenhöhe muss zwischen 0 und 409 Punkt liegen.");
  }
  for (std::int32_t r = rect_.lngTop; r <= rect_.lngBottom; ++r) {
    sheet_->Data().Row(r).dblHeight = dblHeight;
  }
}

bool Range::MergeCells() const {
  sheet_->CheckUsable();
  for (const CellRect& area : sheet_->Data().Merges()) {
    if (area.Contains(rect_.lngTop, rect_.lngLeft) &&
        area.Contains(rect_.lngBottom, rect_.lngRight)) {
      return true;
    }
  }
  return false;
}

void Range::MergeCells(bool blnMerge) {
  sheet_->CheckUsable();
  if (blnMerge) {
    sheet_->Data().Merge(rect_);
  } else {
    sheet_->Data().Unmerge(rect_);
  }
}

excel::Border Range::Borders(std::int32_t lngIndex) const {
  return excel::Border(*this, lngIndex);
}
excel::Interior Range::Interior() const {
  return excel::Interior(*this);
}
excel::Font Range::Font() const {
  return excel::Font(*this);
}

namespace {

const CellFormat& TopLeft(const Worksheet& sheet, const CellRect& rect) {
  sheet.CheckUsable();
  return sheet.Formats().At(sheet.Data().Format(rect.lngTop, rect.lngLeft));
}

template <class Set>
void ChangeAll(Worksheet& sheet, const CellRect& rect, Set&& set) {
  sheet.CheckUsable();
  CheckFormattable(rect);
  sheet.Data().ChangeFormats(sheet.Formats(), rect,
                             [&](CellFormat& format, unsigned) { set(format); });
}

}  // namespace

std::int32_t Range::HorizontalAlignment() const {
  return TopLeft(*sheet_, rect_).lngHorizontalAlignment;
}

void Range::HorizontalAlignment(std::int32_t lngAlignment) {
  switch (lngAlignment) {
    case xlGeneral:
    case xlLeft:
    case xlCenter:
    case xlRight:
    case xlFill:
    case xlJustify:
    case xlCenterAcrossSelection:
    case xlDistributed:
      break;
    default:
      throw Error("Die waagerechte Ausrichtung " + std::to_string(lngAlignment) +
                  " gibt es nicht.");
  }
  ChangeAll(*sheet_, rect_,
            [&](CellFormat& format) { format.lngHorizontalAlignment = lngAlignment; });
}

std::int32_t Range::VerticalAlignment() const {
  return TopLeft(*sheet_, rect_).lngVerticalAlignment;
}

void Range::VerticalAlignment(std::int32_t lngAlignment) {
  switch (lngAlignment) {
    case xlTop:
    case xlCenter:
    case xlBottom:
    case xlJustify:
    case xlDistributed:
      break;
    default:
      throw Error("Die senkrechte Ausrichtung " + std::to_string(lngAlignment) + " gibt es nicht.");
  }
  ChangeAll(*sheet_, rect_,
            [&](CellFormat& format) { format.lngVerticalAlignment = lngAlignment; });
}

std::int32_t Range::Orientation() const {
  std::int32_t lngOrientation = TopLeft(*sheet_, rect_).lngOrientation;
  return lngOrientation == 0 ? xlHorizontal : lngOrientation;
}

void Range::Orientation(std::int32_t lngOrientation) {
  std::int32_t lngDegrees;
  switch (lngOrientation) {
    case xlHorizontal:
      lngDegrees = 0;
      break;
    case xlVertical:
      lngDegrees = xlVertical;
      break;
    case xlUpward:
      lngDegrees = 90;
      break;
    case xlDownward:
      lngDegrees = -90;
      break;
    default:
      if (lngOrientation < -90 || lngOrientation > 90) {
        throw Error("Die Textrichtung " + std::to_string(lngOrientation) +
                    " gibt es nicht; erlaubt sind -90 bis 90 Grad.");
      }
      lngDegrees = lngOrientation;
  }
  ChangeAll(*sheet_, rect_, [&](CellFormat& format) { format.lngOrientation = lngDegrees; });
}

bool Range::WrapText() const {
  return TopLeft(*sheet_, rect_).blnWrapText;
}

void Range::WrapText(bool blnWrap) {
  ChangeAll(*sheet_, rect_, [&](CellFormat& format) { format.blnWrapText = blnWrap; });
}

void Range::Select() {
  sheet_->CheckUsable();
  if (&sheet_->Parent().ActiveSheet() != sheet_) {
    throw Error("Ein Bereich kann nur auf dem aktiven Tabellenblatt ausgewählt werden.");
  }
  sheet_->ActiveCell(rect_.lngTop, rect_.lngLeft);
}

void Range::Group() {
  sheet_->CheckUsable();
  if (rect_.lngLeft != 1 || rect_.lngRight != kMaxColumns) {
    throw Error("Gruppieren geht nur mit ganzen Zeilen.");
  }
  SheetData& data = sheet_->Data();
  for (std::int32_t r = rect_.lngTop; r <= rect_.lngBottom; ++r) {
    const RowData* row = data.FindRow(r);
    if (row && row->lngOutlineLevel >= 7) {
      throw Error("Zeilen lassen sich höchstens in acht Ebenen gliedern.");
    }
  }
  for (std::int32_t r = rect_.lngTop; r <= rect_.lngBottom; ++r) ++data.Row(r).lngOutlineLevel;
}

}  // namespace excel
