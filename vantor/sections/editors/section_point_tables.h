#pragma once
// The two point tables of the section editors: per station row (1..50) up to 20 points on each
// side of the centre line, each an offset [m] (component 1, left ones as positive distances)
// and a height [m] (component 2), kept as the texts the user typed, picked or read.
#include "vantor/model/sheets/section_point_sheets.h"

#include <string_view>

namespace 縦断bus {

// One editor's tables: existing ground or cut/fill line.
struct SectionPointSet {
    SectionPoints& left;
    SectionPoints& right;
    SectionPointCounts& leftCount;
    SectionPointCounts& rightCount;
    std::string_view sheet; // the sheet 読込 and 転送 use
};

SectionPointSet ExistingGround();
SectionPointSet CutFillLine();

// Points from the first while the offset text is not empty, at most 20.
int CountPoints(const SectionPoints& side, int s);
// Refreshes both counts of station s.
void CountStation(const SectionPointSet& set, int s);
// The counts of the current station (danmenbangou).
void keisantensuu();
void keisantensuukirimori();

} // namespace 縦断bus
