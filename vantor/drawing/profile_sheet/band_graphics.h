#pragma once
// The band table under the profile: the rules of the title column and of the data area, the
// vertical edges, the ticks of every station across the gaps, and the marks inside the
// bands: gradient symbols and change-point circles (band 2), the horizontal curves (band 10)
// and the cross slopes (band 11).
namespace 縦断bus::profile_sheet {

void SendBandGraphics();

} // namespace 縦断bus::profile_sheet
