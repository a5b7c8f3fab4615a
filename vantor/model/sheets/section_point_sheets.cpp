#include "vantor/model/sheets/section_point_sheets.h"

#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"
#include "vantor/model/縦断bus.h"

#include <algorithm>
#include <string_view>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

using PointTable = decltype(genkyouhidari);

constexpr int kFirstPointRow = 7;
constexpr int kPoints = PointTable::UBound(2);     // points 0 .. 19 are used
constexpr int kStations = PointTable::UBound(1);   // stations 1 .. 50

int FirstColumn(int station) { return 4 * station - 3; }

void Format(const xl::Worksheet& sheet, std::string_view title, int blocks) {
    Title(sheet, 1, 2, title);
    for (int station = 1; station <= blocks; ++station) {
        int c = FirstColumn(station);
        Put(sheet, 4, c, "測点");
        Headers(sheet, 5, c, {"左側", "", "右側"});
        Headers(sheet, 6, c, {"Ｘ座標", "Ｙ座標", "Ｘ座標", "Ｙ座標"});
        ShadeCells(sheet, 4, c + 1, c + 1, 35);
        // The row of the coordinate headers: left pair and right pair in their own colours.
        ShadeCells(sheet, 6, c, c + 1, 36);
        ShadeCells(sheet, 6, c + 2, c + 3, 34);
    }
}

void Read(std::string_view sheetName, PointTable& left, PointTable& right) {
    Sheet sheet = DocumentSheet(sheetName);
    if (!sheet) return;
    int stations = std::min(sokutensuu, kStations);
    for (int station = 1; station <= stations; ++station) {
        int c = FirstColumn(station);
        for (int point = 0; point < kPoints; ++point) {
            int row = point + kFirstPointRow;
            left(station, point, 1) = Text(*sheet, row, c);
            left(station, point, 2) = Text(*sheet, row, c + 1);
            right(station, point, 1) = Text(*sheet, row, c + 2);
            right(station, point, 2) = Text(*sheet, row, c + 3);
        }
    }
}

} // namespace

void shoshikigenkyou() {
    Sheet existingGround = DocumentSheet(kExistingGroundSheet);
    if (!existingGround) return;
    int blocks = std::clamp(danmensuu, 0, kStations);
    Format(*existingGround, "現況横断データー入力表", blocks);
    Format(*DocumentSheet(kCutFillSheet), "切盛ラインデーター入力表", blocks);
}

void yomikomigenkyou() { Read(kExistingGroundSheet, genkyouhidari, genkyoumigi); }

void yomikomikirimori() { Read(kCutFillSheet, kirimorihidari, kirimorimigi); }

} // namespace 縦断bus
