#pragma once
// One station's planned section as the correction screens show it in the CAD: the planned
// block inserted at (0, H), H = planned minus ground at the centre line [mm], exploded and
// stretched from its standard widths and slopes to the station's, with the existing-ground
// block inserted at the origin beside it, not exploded. Every window of the sequence is laid
// about (0, H), where the planned section stands, so that a large H cannot make the stretch
// miss the section's edges.
#include "vantor/model/drawing_settings.h"

#include <string>

namespace 縦断bus {

// Half the width and height [mm] of the window erased about the origin before a station is
// drawn: 100 m by 60 m on the block correction screen, 60 m by 30 m on the cut/fill screen.
struct EraseWindow {
    double halfWidth, halfHeight;
};
inline constexpr EraseWindow kBlockCorrectionErase{50000, 30000};
inline constexpr EraseWindow kCutFillErase{30000, 15000};

// The sends for station row s. The erase window is widened to take in the planned section
// drawn before, which stood at `previousH`. Returns H.
float sakuzukeikakublock(int s, const SectionSettings& settings, float previousH,
                         const EraseWindow& erase = kBlockCorrectionErase);

// Station row s's section drawn in the CAD as one command, with the drawing settings kept:
// `drawnH` holds the H of the section drawn before and takes this one's once the command has
// run. A station whose blocks cannot be drawn is not drawn; the user is told why. True when the
// command ran.
bool DrawStationSection(int s, float& drawnH, const EraseWindow& erase = kBlockCorrectionErase);

// The window that 自動作成 makes the block from: the planned-section size about (0, H), widened
// to the station's widths; window selection leaves out the existing-ground reference, which
// reaches across the whole section. Corners as "W x1,y1 x2,y2".
std::string NewBlockWindow(int s, const SectionSettings& settings);

} // namespace 縦断bus
