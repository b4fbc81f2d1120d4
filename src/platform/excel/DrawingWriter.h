#pragma once
// The worksheet's drawing part (xl/drawings/drawing1.xml): every shape of the sheet in
// DrawingML, in drawing order, back to front.
//
// Each shape is anchored to cells as Excel anchors its shapes: a corner of the shape's box as a
// cell and an offset within it (see CellAnchors.h), computed from the sheet's column widths and
// row heights, and the box in points, 12700 EMU to the point, in the shape's xfrm as well.
// Excel places the shape exactly at its points. LibreOffice lays out columns somewhat wider
// than Excel for the same width, but puts the corners in the same cells at the same offsets, so
// that a symbol drawn in the middle of a column stays there.
// - An oval is anchored by its top-left corner and keeps its size (xdr:oneCellAnchor with its
//   ext): it moves with its cell. As a twoCellAnchor, even with editAs="oneCell", LibreOffice
//   would stretch an oval lying across a column border to its bottom-right cell.
// - A line is anchored by both corners of its box (xdr:twoCellAnchor), so that its ends follow
//   their cells; the flips say which corner is its begin point.
//
// - The oval: prstGeom ellipse; its fill solid or as the one-colour gradient (see
//   DrawingGradient.h), with the fill's transparency as alpha; its outline; its shadow.
// - A line: a straight connector (xdr:cxnSp, prstGeom line) in the box spanned by its two
//   points, flipped horizontally when the end lies left of the begin point and vertically when
//   it lies above, so that the path runs from the begin point to the end point. The end
//   arrowhead is DrawingML's tailEnd, the decoration at the end of the path.
// - The shadow: an outer shadow without blur, at the shadow's offset, in its colour.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/excel/CellAnchors.h"
#include "platform/excel/Shapes.h"

namespace excel {

class SheetGeometry {
 public:
  virtual ~SheetGeometry() = default;
  virtual double ColumnWidthPoints(std::int32_t column) const = 0;  // 1-based; hidden: 0
  virtual double RowHeightPoints(std::int32_t row) const = 0;       // 1-based; hidden: 0
};

inline constexpr std::int64_t kEmuPerPoint = 12700;

// Writes the drawing part piece by piece, so that it can be streamed into the archive
// without holding the whole part (about 750 bytes a shape) in memory. The Shapes must not
// change while the writer is in use, and the geometry must outlive it.
class DrawingXmlWriter {
 public:
  DrawingXmlWriter(const Shapes& shapes, const SheetGeometry& geometry);
  // Appends the next piece to out: at least minBytes unless the part ends there. Returns false,
  // appending nothing, once the whole part has been written.
  bool Next(std::string& out, std::size_t minBytes);

 private:
  const Shapes& shapes_;
  CellAnchors cells_;
  std::vector<std::int32_t> order_;
  std::size_t next_ = 0;
  bool blnStarted_ = false;
  bool blnDone_ = false;
};

// Replaces out with the complete drawing part.
void WriteDrawingXml(const Shapes& shapes, const SheetGeometry& geometry, std::string& out);

}  // namespace excel
