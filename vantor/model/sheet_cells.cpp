#include "vantor/model/sheet_cells.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/error.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/bus_table.h"
#include "vantor/model/document.h"
#include "vantor/model/sheet_messages.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace 縦断bus::sheet_cells {

std::string CellAddress(int row, int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters + rt::CStr(row);
}

Sheet DocumentSheet(std::string_view name) {
    if (!HasDocument()) {
        sheet_messages::Tell(sheet_messages::kNoWorkbook);
        return nullptr;
    }
    return SheetNamed(name);
}

Sheet SheetNamed(std::string_view name) {
    if (!HasDocument()) throw rt::Error(rt::errNoObject, std::string(sheet_messages::kNoWorkbook));
    try {
        return xlsheets->Item(name);
    } catch (const rt::Error& e) {
        if (e.Number() != rt::errSubscript) throw;
        throw rt::Error(rt::errSubscript, sheet_messages::MissingSheet(name));
    }
}

std::string Text(const xl::Worksheet& sheet, int row, int column) { return sheet.Cells(row, column)->Value().Text(); }

int LastUsedRow(const xl::Worksheet& sheet) { return sheet.UsedRange()->Address().bottom; }

std::vector<int> RowsWithValuesBelow(const xl::Worksheet& sheet, int row, int firstColumn, int lastColumn) {
    std::vector<int> rows;
    for (int column = firstColumn; column <= lastColumn; ++column)
        for (int r = row; r < xl::kMaxRows;) {
            // The next value down the column: the cell below, or where a move down from it ends.
            auto below = sheet.Cells(r + 1, column);
            r = below->Value().IsEmpty() ? below->End(xl::xlDown)->Row() : r + 1;
            if (sheet.Cells(r, column)->Value().IsEmpty()) break; // the last row, empty
            rows.push_back(r);
        }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

bool IsBlank(const xl::Worksheet& sheet, int row, int column) { return rt::Trim(Text(sheet, row, column)).empty(); }

namespace {

// The tables hold single precision: a number beyond it (or no number at all, as a damaged
// file may hold) raises error 6 naming the cell rather than entering them as infinity.
double WithinSingle(const xl::Worksheet& sheet, int row, int column, double number) {
    if (!(std::fabs(number) <= std::numeric_limits<float>::max()))
        throw rt::Error(rt::errOverflow, sheet_messages::TooLarge(sheet.Name(), CellAddress(row, column)));
    return number;
}

// True when the text, blanks skipped as Val skips them, starts with a sign, point or digit that
// begins a number.
bool BeginsWithNumber(std::string_view text) {
    std::string packed;
    for (char c : rt::Trim(text))
        if (c != ' ' && c != '\t') packed += c;
    std::size_t p = 0;
    if (p < packed.size() && (packed[p] == '+' || packed[p] == '-')) ++p;
    if (p < packed.size() && packed[p] == '.') ++p;
    return p < packed.size() && packed[p] >= '0' && packed[p] <= '9';
}

} // namespace

double LeadingNumber(const xl::Worksheet& sheet, int row, int column) {
    // A number is taken as it is held, not through its shortened general-format text.
    xl::CellValue value = sheet.Cells(row, column)->Value();
    if (value.IsNumber()) return WithinSingle(sheet, row, column, value.Double());
    const std::string text = value.Text();
    if (rt::Trim(text).empty()) return 0.0;
    // A text such as "No.3+10" holds no number to take: reading it as 0 would pass for data.
    if (!BeginsWithNumber(text))
        throw rt::Error(rt::errTypeMismatch, sheet_messages::NotANumber(sheet.Name(), CellAddress(row, column)));
    return WithinSingle(sheet, row, column, rt::Val(text));
}

double StrictNumber(const xl::Worksheet& sheet, int row, int column) {
    xl::CellValue value = sheet.Cells(row, column)->Value();
    if (value.IsNumber()) return WithinSingle(sheet, row, column, value.Double());
    if (rt::Trim(value.Text()).empty()) return 0.0;
    if (!rt::IsNumeric(value.Text()))
        throw rt::Error(rt::errTypeMismatch, sheet_messages::NotANumber(sheet.Name(), CellAddress(row, column)));
    return WithinSingle(sheet, row, column, rt::CDbl(value.Text()));
}

void Put(const xl::Worksheet& sheet, int row, int column, const xl::CellValue& value) {
    try {
        sheet.Cells(row, column)->SetValue(value);
    } catch (const rt::Error& e) {
        throw rt::Error(e.Number(), sheet_messages::NotWritten(sheet.Name(), CellAddress(row, column), e.what()));
    }
}

void PutNumberOrEmpty(const xl::Worksheet& sheet, int row, int column, float value) {
    Put(sheet, row, column, value == kEmpty ? xl::CellValue("") : xl::CellValue(value));
}

void SelectAndClear(xl::Worksheet& sheet, std::string_view address) {
    sheet.Select();
    (address.empty() ? sheet.Cells() : sheet.Range(address))->ClearContents();
}

void Title(const xl::Worksheet& sheet, int row, int column, std::string_view text) {
    auto cell = sheet.Cells(row, column);
    cell->Font()->SetSize(22);
    cell->SetValue(text);
}

void Headers(const xl::Worksheet& sheet, int row, int firstColumn, const std::vector<std::string_view>& texts) {
    int column = firstColumn;
    for (std::string_view text : texts) {
        if (!text.empty()) Put(sheet, row, column, text);
        ++column;
    }
}

void Box(const xl::Worksheet& sheet, std::string_view address) {
    auto range = sheet.Range(address);
    auto line = [&](int index, int weight) {
        auto border = range->Borders(index);
        border->SetLineStyle(xl::xlContinuous);
        border->SetWeight(weight);
        border->SetColorIndex(xl::xlColorIndexAutomatic);
    };
    for (int edge : {xl::xlEdgeLeft, xl::xlEdgeTop, xl::xlEdgeBottom, xl::xlEdgeRight}) line(edge, xl::xlThin);
    for (int inside : {xl::xlInsideVertical, xl::xlInsideHorizontal}) line(inside, xl::xlHairline);
}

namespace {
void Fill(const xl::Range& range, int colorIndex) {
    auto interior = range.Interior();
    interior->SetColorIndex(colorIndex);
    interior->SetPattern(xl::xlPatternSolid);
}
} // namespace

void Shade(const xl::Worksheet& sheet, std::string_view address, int colorIndex) {
    Fill(*sheet.Range(address), colorIndex);
}

void ShadeCells(const xl::Worksheet& sheet, int row, int firstColumn, int lastColumn, int colorIndex) {
    Fill(*sheet.Range(CellAddress(row, firstColumn) + ":" + CellAddress(row, lastColumn)), colorIndex);
}

void LayOut(const xl::Worksheet& sheet, const SheetLayout& layout) {
    // Widths are set through the cells of row 2.
    int column = layout.firstWidthColumn;
    for (double width : layout.widths) sheet.Cells(2, column++)->SetColumnWidth(width);
    Title(sheet, layout.titleRow, layout.titleColumn, layout.title);
    for (const auto& header : layout.headers) Headers(sheet, header.row, header.firstColumn, header.texts);
    Box(sheet, layout.box);
    for (const auto& [range, colorIndex] : layout.shading) Shade(sheet, range, colorIndex);
}

void LayOutDocumentSheet(std::string_view name, const SheetLayout& layout) {
    if (Sheet sheet = DocumentSheet(name)) LayOut(*sheet, layout);
}

} // namespace 縦断bus::sheet_cells
