#pragma once
// What the cross-slope screen uses of the document's sheet readers and writers: copying the
// profile's stations and planned heights into yokodata (utsushiyoko), reading columns A-J of
// 横断ｼｰﾄ (yomikomiyoko) and rewriting the sheet (tensouyoko). The program installs them at
// start; until then they do nothing.
#include <functional>

namespace 縦断bus::cross_slope_sheet_link {

inline std::function<void()> utsushiyoko = [] {};
inline std::function<void()> yomikomiyoko = [] {};
inline std::function<void()> tensouyoko = [] {};

} // namespace 縦断bus::cross_slope_sheet_link
