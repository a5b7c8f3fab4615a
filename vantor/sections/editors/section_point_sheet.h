#pragma once
// 読込 and 転送 of a section point sheet: station i in columns 4i - 3 to 4i (left offset, left
// height, right offset, right height), point j in row j + 6, every value a text.
#include "vantor/sections/editors/section_point_tables.h"

namespace 縦断bus {

// Reads every point of the editable stations from the set's sheet; false when no workbook is
// held (the user is told).
bool ReadSectionPoints(const SectionPointSet& set);
// Counts every editable station afresh and writes its counted points, emptying the rows below
// them, so that a deleted point stays deleted; then shows the spreadsheet. False when no
// workbook is held (the user is told).
bool WriteSectionPoints(const SectionPointSet& set);

} // namespace 縦断bus
