#pragma once
// 読込 and 転送 of a section editor: its point tables from and to its sheet, laid out as the
// section-point sheets are, with the points counted afresh.
#include "vantor/sections/editors/section_point_tables.h"

namespace 縦断bus {

// Reads every point of the editable stations from the set's sheet and counts them; false when
// no workbook is held (the user is told).
bool ReadSectionPoints(const SectionPointSet& set);
// Counts every editable station afresh and writes its counted points, emptying the rows below
// them, so that a deleted point stays deleted; then shows the spreadsheet. False when no
// workbook is held (the user is told).
bool WriteSectionPoints(const SectionPointSet& set);

} // namespace 縦断bus
