#pragma once
// The cell layer of a printed worksheet: fills, grid lines, borders and texts of the cells of
// one area, in sheet points (see PageDescription.h). Runs of equal fills along a row and equal
// border stretches along a row or down a column are drawn as one, so that a sheet of millions
// of formatted cells gives a display list of a few hundred thousand items.

#include <cstdint>
#include <vector>

#include "platform/excel/A1Reference.h"
#include "platform/excel/print/PageDescription.h"

namespace excel {

class Worksheet;

// The left (top) edge of every column (row) of the sheet from 1 up to one past the area, in
// points from the sheet's top-left corner; hidden ones have no width.
class SheetAxes {
 public:
  SheetAxes(const Worksheet& sheet, std::int32_t lngLastColumn, std::int32_t lngLastRow);
  double X(std::int32_t lngColumn) const { return columns_[static_cast<std::size_t>(lngColumn)]; }
  double Y(std::int32_t lngRow) const { return rows_[static_cast<std::size_t>(lngRow)]; }
  double Width(std::int32_t lngColumn) const { return X(lngColumn + 1) - X(lngColumn); }
  double Height(std::int32_t lngRow) const { return Y(lngRow + 1) - Y(lngRow); }
  std::int32_t LastColumn() const { return static_cast<std::int32_t>(columns_.size()) - 2; }
  std::int32_t LastRow() const { return static_cast<std::int32_t>(rows_.size()) - 2; }

 private:
  std::vector<double> columns_;  // index = column, 1 … last + 1
  std::vector<double> rows_;
};

// Border weights in points; a hairline is drawn as the thinnest line the output can draw (0).
float BorderWeightPoints(std::int32_t lngWeight);

void DescribeCells(const Worksheet& sheet, const CellRect& area, const SheetAxes& axes,
                   bool blnGridlines, PageDrawing& drawing);

}  // namespace excel
