#include "vantor/model/sheets/profile_sheet.h"

#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"

#include <cmath>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstRow = 5;
// Station rows the table holds: 5 .. 504.
constexpr int kLastRow = kFirstRow + decltype(tatedata)::UBound(1) - 1;

const SheetLayout kLayout{
    .firstWidthColumn = 1,
    .widths = {7, 8, 11, 11, 8, 6, 6, 11, 11},
    .titleRow = 2,
    .titleColumn = 2,
    .title = "縦 断 曲 線 計 算 調 書",
    // clang-format off
    .headers = {{4, 1, {"測　点", "地盤高", "基準計画高", "曲線長（Ｌｖ）", "計画高", "切　土",
                        "盛　土", "勾　配", "備　考"}}},
    // clang-format on
    .box = "A4:I50",
    .shading = {{"A4:I4", 40}, {"A5:A50", 35}, {"B5:D50", 36}},
};

// Stations below the rows the table holds are not read: the user is told how many.
void TellStationsNotRead(const xl::Worksheet& sheet) {
    int ignored = 0;
    for (int row : RowsWithValuesBelow(sheet, kLastRow, 1, 1))
        if (!IsBlank(sheet, row, 1)) ++ignored;
    if (ignored > 0)
        sheet_messages::Tell(
            sheet_messages::RowsNotRead(kProfileSheet, "測点", kLastRow - kFirstRow + 1, kLastRow, ignored));
}

} // namespace

void shoshikitate() { LayOutDocumentSheet(kProfileSheet, kLayout); }

bool yomikomitate() {
    Sheet sheet = DocumentSheet(kProfileSheet);
    if (!sheet) return false;
    // Every row up to the last station: a blank row inside is an empty station, not the end.
    int lastRow = kFirstRow - 1;
    for (int row = kFirstRow; row <= kLastRow; ++row)
        if (!IsBlank(*sheet, row, 1)) lastRow = row;
    int count = lastRow - kFirstRow + 1;
    // Read whole before anything is kept: a cell that cannot be read leaves the tables as they were.
    auto read = tatedata;
    for (int station = 1; station <= count; ++station)
        for (int column = 1; column <= 4; ++column) {
            int row = station + kFirstRow - 1;
            read(station, column) =
                IsBlank(*sheet, row, column) ? kEmpty : static_cast<float>(LeadingNumber(*sheet, row, column));
        }
    tatedata = read;
    sokutensuu = count;
    TellStationsNotRead(*sheet);
    return true;
}

bool tensoutate() {
    Sheet sheet = DocumentSheet(kProfileSheet);
    if (!sheet) return false;
    // The writer owns columns A-H of the rows the table holds; the user's remarks in column I,
    // and stations below those rows, which were never read, are kept.
    SelectAndClear(*sheet, "A1:" + CellAddress(kLastRow, 8));
    LayOut(*sheet, kLayout);
    for (int station = 1; station <= sokutensuu; ++station) {
        int row = station + kFirstRow - 1;
        for (int column = 1; column <= 5; ++column) PutNumberOrEmpty(*sheet, row, column, tatedata(station, column));
        // Column 6 is planned minus ground: below 0 a cut (F), else a fill (G). Without a
        // ground or planned height it means nothing and both cells stay empty.
        float difference = tatedata(station, tate_col::kPlannedMinusGround);
        bool known = difference != kEmpty && tatedata(station, tate_col::kGround) != kEmpty &&
                     tatedata(station, tate_col::kPlannedHeight) != kEmpty;
        float magnitude = known ? std::fabs(difference) : kEmpty;
        int filled = difference < 0 ? 6 : 7;
        PutNumberOrEmpty(*sheet, row, filled, magnitude);
        Put(*sheet, row, filled == 6 ? 7 : 6, "");
        PutNumberOrEmpty(*sheet, row, 8, tatedata(station, tate_col::kGradient));
    }
    return true;
}

} // namespace 縦断bus
