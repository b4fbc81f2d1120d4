#pragma once
// The workbook globals substream: BOF, the code page (1200, UTF-16), protection and window
// settings, the cell formats (CellStyles.h), the sheet entries (BOUNDSHEET, each with the stream
// position of its sheet's BOF), the drawing group, the shared strings and EOF.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/excel/file/WorkbookView.h"
#include "platform/excel/xls/CellStyles.h"
#include "platform/excel/xls/OfficeArt.h"
#include "platform/excel/xls/SharedStrings.h"

namespace excel::xls {

class Globals {
 public:
  Globals(const file::WorkbookView& workbook, const CellStyles& styles,
          const SharedStrings& strings, const ShapeIds& ids, bool drawings);

  // The substream; sheet i's BOF position is patched in by SheetPositions.
  const std::string& Data() const { return data_; }
  void SheetPositions(const std::vector<std::uint64_t>& positions);

 private:
  std::string data_;
  std::vector<std::size_t> positionOffsets_;  // where each BOUNDSHEET keeps its position
};

}  // namespace excel::xls
