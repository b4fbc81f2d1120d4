#pragma once
// What a file writer reads of a workbook, and nothing more: the sheets with their cells (values
// and interned formats), rows, columns, merged areas, outline settings, frozen pane, page set-up
// and shapes; the workbook's formats and palette. A writer of another file format reads the
// workbook through this view as well, so that no writer reaches into the object model or into
// another writer.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/excel/CellAnchors.h"
#include "platform/excel/FormatTable.h"
#include "platform/excel/Outline.h"
#include "platform/excel/PageSetup.h"
#include "platform/excel/Palette.h"
#include "platform/excel/Shapes.h"
#include "platform/excel/SheetData.h"

namespace excel {
class Workbook;
class Worksheet;
}  // namespace excel

namespace excel::file {

// The frozen split and the selected cell, 1-based; no rows and no columns: nothing frozen.
struct Pane {
  std::int32_t frozenRows = 0;
  std::int32_t frozenColumns = 0;
  std::int32_t activeRow = 1;
  std::int32_t activeColumn = 1;
};

class SheetView final : public SheetGeometry {
 public:
  SheetView(const Worksheet& sheet, bool selected);

  const std::string& Name() const;
  bool Selected() const { return selected_; }
  const SheetData& Cells() const;
  const Outline& OutlineSettings() const;
  const PageSetup& PageSettings() const;
  Pane FrozenPane() const;
  const Shapes& ShapeList() const;

  double ColumnWidthPoints(std::int32_t column) const override;
  double RowHeightPoints(std::int32_t row) const override;

 private:
  const Worksheet* sheet_;
  bool selected_;
};

class WorkbookView {
 public:
  explicit WorkbookView(Workbook& workbook);

  const std::vector<SheetView>& Sheets() const { return sheets_; }
  const FormatTable& Formats() const;
  // Entries 1 to 56 as RGB, red in the low byte.
  const Palette& Colors() const;
  // The formats that cells use, numbered from 0 in the order of the format table:
  // UsedFormats()[i] is the number of format i, or kUnused for a format no cell has.
  static constexpr std::uint32_t kUnused = UINT32_MAX;
  const std::vector<std::uint32_t>& UsedFormats() const { return used_; }

 private:
  const Workbook* workbook_;
  std::vector<SheetView> sheets_;
  std::vector<std::uint32_t> used_;
};

}  // namespace excel::file
