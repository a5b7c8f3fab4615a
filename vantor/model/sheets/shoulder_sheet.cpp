#include "vantor/model/sheets/shoulder_sheet.h"

#include "platform/runtime/number_text.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/station_widths.h"

#include <algorithm>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstRow = 5;
constexpr int kColumns = 9;
constexpr int kStationColumn = 5;
constexpr int kLastRow = kFirstRow + decltype(rokatadata)::UBound(1) - 1;

const SheetLayout kLayout{
    .titleRow = 1,
    .titleColumn = 2,
    .title = "路肩幅員入力",
    // clang-format off
    .headers = {{4, 1, {"Ｌ４（左）", "Ｌ３（左）", "Ｌ２（左）", "Ｌ１（左）", "測　点", "Ｌ１（右）",
                        "Ｌ２（右）", "Ｌ３（右）", "Ｌ４（右）"}}},
    // clang-format on
    .box = "A4:I105",
    .shading = {{"A4:I4", 40}, {"E5:E105", 36}},
};

bool HasWidth(const std::array<float, 10>& widths) {
    for (int c = 1; c <= kColumns; ++c)
        if (c != kStationColumn && widths[c] != 0) return true;
    return false;
}

std::string RowsNotInTheList(const std::vector<std::string>& rows) {
    std::string text = "路肩ｼｰﾄの次の行は測点が今の測点の並びにないので、幅を読み込みませんでした：";
    for (std::size_t k = 0; k < rows.size(); ++k) text += (k ? "、" : "") + rows[k];
    return text + "\n縦断の測点か路肩ｼｰﾄの測点を直してから読み込んでください。";
}

} // namespace

void shoshikirokata() { LayOutDocumentSheet(kShoulderSheet, kLayout); }

void yomikomirokata() {
    Sheet sheet = DocumentSheet(kShoulderSheet);
    if (!sheet) return;
    // Every cell is read before the table changes, so that a refused cell leaves it whole.
    std::vector<StationWidths::Row> rows;
    std::vector<std::string> withoutStation;
    const int last = std::min(LastUsedRow(*sheet), kLastRow);
    for (int row = kFirstRow; row <= last; ++row) {
        StationWidths::Row read{0, {}, row};
        for (int column = 1; column <= kColumns; ++column)
            if (!IsBlank(*sheet, row, column))
                read.widths[column] = static_cast<float>(LeadingNumber(*sheet, row, column));
        if (!IsBlank(*sheet, row, kStationColumn)) {
            read.station = read.widths[kStationColumn];
            rows.push_back(read);
        } else if (HasWidth(read.widths)) {
            withoutStation.push_back(rt::CStr(row) + "行目（測点なし）");
        }
    }
    const StationWidths::Outcome outcome = StationWidths::Of(rows).GiveToCurrentList();
    std::vector<std::string> notRead;
    for (const StationWidths::Row& lost : outcome.lost)
        notRead.push_back(rt::CStr(lost.source) + "行目（" + rt::CStr(lost.station) + "）");
    notRead.insert(notRead.end(), withoutStation.begin(), withoutStation.end());
    if (!notRead.empty()) sheet_messages::Tell(RowsNotInTheList(notRead));
}

bool ReadShoulderSheet() { return sheet_messages::ReadTellingFailure(yomikomirokata); }

void tensourokata() {
    Sheet sheet = DocumentSheet(kShoulderSheet);
    if (!sheet) return;
    // Every row the table can hold, so that no row of an earlier, longer list stays.
    SelectAndClear(*sheet, "A1:" + CellAddress(kLastRow, kColumns));
    sheet->Select();
    LayOut(*sheet, kLayout);
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kColumns; ++column)
            PutNumberOrEmpty(*sheet, station + kFirstRow - 1, column,
                             column == kStationColumn ? tatedata(station, tate_col::kStation)
                                                      : rokatadata(station, column));
}

} // namespace 縦断bus
