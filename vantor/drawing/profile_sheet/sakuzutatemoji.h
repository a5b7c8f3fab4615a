#pragma once
// The band table of the profile sheet with its marks, then every text of the sheet.
namespace 縦断bus::profile_sheet {

void sakuzutatemoji();

} // namespace 縦断bus::profile_sheet
