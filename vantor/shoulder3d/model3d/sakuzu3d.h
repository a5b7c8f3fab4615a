#pragma once
// The 3D road model drawn in the CAD: for every interval between consecutive stations the
// centre line and the left and right edges as chains of 3D lines through the station, every
// sub-point 500 mm apart and the next station; then the additional lines chosen.
#include "vantor/shoulder3d/model3d/model_build.h"

namespace 縦断bus {

struct Model3dExtras {
    bool allWidths = false;     // width lines at every sub-point
    bool stationWidths = false; // width lines at the stations
    bool heights = false;       // height lines at the stations
    bool projection = false;    // the plan drawing (its parts as chosen on 作図選択画面, in the
                                // drawing screen's plan settings)
};

// Checks, builds and draws the model, then the extras in the order above. False, with a
// message and nothing sent, when the model cannot be built; edges left out are told once
// after the drawing.
bool DrawModel3d(const Model3dSettings& settings, const Model3dExtras& extras);

// The extras alone from the last model built. False, with a message and nothing sent, before
// any model was built, or for the plan projection without the plan positions.
bool DrawModelExtras(const Model3dExtras& extras);

// The model run of 設定3D画面: DL from its box, the scale of the drawing screen's plan
// settings, the extras from its frame 作図線の選択 (幅員 すべて, otherwise 測点のみ; 測点の高さ; 平面投影図).
bool sakuzu3d();

} // namespace 縦断bus
