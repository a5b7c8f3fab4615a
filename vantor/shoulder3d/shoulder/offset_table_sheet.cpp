#include "vantor/shoulder3d/shoulder/offset_table_sheet.h"

#include "platform/runtime/error.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/縦断bus.h"

#include <array>
#include <vector>

namespace 縦断bus::offset_table_sheet {

namespace {

using namespace sheet_cells;

constexpr int kFirstRow = 5;
constexpr int kColumns = 9;
constexpr int kLastRow = kFirstRow + decltype(rokatadata)::UBound(1) - 1;

int RowOf(int station) { return station + kFirstRow - 1; }

bool tableRead = false;

// The whole table is read before any of it is stored, so that a refused cell leaves it whole.
void ReadAll() {
    const Sheet sheet = DocumentSheet(kShoulderSheet);
    if (!sheet) return;
    std::vector<std::array<float, kColumns + 1>> rows(sokutensuu + 1);
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kColumns; ++column)
            rows[station][column] = static_cast<float>(LeadingNumber(*sheet, RowOf(station), column));
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kColumns; ++column) rokatadata(station, column) = rows[station][column];
    tableRead = true;
}

} // namespace

bool Read() {
    tableRead = false;
    sheet_messages::ReadTellingFailure(ReadAll);
    return tableRead;
}

void Write() {
    try {
        const Sheet sheet = DocumentSheet(kShoulderSheet);
        if (!sheet) return;
        SelectAndClear(*sheet, CellAddress(kFirstRow, 1) + ":" + CellAddress(kLastRow, kColumns));
        for (int station = 1; station <= sokutensuu; ++station)
            for (int column = 1; column <= kColumns; ++column)
                PutNumberOrEmpty(*sheet, RowOf(station), column, rokatadata(station, column));
    } catch (const rt::Error& e) {
        sheet_messages::Tell(std::string(e.what()) + "\n路肩ｼｰﾄへの転送は途中で止まりました。");
    }
}

} // namespace 縦断bus::offset_table_sheet
