#pragma once
// What the IP input screen uses of the document's IP sheet: reading it into the IP table
// (yomikomiip) and writing the screen's points to it (WriteIpPoints: the number of points,
// false when no workbook is held). The program installs them at start; until then they do
// nothing.
#include <functional>

namespace 縦断bus::ip_sheet_link {

inline std::function<void()> yomikomiip = [] {};
inline std::function<bool(int count)> WriteIpPoints = [](int) { return false; };

} // namespace 縦断bus::ip_sheet_link
