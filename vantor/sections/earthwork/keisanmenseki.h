#pragma once
// The three area sums of one side, by vertical strips 0.01 m wide from the centre line out to
// the end of the excavation line: kirimen (ground above the excavation line), morimen (from
// the ground up to the planned line where the ground does not stand above the excavation
// line) and jouhoukirimen (ground above the planned line). Every strip is drawn on the picture
// in its colour: dark green ground removed above the planned line, yellow excavation below
// it or beyond the slope, green fill.
#include "platform/forms/picture_box.h"

namespace 縦断bus {

// The polylines of the current side: ground genkyoux/genkyouy (0..genkyousaishuu), planned
// line kirimorix/kirimoriy and excavation line kussakux/kussakuy (0..kirimoritensuu). The
// left side (mensekisayuu = 1) is drawn mirrored to negative x.
void keisanmenseki(forms::PictureBox& 図);

} // namespace 縦断bus
