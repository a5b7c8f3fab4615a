#pragma once
// The profile sheet's band layout as it stands when the drawing screen loads: the title,
// text and number sizes, the characters of the band labels and the band heights, which the
// band layout screen (作図レイアウト画面) edits afterwards.
namespace 縦断bus::profile_sheet {

void SetBandDefaults();

} // namespace 縦断bus::profile_sheet
