#include "vantor/sections/cross_slope_interpolation.h"

#include <cmath>

namespace 縦断bus {

std::optional<double> InterpolatedCrossSlope(const CrossSlopePoints& stations, const CrossSlopePoints& slopes,
                                             int count, double x, double scale) {
    const auto at = [&](int m) { return static_cast<float>(double(stations(m)) * scale); };
    // The line through points m and m + 1 at x; none when they share their station.
    const auto onPair = [&](int m) -> std::optional<double> {
        if (at(m) == at(m + 1)) return std::nullopt;
        const double sa = stations(m), sb = stations(m + 1), ka = slopes(m), kb = slopes(m + 1);
        return ka + (kb - ka) / (sb - sa) * (x / scale - sa);
    };
    for (int m = 1; m <= count - 1; ++m) {
        if (at(m) <= x && x <= at(m + 1)) return onPair(m);
        if (x < at(1)) return onPair(1);
        if (x > at(count)) return onPair(count - 1);
    }
    return std::nullopt;
}

float FourDecimalSlope(float slope) { return static_cast<float>(std::floor(double(slope) * 10000 + 0.5) / 10000); }

} // namespace 縦断bus
