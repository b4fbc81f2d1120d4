#pragma once
// The shapes of a saved workbook's first sheet as its drawing part anchors them, turned back
// into points the way Excel lays out the sheet: a column of width W (in the file's characters)
// is trunc((256 W + trunc(128/7)) / 256 * 7) pixels of 0.75 points, an unlisted column 64
// pixels (Excel's default of 8.43 characters for Arial 10); a row is its ht, or the sheet's
// default row height, and nothing when hidden.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace drawingtest {

struct CellAnchor {
  std::int32_t lngCol = 0, lngRow = 0;        // 0-based
  std::int64_t lngColOff = 0, lngRowOff = 0;  // EMU
};

struct AnchoredShape {
  std::string strName;
  std::string strAnchor;  // the anchor element's name, "xdr:twoCellAnchor" ...
  bool blnLine = false;   // a connector, else an oval
  bool blnFlipH = false, blnFlipV = false;
  CellAnchor from, to;  // to: of a twoCellAnchor only
  // The anchors' corners in points: the box's left, top, right and bottom.
  double dblLeft = 0, dblTop = 0, dblRight = 0, dblBottom = 0;
  // The shape's own box (xfrm) in points.
  double dblOffX = 0, dblOffY = 0, dblExtX = 0, dblExtY = 0;

  // The begin and end point of a line, its box's corners as the flips put them.
  double BeginX() const { return blnFlipH ? dblRight : dblLeft; }
  double BeginY() const { return blnFlipV ? dblBottom : dblTop; }
  double EndX() const { return blnFlipH ? dblLeft : dblRight; }
  double EndY() const { return blnFlipV ? dblTop : dblBottom; }
};

// xl/drawings/drawing1.xml with xl/worksheets/sheet1.xml's geometry, in the part's order.
// Throws std::runtime_error when a part is missing or an anchor has no cell.
std::vector<AnchoredShape> ReadAnchoredShapes(const std::filesystem::path& xlsx);

}  // namespace drawingtest
