#pragma once
// The elevation scale at the left edge of the profile: a tick every metre from the datum up
// to 5 m above the highest planned height rounded to 10 m, long ticks and labels at the
// multiples of 5 m.
namespace 縦断bus::profile_sheet {

// Metres from the datum to the scale's top: 5 m above the highest planned height rounded
// to 10 m.
double ScaleMetres();
// The ticks and the scale's two vertical lines.
void sakuzuwaku();
// The labels of the long ticks, as entries of the open text command.
void sakuzumemori();

} // namespace 縦断bus::profile_sheet
