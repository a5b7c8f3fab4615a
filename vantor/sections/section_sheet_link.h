#pragma once
// What the cross-section drawing data screen uses of the document's sheet readers: reading
// columns K-P of 横断ｼｰﾄ into yokosakuzudata (yomikomiyokomei). The program installs it at
// start; until then it does nothing.
#include <functional>

namespace 縦断bus::section_sheet_link {

inline std::function<void()> yomikomiyokomei = [] {};

} // namespace 縦断bus::section_sheet_link
