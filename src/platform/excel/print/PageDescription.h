#pragma once
// A worksheet as the printed page shows it, in a form that any painter can draw without knowing
// the engine: a display list in points and the pages it is printed on.
//
// The drawing is in sheet points, measured from the top-left corner of cell A1 as the shapes
// are; hidden columns and rows take no room. It is drawn back to front: the cell fills, the
// grid lines, the cell borders, the cell texts, then the shapes in their drawing order. Each
// printed page shows one rectangle of the drawing (its source) scaled onto the paper; what lies
// outside the source is clipped.
//
// Colours are Windows colour values, red in the low byte (as everywhere in the engine).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace excel {

struct PageRect {
  double dblLeft = 0, dblTop = 0, dblWidth = 0, dblHeight = 0;
  double Right() const { return dblLeft + dblWidth; }
  double Bottom() const { return dblTop + dblHeight; }
};

// A cell's (or a merged area's) fill. Pattern is Excel's Interior.Pattern: solid fills the box
// with the colour; the other patterns lay black hatching over the colour.
struct PageFill {
  PageRect box;
  std::int32_t lngColor = 0xFFFFFF;
  std::int32_t lngPattern = 1;
};

// A straight stretch of cell border or grid line; lngStyle is Excel's Border.LineStyle
// (continuous, dash, dot, double, …). The weight is already in points.
struct PageLine {
  double dblX1 = 0, dblY1 = 0, dblX2 = 0, dblY2 = 0;
  float sngWeight = 0.75f;
  std::int32_t lngColor = 0;
  std::int32_t lngStyle = 1;
};

enum class PageAlign : std::uint8_t { Start, Center, End };

// A cell's text. The text is set in its own frame: turned by dblRotation degrees counter-
// clockwise about the centre of box, the frame is box's size (width and height swapped when the
// text stands at 90 degrees). The alignments hold within that frame: horizontal along the
// text's lines (start = where a line begins), vertical across them (start = the first line's
// side). The text is clipped to clip, which for text running into empty neighbours is wider
// than its cell.
struct PageText {
  PageRect box;
  PageRect clip;
  std::string strText;  // UTF-8; "\n" breaks a line
  float sngSize = 10;   // points
  bool blnBold = false;
  bool blnWrap = false;
  PageAlign horizontal = PageAlign::Start;
  PageAlign vertical = PageAlign::End;
  std::int16_t intRotation = 0;  // degrees, -90 to 90
  std::int32_t lngColor = 0;
};

enum class PageShapeKind : std::uint8_t { Ellipse, Line };

// One stop of a gradient: position 0 (centre or start) to 1 (edge or end).
struct PageGradientStop {
  double dblPosition = 0;
  std::int32_t lngColor = 0;
};

// A drawing shape. An ellipse fills the box (X1, Y1) – (X2, Y2); a line runs from (X1, Y1) to
// (X2, Y2), its arrowhead (if any) with its tip at the end point.
struct PageShape {
  PageShapeKind kind = PageShapeKind::Ellipse;
  double dblX1 = 0, dblY1 = 0, dblX2 = 0, dblY2 = 0;

  // Fill (ellipses): one colour, or a gradient — radial from (dblCenterX, dblCenterY), given
  // as fractions of the box, to the box's edge, or linear along dblAngle (degrees clockwise
  // from left-to-right).
  bool blnFill = true;
  std::int32_t lngFillColor = 0xFFFFFF;
  float sngFillAlpha = 1;
  bool blnGradient = false;
  bool blnRadial = false;
  double dblCenterX = 0.5, dblCenterY = 0.5, dblAngle = 0;
  std::array<PageGradientStop, 3> stops{};
  std::uint8_t intStopCount = 0;

  // Outline (ellipses) or the line itself. intDash is Office's MsoLineDashStyle (1 solid).
  bool blnLine = true;
  float sngLineWeight = 0.75f;
  std::int32_t lngLineColor = 0;
  float sngLineAlpha = 1;
  std::uint8_t intDash = 1;

  // Arrowhead at the end of a line: Office's MsoArrowheadStyle (1 none, 2 triangle, 3 open,
  // 4 stealth, 5 diamond, 6 oval) and its size in points.
  std::uint8_t intArrowStyle = 1;
  float sngArrowLength = 0;
  float sngArrowWidth = 0;

  // Shadow: the same shape in the shadow's colour, moved by the offset, drawn just behind it.
  bool blnShadow = false;
  float sngShadowX = 0, sngShadowY = 0;
  std::int32_t lngShadowColor = 0x808080;
};

struct PageDrawing {
  std::string strFontFamily = "Arial";  // the sheet's font; every text is set in it
  std::vector<PageFill> fills;
  std::vector<PageLine> gridLines;
  std::vector<PageLine> borders;
  std::vector<PageText> texts;
  std::vector<PageShape> shapes;  // back to front
};

// One part of a page's header or footer, its codes (&P, &N, &D, &F, …) already replaced.
struct PageHeaderText {
  std::string strText;
  float sngSize = 10;
  bool blnBold = false;
};

// One printed sheet of paper. The drawing's source rectangle lands, scaled, with its top-left
// corner at (dblLeft, dblTop) of the paper. Headers stand dblHeaderTop below the paper's top
// edge, footers end dblFooterBottom above its bottom; both between dblTextLeft and
// dblTextRight.
struct PrintedPage {
  PageRect source;
  double dblScale = 1;
  double dblLeft = 0, dblTop = 0;
  std::array<PageHeaderText, 3> header;  // left, centre, right
  std::array<PageHeaderText, 3> footer;
  double dblHeaderTop = 0, dblFooterBottom = 0;
  double dblTextLeft = 0, dblTextRight = 0;
};

// Everything a painter needs to print or picture a worksheet.
struct PageDocument {
  std::string strTitle;   // the document's title (PDF properties); empty: none
  std::string strAuthor;  // the producer named in the document's properties
  double dblPaperWidth = 595.28, dblPaperHeight = 841.89;  // points, as the paper lies
  bool blnLandscape = false;
  PageDrawing drawing;
  std::vector<PrintedPage> pages;
};

}  // namespace excel
