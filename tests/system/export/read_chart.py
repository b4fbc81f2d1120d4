"""Reads a chart workbook as a spreadsheet program sees it and prints it as JSON.

openpyxl reads the cells, merged areas, rows, columns, panes, outline and page set-up; the
drawing part is parsed as it is stored, every shape with its position in points as Excel lays
the sheet out: its anchor cells' edges from the sheet's column widths and row heights, plus the
offsets within them.
"""

import json
import math
import sys
import zipfile
import xml.etree.ElementTree as ET

import openpyxl
from openpyxl.utils import get_column_letter

EMU_PER_POINT = 12700
NS = {
    "xdr": "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
    "s": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
}
DEFAULT_COLUMN = 48.0  # points: 8.43 characters of Arial 10, 64 pixels


class Grid:
    """The edges of a sheet's columns and rows in points, as Excel computes them: a column of
    width W (in the file's characters) is trunc((256 W + trunc(128/7)) / 256 * 7) pixels of
    0.75 points; a row is its ht or the default height; hidden ones have none."""

    def __init__(self, sheet_xml):
        root = ET.fromstring(sheet_xml)
        fmt = root.find("s:sheetFormatPr", NS)
        self.default_row = float(fmt.get("defaultRowHeight", "12.75")) if fmt is not None else 12.75
        self.columns, self.rows = {}, {}
        for col in root.findall("s:cols/s:col", NS):
            width = 0.0
            if col.get("hidden") != "1":
                width = math.trunc((256 * float(col.get("width")) + math.trunc(128 / 7)) / 256 * 7)
                width *= 0.75
            for index in range(int(col.get("min")), int(col.get("max")) + 1):
                self.columns[index - 1] = width
        for row in root.findall("s:sheetData/s:row", NS):
            if row.get("hidden") == "1":
                self.rows[int(row.get("r")) - 1] = 0.0
            elif row.get("ht") is not None:
                self.rows[int(row.get("r")) - 1] = float(row.get("ht"))

    def x(self, cell):
        col = int(cell.find("xdr:col", NS).text)
        edge = sum(self.columns.get(c, DEFAULT_COLUMN) for c in range(col))
        return edge + int(cell.find("xdr:colOff", NS).text) / EMU_PER_POINT

    def y(self, cell):
        row = int(cell.find("xdr:row", NS).text)
        edge = sum(self.rows.get(r, self.default_row) for r in range(row))
        return edge + int(cell.find("xdr:rowOff", NS).text) / EMU_PER_POINT


def colour(element):
    if element is None:
        return None
    clr = element.find("a:srgbClr", NS)
    return None if clr is None else clr.get("val")


def shape_of(anchor, grid):
    start = anchor.find("xdr:from", NS)
    x, y = grid.x(start), grid.y(start)
    if anchor.tag == "{%s}oneCellAnchor" % NS["xdr"]:
        ext = anchor.find("xdr:ext", NS)
        cx, cy = int(ext.get("cx")) / EMU_PER_POINT, int(ext.get("cy")) / EMU_PER_POINT
    else:
        end = anchor.find("xdr:to", NS)
        cx, cy = grid.x(end) - x, grid.y(end) - y
    shape = {"anchor": anchor.tag.split("}")[1], "x": x, "y": y, "cx": cx, "cy": cy}
    sp = anchor.find("xdr:sp", NS)
    cxn = anchor.find("xdr:cxnSp", NS)
    node = sp if sp is not None else cxn
    shape["kind"] = "oval" if sp is not None else "line"
    props = node.find("xdr:nvSpPr/xdr:cNvPr", NS)
    if props is None:
        props = node.find("xdr:nvCxnSpPr/xdr:cNvPr", NS)
    shape["name"] = None if props is None else props.get("name")
    sppr = node.find("xdr:spPr", NS)
    xfrm = sppr.find("a:xfrm", NS)
    shape["flipH"] = xfrm.get("flipH") == "1"
    shape["flipV"] = xfrm.get("flipV") == "1"
    geom = sppr.find("a:prstGeom", NS)
    shape["geometry"] = geom.get("prst")
    grad = sppr.find("a:gradFill", NS)
    solid = sppr.find("a:solidFill", NS)
    if grad is not None:
        stops = sorted(grad.findall("a:gsLst/a:gs", NS), key=lambda gs: int(gs.get("pos")))
        shape["fill"] = colour(stops[0])
    elif solid is not None:
        shape["fill"] = colour(solid)
    ln = sppr.find("a:ln", NS)
    if ln is not None and ln.find("a:noFill", NS) is None:
        shape["lineWeight"] = int(ln.get("w", "0")) / EMU_PER_POINT
        shape["lineColour"] = colour(ln.find("a:solidFill", NS))
        tail = ln.find("a:tailEnd", NS)
        if tail is not None:
            shape["tail"] = {"type": tail.get("type"), "w": tail.get("w"), "len": tail.get("len")}
    shadow = sppr.find("a:effectLst/a:outerShdw", NS)
    if shadow is not None:
        shape["shadow"] = colour(shadow)
    return shape


