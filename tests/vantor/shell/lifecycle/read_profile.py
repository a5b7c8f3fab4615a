"""Prints the profile sheet of an .xls file: one line per station row from row 5 down to the
first row without a station, columns A-E tab-separated, numbers with 7 significant digits,
empty cells as nothing.
Usage: read_profile.py book.xls
"""
import sys

import xlrd


def text(cell):
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return "%.7g" % cell.value
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    return ""


sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name("縦断ｼｰﾄ")
for row in range(4, sheet.nrows):
    cells = [text(sheet.cell(row, column)) if column < sheet.ncols else "" for column in range(5)]
    if not cells[0]:
        break
    print("\t".join(cells))
