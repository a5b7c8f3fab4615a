#include "vantor/shoulder3d/model3d/hokankoubai.h"

#include "vantor/model/縦断bus.h"

#include <cmath>
#include <optional>

namespace 縦断bus {

namespace {

using Points = Table<float, 200>;

// The slope at chainage x [mm] on the line through change points m and m + 1; none when they
// share their station.
std::optional<double> OnPair(const Points& station, const Points& slope, int m, double x) {
    const float pm = static_cast<float>(double(station(m)) * 1000);
    const float pn = static_cast<float>(double(station(m + 1)) * 1000);
    if (pm == pn) return std::nullopt;
    return (double(slope(m + 1)) - slope(m)) / (double(station(m + 1)) - station(m)) * (x / 1000 - station(m)) +
           slope(m);
}

float SlopeAt(const Points& station, const Points& slope, int count, double x, float held) {
    auto p = [&](int m) { return static_cast<float>(double(station(m)) * 1000); };
    for (int m = 1; m <= count - 1; ++m) {
        std::optional<double> value;
        if (p(m) <= x && x <= p(m + 1)) value = OnPair(station, slope, m, x);
        else if (p(1) > x) value = OnPair(station, slope, 1, x);
        else if (p(count) < x) value = OnPair(station, slope, count - 1, x);
        else continue;
        return value ? static_cast<float>(*value) : held;
    }
    return held;
}

float FourDecimals(float v) { return static_cast<float>(std::floor(double(v) * 10000 + 0.5) / 10000); }

} // namespace

void hokankoubai() {
    const double x = d3kyori;
    d3hidarikoubai = FourDecimals(SlopeAt(hidarikijunsokuten, hidarikijunkoubai, hidarikijunsuu, x, d3hidarikoubai));
    d3migikoubai = FourDecimals(SlopeAt(migikijunsokuten, migikijunkoubai, migikijunsuu, x, d3migikoubai));
}

} // namespace 縦断bus
