#pragma once
// The worksheet's drawing part (xl/drawings/drawing1.xml): every shape of the sheet in
// DrawingML, in drawing order, back to front.
//
// Each shape is anchored absolutely (xdr:absoluteAnchor) at its position in points from the
// sheet's top-left corner, 12700 EMU to the point. Excel and LibreOffice both place such a shape
// exactly there, whatever widths and heights the columns and rows have and whichever of them
// are hidden; a cell anchor would be resolved by each reader against its own idea of the
// column widths, which differ between the two for the same file.
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
// without holding the whole part (about 650 bytes a shape) in memory. The Shapes must not
// change while the writer is in use.
class DrawingXmlWriter {
 public:
  explicit DrawingXmlWriter(const Shapes& shapes);
  // Appends the next piece to out: at least minBytes unless the part ends there. Returns false,
  // appending nothing, once the whole part has been written.
  bool Next(std::string& out, std::size_t minBytes);

 private:
  const Shapes& shapes_;
  std::vector<std::int32_t> order_;
  std::size_t next_ = 0;
  bool blnStarted_ = false;
  bool blnDone_ = false;
};

// Replaces out with the complete drawing part. The absolute anchors do not need the sheet's
// geometry; it is taken so that the worksheet's saving does not change if shapes are ever
// anchored to cells.
void WriteDrawingXml(const Shapes& shapes, const SheetGeometry& geometry, std::string& out);

}  // namespace excel
