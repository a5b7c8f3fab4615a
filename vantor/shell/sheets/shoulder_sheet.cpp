#include "vantor/shell/sheets/shoulder_sheet.h"

#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/縦断bus.h"

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstRow = 5;
constexpr int kColumns = 9;
constexpr int kLastRow = kFirstRow + decltype(rokatadata)::UBound(1) - 1;

const SheetLayout kLayout{
    .titleRow = 1, .titleColumn = 2, .title = "路肩幅員入力",
    .headers = {{4, 1, {"Ｌ４（左）", "Ｌ３（左）", "Ｌ２（左）", "Ｌ１（左）", "測　点", "Ｌ１（右）",
                        "Ｌ２（右）", "Ｌ３（右）", "Ｌ４（右）"}}},
    .box = "A4:I105",
    .shading = {{"A4:I4", 40}, {"E5:E105", 36}},
};

} // namespace

void shoshikirokata() { LayOutDocumentSheet(kShoulderSheet, kLayout); }

void yomikomirokata() {
    Sheet sheet = DocumentSheet(kShoulderSheet);
    if (!sheet) return;
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kColumns; ++column) {
            int row = station + kFirstRow - 1;
            rokatadata(station, column) =
                IsBlank(*sheet, row, column) ? 0 : static_cast<float>(LeadingNumber(*sheet, row, column));
        }
}

void tensourokata() {
    Sheet sheet = DocumentSheet(kShoulderSheet);
    if (!sheet) return;
    // The rows of the stations the table holds; rows below them were never read and stay.
    SelectAndClear(*sheet, "A1:" + CellAddress(kLastRow, kColumns));
    sheet->Select();
    LayOut(*sheet, kLayout);
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kColumns; ++column)
            PutNumberOrEmpty(*sheet, station + kFirstRow - 1, column, rokatadata(station, column));
}

} // namespace 縦断bus
