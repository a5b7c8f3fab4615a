// How long the profile takes: 500 stations over 2000 m, 50 vertical curves, recomputed and
// sampled every 1 m as the grid and the profile graph do after each edit; and the texts of a
// grid fill over that profile with 49 IPs whose BC and EC fall on stations.
#include "vantor/geometry/grid/hyoujitate.h"
#include "vantor/geometry/profile/keisankeikakusen.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/縦断bus.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace 縦断bus;

constexpr int kStations = 500;
constexpr int kChangePointSpacing = 9; // rows between change points: 57 change points
constexpr int kCurves = 50;

void LoadLongProfile() {
    ResetState();
    ketasuu = 2;
    sokutensuu = kStations;
    int curves = 0;
    for (int r = 1; r <= kStations; ++r) {
        const double station = std::floor((r - 1) * 2000.0 / (kStations - 1) * 100 + 0.5) / 100;
        tatedata(r, 1) = static_cast<float>(station);
        tatedata(r, 2) = static_cast<float>(50 + std::sin(station / 37));
        for (int c = 3; c <= 8; ++c) tatedata(r, c) = kEmpty;
        const bool changePoint = (r - 1) % kChangePointSpacing == 0 || r == kStations;
        if (!changePoint) continue;
        tatedata(r, 3) = static_cast<float>(50 + 2 * std::sin(station / 90) + ((r / kChangePointSpacing) % 2));
        if (r > 1 && r < kStations && curves < kCurves) {
            tatedata(r, 4) = 20;
            ++curves;
        }
    }
}

void BM_Keisantate(benchmark::State& state) {
    LoadLongProfile();
    for (auto _ : state) {
        keisantate();
        benchmark::DoNotOptimize(tatedata(kStations, 5));
    }
    if (kyokusensuu != kCurves) state.SkipWithError("profile refused");
}
BENCHMARK(BM_Keisantate)->Unit(benchmark::kMicrosecond);

void BM_Keisankeikakusen(benchmark::State& state) {
    LoadLongProfile();
    keisantate();
    for (auto _ : state) benchmark::DoNotOptimize(keisankeikakusen());
    if (keikakusensuu != 2000) state.SkipWithError("planned line not sampled");
}
BENCHMARK(BM_Keisankeikakusen)->Unit(benchmark::kMicrosecond);

void BM_ProfileAndPlannedLine(benchmark::State& state) {
    LoadLongProfile();
    for (auto _ : state) {
        keisantate();
        benchmark::DoNotOptimize(keisankeikakusen());
    }
}
BENCHMARK(BM_ProfileAndPlannedLine)->Unit(benchmark::kMicrosecond);

// BC and EC of 49 IPs on every fifth station from the second on.
void LoadAlignmentOnStations() {
    ipkeisanflg = 1;
    ipsuu = 49;
    for (int k = 1; k <= ipsuu; ++k) {
        bcsokuten(k) = static_cast<float>(double(tatedata(10 * k - 8, 1)) * 1000);
        ecsokuten(k) = static_cast<float>(double(tatedata(10 * k - 3, 1)) * 1000);
    }
}

void BM_GridFillTexts(benchmark::State& state) {
    LoadLongProfile();
    keisantate();
    LoadAlignmentOnStations();
    for (auto _ : state) {
        const CurvePointMarks marks = CurvePointMarks::OfAlignment();
        for (int row = 1; row <= sokutensuu; ++row) benchmark::DoNotOptimize(GridRowTexts(row, marks));
    }
    if (GridRowTexts(2, CurvePointMarks::OfAlignment())[0].rfind("B.C 1 (", 0) != 0)
        state.SkipWithError("no station marked");
}
BENCHMARK(BM_GridFillTexts)->Unit(benchmark::kMicrosecond);

} // namespace
