"""Reads an .xls workbook with xlrd (with its formatting) and prints what a test compares, as
JSON, in the terms read_xlsx.py uses for the same things, so that the two can be compared.

Usage: read_xls.py WORKBOOK.xls CELL...
The cells named (of the active sheet) are reported with their value, number format, font, fill,
borders and alignment; every sheet with its merges, columns, rows and frozen pane; the palette.
"""
import json
import sys

import xlrd
from xlrd.formula import cellname, colname

BORDERS = {1: "thin", 2: "medium", 3: "dashed", 4: "dotted", 5: "thick", 6: "double", 7: "hair",
           8: "mediumDashed", 9: "dashDot", 10: "mediumDashDot", 11: "dashDotDot",
           12: "mediumDashDotDot", 13: "slantDashDot"}
PATTERNS = {1: "solid", 2: "mediumGray", 3: "darkGray", 4: "lightGray", 5: "darkHorizontal",
            6: "darkVertical", 7: "darkDown", 8: "darkUp", 9: "darkGrid", 10: "darkTrellis",
            11: "lightHorizontal", 12: "lightVertical", 13: "lightDown", 14: "lightUp",
            15: "lightGrid", 16: "lightTrellis", 17: "gray125", 18: "gray0625"}
HORIZONTAL = {0: None, 1: "left", 2: "center", 3: "right", 4: "fill", 5: "justify",
              6: "centerContinuous", 7: "distributed"}
VERTICAL = {0: "top", 1: "center", 2: None, 3: "justify", 4: "distributed"}


def rgb(book, index):
    """A palette colour as FFRRGGBB, a system colour (64 and above) by its index."""
    colour = book.colour_map.get(index) if index < 64 else None
    return "indexed:%d" % index if colour is None else "FF%02X%02X%02X" % colour


def side(style, colour):
    return {"style": BORDERS[style], "color": "indexed:%d" % colour} if style else None


def main():
    path, cells = sys.argv[1], sys.argv[2:]
    book = xlrd.open_workbook(path, formatting_info=True)
    active = next(s for s in book.sheets() if s.sheet_selected)
    out = {"sheets": [], "active": active.name, "cells": {},
           "palette": [rgb(book, i) for i in range(64)]}
    for ws in book.sheets():
        rows = {}
        for r, info in ws.rowinfo_map.items():
            rows[str(r + 1)] = {"height": info.height / 20 if info.height_mismatch and not info.hidden
                                else None, "hidden": bool(info.hidden),
                                "outline": info.outline_level}
        sheet = {
            "title": ws.name,
            "merges": sorted("%s:%s" % (cellname(r1, c1), cellname(r2 - 1, c2 - 1))
                             for r1, r2, c1, c2 in ws.merged_cells),
            "columns": {colname(c): {"width": info.width / 256, "hidden": bool(info.hidden)}
                        for c, info in ws.colinfo_map.items()},
            "rows": rows,
            "columnOutline": {colname(c): info.outline_level for c, info in ws.colinfo_map.items()},
            "freeze": cellname(ws.horz_split_pos, ws.vert_split_pos) if ws.panes_are_frozen
            else None,
            "maxRow": ws.nrows,
            "maxColumn": ws.ncols,
        }
        out["sheets"].append(sheet)
    for name in cells:
        r, c = cell_index(name)
        cell = active.cell(r, c) if r < active.nrows and c < active.ncols else None
        xf = book.xf_list[active.cell_xf_index(r, c) if cell is not None else 15]
        font = book.font_list[xf.font_index]
        b, bg, al = xf.border, xf.background, xf.alignment
        value = None if cell is None or cell.ctype == xlrd.XL_CELL_EMPTY or \
            cell.ctype == xlrd.XL_CELL_BLANK else cell.value
        pattern = PATTERNS.get(bg.fill_pattern)
        out["cells"][name] = {
            "value": value,
            "type": "n" if cell is not None and cell.ctype == xlrd.XL_CELL_NUMBER else "s",
            "numberFormat": book.format_map[xf.format_key].format_str,
            "fontSize": font.height / 20,
            "fontName": font.name,
            "fill": pattern,
            "fillColor": None if pattern is None else rgb(book, bg.pattern_colour_index),
            "left": side(b.left_line_style, b.left_colour_index),
            "right": side(b.right_line_style, b.right_colour_index),
            "top": side(b.top_line_style, b.top_colour_index),
            "bottom": side(b.bottom_line_style, b.bottom_colour_index),
            "diagonal": side(b.diag_line_style, b.diag_colour_index)
            if b.diag_up or b.diag_down else None,
            "diagonalUp": bool(b.diag_up),
            "horizontal": HORIZONTAL[al.hor_align], "vertical": VERTICAL[al.vert_align],
            "rotation": al.rotation, "wrap": bool(al.text_wrapped),
        }
    json.dump(out, sys.stdout, ensure_ascii=False, indent=1)


def cell_index(name):
    letters = name.rstrip("0123456789")
    column = 0
    for ch in letters:
        column = column * 26 + ord(ch.upper()) - 64
    return int(name[len(letters):]) - 1, column - 1


main()
