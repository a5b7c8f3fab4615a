#pragma once
// The sheet title "縦　　断　　図": its height above the highest point of the profile
// (taitorutakasa) and its insertion point (taitoruichi), left of the middle of the stations.
namespace 縦断bus::profile_sheet {

void ichitaitoru();
// The middle x of the drawn stations, over which the title and its underlines are centred.
double TitleCentre();
// Half the title's width on the sheet.
double TitleHalfWidth();

} // namespace 縦断bus::profile_sheet
