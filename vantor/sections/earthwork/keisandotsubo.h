#pragma once
// The earthwork areas of the current section station danmenbangou: per side the ground
// (starting at the centre line at height 0), the planned line closed by its slope end, the
// excavation line, and the cut, fill and backfill areas by strips; the section and the
// strips are plotted on the picture (x from -30 to 30 m, the left side at negative x).
#include "platform/forms/picture_box.h"

namespace 縦断bus {

// Sides without two ground points or without a cut/fill point: they are left out (their
// areas count 0), and the caller says so.
struct SidesLacking {
    bool left = false, right = false;
    bool Any() const { return left || right; }
};

// Reads the section tables and the point counts of the station (counted beforehand). With
// mensekiflg = 1 writes kiridomenseki, moridomenseki and umemodoshimenseki of the station,
// rounded to 0.1 m²; with 0 only the lines are drawn and the stored areas stay.
SidesLacking keisandotsubo(forms::PictureBox& 図);

// The stored ground points of both sides, each side from the centre-line origin, in the
// picture's current colour.
void byougagenkyou(forms::PictureBox& 図);
// The excavation lines of both sides up to the slope end, as the last computation left them.
void byougakirimorisen(forms::PictureBox& 図);

} // namespace 縦断bus
