#pragma once
// What the shoulder screen uses of the document's shoulder sheet reader and writer, the same
// pair that Open and Save use: reading 路肩ｼｰﾄ as a command of its own (true when read) and
// rewriting it. The program installs them at start; until then they do nothing.
#include <functional>

namespace 縦断bus::shoulder_sheet_link {

inline std::function<bool()> ReadShoulderSheet = [] { return false; };
inline std::function<void()> tensourokata = [] {};

} // namespace 縦断bus::shoulder_sheet_link
