"""Reads a workbook with openpyxl and prints what a test compares, as JSON.

Usage: read_xlsx.py WORKBOOK.xlsx CELL...
The cells named are reported with their value, number format, font size, fill, borders and
alignment; every sheet is reported with its merges, columns, rows, pane and page set-up.
"""
import json
import sys

import openpyxl


def color(c):
    if c is None:
        return None
    if c.type == "rgb":
        return c.rgb
    if c.type == "indexed":
        return "indexed:%d" % c.indexed
    return c.type


def side(s):
    return {"style": s.style, "color": color(s.color)} if s is not None and s.style else None


def main():
    path, cells = sys.argv[1], sys.argv[2:]
    book = openpyxl.load_workbook(path)
    out = {"sheets": [], "active": book.active.title, "cells": {}}
    palette = book._colors
    out["palette"] = list(palette) if palette else None
    for ws in book.worksheets:
        ps, pm, po = ws.page_setup, ws.page_margins, ws.print_options
        props = ws.sheet_properties
        sheet = {
            "title": ws.title,
            "merges": sorted(str(r) for r in ws.merged_cells.ranges),
            "columns": {k: {"width": d.width, "hidden": bool(d.hidden)}
                        for k, d in ws.column_dimensions.items() if d.customWidth or d.hidden},
            "rows": {str(k): {"height": d.height, "hidden": bool(d.hidden),
                              "outline": d.outlineLevel}
                     for k, d in ws.row_dimensions.items()},
            "freeze": ws.freeze_panes,
            "summaryBelow": props.outlinePr.summaryBelow if props.outlinePr else None,
            "summaryRight": props.outlinePr.summaryRight if props.outlinePr else None,
            "applyStyles": props.outlinePr.applyStyles if props.outlinePr else None,
            "fitToPage": bool(props.pageSetUpPr.fitToPage) if props.pageSetUpPr else False,
            "page": {
                "orientation": ps.orientation, "paperSize": ps.paperSize,
                "fitToWidth": ps.fitToWidth, "fitToHeight": ps.fitToHeight,
                "scale": ps.scale, "pageOrder": ps.pageOrder, "dpi": ps.horizontalDpi,
                "blackAndWhite": ps.blackAndWhite, "draft": ps.draft,
                "cellComments": ps.cellComments, "firstPageNumber": ps.firstPageNumber,
                "useFirstPageNumber": ps.useFirstPageNumber,
            },
            "margins": {"left": pm.left, "right": pm.right, "top": pm.top, "bottom": pm.bottom,
                        "header": pm.header, "footer": pm.footer},
            "printOptions": {"headings": po.headings, "gridLines": po.gridLines,
                             "horizontalCentered": po.horizontalCentered,
                             "verticalCentered": po.verticalCentered},
            "header": {"left": ws.oddHeader.left.text, "center": ws.oddHeader.center.text,
                       "right": ws.oddHeader.right.text},
            "footer": {"left": ws.oddFooter.left.text, "center": ws.oddFooter.center.text,
                       "right": ws.oddFooter.right.text},
            "printArea": ws.print_area,
            "printTitleRows": ws.print_title_rows,
            "printTitleCols": ws.print_title_cols,
            "maxRow": ws.max_row,
            "maxColumn": ws.max_column,
        }
        out["sheets"].append(sheet)
    ws = book.active
    for name in cells:
        c = ws[name]
        b = c.border
        out["cells"][name] = {
            "value": c.value,
            "type": c.data_type,
            "numberFormat": c.number_format,
            "fontSize": c.font.sz,
            "fontName": c.font.name,
            "fill": c.fill.fill_type,
            "fillColor": color(c.fill.fgColor) if c.fill.fill_type else None,
            "left": side(b.left), "right": side(b.right), "top": side(b.top),
            "bottom": side(b.bottom),
            "diagonal": side(b.diagonal), "diagonalUp": bool(b.diagonalUp),
            "horizontal": c.alignment.horizontal, "vertical": c.alignment.vertical,
            "rotation": c.alignment.textRotation, "wrap": bool(c.alignment.wrap_text),
        }
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1, default=str)


main()
