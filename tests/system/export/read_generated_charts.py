"""Reads many chart workbooks in one run and prints, one JSON line each, what the generated
plans' test checks: that openpyxl opens the workbook, the outline level of every row, the edges
of the sheet's columns and rows in points, and the shapes as read_chart.py reads them.

    read_generated_charts.py COLUMNS ROWS WORKBOOK...

COLUMNS and ROWS say how many column and row edges to give (enough for every task row and
resource column). A workbook that cannot be read gives {"error": ...} and the run goes on.
"""

import json
import sys
import traceback
import zipfile

import openpyxl

from read_chart import DEFAULT_COLUMN, Grid, drawing


def edges(sizes, count):
    result, edge = [0.0], 0.0
    for index in range(count):
        edge += sizes(index)
        result.append(edge)
    return result


def read(path, columns, rows):
    book = openpyxl.load_workbook(path)
    sheet = book.worksheets[0]
    outline = {str(index): dim.outlineLevel or 0 for index, dim in sheet.row_dimensions.items()
               if dim.outlineLevel}
    with zipfile.ZipFile(path) as archive:
        grid = Grid(archive.read("xl/worksheets/sheet1.xml"))
    return {
        "sheets": len(book.worksheets),
        "outline": outline,
        "colEdges": edges(lambda c: grid.columns.get(c, DEFAULT_COLUMN), columns),
        "rowEdges": edges(lambda r: grid.rows.get(r, grid.default_row), rows),
        "shapes": drawing(path),
    }


def main(columns, rows, paths):
    for path in paths:
        try:
            result = read(path, columns, rows)
        except Exception:  # every failure is the test's finding, not the end of the batch
            result = {"error": traceback.format_exc()}
        print(json.dumps(result, default=str, ensure_ascii=False))


if __name__ == "__main__":
    main(int(sys.argv[1]), int(sys.argv[2]), sys.argv[3:])
