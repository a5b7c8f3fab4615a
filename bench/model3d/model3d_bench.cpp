// The 3D model of 200 stations 20 m apart (3980 m of road: a straight, a 500 m curve and a
// straight, a 60 m vertical curve every 400 m) built and sent through the DDE channel into the
// CAD's command line: centre line, both edges, width lines at the stations and height lines.
// Reports sends per second, the sends and entities of one model and whether the CAD refused any.
#include "bench/support/cad_bench_channel.h"
#include "platform/forms/forms.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/geometry/alignment/ip_alignment.h"
#include "vantor/geometry/alignment/plan_alignment.h"
#include "vantor/geometry/profile/keisantate.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/縦断bus.h"
#include "vantor/sections/keisanyokokoubai.h"
#include "vantor/shoulder3d/model3d/sakuzu3d.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace 縦断bus;

constexpr int kStations = 200;

void Road() {
    ResetState();
    yokodata.Fill(kEmpty);
    ipsuu = 1;
    const float points[3][3] = {{0, 0, 0}, {2000000, 0, 500000}, {2000000, 2500000, 0}};
    for (int p = 0; p < 3; ++p) ipx(p) = points[p][0], ipy(p) = points[p][1], iphankei(p) = points[p][2];
    ComputeIpAlignment();
    sokutensuu = kStations;
    for (int r = 1; r <= kStations; ++r) {
        const float station = 20.0f * (r - 1);
        tatedata(r, 1) = station;
        tatedata(r, 2) = 10;
        const bool change = r == 1 || r == kStations || (r - 1) % 20 == 0;
        tatedata(r, 3) = change ? ((r - 1) % 40 == 0 ? 10.0f : 14.0f) : kEmpty;
        tatedata(r, 4) = change && r != 1 && r != kStations ? 60.0f : kEmpty;
        yokodata(r, 2) = 3;
        yokodata(r, 9) = 3.5f;
        yokodata(r, 4) = yokodata(r, 7) = r == 1 || r == kStations ? 2.0f : kEmpty;
        yokodata(r, 5) = station;
    }
    keisantate();
    for (int r = 1; r <= kStations; ++r) yokodata(r, 6) = tatedata(r, 5);
    ComputeCrossSlopes();
    PlaceAllStations();
}

void BM_Model3dOf200StationsIntoTheCad(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Road();
    bench_support::CadBenchChannel channel;
    forms::Get<作図画面>();
    bool drawn = false;
    for (auto _ : state) {
        state.PauseTiming();
        channel.Renew();
        state.ResumeTiming();
        drawn = DrawModel3d({0, 500}, {.stationWidths = true, .heights = true});
    }
    channel.Report(state);
    state.counters["drawn"] = drawn;
    forms::UnloadAll();
}

} // namespace

BENCHMARK(BM_Model3dOf200StationsIntoTheCad)->Unit(benchmark::kMillisecond)->UseRealTime();
