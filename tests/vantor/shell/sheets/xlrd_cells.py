"""Prints the values of the named cells of an .xls file, one per line: sheet!cell<TAB>value.

Numbers are printed with 7 significant digits (as single-precision values read), texts as
they stand, empty cells as nothing.
Usage: xlrd_cells.py book.xls 縦断ｼｰﾄ!B2 ...
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


def main():
    book = xlrd.open_workbook(sys.argv[1])
    for request in sys.argv[2:]:
        sheet_name, cell = request.split("!")
        sheet = book.sheet_by_name(sheet_name)
        row, column = position(cell)
        text = ""
        if row < sheet.nrows and column < sheet.ncols:
            value = sheet.cell(row, column)
            if value.ctype == xlrd.XL_CELL_NUMBER:
                text = "%.7g" % value.value
            elif value.ctype == xlrd.XL_CELL_TEXT:
                text = value.value
        print(request + "\t" + text)


main()
