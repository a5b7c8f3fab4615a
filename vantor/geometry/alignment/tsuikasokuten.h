#pragma once
// Rebuilds the station list shared by tatedata, yokodata and yokosakuzudata from the current
// alignment: the surveyed stations (those with a ground height) and the gradient-change points
// (a reference height or curve length) are kept, a BC, a middle and an EC station are added
// for every curve, regular stations when they are wanted (at the interval given as a text in
// metres), the start and the end; the list is sorted and stations within 0.04 m of each other
// merged. A list the tables cannot hold, two change points that would merge into one, or a
// regular-station interval that is not positive, is refused with a message and the tables
// stay as they were; the result tells whether the list was rebuilt.
#include <string>

namespace 縦断bus {

bool tsuikasokuten(bool regularStations = false, const std::string& stationInterval = {});

} // namespace 縦断bus
