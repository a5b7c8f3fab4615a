#pragma once
// Column widths and row heights as the automation gives them and as the file stores them.
//
// A column width is given in characters: how many '0' digits of the default font fit in the
// cell. The file stores it in 1/256 of the digit's width with the cell's padding (5 pixels,
// for a digit 7 pixels wide in the default 11-point font) counted in, as every spreadsheet
// program reads it.
//
// A row is as high as its largest font needs (1.2 times the font, in whole pixels at 96
// dots per inch); a height a file sets apart from that is kept. Heights are in twips.
#include <map>

#include "platform/workbook/cell_store.h"
#include "platform/workbook/sheet_content.h"

namespace xl::detail {

unsigned ColumnWidthToFile(double characters);
// Rounded to 1/100 of a character, so that every width given to that precision reads back.
double ColumnWidthFromFile(unsigned units);
// A width as kept in the sheet: to 1/100 of a character, as it reads back from a file.
double KeptColumnWidth(double characters);

// The height a font of `fontTwips` gives its row.
int RowHeightForFont(int fontTwips);
// The heights of the rows of `cells` whose largest font is not the default one, by row.
std::map<int, int> RowHeightsByFont(const CellStore& cells);
// The heights of the rows that are not of the default height: as the sheet sets them, or as
// their fonts need.
std::map<int, int> RowHeights(const SheetContent& sheet);

constexpr int kTwipsPerPixel = 15;
// A column width in pixels on the screen.
int ColumnPixels(double characters);

} // namespace xl::detail
