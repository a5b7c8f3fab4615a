#include "vantor/drawing/channel/label_text.h"

#include "platform/runtime/conversion.h"
#include "platform/runtime/number_text.h"
#include "vantor/model/bus/drawing_tables.h"
#include "vantor/model/bus/profile_tables.h"

#include <cmath>

namespace 縦断bus {

std::string LabelText(double x, std::string s, int width) {
    if (x - std::floor(x) != 0) {
        const std::size_t point = s.find('.');
        if (point == std::string::npos) return s; // exponent form: left as it is
        const int p = static_cast<int>(point) + 1;
        const std::size_t decimals = s.size() - point - 1;
        if (decimals == 0) s += "00";
        else if (decimals == 1) s += "0";
        if (p <= width) s.insert(0, static_cast<std::size_t>(width + 1 - p), ' ');
        return s;
    }
    const int n = static_cast<int>(s.size());
    if (n < width) return std::string(static_cast<std::size_t>(width - n), ' ') + s + ".00";
    if (n == width) return s + ".00";
    return s;
}

namespace {

std::string RoundedLabel(double hundredfold) {
    const float x = static_cast<float>(std::floor(hundredfold + 0.51) / 100);
    return LabelText(x, rt::CStr(x), 3);
}

} // namespace

std::string seikeisuuchi(float value) { return RoundedLabel(static_cast<float>(value * 100.0f)); }

std::string seikeisuuchi(std::string_view value) { return RoundedLabel(rt::Val(value) * 100); }

void seikeitate() {
    const int n = sokutensuu;
    for (int r = 1; r <= n; ++r) {
        for (int c : {tate_col::kStation, tate_col::kGround, tate_col::kPlannedHeight, tate_col::kPlannedMinusGround,
                      tate_col::kDistanceFromPrevious}) {
            const bool difference = c == tate_col::kPlannedMinusGround;
            const float x = difference ? std::fabs(tatedata(r, c)) : tatedata(r, c);
            tatemoji(r, c) = LabelText(x, rt::CStr(x), difference || c == tate_col::kDistanceFromPrevious ? 2 : 4);
        }
    }
}

} // namespace 縦断bus
