#include "vantor/geometry/equations/hyoujihouteishiki.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/geometry/equations/方程式画面.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>
#include <utility>
#include <vector>

namespace 縦断bus {

namespace {

// One term: its sign, a "0" for a coefficient below 1 (so also for every negative one),
// then the magnitude rounded halves-up on the signed value in double precision, in the Str
// form with its leading blank. Magnitudes below 1E-04 come out in exponent form, as every
// number text of the program does ("1.5E-05"); the larger ones are written in full.
std::string Term(float coefficient, int decimals, const std::string& plus) {
    const double v = coefficient;
    std::string s = v >= 0 ? plus : "-";
    if (v < 1) s += "0";
    return s + rt::Str(std::fabs(rt::RoundHalfUp(v, decimals)));
}

} // namespace

std::string houteishikimoji(int k) {
    std::string s = (k < 10 ? " (  " : " (") + rt::Str(k) + ")  Ｙ＝　";
    s += Term(keisuua(k), 12, "  ") + "・Ｘ^2 ";
    s += Term(keisuub(k), 8, "+") + "・Ｘ ";
    s += Term(keisuuc(k), 3, "+");
    return s;
}

std::string kukanmoji(int k) { return "（区間 No" + rt::Str(vcb(k)) + "～ No" + rt::Str(vce(k)) + ")"; }

void hyoujihouteishiki() {
    std::vector<std::pair<std::string, std::string>> curves;
    for (int k = 1; k <= kyokusensuu; ++k) curves.emplace_back(houteishikimoji(k), kukanmoji(k));
    方程式画面& screen = forms::Get<方程式画面>();
    screen.Houteishikiwooku(curves);
    screen.Show();
}

} // namespace 縦断bus
