#pragma once
// The preview of one station's points on the editor's picture: 60 m by 60 m about the centre
// line at ground level (y upwards), the left side mirrored to negative x.
#include "platform/forms/picture_box.h"
#include "vantor/sections/editors/section_point_tables.h"

namespace 縦断bus {

// The scale and the two axes.
void sakuzujiku(forms::PictureBox& picture);
// Counts station s afresh, clears the picture, draws the axes and each side's line from
// point 1 to its last counted point. Every offset and height is read as its leading number
// (0 when there is none).
void DrawSectionPoints(forms::PictureBox& picture, const SectionPointSet& set, int s);

} // namespace 縦断bus
