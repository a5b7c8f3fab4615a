#pragma once
// The curve equations: every vertical curve's parabola height = a x^2 + b x + c with the
// station range it covers, as texts.
#include <string>

namespace 縦断bus {

// The equation text of curve k (1 ..), e.g. " (   1)  Ｙ＝　-0 .00025・Ｘ^2 +0 .055・Ｘ + 46.775".
std::string houteishikimoji(int k);

// The station range text of curve k, e.g. "（区間 No 70～ No 130)".
std::string kukanmoji(int k);

// Puts the equation and range of every curve on 方程式画面 and shows it.
void hyoujihouteishiki();

} // namespace 縦断bus