def drawing(path):
    with zipfile.ZipFile(path) as archive:
        names = [n for n in archive.namelist() if n.startswith("xl/drawings/drawing")
                 and n.endswith(".xml")]
        if not names:
            return []
        root = ET.fromstring(archive.read(sorted(names)[0]))
        grid = Grid(archive.read("xl/worksheets/sheet1.xml"))
    return [shape_of(anchor, grid) for anchor in root]


def main(path):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    cells, formats, fills, fonts = {}, {}, {}, {}
    for row in sheet.iter_rows():
        for cell in row:
            if cell.value is not None:
                cells[cell.coordinate] = cell.value
                formats[cell.coordinate] = cell.number_format
            if cell.fill is not None and cell.fill.fill_type == "solid":
                fills[cell.coordinate] = cell.fill.fgColor.rgb
            if cell.value is not None or cell.has_style:
                fonts[cell.coordinate] = cell.font.sz
    rows = {}
    for index, dim in sheet.row_dimensions.items():
        rows[str(index)] = {"height": dim.height, "hidden": bool(dim.hidden),
                            "outline": dim.outlineLevel or 0}
    cols = {}
    for key, dim in sheet.column_dimensions.items():
        for index in range(dim.min or 1, (dim.max or dim.min or 1) + 1):
            cols[get_column_letter(index)] = {"width": dim.width, "hidden": bool(dim.hidden)}
    setup = sheet.page_setup
    margins = sheet.page_margins
    outline = sheet.sheet_properties.outlinePr
    fit = sheet.sheet_properties.pageSetUpPr
    result = {
        "sheets": len(book.worksheets),
        "cells": cells,
        "formats": formats,
        "fills": fills,
        "fonts": fonts,
        "merged": sorted(str(r) for r in sheet.merged_cells.ranges),
        "rows": rows,
        "cols": cols,
        "freeze": sheet.freeze_panes,
        "page": {
            "orientation": setup.orientation,
            "paperSize": setup.paperSize,
            "fitToWidth": setup.fitToWidth,
            "fitToHeight": setup.fitToHeight,
            "fitToPage": bool(fit.fitToPage) if fit is not None else False,
            "left": margins.left, "right": margins.right, "top": margins.top,
            "bottom": margins.bottom, "header": margins.header, "footer": margins.footer,
            "gridLines": bool(sheet.print_options.gridLines),
            "headings": bool(sheet.print_options.headings),
            "horizontalCentered": bool(sheet.print_options.horizontalCentered),
            "verticalCentered": bool(sheet.print_options.verticalCentered),
        },
        "summaryBelow": None if outline is None else outline.summaryBelow,
        "summaryRight": None if outline is None else outline.summaryRight,
        "shapes": drawing(path),
    }
    json.dump(result, sys.stdout, default=str, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
