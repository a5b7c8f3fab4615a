#include "vantor/shoulder3d/model3d/hokankoubai.h"

#include "vantor/model/bus/cross_slope_tables.h"
#include "vantor/model/bus/model3d_tables.h"
#include "vantor/sections/cross_slope_interpolation.h"

namespace 縦断bus {

namespace {

// The slope at chainage x [mm], compared with the change points in millimetres; the slope
// held when no pair decides.
float SlopeAt(const CrossSlopePoints& stations, const CrossSlopePoints& slopes, int count, double x, float held) {
    const auto value = InterpolatedCrossSlope(stations, slopes, count, x, 1000);
    return value ? static_cast<float>(*value) : held;
}

} // namespace

void hokankoubai() {
    const double x = d3kyori;
    d3hidarikoubai =
        FourDecimalSlope(SlopeAt(hidarikijunsokuten, hidarikijunkoubai, hidarikijunsuu, x, d3hidarikoubai));
    d3migikoubai = FourDecimalSlope(SlopeAt(migikijunsokuten, migikijunkoubai, migikijunsuu, x, d3migikoubai));
}

} // namespace 縦断bus
