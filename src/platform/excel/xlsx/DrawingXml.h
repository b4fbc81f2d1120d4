#pragma once
// The worksheet's drawing part (xl/drawings/drawingN.xml): every shape of the sheet in
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

#include "platform/excel/CellAnchors.h"
#include "platform/excel/Shapes.h"
#include "platform/excel/xlsx/XmlWriter.h"

namespace excel::xlsx {

// Writes the whole part; the writer hands it on to its sink piece by piece (about 750 bytes a
// shape). The shapes must not change meanwhile.
void WriteDrawingXml(const Shapes& shapes, const SheetGeometry& geometry, XmlWriter& xml);

}  // namespace excel::xlsx
