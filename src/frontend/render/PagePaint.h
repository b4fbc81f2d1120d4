#pragma once
// Paints one printed page of a worksheet (excel::PageDocument, see
// platform/excel/print/PageDescription.h) with a QPainter: onto a PDF page, an SVG drawing, an
// image or a widget alike.
//
// The painter's device is taken to show the whole sheet of paper, dblUnitsPerPoint device units
// to the point, its top-left corner at (0, 0). Every coordinate is mapped to the device here,
// not through the painter's transformation, so that an SVG drawing carries the page's points
// directly (only rotated texts are turned by the painter). Texts are set in Arial, or in
// Liberation Sans, which has Arial's metrics, where Arial is not installed.

#include <QRectF>
#include <cstddef>

#include "platform/excel/print/PageDescription.h"

class QPainter;

namespace render {

// With an area (in the painter's coordinates, as the page is mapped onto them), only what
// meets it is painted: a widget repainting a part of a large page.
void PaintPage(QPainter& painter, const excel::PageDocument& document,
               const excel::PrintedPage& page, double dblUnitsPerPoint,
               const QRectF& area = QRectF());

}  // namespace render
