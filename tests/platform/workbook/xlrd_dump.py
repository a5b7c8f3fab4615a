"""Prints what xlrd (formatting_info=True) finds in a workbook, as JSON: per sheet its name,
its cells (type, value, font size in points, border line styles and colours, fill pattern and
colour), its column widths and its row heights with their "set" flag."""
import json
import sys

import xlrd

book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
out = []
for sheet in book.sheets():
    cells = {}
    for r in range(sheet.nrows):
        for c in range(sheet.ncols):
            cell = sheet.cell(r, c)
            xf = book.xf_list[cell.xf_index]
            font = book.font_list[xf.font_index]
            b = xf.border
            cells["%d,%d" % (r + 1, c + 1)] = {
                "type": cell.ctype,
                "value": cell.value,
                "size": font.height / 20,
                "lines": [b.left_line_style, b.top_line_style, b.bottom_line_style, b.right_line_style],
                "colours": [b.left_colour_index, b.top_colour_index, b.bottom_colour_index, b.right_colour_index],
                "pattern": xf.background.fill_pattern,
                "fill": xf.background.pattern_colour_index,
                "format": book.format_map[xf.format_key].format_str,
            }
    widths = {str(c + 1): info.width for c, info in sheet.colinfo_map.items()}
    rows = {str(r + 1): [info.height, info.height_mismatch] for r, info in sheet.rowinfo_map.items()}
    out.append({"name": sheet.name, "cells": cells, "widths": widths, "rows": rows})
print(json.dumps(out, ensure_ascii=False))
