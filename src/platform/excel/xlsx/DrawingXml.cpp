#include "platform/excel/xlsx/DrawingXml.h"

#include <cmath>
#include <numbers>
#include <string_view>

#include "platform/excel/DrawingGradient.h"
#include "platform/excel/ShapeConstants.h"

namespace excel::xlsx {

namespace {

// DrawingML's names for Office's line dash styles, by msoLineDashStyle (1 to 12).
constexpr std::string_view kDashNames[] = {
    "",       "solid",     "sysDot",       "sysDot",  "dash",   "dashDot",   "sysDashDotDot",
    "lgDash", "lgDashDot", "lgDashDotDot", "sysDash", "sysDot", "sysDashDot"};
// Compound lines, by msoLineStyle (1 to 5).
constexpr std::string_view kCompoundNames[] = {"", "sng", "dbl", "thinThick", "thickThin", "tri"};
// Arrowheads, by msoArrowheadStyle (1 to 6), and their sizes, by length or width (1 to 3).
constexpr std::string_view kArrowNames[] = {"",        "none",    "triangle", "arrow",
                                            "stealth", "diamond", "oval"};
constexpr std::string_view kArrowSizes[] = {"", "sm", "med", "lg"};

std::int64_t Emu(double points) {
  return std::llround(points * kEmuPerPoint);
}

struct Box {
  std::int64_t x, y, cx, cy;
};

Box BoxOf(const ShapeRecord& shape) {
  const std::int64_t x1 = Emu(shape.dblX1), y1 = Emu(shape.dblY1);
  const std::int64_t x2 = Emu(shape.dblX2), y2 = Emu(shape.dblY2);
  return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
}

// A colour as srgbClr, with its opacity when it is not fully opaque.
void Color(XmlWriter& xml, std::int32_t color, double transparency) {
  xml.Start("a:srgbClr").RgbAttribute("val", color);
  const auto alpha = static_cast<std::int32_t>(std::lround((1.0 - transparency) * 100000));
  if (alpha < 100000) xml.Start("a:alpha").Attribute("val", alpha).End();
  xml.End();
}

void Cell(XmlWriter& xml, std::string_view tag, CellOffset column, CellOffset row) {
  xml.Start(tag);
  xml.Element("xdr:col", column.cell).Element("xdr:colOff", column.offset);
  xml.Element("xdr:row", row.cell).Element("xdr:rowOff", row.offset);
  xml.End();
}

void Transform(XmlWriter& xml, const Box& box, bool flipH, bool flipV) {
  xml.Start("a:xfrm");
  if (flipH) xml.Attribute("flipH", 1);
  if (flipV) xml.Attribute("flipV", 1);
  xml.Start("a:off").Attribute("x", box.x).Attribute("y", box.y).End();
  xml.Start("a:ext").Attribute("cx", box.cx).Attribute("cy", box.cy).End();
  xml.End();
}

void Geometry(XmlWriter& xml, std::string_view preset) {
  xml.Start("a:prstGeom").Attribute("prst", preset).Start("a:avLst").End().End();
}

void Fill(XmlWriter& xml, const ShapeRecord& shape) {
  if (!shape.blnFillVisible) {
    xml.Start("a:noFill").End();
    return;
  }
  if (shape.intGradientStyle == 0) {
    xml.Start("a:solidFill");
    Color(xml, shape.lngFillColor, shape.sngFillTransparency);
    xml.End();
    return;
  }
  const GradientLayout layout =
      OneColorGradientLayout(shape.intGradientStyle, shape.intGradientVariant,
                             shape.sngGradientDegree, shape.lngFillColor);
  xml.Start("a:gradFill").Attribute("rotWithShape", 1).Start("a:gsLst");
  for (std::int32_t i = 0; i < layout.intStopCount; ++i) {
    xml.Start("a:gs").Attribute("pos", layout.stops[i].lngPosition);
    Color(xml, layout.stops[i].lngColor, shape.sngFillTransparency);
    xml.End();
  }
  xml.End();
  if (layout.blnPath) {
    xml.Start("a:path").Attribute("path", layout.blnCircle ? "circle" : "rect");
    xml.Start("a:fillToRect")
        .Attribute("l", layout.lngFillLeft)
        .Attribute("t", layout.lngFillTop)
        .Attribute("r", layout.lngFillRight)
        .Attribute("b", layout.lngFillBottom)
        .End();
    xml.End();
  } else {
    xml.Start("a:lin").Attribute("ang", layout.lngAngle).Attribute("scaled", 0).End();
  }
  xml.End();
}

void Outline(XmlWriter& xml, const ShapeRecord& shape) {
  xml.Start("a:ln");
  if (!shape.blnLineVisible) {
    xml.Start("a:noFill").End().End();
    return;
  }
  xml.Attribute("w", Emu(shape.sngLineWeight));
  if (shape.intDashStyle == msoLineRoundDot) xml.Attribute("cap", "rnd");
  if (shape.intLineStyle != msoLineSingle) {
    xml.Attribute("cmpd", kCompoundNames[shape.intLineStyle]);
  }
  xml.Start("a:solidFill");
  Color(xml, shape.lngLineColor, shape.sngLineTransparency);
  xml.End();
  if (shape.intDashStyle != msoLineSolid) {
    xml.Start("a:prstDash").Attribute("val", kDashNames[shape.intDashStyle]).End();
  }
  if (shape.kind == ShapeKind::Line && shape.intEndArrowStyle != msoArrowheadNone) {
    xml.Start("a:tailEnd")
        .Attribute("type", kArrowNames[shape.intEndArrowStyle])
        .Attribute("w", kArrowSizes[shape.intEndArrowWidth])
        .Attribute("len", kArrowSizes[shape.intEndArrowLength])
        .End();
  }
  xml.End();
}

void Effects(XmlWriter& xml, const ShapeRecord& shape) {
  if (shape.intShadowType == 0) return;
  const double dx = shape.sngShadowOffsetX, dy = shape.sngShadowOffsetY;
  double degrees = std::atan2(dy, dx) * 180.0 / std::numbers::pi;
  if (degrees < 0) degrees += 360.0;
  auto direction = static_cast<std::int64_t>(std::llround(degrees * 60000));
  if (direction >= 21600000) direction -= 21600000;
  xml.Start("a:effectLst")
      .Start("a:outerShdw")
      .Attribute("dist", Emu(std::hypot(dx, dy)))
      .Attribute("dir", direction)
      .Attribute("algn", "tl")
      .Attribute("rotWithShape", 0);
  Color(xml, shape.lngShadowColor, 0.0);
  xml.End().End();
}

void Name(XmlWriter& xml, std::int32_t index, std::string_view kind) {
  xml.Start("xdr:cNvPr").Attribute("id", index + 2).Attribute("name", kind, index + 1).End();
}

// An oval: its top-left corner in its cell, and its size.
void WriteOval(XmlWriter& xml, CellAnchors& cells, const ShapeRecord& shape, std::int32_t index) {
  const Box box = BoxOf(shape);
  xml.Start("xdr:oneCellAnchor");
  Cell(xml, "xdr:from", cells.Column(box.x), cells.Row(box.y));
  xml.Start("xdr:ext").Attribute("cx", box.cx).Attribute("cy", box.cy).End();
  xml.Start("xdr:sp").Attribute("macro", "").Attribute("textlink", "");
  xml.Start("xdr:nvSpPr");
  Name(xml, index, "Ellipse ");
  xml.Start("xdr:cNvSpPr").End();
  xml.End();
  xml.Start("xdr:spPr");
  Transform(xml, box, false, false);
  Geometry(xml, "ellipse");
  Fill(xml, shape);
  Outline(xml, shape);
  Effects(xml, shape);
  xml.End().End();
  xml.Start("xdr:clientData").End();
  xml.End();
}

// A line: the top-left and the bottom-right corner of its box, each in its cell.
void WriteLine(XmlWriter& xml, CellAnchors& cells, const ShapeRecord& shape, std::int32_t index) {
  const Box box = BoxOf(shape);
  xml.Start("xdr:twoCellAnchor");
  Cell(xml, "xdr:from", cells.Column(box.x), cells.Row(box.y));
  Cell(xml, "xdr:to", cells.Column(box.x + box.cx), cells.Row(box.y + box.cy));
  xml.Start("xdr:cxnSp").Attribute("macro", "");
  xml.Start("xdr:nvCxnSpPr");
  Name(xml, index, "Gerade Verbindung ");
  xml.Start("xdr:cNvCxnSpPr").End();
  xml.End();
  xml.Start("xdr:spPr");
  Transform(xml, box, Emu(shape.dblX2) < Emu(shape.dblX1), Emu(shape.dblY2) < Emu(shape.dblY1));
  Geometry(xml, "line");
  Outline(xml, shape);
  Effects(xml, shape);
  xml.End().End();
  xml.Start("xdr:clientData").End();
  xml.End();
}

}  // namespace

void WriteDrawingXml(const Shapes& shapes, const SheetGeometry& geometry, XmlWriter& xml) {
  CellAnchors cells(geometry);
  xml.Declaration();
  xml.Start("xdr:wsDr")
      .Attribute("xmlns:xdr", "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing")
      .Attribute("xmlns:a", "http://schemas.openxmlformats.org/drawingml/2006/main");
  for (const std::int32_t index : shapes.DrawingOrder()) {
    const ShapeRecord& shape = shapes.Record(index);
    if (shape.kind == ShapeKind::Oval) {
      WriteOval(xml, cells, shape, index);
    } else {
      WriteLine(xml, cells, shape, index);
    }
  }
  xml.End();
}

}  // namespace excel::xlsx
