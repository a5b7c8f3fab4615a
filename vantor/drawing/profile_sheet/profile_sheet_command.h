#pragma once
// The profile sheet command of the drawing screen: everything it draws is checked first, so
// that a sheet is either refused with a message before the first send or sent whole.
#include <array>
#include <string>

namespace 縦断bus::profile_sheet {

struct PavementLayer {
    bool checked = false;
    std::string thickness; // the box's text [cm]
};

// What the drawing screen's profile page holds when 作図開始 is pressed.
struct SheetRequest {
    std::string SH, SV, DL;                // the boxes as typed
    std::array<PavementLayer, 4> pavement; // 表層工, 上層路盤工, 下層路盤工, 置換層工
};

// The sheet in two steps, between which the drawing screen recomputes the cross slopes over
// the recomputed profile. Preparing recomputes the profile and its 1-m planned line and the
// station positions on the plan. The scales must be positive; at most 100 station rows and 50
// vertical curves; rows 1 to the last station must each have a station. The datum of the
// elevation scale and of "D.L =" is the DL box and the scale's top follows the highest
// planned height, both as they are now; a datum more than 1000 m from that top is refused.
// True when the sheet can be sent.
bool PrepareProfileSheet(const SheetRequest& request);
// Sends the whole prepared sheet through the CAD channel. True when it was sent.
bool SendProfileSheet();

// Why the request cannot be drawn before anything is computed, or the empty text.
std::string RequestRefusal(const SheetRequest& request);

} // namespace 縦断bus::profile_sheet
