#pragma once
// The profile itself: the ground line, the station ticks, the datum line, the elevation
// scale, the base line and triangle of the bands, the planned line with the bottoms of the
// checked pavement layers, the vertical-curve marks and the title's two underlines.
namespace 縦断bus::profile_sheet {

void SendProfileLines();

} // namespace 縦断bus::profile_sheet
