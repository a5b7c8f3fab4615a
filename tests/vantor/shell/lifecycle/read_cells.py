"""Prints the cells of one sheet of an .xls file that hold a value, one line each: the cell's
A1 address and its text, tab-separated, row by row; numbers with 7 significant digits.
Usage: read_cells.py book.xls sheet
"""
import sys

import xlrd


def text(cell):
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return "%.7g" % cell.value
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    return ""


sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name(sys.argv[2])
for row in range(sheet.nrows):
    for column in range(sheet.ncols):
        value = text(sheet.cell(row, column))
        if value:
            print("%s\t%s" % (xlrd.formula.cellname(row, column), value))
