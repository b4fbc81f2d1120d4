#pragma once
// The cell a point of the sheet lies in, with its offset from the cell's top-left corner, as
// a drawing's cell anchors give it (xdr:from, xdr:to): 0-based column and row, offsets in EMU.
//
// The cell of a point is the first column (row) whose far edge lies beyond the point, so a
// point on the border between two cells belongs to the right (lower) one, and a hidden column
// or row, having no width, never holds a point. A point beyond the sheet's last column or row
// is put in the last visible one, its offset reaching past the cell.
//
// The edges are the running sums of the geometry's widths and heights in EMU, each sum
// rounded once, so that an anchor's cell edge plus its offset gives back the point exactly.
// They are summed up as far as the points asked for reach.

#include <cstdint>
#include <vector>

namespace excel {

inline constexpr std::int64_t kEmuPerPoint = 12700;

// The sizes of a sheet's columns and rows, as the file writers anchor shapes to them.
class SheetGeometry {
 public:
  virtual ~SheetGeometry() = default;
  virtual double ColumnWidthPoints(std::int32_t column) const = 0;  // 1-based; hidden: 0
  virtual double RowHeightPoints(std::int32_t row) const = 0;       // 1-based; hidden: 0
};

struct CellOffset {
  std::int32_t cell = 0;    // 0-based column or row
  std::int64_t offset = 0;  // EMU from the cell's left or top edge
};

class CellAnchors {
 public:
  explicit CellAnchors(const SheetGeometry& geometry);

  CellOffset Column(std::int64_t emu);  // x in EMU from the sheet's left edge
  CellOffset Row(std::int64_t emu);     // y in EMU from the sheet's top edge

 private:
  class Axis {
   public:
    Axis(const SheetGeometry& geometry, bool rows, std::int32_t count);
    CellOffset Find(std::int64_t emu);

   private:
    double Size(std::int32_t cell) const;  // 0-based, in points

    const SheetGeometry& geometry_;
    bool rows_;
    std::int32_t count_;
    double sum_ = 0;                   // points up to the far edge of the last cell summed
    std::vector<std::int64_t> edges_;  // far edge of each cell summed so far, in EMU
  };

  Axis columns_;
  Axis rows_;
};

}  // namespace excel
