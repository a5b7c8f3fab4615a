#pragma once
// Cell reading, writing and formatting shared by the sheet formatters, readers and writers.
// Rows and columns are counted from 1; ranges are A1-style texts.
#include "platform/workbook/workbook.h"

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace 縦断bus::sheet_cells {

using Sheet = std::shared_ptr<xl::Worksheet>;

// "A1"-style address of one cell.
std::string CellAddress(int row, int column);

// The document's sheet of that name. When no workbook is held the user is told so and the
// result is empty; a held workbook without that sheet raises error 9 naming it.
Sheet DocumentSheet(std::string_view name);
// The same for a caller that stops on any failure: no workbook held raises error 91.
Sheet SheetNamed(std::string_view name);

// ---- Reading ----
// The cell's value as text ("" for an empty cell, the general-format text of a number).
std::string Text(const xl::Worksheet& sheet, int row, int column);
// The last row holding a value or a format (1 on an empty sheet).
int LastUsedRow(const xl::Worksheet& sheet);
// The rows below `row` holding a value in one of the columns first .. last, top to bottom:
// what lies past a table, found without visiting the empty rows in between.
std::vector<int> RowsWithValuesBelow(const xl::Worksheet& sheet, int row, int firstColumn, int lastColumn);
// True when the cell's text is empty or only blanks.
bool IsBlank(const xl::Worksheet& sheet, int row, int column);
// The number the cell holds, or the number its text begins with ("12.5m" reads 12.5; 0 for a
// blank cell). A text that begins with no number ("No.3+10") raises error 13, a number beyond
// single precision error 6, each with a text naming the sheet and the cell.
double LeadingNumber(const xl::Worksheet& sheet, int row, int column);
// The number the cell holds or its whole text reads as (0 for a blank cell). A cell that is not
// a number raises error 13 with a text naming the sheet and the cell.
double StrictNumber(const xl::Worksheet& sheet, int row, int column);

// ---- Writing ----
// A value the spreadsheet refuses raises its error again with a text naming the sheet and cell.
void Put(const xl::Worksheet& sheet, int row, int column, const xl::CellValue& value);
// A table value as a single-precision number; the empty marker 99999 as an empty cell.
void PutNumberOrEmpty(const xl::Worksheet& sheet, int row, int column, float value);
// Makes the sheet the active one and clears the values of `address` (the whole sheet when
// empty), keeping the formatting: how every writer begins.
void SelectAndClear(xl::Worksheet& sheet, std::string_view address = {});

// ---- Formatting ----
// The title cell: font size 22, then its text.
void Title(const xl::Worksheet& sheet, int row, int column, std::string_view text);
// Texts in one row from `firstColumn` on; an empty text leaves its cell alone.
void Headers(const xl::Worksheet& sheet, int row, int firstColumn, const std::vector<std::string_view>& texts);
// Thin continuous edges and hairline inside lines, automatic colour.
void Box(const xl::Worksheet& sheet, std::string_view address);
// Solid fill with a palette index.
void Shade(const xl::Worksheet& sheet, std::string_view address, int colorIndex);
void ShadeCells(const xl::Worksheet& sheet, int row, int firstColumn, int lastColumn, int colorIndex);

// The fixed layout of a sheet, laid out in this order: column widths, title, header rows,
// box, shaded ranges.
struct SheetLayout {
    struct HeaderRow {
        int row, firstColumn;
        std::vector<std::string_view> texts;
    };
    int firstWidthColumn = 1;
    std::vector<double> widths{};
    int titleRow = 1, titleColumn = 2;
    std::string_view title;
    std::vector<HeaderRow> headers;
    std::string_view box;
    std::vector<std::pair<std::string_view, int>> shading; // range, palette index
};
void LayOut(const xl::Worksheet& sheet, const SheetLayout& layout);
// The sheet of that name laid out, when a workbook is held: what a formatter does.
void LayOutDocumentSheet(std::string_view name, const SheetLayout& layout);

} // namespace 縦断bus::sheet_cells
