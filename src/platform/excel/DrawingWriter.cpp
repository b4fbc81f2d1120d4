#include "platform/excel/DrawingWriter.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>
#include <string_view>

#include "platform/excel/DrawingGradient.h"
#include "platform/excel/ShapeConstants.h"

namespace excel {

namespace {

constexpr std::string_view kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n"
    "<xdr:wsDr xmlns:xdr=\"http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing\""
    " xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\">";
constexpr std::string_view kFooter = "</xdr:wsDr>";

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

class Xml {
 public:
  explicit Xml(std::string& out) : out_(out) {}
  Xml& operator<<(std::string_view text) {
    out_.append(text);
    return *this;
  }
  Xml& operator<<(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out_.append(buffer, result.ptr);
    return *this;
  }
  Xml& operator<<(std::int32_t value) { return *this << static_cast<std::int64_t>(value); }

  // A colour as srgbClr, with its opacity when it is not fully opaque.
  void Color(std::int32_t lngColor, double dblTransparency) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    char hex[6];
    const std::int32_t channels[] = {lngColor & 0xFF, (lngColor >> 8) & 0xFF,
                                     (lngColor >> 16) & 0xFF};
    for (int i = 0; i < 3; ++i) {
      hex[2 * i] = kHex[channels[i] >> 4];
      hex[2 * i + 1] = kHex[channels[i] & 0xF];
    }
    *this << "<a:srgbClr val=\"" << std::string_view(hex, 6);
    const auto lngAlpha = static_cast<std::int32_t>(std::lround((1.0 - dblTransparency) * 100000));
    if (lngAlpha >= 100000) {
      *this << "\"/>";
    } else {
      *this << "\"><a:alpha val=\"" << lngAlpha << "\"/></a:srgbClr>";
    }
  }

 private:
  std::string& out_;
};

std::int64_t Emu(double dblPoints) {
  return std::llround(dblPoints * kEmuPerPoint);
}

struct Box {
  std::int64_t x, y, cx, cy;
};

Box BoxOf(const ShapeRecord& r) {
  const std::int64_t x1 = Emu(r.dblX1), y1 = Emu(r.dblY1), x2 = Emu(r.dblX2), y2 = Emu(r.dblY2);
  return {std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1), std::abs(y2 - y1)};
}

void Cell(Xml& xml, std::string_view tag, CellOffset column, CellOffset row) {
  xml << "<xdr:" << tag << "><xdr:col>" << column.lngCell << "</xdr:col><xdr:colOff>"
      << column.lngOffset << "</xdr:colOff><xdr:row>" << row.lngCell << "</xdr:row><xdr:rowOff>"
      << row.lngOffset << "</xdr:rowOff></xdr:" << tag << ">";
}

// An oval: its top-left corner in its cell, and its size.
void OneCellAnchorStart(Xml& xml, CellAnchors& cells, const Box& box) {
  xml << "<xdr:oneCellAnchor>";
  Cell(xml, "from", cells.Column(box.x), cells.Row(box.y));
  xml << "<xdr:ext cx=\"" << box.cx << "\" cy=\"" << box.cy << "\"/>";
}

// A line: the top-left and the bottom-right corner of its box, each in its cell.
void TwoCellAnchorStart(Xml& xml, CellAnchors& cells, const Box& box) {
  xml << "<xdr:twoCellAnchor>";
  Cell(xml, "from", cells.Column(box.x), cells.Row(box.y));
  Cell(xml, "to", cells.Column(box.x + box.cx), cells.Row(box.y + box.cy));
}

void Transform(Xml& xml, const Box& box, bool blnFlipH, bool blnFlipV) {
  xml << "<a:xfrm";
  if (blnFlipH) xml << " flipH=\"1\"";
  if (blnFlipV) xml << " flipV=\"1\"";
  xml << "><a:off x=\"" << box.x << "\" y=\"" << box.y << "\"/><a:ext cx=\"" << box.cx << "\" cy=\""
      << box.cy << "\"/></a:xfrm>";
}

void Fill(Xml& xml, const ShapeRecord& r) {
  if (!r.blnFillVisible) {
    xml << "<a:noFill/>";
    return;
  }
  if (r.intGradientStyle == 0) {
    xml << "<a:solidFill>";
    xml.Color(r.lngFillColor, r.sngFillTransparency);
    xml << "</a:solidFill>";
    return;
  }
  const GradientLayout layout = OneColorGradientLayout(r.intGradientStyle, r.intGradientVariant,
                                                       r.sngGradientDegree, r.lngFillColor);
  xml << "<a:gradFill rotWithShape=\"1\"><a:gsLst>";
  for (std::int32_t i = 0; i < layout.intStopCount; ++i) {
    xml << "<a:gs pos=\"" << layout.stops[i].lngPosition << "\">";
    xml.Color(layout.stops[i].lngColor, r.sngFillTransparency);
    xml << "</a:gs>";
  }
  xml << "</a:gsLst>";
  if (layout.blnPath) {
    xml << "<a:path path=\"" << std::string_view(layout.blnCircle ? "circle" : "rect")
        << "\"><a:fillToRect l=\"" << layout.lngFillLeft << "\" t=\"" << layout.lngFillTop
        << "\" r=\"" << layout.lngFillRight << "\" b=\"" << layout.lngFillBottom << "\"/></a:path>";
  } else {
    xml << "<a:lin ang=\"" << layout.lngAngle << "\" scaled=\"0\"/>";
  }
  xml << "</a:gradFill>";
}

