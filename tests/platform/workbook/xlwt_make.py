"""Writes a workbook with xlwt for the reader tests: sheet "外部" with a text, a float, an
integer, a long text shared twice, a Japanese text, a row of a set height; a second sheet "Two"
with plain numbers of more than seven digits."""
import sys

import xlwt

book = xlwt.Workbook(encoding="utf-8")
sheet = book.add_sheet("外部")
sheet.write(0, 0, "abc")
sheet.write(0, 1, 0.1)
sheet.write(0, 2, 42)
sheet.write(1, 0, "ｼｰﾄ 縦断")
sheet.write(1, 1, -1234567.25)
long_text = "x" * 9000
sheet.write(2, 0, long_text)
sheet.write(3, 0, long_text)
for r in range(4, 600):
    sheet.write(r, 1, "row %d テキスト" % r)
sheet.col(0).width = 3000
style = xlwt.easyxf("font: height 440; borders: left thin, top thin")
sheet.write(5, 5, "big", style)
sheet.row(9).height_mismatch = True
sheet.row(9).height = 600
two = book.add_sheet("Two")
for column, number in enumerate([2.5, 12345.625, 1234567.5, 20000000.0]):
    two.write(0, column, number)
book.save(sys.argv[1])
