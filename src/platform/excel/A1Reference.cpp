#include "platform/excel/A1Reference.h"

#include <algorithm>
#include <cctype>

#include "platform/excel/Constants.h"
#include "platform/excel/Error.h"

namespace excel {

namespace {

[[noreturn]] void BadRange(std::string_view strText) {
  throw Error("Der Bereich „" + std::string(strText) + "“ ist ungültig.");
}

// One side of a reference: optional column letters, optional row digits, each with an
// optional "$". Returns false for text that is neither.
bool ParsePart(std::string_view s, std::int64_t& column, std::int64_t& row) {
  std::size_t i = 0;
  column = 0;
  row = 0;
  if (i < s.size() && s[i] == '$') ++i;
  std::size_t letters = 0;
  while (i < s.size() && std::isalpha(static_cast<unsigned char>(s[i]))) {
    if (++letters > 3) return false;
    column = column * 26 + (std::toupper(static_cast<unsigned char>(s[i])) - 'A' + 1);
    ++i;
  }
  if (i < s.size() && s[i] == '$') {
    if (letters == 0) return false;
    ++i;
  }
  std::size_t digits = 0;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    if (++digits > 7) return false;
    row = row * 10 + (s[i] - '0');
    ++i;
  }
  if (i != s.size() || (letters == 0 && digits == 0)) return false;
  if (digits > 0 && row == 0) return false;
  return true;
}

}  // namespace

CellRect ParseA1(std::string_view strText) {
  auto colon = strText.find(':');
  std::string_view first = strText.substr(0, colon);
  std::string_view second = colon == std::string_view::npos ? first : strText.substr(colon + 1);
  std::int64_t c1, r1, c2, r2;
  if (!ParsePart(first, c1, r1) || !ParsePart(second, c2, r2)) BadRange(strText);
  bool wholeColumns = r1 == 0 && r2 == 0;
  bool wholeRows = c1 == 0 && c2 == 0;
  if (wholeColumns || wholeRows) {
    // "A:C" and "5:9" need both sides; "A" alone or "5" alone is no range.
    if (colon == std::string_view::npos) BadRange(strText);
  } else if (r1 == 0 || r2 == 0 || c1 == 0 || c2 == 0) {
    BadRange(strText);
  }
  if (wholeColumns) {
    r1 = 1;
    r2 = kMaxRows;
  }
  if (wholeRows) {
    c1 = 1;
    c2 = kMaxColumns;
  }
  if (r1 > kMaxRows || r2 > kMaxRows || c1 > kMaxColumns || c2 > kMaxColumns) {
    throw Error("Der Bereich „" + std::string(strText) + "“ liegt außerhalb der Tabelle.");
  }
  CellRect rect;
  rect.lngTop = static_cast<std::int32_t>(std::min(r1, r2));
  rect.lngBottom = static_cast<std::int32_t>(std::max(r1, r2));
  rect.lngLeft = static_cast<std::int32_t>(std::min(c1, c2));
  rect.lngRight = static_cast<std::int32_t>(std::max(c1, c2));
  return rect;
}

CellRect ParseRows(std::string_view strText) {
  std::string text(strText);
  if (text.find(':') == std::string::npos) text += ":" + text;
  for (char ch : text) {
    if (!std::isdigit(static_cast<unsigned char>(ch)) && ch != ':' && ch != '$') {
      BadRange(strText);
    }
  }
  return ParseA1(text);
}

void CheckCell(std::int32_t lngRow, std::int32_t lngColumn) {
  if (lngRow < 1 || lngRow > kMaxRows || lngColumn < 1 || lngColumn > kMaxColumns) {
    throw Error("Die Zelle (Zeile " + std::to_string(lngRow) + ", Spalte " +
                std::to_string(lngColumn) + ") liegt außerhalb der Tabelle.");
  }
}

std::string ColumnLetters(std::int32_t lngColumn) {
  std::string letters;
  while (lngColumn > 0) {
    --lngColumn;
    letters.insert(letters.begin(), static_cast<char>('A' + lngColumn % 26));
    lngColumn /= 26;
  }
  return letters;
}

void AppendCellName(std::string& out, std::int32_t lngRow, std::int32_t lngColumn) {
  char buffer[16];
  char* end = buffer + sizeof buffer;
  char* p = end;
  do {
    *--p = static_cast<char>('0' + lngRow % 10);
    lngRow /= 10;
  } while (lngRow > 0);
  do {
    --lngColumn;
    *--p = static_cast<char>('A' + lngColumn % 26);
    lngColumn /= 26;
  } while (lngColumn > 0);
  out.append(p, end);
}

std::string RectName(const CellRect& rect) {
  std::string name;
  AppendCellName(name, rect.lngTop, rect.lngLeft);
  if (rect.lngTop != rect.lngBottom || rect.lngLeft != rect.lngRight) {
    name += ':';
    AppendCellName(name, rect.lngBottom, rect.lngRight);
  }
  return name;
}

}  // namespace excel
