#include "vantor/sections/editors/section_point_sheet.h"

#include "vantor/model/document.h"
#include "vantor/model/sheets/section_point_sheets.h"

namespace 縦断bus {

namespace {

void CountEditableStations(const SectionPointSet& set) {
    const int stations = EditableStations();
    for (int s = 1; s <= stations; ++s) CountStation(set, s);
}

} // namespace

bool ReadSectionPoints(const SectionPointSet& set) {
    if (!ReadSectionPointSheet(set.sheet, set.left, set.right)) return false;
    CountEditableStations(set);
    return true;
}

bool WriteSectionPoints(const SectionPointSet& set) {
    // The counts follow the texts, and the writer keeps to them.
    CountEditableStations(set);
    if (!WriteSectionPointSheet(set.sheet, set.left, set.right, set.leftCount, set.rightCount)) return false;
    MarkDocumentChanged();
    xlbook->Application()->SetVisible(true);
    return true;
}

} // namespace 縦断bus
