#pragma once
// Sheet coordinates of the drawn stations (zahyoutate) and of the ends of the vertical
// curves (vcbx, vcex, vcby, vcey) from the profile tables and the boxes as read.
namespace 縦断bus::profile_sheet {

void keisanzahyoutate();

} // namespace 縦断bus::profile_sheet
