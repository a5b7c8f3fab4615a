#pragma once
// Building the 3D road model from the tables: for every interval between consecutive stations
// the centre point, the widths, the cross slopes and the edge points of each sub-point, and
// the last station's row; nothing is sent. The checks come first, so that a model that cannot
// be built is refused whole before anything reaches the CAD.
#include "vantor/geometry/alignment/keisansokutenzahyou.h"

#include <string>
#include <vector>

namespace 縦断bus {

struct Model3dSettings {
    double dl = 0;    // datum height [m]: model Z = (height − DL) × 1000
    double scale = 0; // 縮尺: the drawn cross fall is the true one × scale / 100
};

// The chainage [mm] of sub-point s of the interval that begins at station i (s = 0: the
// station itself), kSubPointStep apart.
float SubPointChainage(int i, int s);

// Why the model cannot be built from the current tables, or empty: fewer than two stations,
// no plan positions, stations that do not increase, an interval longer than the sub-point
// table holds, planned heights not computed for the current profile input, fewer than two
// gradient-change points.
std::string ModelFault();

struct ModelBuild {
    std::string fault;                              // set when a point could not be placed
    std::vector<std::string> emptyLeft, emptyRight; // stations without a width on the side
    bool leftWithoutSlopes = false, rightWithoutSlopes = false;
};

// Builds the model; ModelFault() must be empty. On success d3sokutensuu holds the stations.
ModelBuild BuildModel(const Model3dSettings& settings);

// What to tell the user about edges the model leaves out, or empty.
std::string ModelNotice(const ModelBuild& build);

} // namespace 縦断bus
