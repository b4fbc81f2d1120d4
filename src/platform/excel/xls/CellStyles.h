#pragma once
// The workbook's cell formats as the globals keep them: FONT records (Arial in every size the
// cells use, Arial 10 the default), FORMAT records (the number formats, "@" among them), the
// XF records (15 style formats as Excel writes them, then one cell format for each interned
// format that a cell uses), the STYLE record of "Normal" and the PALETTE.

#include <cstdint>
#include <vector>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xls/RecordWriter.h"

namespace excel::xls {

class CellStyles {
 public:
  explicit CellStyles(const file::WorkbookView& workbook);

  // FONT, FORMAT, XF, STYLE and PALETTE, in the order of the globals.
  void Write(RecordWriter& out) const;

  // The XF record of the interned format.
  std::uint16_t XfIndex(std::uint32_t format) const { return xfs_[format]; }
  // The XF of a cell without a format of its own.
  static constexpr std::uint16_t kDefaultXf = 15;

 private:
  const file::WorkbookView& workbook_;
  std::vector<double> fontSizes_;         // the default first
  std::vector<std::uint16_t> numberIds_;  // of each number format
  std::vector<std::uint16_t> xfs_;        // of each interned format
};

}  // namespace excel::xls
