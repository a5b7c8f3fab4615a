#include "vantor/model/sheets/cross_slope_sheet.h"

#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_messages.h"
#include "vantor/model/sheet_names.h"

#include <algorithm>
#include <vector>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstRow = 5;
constexpr int kNumberColumns = 10;
constexpr int kTextColumns = 6;
constexpr int kFirstTextColumn = kNumberColumns + 1;
constexpr int kLastRow = kFirstRow + decltype(yokodata)::UBound(1) - 1;
constexpr int kLastColumn = kNumberColumns + kTextColumns;
// Stations the text table holds.
constexpr int kTextStations = decltype(yokosakuzudata)::UBound(1);

// Station rows read by the last reading of the sheet. Save rewrites those and the rows of the
// stations now; the rows below them were never read and stay as the user left them.
int stationRowsRead = 0;

int LastStationRow(int stations) { return kFirstRow - 1 + std::min(stations, kLastRow - kFirstRow + 1); }

bool IsFilledRow(const xl::Worksheet& sheet, int row) {
    for (int column = 1; column <= kLastColumn; ++column)
        if (!IsBlank(sheet, row, column)) return true;
    return false;
}

// Rows with something in them below the stations' rows are not read: the user is told how many.
void TellRowsNotRead(const xl::Worksheet& sheet) {
    const int lastRead = LastStationRow(sokutensuu);
    int ignored = 0;
    for (int row : RowsWithValuesBelow(sheet, lastRead, 1, kLastColumn))
        if (IsFilledRow(sheet, row)) ++ignored;
    if (ignored > 0)
        sheet_messages::Tell(sheet_messages::RowsPastStations(kCrossSlopeSheet, sokutensuu, lastRead, ignored));
}

const SheetLayout kLayout{
    .titleRow = 1,
    .titleColumn = 2,
    .title = "横断勾配計算表",
    // clang-format off
    .headers = {{3, 4, {"左"}}, {3, 7, {"右"}}, {3, 11, {"ﾌﾞﾛｯｸ名"}}, {3, 13, {"左"}}, {3, 15, {"右"}},
                {4, 1, {"路肩高", "幅　員", "横断勾配", "基準勾配", "測点名称", "計画高", "基準勾配",
                        "横断勾配", "幅　員", "路肩高", "（現況）", "（計画）", "計画幅員",
                        "計画勾配", "計画幅員", "計画勾配"}}},
    // clang-format on
    .box = "A３:p105", // A3:P105
    .shading = {{"A３:p3", 40}, {"A4:p4", 35}, {"E4:E105", 36}},
};

} // namespace

void shoshikiyoko() { LayOutDocumentSheet(kCrossSlopeSheet, kLayout); }

void ReadCrossSlopeNumbers() {
    Sheet sheet = DocumentSheet(kCrossSlopeSheet);
    if (!sheet) return;
    // Read everything first: a faulty cell leaves the table as it was.
    std::vector<float> values;
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kNumberColumns; ++column) {
            int row = station + kFirstRow - 1;
            values.push_back(IsBlank(*sheet, row, column) ? kEmpty
                                                          : static_cast<float>(StrictNumber(*sheet, row, column)));
        }
    auto next = values.begin();
    for (int station = 1; station <= sokutensuu; ++station)
        for (int column = 1; column <= kNumberColumns; ++column) yokodata(station, column) = *next++;
    stationRowsRead = sokutensuu;
    TellRowsNotRead(*sheet);
}

void yomikomiyoko() { sheet_messages::ReadTellingFailure(ReadCrossSlopeNumbers); }

void yomikomiyokomei() {
    Sheet sheet = DocumentSheet(kCrossSlopeSheet);
    if (!sheet) return;
    int stations = std::min(sokutensuu, kTextStations);
    for (int station = 1; station <= stations; ++station)
        for (int column = 1; column <= kTextColumns; ++column)
            yokosakuzudata(station, column) = Text(*sheet, station + kFirstRow - 1, column + kFirstTextColumn - 1);
}

void tensouyoko() {
    Sheet sheet = DocumentSheet(kCrossSlopeSheet);
    if (!sheet) return;
    // The title rows and the rows of the stations read and held; rows below them stay.
    SelectAndClear(*sheet, "A1:" + CellAddress(LastStationRow(std::max(sokutensuu, stationRowsRead)), kLastColumn));
    LayOut(*sheet, kLayout);
    for (int station = 1; station <= sokutensuu; ++station) {
        int row = station + kFirstRow - 1;
        for (int column = 1; column <= kNumberColumns; ++column)
            PutNumberOrEmpty(*sheet, row, column, yokodata(station, column));
        // Stations past the text table's bound have no texts to write.
        if (station > kTextStations) continue;
        for (int column = 1; column <= kTextColumns; ++column)
            Put(*sheet, row, column + kFirstTextColumn - 1, yokosakuzudata(station, column));
    }
}

void utsushiyoko() {
    for (int station = 1; station <= sokutensuu; ++station) {
        yokodata(station, yoko_col::kStation) = tatedata(station, tate_col::kStation);
        yokodata(station, yoko_col::kPlannedHeight) = tatedata(station, tate_col::kPlannedHeight);
    }
}

} // namespace 縦断bus
