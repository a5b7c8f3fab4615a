"""Prints the values of the named cells of an .xls file, one per line: sheet!cell<TAB>value.

Numbers are printed with 7 significant digits (as single-precision values read), texts as
they stand, empty cells as nothing. A cell named with a trailing "~" prints its format instead:
the line styles of its left, top, bottom and right borders (1 thin, 7 hair, 0 none) and its
fill's palette index as the spreadsheet's ColorIndex (the file's index less 7; 0 unfilled).
Usage: xlrd_cells.py book.xls 縦断ｼｰﾄ!B2 縦断ｼｰﾄ!A4~ ...
"""
import re
import sys

import xlrd


def position(cell):
    letters, digits = re.fullmatch(r"([A-Z]+)([0-9]+)", cell).groups()
    column = 0
    for ch in letters:
        column = column * 26 + ord(ch) - ord("A") + 1
    return int(digits) - 1, column - 1


def cell_format(book, sheet, row, column):
    xf = book.xf_list[sheet.cell_xf_index(row, column)]
    b = xf.border
    fill = xf.background
    colour = fill.pattern_colour_index - 7 if fill.fill_pattern == 1 else 0
    return "%d %d %d %d %d" % (b.left_line_style, b.top_line_style, b.bottom_line_style,
                               b.right_line_style, colour)


def main():
    book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
    for request in sys.argv[2:]:
        sheet_name, cell = request.split("!")
        sheet = book.sheet_by_name(sheet_name)
        row, column = position(cell.rstrip("~"))
        text = ""
        if cell.endswith("~"):
            text = cell_format(book, sheet, row, column)
        elif row < sheet.nrows and column < sheet.ncols:
            value = sheet.cell(row, column)
            if value.ctype == xlrd.XL_CELL_NUMBER:
                text = "%.7g" % value.value
            elif value.ctype == xlrd.XL_CELL_TEXT:
                text = value.value
        print(request + "\t" + text)


main()
