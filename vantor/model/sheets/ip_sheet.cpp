#include "vantor/model/sheets/ip_sheet.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/error.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/ip_sheet_rows.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"

#include <cmath>
#include <limits>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

using ip_sheet_rows::IsPointRow;
using ip_sheet_rows::IsTotalLengthRow;
using ip_sheet_rows::kFirstRow;
using ip_sheet_rows::kLastRow;  // points 0 .. 50 in rows 5 .. 55
constexpr int kLastColumn = 13; // M: the EC columns and what the alignment writes
constexpr double kMillimetresPerMetre = 1000;

const SheetLayout kLayout{
    .titleRow = 1,
    .titleColumn = 2,
    .title = "座標ﾃﾞｰﾀ入力表",
    .headers = {{4, 1, {"座標名称", "　Ｘ", "　Ｙ", "　Ｚ", "曲率半径", "IP間距離", "交角", "B.C.x座標", "B.C.y座標"}},
                {4, 11, {"E.C.x座標", "E.C.y座標"}}},
    .box = "A4:M25",
    .shading = {{"A4:M4", 40}, {"A5:A25", 35}, {"B5:M25", 36}},
};

// The cell's metres as millimetres, the unit of the tables; a value they cannot hold raises
// error 6 naming the cell.
float Millimetres(const xl::Worksheet& sheet, int row, int column) {
    const double millimetres = LeadingNumber(sheet, row, column) * kMillimetresPerMetre;
    if (!(std::fabs(millimetres) <= std::numeric_limits<float>::max()))
        throw rt::Error(rt::errOverflow, sheet_messages::TooLarge(sheet.Name(), CellAddress(row, column)));
    return static_cast<float>(millimetres);
}

// Points below the rows the table holds are not read: the user is told how many.
void TellPointsNotRead(const xl::Worksheet& sheet) {
    int ignored = 0;
    for (int row : RowsWithValuesBelow(sheet, kLastRow, 2, 3))
        if (IsPointRow(sheet, row)) ++ignored;
    if (ignored > 0)
        sheet_messages::Tell(sheet_messages::RowsNotRead(kIpSheet, "点", kLastRow - kFirstRow + 1, kLastRow, ignored));
}

// Number, X, Y and radius (empty for none) of one point in its row.
void PutPoint(xl::Worksheet& sheet, int point) {
    const int row = point + kFirstRow;
    Put(sheet, row, 1, point + 1);
    Put(sheet, row, 2, static_cast<float>(ipx(point) / kMillimetresPerMetre));
    Put(sheet, row, 3, static_cast<float>(ipy(point) / kMillimetresPerMetre));
    const float radius = iphankei(point);
    Put(sheet, row, 5,
        radius == 0 ? xl::CellValue("") : xl::CellValue(static_cast<float>(radius / kMillimetresPerMetre)));
}

} // namespace

void shoshikiip() { LayOutDocumentSheet(kIpSheet, kLayout); }

void yomikomiip() {
    Sheet sheet = DocumentSheet(kIpSheet);
    if (!sheet) return;
    sheet->Select();
    // A row is a point when it has a coordinate; the point number in column A is not needed
    // (a sheet filled in by hand may lack it) and a row without coordinates is skipped, as is
    // the total-length row.
    int point = 0;
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        if (!IsPointRow(*sheet, row)) continue;
        ipx(point) = Millimetres(*sheet, row, 2);
        ipy(point) = Millimetres(*sheet, row, 3);
        iphankei(point) = IsBlank(*sheet, row, 5) ? 0 : Millimetres(*sheet, row, 5);
        ++point;
    }
    // Points that are all at (0, 0) without a radius are the empty road a new document saves:
    // no alignment, as a sheet without points.
    bool empty = true;
    for (int p = 0; p < point; ++p) empty = empty && ipx(p) == 0 && ipy(p) == 0 && iphankei(p) == 0;
    ipsuu = empty ? -2 : point - 2;
    TellPointsNotRead(*sheet);
}

bool WriteIpSheet() {
    Sheet sheet = DocumentSheet(kIpSheet);
    if (!sheet) return false;
    // The rows of the points the table holds; points below them were never read and stay.
    SelectAndClear(*sheet, "A1:" + CellAddress(kLastRow, kLastColumn));
    for (int row : RowsWithValuesBelow(*sheet, kLastRow, 2, 2))
        if (IsTotalLengthRow(*sheet, row))
            sheet->Range(CellAddress(row, 2) + ":" + CellAddress(row, 3))->ClearContents();
    LayOut(*sheet, kLayout);
    for (int point = 0; point <= ipsuu + 1; ++point) PutPoint(*sheet, point);
    return true;
}

bool WriteIpPoints(int count) {
    Sheet sheet = DocumentSheet(kIpSheet);
    if (!sheet) return false;
    const int firstEmptied = kFirstRow + count;
    if (firstEmptied <= kLastRow)
        sheet->Range(CellAddress(firstEmptied, 1) + ":" + CellAddress(kLastRow, kLastColumn))->ClearContents();
    for (int point = 0; point < count; ++point) PutPoint(*sheet, point);
    return true;
}

} // namespace 縦断bus
