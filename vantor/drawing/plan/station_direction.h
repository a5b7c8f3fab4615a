#pragma once
// The direction of the alignment at a plan station and its two normals, shared by the station
// labels and road edges of the plan, the shoulder offset points and the 3D model.
//
// The vector (dx, dy) from the rear to the front auxiliary point gives the quadrant state
// wkshougen (1..8, see SetDirection); the tangent angle wkhoukoukaku (degrees, 0..90) is the
// magnitude of the angle of a slope; the left and right normals wkhidarikaku and wkmigikaku
// (degrees from +X toward +Y) follow from both. A direction that cannot be decided (the
// auxiliary points coincide) keeps what the last station left in these values.
#include "vantor/model/縦断bus.h"

namespace 縦断bus {

// Whether entry heimensokutensuu + 1 of the station tables holds the end of the road, placed
// by the station computation because the last station lies at or beyond the last EC.
// Otherwise that entry holds nothing of the current alignment and is not read.
bool HasEndOfRoadEntry();

// Sets the state, and when dx is not 0 the tangent angle from `slope`, then the normals.
void SetDirection(float dx, float dy, double slope);
// The same with the slope dy / dx of the direction itself.
void SetDirection(float dx, float dy);

// The direction at plan station k (1..heimensokutensuu) from its auxiliary points. At the ends
// of a road with at least one IP the tangent angle is taken from the straight there: at
// station 1, when the third station lies beyond the first BC, from its rear auxiliary point
// toward the first BC; at the last station, when the one before it lies before the last EC
// and the end of the road is placed, from the last EC toward the end. Where such a straight
// runs parallel to the Y axis its angle is 90; where its two points coincide the auxiliary
// points decide.
void SetStationDirection(int k);

// The point `distance` from (x, y) toward `degrees`, turned into radians as degrees ×
// 3.14159 / 180.
void PointToward(float x, float y, double distance, float degrees, float& px, float& py);

} // namespace 縦断bus