void Outline(Xml& xml, const ShapeRecord& r) {
  if (!r.blnLineVisible) {
    xml << "<a:ln><a:noFill/></a:ln>";
    return;
  }
  xml << "<a:ln w=\"" << Emu(r.sngLineWeight) << "\"";
  if (r.intDashStyle == msoLineRoundDot) xml << " cap=\"rnd\"";
  if (r.intLineStyle != msoLineSingle) xml << " cmpd=\"" << kCompoundNames[r.intLineStyle] << "\"";
  xml << "><a:solidFill>";
  xml.Color(r.lngLineColor, r.sngLineTransparency);
  xml << "</a:solidFill>";
  if (r.intDashStyle != msoLineSolid) {
    xml << "<a:prstDash val=\"" << kDashNames[r.intDashStyle] << "\"/>";
  }
  if (r.kind == ShapeKind::Line && r.intEndArrowStyle != msoArrowheadNone) {
    xml << "<a:tailEnd type=\"" << kArrowNames[r.intEndArrowStyle] << "\" w=\""
        << kArrowSizes[r.intEndArrowWidth] << "\" len=\"" << kArrowSizes[r.intEndArrowLength]
        << "\"/>";
  }
  xml << "</a:ln>";
}

void Effects(Xml& xml, const ShapeRecord& r) {
  if (r.intShadowType == 0) return;
  const double dblDx = r.sngShadowOffsetX, dblDy = r.sngShadowOffsetY;
  double dblDirection = std::atan2(dblDy, dblDx) * 180.0 / std::numbers::pi;
  if (dblDirection < 0) dblDirection += 360.0;
  auto lngDirection = static_cast<std::int64_t>(std::llround(dblDirection * 60000));
  if (lngDirection >= 21600000) lngDirection -= 21600000;
  xml << "<a:effectLst><a:outerShdw dist=\"" << Emu(std::hypot(dblDx, dblDy)) << "\" dir=\""
      << lngDirection << "\" algn=\"tl\" rotWithShape=\"0\">";
  xml.Color(r.lngShadowColor, 0.0);
  xml << "</a:outerShdw></a:effectLst>";
}

void WriteOval(Xml& xml, CellAnchors& cells, const ShapeRecord& r, std::int32_t index) {
  const Box box = BoxOf(r);
  OneCellAnchorStart(xml, cells, box);
  xml << "<xdr:sp macro=\"\" textlink=\"\"><xdr:nvSpPr><xdr:cNvPr id=\"" << index + 2
      << "\" name=\"Ellipse " << index + 1 << "\"/><xdr:cNvSpPr/></xdr:nvSpPr><xdr:spPr>";
  Transform(xml, box, false, false);
  xml << "<a:prstGeom prst=\"ellipse\"><a:avLst/></a:prstGeom>";
  Fill(xml, r);
  Outline(xml, r);
  Effects(xml, r);
  xml << "</xdr:spPr></xdr:sp><xdr:clientData/></xdr:oneCellAnchor>";
}

void WriteLine(Xml& xml, CellAnchors& cells, const ShapeRecord& r, std::int32_t index) {
  const Box box = BoxOf(r);
  TwoCellAnchorStart(xml, cells, box);
  xml << "<xdr:cxnSp macro=\"\"><xdr:nvCxnSpPr><xdr:cNvPr id=\"" << index + 2
      << "\" name=\"Gerade Verbindung " << index + 1
      << "\"/><xdr:cNvCxnSpPr/></xdr:nvCxnSpPr><xdr:spPr>";
  Transform(xml, box, Emu(r.dblX2) < Emu(r.dblX1), Emu(r.dblY2) < Emu(r.dblY1));
  xml << "<a:prstGeom prst=\"line\"><a:avLst/></a:prstGeom>";
  Outline(xml, r);
  Effects(xml, r);
  xml << "</xdr:spPr></xdr:cxnSp><xdr:clientData/></xdr:twoCellAnchor>";
}

}  // namespace

DrawingXmlWriter::DrawingXmlWriter(const Shapes& shapes, const SheetGeometry& geometry)
    : shapes_(shapes), cells_(geometry), order_(shapes.DrawingOrder()) {}

bool DrawingXmlWriter::Next(std::string& out, std::size_t minBytes) {
  if (blnDone_) return false;
  const std::size_t start = out.size();
  Xml xml(out);
  if (!blnStarted_) {
    xml << kHeader;
    blnStarted_ = true;
  }
  while (next_ < order_.size() && out.size() - start < minBytes) {
    const std::int32_t index = order_[next_++];
    const ShapeRecord& record = shapes_.Record(index);
    if (record.kind == ShapeKind::Oval) {
      WriteOval(xml, cells_, record, index);
    } else {
      WriteLine(xml, cells_, record, index);
    }
  }
  if (next_ == order_.size()) {
    xml << kFooter;
    blnDone_ = true;
  }
  return true;
}

void WriteDrawingXml(const Shapes& shapes, const SheetGeometry& geometry, std::string& out) {
  out.clear();
  // Room for a typical chart's shapes (650 to 800 bytes each), so that the part is not copied
  // while it grows; pages not written to cost no memory.
  out.reserve(1024 + static_cast<std::size_t>(shapes.Count()) * 900);
  DrawingXmlWriter writer(shapes, geometry);
  while (writer.Next(out, std::numeric_limits<std::size_t>::max())) {
  }
}

}  // namespace excel
