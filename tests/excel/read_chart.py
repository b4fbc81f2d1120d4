"""Reads a chart workbook as a spreadsheet program sees it and prints it as JSON.

openpyxl reads the cells, merged areas, rows, columns, panes, outline and page set-up; the
drawing part is parsed as it is stored, every shape with its position in points.
"""

import json
import sys
import zipfile
import xml.etree.ElementTree as ET

import openpyxl
from openpyxl.utils import get_column_letter

EMU_PER_POINT = 12700
NS = {
    "xdr": "http://schemas.openxmlformats.org/drawingml/2006/spreadsheetDrawing",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
}


def colour(element):
    if element is None:
        return None
    clr = element.find("a:srgbClr", NS)
    return None if clr is None else clr.get("val")


def shape_of(anchor):
    pos = anchor.find("xdr:pos", NS)
    ext = anchor.find("xdr:ext", NS)
    shape = {
        "x": int(pos.get("x")) / EMU_PER_POINT,
        "y": int(pos.get("y")) / EMU_PER_POINT,
        "cx": int(ext.get("cx")) / EMU_PER_POINT,
        "cy": int(ext.get("cy")) / EMU_PER_POINT,
    }
    sp = anchor.find("xdr:sp", NS)
    cxn = anchor.find("xdr:cxnSp", NS)
    node = sp if sp is not None else cxn
    shape["kind"] = "oval" if sp is not None else "line"
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
    return [shape_of(anchor) for anchor in root.findall("xdr:absoluteAnchor", NS)]


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
        },
        "summaryBelow": None if outline is None else outline.summaryBelow,
        "summaryRight": None if outline is None else outline.summaryRight,
        "shapes": drawing(path),
    }
    json.dump(result, sys.stdout, default=str, ensure_ascii=False)


if __name__ == "__main__":
    main(sys.argv[1])
