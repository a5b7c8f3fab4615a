#pragma once
// The section-point sheets 現況横断ｼｰﾄ (existing ground) and 切盛ﾗｲﾝ入力ｼｰﾄ (cut/fill lines) and
// their point tables: station i in columns 4i - 3 to 4i (left offset, left height, right
// offset, right height), point j in row j + 7, every value kept as a text.
#include "vantor/model/bus/section_tables.h"

#include <string_view>

namespace 縦断bus {

// One side of a point table: per station row (1..50) up to 20 points, each an offset [m]
// (component 1) and a height [m] (component 2).
using SectionPoints = decltype(genkyouhidari);
using SectionPointCounts = decltype(genkyouhidarisuu);

inline constexpr int kSectionPoints = SectionPoints::UBound(2);   // points 0..19
inline constexpr int kSectionStations = SectionPoints::UBound(1); // stations 1..50

// The stations the point tables can hold: the first 50 of the road.
int EditableStations();

// Titles and the headers of danmensuu station blocks (at most the 50 the tables hold), on
// both sheets.
void shoshikigenkyou();

// Every point of the editable stations from the sheet into the two sides; false when no
// workbook is held (the user has been told).
bool ReadSectionPointSheet(std::string_view sheet, SectionPoints& left, SectionPoints& right);
// The counted points of every editable station to the sheet, the rows below them emptied so
// that a deleted point stays deleted; false when no workbook is held (the user has been told).
bool WriteSectionPointSheet(std::string_view sheet, const SectionPoints& left, const SectionPoints& right,
                            const SectionPointCounts& leftCount, const SectionPointCounts& rightCount);

// genkyouhidari / genkyoumigi from 現況横断ｼｰﾄ, as Open reads them.
void yomikomigenkyou();
// kirimorihidari / kirimorimigi from 切盛ﾗｲﾝ入力ｼｰﾄ, the same way.
void yomikomikirimori();

} // namespace 縦断bus
