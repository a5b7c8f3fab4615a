#include "vantor/sections/editors/section_point_sheet.h"

#include "vantor/model/document.h"
#include "vantor/model/sheet_cells.h"

namespace 縦断bus {

namespace {

constexpr int kFirstPointRow = 7;

int FirstColumn(int station) { return 4 * station - 3; }

} // namespace

bool ReadSectionPoints(const SectionPointSet& set) {
    const sheet_cells::Sheet sheet = sheet_cells::DocumentSheet(set.sheet);
    if (!sheet) return false;
    const int stations = EditableStations();
    for (int s = 1; s <= stations; ++s) {
        const int c = FirstColumn(s);
        for (int p = 0; p < kSectionPoints; ++p) {
            const int row = p + kFirstPointRow;
            set.left(s, p, 1) = sheet_cells::Text(*sheet, row, c);
            set.left(s, p, 2) = sheet_cells::Text(*sheet, row, c + 1);
            set.right(s, p, 1) = sheet_cells::Text(*sheet, row, c + 2);
            set.right(s, p, 2) = sheet_cells::Text(*sheet, row, c + 3);
        }
        CountStation(set, s);
    }
    return true;
}

bool WriteSectionPoints(const SectionPointSet& set) {
    const sheet_cells::Sheet sheet = sheet_cells::DocumentSheet(set.sheet);
    if (!sheet) return false;
    const int stations = EditableStations();
    const auto writeSide = [&](const SectionPoints& side, int s, int column, int count) {
        for (int p = 0; p < kSectionPoints; ++p) {
            const int row = p + kFirstPointRow;
            const bool kept = p < count;
            sheet_cells::Put(*sheet, row, column, kept ? side(s, p, 1) : std::string());
            sheet_cells::Put(*sheet, row, column + 1, kept ? side(s, p, 2) : std::string());
        }
    };
    for (int s = 1; s <= stations; ++s) {
        CountStation(set, s);
        const int c = FirstColumn(s);
        writeSide(set.left, s, c, set.leftCount(s));
        writeSide(set.right, s, c + 2, set.rightCount(s));
    }
    MarkDocumentChanged();
    xlbook->Application()->SetVisible(true);
    return true;
}

} // namespace 縦断bus
