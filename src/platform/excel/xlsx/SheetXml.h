#pragma once
// xl/worksheets/sheetN.xml, produced piece by piece so that a large sheet is streamed into the
// archive instead of being built as one string.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/excel/SheetData.h"
#include "platform/excel/file/WorkbookView.h"

namespace excel::xlsx {

class SheetXml {
 public:
  // drawing: the sheet has a drawing part, its relationship being "rId1". styleIndex: the style
  // index of each format (WorkbookView::UsedFormats).
  SheetXml(const file::SheetView& sheet, bool drawing,
           const std::vector<std::uint32_t>& styleIndex);

  // Starts again from the beginning.
  void Rewind();
  // Appends the next piece of the part to out; false once the part is complete.
  bool Next(std::string& out);

 private:
  void Head(std::string& out) const;
  void Tail(std::string& out) const;
  void WriteRow(std::string& out, std::int32_t number, const RowData& row);
  const std::string& Letters(std::int32_t column);

  const file::SheetView& sheet_;
  bool drawing_;
  const std::vector<std::uint32_t>& styleIndex_;
  enum class Stage { kHead, kRows, kTail, kDone } stage_ = Stage::kHead;
  std::map<std::int32_t, RowData>::const_iterator row_;
  std::vector<std::string> letters_;  // column letters, made once per column
};

}  // namespace excel::xlsx
