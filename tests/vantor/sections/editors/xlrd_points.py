"""Prints every cell of one sheet from row 7 on, as "row,column<TAB>type<TAB>value", rows and
columns counted from 1; xlrd's type 1 is text."""
import sys

import xlrd

sheet = xlrd.open_workbook(sys.argv[1]).sheet_by_name(sys.argv[2])
for r in range(6, sheet.nrows):
    for c in range(sheet.ncols):
        cell = sheet.cell(r, c)
        if cell.ctype != xlrd.XL_CELL_EMPTY:
            print("%d,%d\t%d\t%s" % (r + 1, c + 1, cell.ctype, cell.value))
