#pragma once
// The direction of the alignment at a plan station or any chainage and its two normals, shared
// by the station labels and road edges of the plan, the single-station plot, the shoulder
// offset points and the 3D model's edges.
//
// The direction is the bearing of the element that holds the chainage, worked in double
// precision (PlanBearing), so that the normals stay true far from the origin. It is also left
// in the shared scratch values: the quadrant state wkshougen (1..8, see SetDirection), the
// tangent angle wkhoukoukaku (degrees, 0..90) and the left and right normals wkhidarikaku and
// wkmigikaku (degrees from +X toward +Y), which give a label its rotation.

namespace 縦断bus {

// A unit vector across the road.
struct Normal {
    double x = 0, y = 0;
};
// The left and right normal of a direction.
struct Normals {
    Normal left, right;
};

// Whether entry heimensokutensuu + 1 of the station tables holds the end of the road, placed
// by the station computation because the last station lies at or beyond the last EC.
// Otherwise that entry holds nothing of the current alignment and is not read.
bool HasEndOfRoadEntry();

// Sets the scratch values for a direction given by its bearing [radians] and returns its
// normals; a direction along an axis, up to the rounding of its bearing, has exact normals.
// States by the direction's signs: 1 (+X, +Y), 2 (+X, -Y), 3 (-X, -Y), 4 (-X, +Y), 5 straight
// up, 6 straight down, 7 along +X, 8 along -X; the left normal of state 5 is -180°.
Normals SetDirection(double bearing);

// The direction at `chainage` [mm] on the alignment.
Normals SetDirectionAt(double chainage);

// The direction at plan station k, at its chainage sokutenkyori(k).
Normals SetStationDirection(int k);

// The point `distance` from (x, y) along `normal`.
void PointToward(float x, float y, double distance, const Normal& normal, float& px, float& py);

} // namespace 縦断bus
