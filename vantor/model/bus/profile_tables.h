#pragma once
// The computation unit's profile tables: stations, gradients, vertical curves, the planned line.
#include "vantor/model/bus/bus_table.h"

namespace 縦断bus {

// ---- Profile (rows are stations) ----
inline int sokutensuu = 0;          // station rows shared by every station-parallel table
// 1 station, 2 ground, 3 reference planned height, 4 Lv, 5 planned height,
// 6 planned - ground, 7 gradient [%], 8 distance from the previous station [m]
inline Table<float, 500, 8> tatedata;
inline int henkatensuu = 0;          // gradient-change points
inline Table<float, 500> xb, yb;     // station and reference height of each change point
inline Table<float, 100> koubai;     // gradient (ratio) from change point m to m+1
inline int kyokusensuu = 0;          // vertical curves
inline Table<float, 500> vcxb, vcyb, lv, vcb, vce;
inline Table<float, 100> koubaitemae, koubaiushiro;
inline Table<float, 50> keisuua, keisuub, keisuuc;  // height = a x^2 + b x + c
inline float keikakusensuu = 0;      // index of the last sample of the planned line
inline Table<float, 2000> keikakusenx, keikakuseny;
inline float wka = 0, wkb = 0, wkc = 0, wkgyou = 0;
inline int yuukousokutensuu = 0;    // rows 1..sokutensuu that have a station
inline int kakuteihenkatensuu = 0;  // henkatensuu of the last run that got past the overlap check
inline int vcbflg = 0, vceflg = 0;  // 1 when the last checked curve starts / ends too far out

// ---- Warnings of the profile input and the grid editor ----
inline int keikokuflg = 0;   // 1 once a warning has been written, 0 from the next edit check
inline int henshuugyou = 0;  // grid row of the profile editor: the row the edit check looks at
inline short henshuuretsu = 0;                   // grid column of the editor
inline short keikokugyou = 0, keikokuretsu = 0;  // the cell stored last

} // namespace 縦断bus
