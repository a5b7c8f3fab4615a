#include "vantor/model/sheets/section_point_sheets.h"

#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/section_tables.h"
#include "vantor/model/sheet_cells.h"
#include "vantor/model/sheet_names.h"

#include <algorithm>
#include <string>

namespace 縦断bus {

using namespace sheet_cells;

namespace {

constexpr int kFirstPointRow = 7;

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

} // namespace

int EditableStations() { return std::clamp(sokutensuu, 0, kSectionStations); }

void shoshikigenkyou() {
    Sheet existingGround = DocumentSheet(kExistingGroundSheet);
    if (!existingGround) return;
    int blocks = std::clamp(danmensuu, 0, kSectionStations);
    Format(*existingGround, "現況横断データー入力表", blocks);
    Format(*DocumentSheet(kCutFillSheet), "切盛ラインデーター入力表", blocks);
}

bool ReadSectionPointSheet(std::string_view sheetName, SectionPoints& left, SectionPoints& right) {
    const Sheet sheet = DocumentSheet(sheetName);
    if (!sheet) return false;
    const int stations = EditableStations();
    for (int station = 1; station <= stations; ++station) {
        const int c = FirstColumn(station);
        for (int point = 0; point < kSectionPoints; ++point) {
            const int row = point + kFirstPointRow;
            left(station, point, 1) = Text(*sheet, row, c);
            left(station, point, 2) = Text(*sheet, row, c + 1);
            right(station, point, 1) = Text(*sheet, row, c + 2);
            right(station, point, 2) = Text(*sheet, row, c + 3);
        }
    }
    return true;
}

bool WriteSectionPointSheet(std::string_view sheetName, const SectionPoints& left, const SectionPoints& right,
                            const SectionPointCounts& leftCount, const SectionPointCounts& rightCount) {
    const Sheet sheet = DocumentSheet(sheetName);
    if (!sheet) return false;
    const auto writeSide = [&](const SectionPoints& side, int station, int column, int count) {
        for (int point = 0; point < kSectionPoints; ++point) {
            const int row = point + kFirstPointRow;
            const bool kept = point < count;
            Put(*sheet, row, column, kept ? side(station, point, 1) : std::string());
            Put(*sheet, row, column + 1, kept ? side(station, point, 2) : std::string());
        }
    };
    const int stations = EditableStations();
    for (int station = 1; station <= stations; ++station) {
        const int c = FirstColumn(station);
        writeSide(left, station, c, leftCount(station));
        writeSide(right, station, c + 2, rightCount(station));
    }
    return true;
}

void yomikomigenkyou() { ReadSectionPointSheet(kExistingGroundSheet, genkyouhidari, genkyoumigi); }

void yomikomikirimori() { ReadSectionPointSheet(kCutFillSheet, kirimorihidari, kirimorimigi); }

} // namespace 縦断bus
