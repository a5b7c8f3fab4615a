#pragma once
// One station of the plan: its direction, its road edge points and its chainage label, the
// label written as the answers of a text command that is already running (a label loop sends
// "DTEXT " and the closing of a text entry before the first label).
#include "vantor/drawing/plan/station_direction.h"

#include <string>

namespace 縦断bus {

// Direction of plan station k and its left and right road edge points (the widths of
// yokodata columns 2 and 9 along the normals), kept in the edge tables at k.
Normals PlaceStationEdges(int k);

// The label of a station at (x, y) with `chainage` [mm] and the normals of its direction (set
// last): the label point (mojix, mojiy) mojiichi along the left normal, then the answers
// point, height mojidaka, rotation (the left normal wkhidarikaku), text, and the closing of the
// entry.
void SendStationLabel(float x, float y, float chainage, const Normals& normals);

// The label text of a chainage [mm]: "+ " and the metres, ".00" behind a whole metre (what
// lies less than 9 mm past it counts as whole), else the metres rounded to the millimetre.
std::string StationLabelText(float chainage);

// Station sokutenbangou: PlaceStationEdges, then its label.
void sakuzusokuten();

} // namespace 縦断bus
