#include "vantor/geometry/profile/keisankeikakusen.h"

#include "vantor/geometry/profile/keikoku.h"
#include "vantor/geometry/profile/planned_line.h"
#include "vantor/model/bus/profile_tables.h"

#include <array>

namespace 縦断bus {

namespace {

constexpr int kLastSample = decltype(keikakusenx)::UBound();

// Stations of the samples: the first station, every 1 m after it (counted in single
// precision) while below the last station, then the last station. One entry more than the
// table holds marks a line that does not fit.
struct SampleStations {
    std::array<float, kLastSample + 2> x{};
    int last = 0; // index of the last sample
};

SampleStations Stations(float first, float end) {
    SampleStations s;
    s.x[0] = first;
    float x = first;
    while (s.last <= kLastSample) {
        ++s.last;
        x += 1.0f;
        if (x >= end) break;
        s.x[s.last] = x;
    }
    s.x[s.last] = end;
    return s;
}

int FirstStationRow() {
    for (int r = 1; r <= sokutensuu; ++r)
        if (HasStation(r)) return r;
    return 0;
}

int LastStationRow() {
    for (int r = sokutensuu; r >= 1; --r)
        if (HasStation(r)) return r;
    return 0;
}

} // namespace

bool keisankeikakusen() {
    keikokuflg = 0;
    const int firstRow = FirstStationRow(), lastRow = LastStationRow();
    // A profile that did not compute has emptied its planned heights.
    if (henkatensuu < 2 || firstRow == 0 || tatedata(firstRow, tate_col::kPlannedHeight) == kEmpty) return false;
    const SampleStations stations =
        Stations(tatedata(firstRow, tate_col::kStation), tatedata(lastRow, tate_col::kStation));
    if (stations.last > kLastSample) {
        WarnPlannedLineTooLong(kLastSample);
        return false;
    }
    const int last = stations.last;
    keikakusensuu = static_cast<float>(last);
    keikakusenx(0) = stations.x[0];
    keikakuseny(0) = tatedata(firstRow, tate_col::kPlannedHeight);
    for (int s = 1; s < last; ++s) {
        keikakusenx(s) = stations.x[s];
        keikakuseny(s) = static_cast<float>(TangentAt(stations.x[s]).height);
    }
    keikakusenx(last) = stations.x[last];
    keikakuseny(last) = tatedata(lastRow, tate_col::kPlannedHeight);
    // The curves replace the tangent heights; the first sample keeps the table's value.
    std::array<Parabola, decltype(keisuua)::UBound() + 1> curves{};
    for (int k = 1; k <= kyokusensuu; ++k) curves[k] = StoreCurveCoefficients(k);
    for (int s = 1; s <= last; ++s) {
        const float x = keikakusenx(s);
        if (const int k = CurveAt(x)) keikakuseny(s) = static_cast<float>(curves[k].HeightAt(x));
    }
    return true;
}

} // namespace 縦断bus
