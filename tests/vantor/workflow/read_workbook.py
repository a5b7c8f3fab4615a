"""Prints what a document workbook holds: its sheet names; the station rows of 縦断ｼｰﾄ
(columns A-D) and the point rows of ＩＰ座標入力 (columns B, C, E), from row 5 down to the first
row without column A; and for every sheet the count of its number and text cells.
Numbers with 7 significant digits, empty cells as nothing, columns tab-separated.
Usage: read_workbook.py book.xls
"""
import sys

import xlrd


def text(cell):
    if cell.ctype == xlrd.XL_CELL_NUMBER:
        return "%.7g" % cell.value
    if cell.ctype == xlrd.XL_CELL_TEXT:
        return cell.value
    return ""


def rows(sheet, columns):
    for row in range(4, sheet.nrows):
        if not text(sheet.cell(row, 0)):
            break
        yield "\t".join(text(sheet.cell(row, c)) if c < sheet.ncols else "" for c in columns)


book = xlrd.open_workbook(sys.argv[1])
print("sheets", ",".join(book.sheet_names()))
for line in rows(book.sheet_by_name("縦断ｼｰﾄ"), range(4)):
    print("profile", line)
for line in rows(book.sheet_by_name("ＩＰ座標入力"), (1, 2, 4)):
    print("ip", line)
for sheet in book.sheets():
    cells = [sheet.cell(r, c) for r in range(sheet.nrows) for c in range(sheet.ncols)]
    numbers = sum(1 for c in cells if c.ctype == xlrd.XL_CELL_NUMBER)
    texts = sum(1 for c in cells if c.ctype == xlrd.XL_CELL_TEXT)
    print("cells", sheet.name, numbers, texts)
