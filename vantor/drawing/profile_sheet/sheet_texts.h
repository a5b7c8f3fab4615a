#pragma once
// Every text of the profile sheet in one text command: the band titles, the labels of the
// stations, distances, ground and planned heights and cut or fill depths, the curve data,
// the reference heights and gradients at the change points, the scales and the datum, the
// elevation scale's labels, the title and the vertical-curve lengths.
namespace 縦断bus::profile_sheet {

void SendSheetTexts();

} // namespace 縦断bus::profile_sheet
