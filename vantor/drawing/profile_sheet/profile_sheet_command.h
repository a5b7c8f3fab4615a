#pragma once
// The profile sheet command of the drawing screen: everything it draws is checked first, so
// that a sheet is either refused with a message before the first send or sent whole.
#include <array>
#include <string>

namespace 縦断bus::profile_sheet {

struct PavementLayer {
    bool checked = false;
    std::string thickness;  // the box's text [cm]
};

// What the drawing screen's profile page holds when 作図開始 is pressed.
struct SheetRequest {
    std::string SH, SV, DL;                 // the boxes as typed
    std::array<PavementLayer, 4> pavement;  // 表層工, 上層路盤工, 下層路盤工, 置換層工
};

// Recomputes the profile and its 1-m planned line, the station positions on the plan and the
// cross slopes, then sends the whole sheet through the CAD channel. The scales must be
// positive; at most 100 station rows and 50 vertical curves; rows 1 to the last station must
// each have a station. The datum of the elevation scale and of "D.L =" is the DL box and the
// scale's top follows the highest planned height, both as they are now; a datum more than
// 1000 m from that top is refused. True when the sheet was sent.
bool DrawProfileSheet(const SheetRequest& request);

// Why the request cannot be drawn before anything is computed, or the empty text.
std::string RequestRefusal(const SheetRequest& request);

} // namespace 縦断bus::profile_sheet
