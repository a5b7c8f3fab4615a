#pragma once
// The alignment run of Open: computes the horizontal alignment from the IP table just read,
// writes leg lengths and angles back to the IP sheet and sets ipkeisanflg (1 once an
// alignment was computed, 0 when the sheet held no point or the alignment stopped at a polygon
// it cannot take or an IP to check, which the user is told about).
namespace 縦断bus {

void keisanip();

} // namespace 縦断bus
