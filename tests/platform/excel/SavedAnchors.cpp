#include "SavedAnchors.h"

#include <cmath>
#include <map>
#include <pugixml.hpp>
#include <stdexcept>

#include "DrawingReaders.h"

namespace drawingtest {

namespace {

constexpr double kEmuPerPoint = 12700;

class SavedGeometry {
 public:
  explicit SavedGeometry(const pugi::xml_node& worksheet) {
    dblDefaultRow_ =
        worksheet.child("sheetFormatPr").attribute("defaultRowHeight").as_double(12.75);
    for (pugi::xml_node col : worksheet.child("cols").children("col")) {
      const double dblWidth =
          col.attribute("hidden").as_bool() ? 0.0 : ExcelPoints(col.attribute("width").as_double());
      for (int c = col.attribute("min").as_int(); c <= col.attribute("max").as_int(); ++c) {
        columns_[c - 1] = dblWidth;
      }
    }
    for (pugi::xml_node row : worksheet.child("sheetData").children("row")) {
      if (row.attribute("hidden").as_bool()) {
        rows_[row.attribute("r").as_int() - 1] = 0.0;
      } else if (row.attribute("ht")) {
        rows_[row.attribute("r").as_int() - 1] = row.attribute("ht").as_double();
      }
    }
  }

  double X(int col, std::int64_t lngOffset) const {
    return Edge(columns_, col, 48.0) + static_cast<double>(lngOffset) / kEmuPerPoint;
  }
  double Y(int row, std::int64_t lngOffset) const {
    return Edge(rows_, row, dblDefaultRow_) + static_cast<double>(lngOffset) / kEmuPerPoint;
  }

 private:
  static double ExcelPoints(double dblWidth) {
    return std::trunc((256 * dblWidth + std::trunc(128.0 / 7)) / 256 * 7) * 0.75;
  }
  static double Edge(const std::map<int, double>& sizes, int cell, double dblDefault) {
    double dblEdge = 0;
    for (int i = 0; i < cell; ++i) {
      const auto found = sizes.find(i);
      dblEdge += found == sizes.end() ? dblDefault : found->second;
    }
    return dblEdge;
  }

  double dblDefaultRow_ = 12.75;
  std::map<int, double> columns_, rows_;  // 0-based
};

CellAnchor AnchorOf(pugi::xml_node node) {
  if (!node) throw std::runtime_error("an anchor without from or to");
  return {node.child("xdr:col").text().as_int(), node.child("xdr:row").text().as_int(),
          node.child("xdr:colOff").text().as_llong(), node.child("xdr:rowOff").text().as_llong()};
}

}  // namespace

std::vector<AnchoredShape> ReadAnchoredShapes(const std::filesystem::path& xlsx) {
  pugi::xml_document sheet, drawing;
  if (!sheet.load_string(ReadZipEntry(xlsx, "xl/worksheets/sheet1.xml").c_str()) ||
      !drawing.load_string(ReadZipEntry(xlsx, "xl/drawings/drawing1.xml").c_str())) {
    throw std::runtime_error("the sheet or its drawing is not well-formed");
  }
  const SavedGeometry geometry(sheet.child("worksheet"));
  std::vector<AnchoredShape> shapes;
  for (pugi::xml_node anchor : drawing.child("xdr:wsDr").children()) {
    AnchoredShape shape;
    shape.strAnchor = anchor.name();
    shape.from = AnchorOf(anchor.child("xdr:from"));
    shape.dblLeft = geometry.X(shape.from.lngCol, shape.from.lngColOff);
    shape.dblTop = geometry.Y(shape.from.lngRow, shape.from.lngRowOff);
    if (shape.strAnchor == "xdr:oneCellAnchor") {
      // The size instead of a second corner.
      const pugi::xml_node ext = anchor.child("xdr:ext");
      shape.dblRight = shape.dblLeft + ext.attribute("cx").as_double() / kEmuPerPoint;
      shape.dblBottom = shape.dblTop + ext.attribute("cy").as_double() / kEmuPerPoint;
    } else {
      shape.to = AnchorOf(anchor.child("xdr:to"));
      shape.dblRight = geometry.X(shape.to.lngCol, shape.to.lngColOff);
      shape.dblBottom = geometry.Y(shape.to.lngRow, shape.to.lngRowOff);
    }
    shape.blnLine = static_cast<bool>(anchor.child("xdr:cxnSp"));
    const pugi::xml_node sp = shape.blnLine ? anchor.child("xdr:cxnSp") : anchor.child("xdr:sp");
    shape.strName =
        sp.find_node([](pugi::xml_node n) { return std::string_view(n.name()) == "xdr:cNvPr"; })
            .attribute("name")
            .value();
    const pugi::xml_node xfrm = sp.child("xdr:spPr").child("a:xfrm");
    shape.blnFlipH = xfrm.attribute("flipH").as_bool();
    shape.blnFlipV = xfrm.attribute("flipV").as_bool();
    shape.dblOffX = xfrm.child("a:off").attribute("x").as_double() / kEmuPerPoint;
    shape.dblOffY = xfrm.child("a:off").attribute("y").as_double() / kEmuPerPoint;
    shape.dblExtX = xfrm.child("a:ext").attribute("cx").as_double() / kEmuPerPoint;
    shape.dblExtY = xfrm.child("a:ext").attribute("cy").as_double() / kEmuPerPoint;
    shapes.push_back(shape);
  }
  return shapes;
}

}  // namespace drawingtest
