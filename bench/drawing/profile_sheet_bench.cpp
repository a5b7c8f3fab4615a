// The full profile sheet of 100 stations (20 m apart, 1980 m of planned line) with 50
// vertical curves and three horizontal curves, pressed on the drawing screen and sent
// through the DDE channel into the CAD's command line. Reports sends per second, the sends
// and entities of one sheet and whether the CAD refused any line.
#include "bench/support/cad_bench_channel.h"
#include "platform/forms/forms.h"
#include "vantor/drawing/作図画面.h"
#include "vantor/model/bus/alignment_tables.h"
#include "vantor/model/bus/document_state.h"
#include "vantor/model/bus/profile_tables.h"
#include "vantor/model/bus/station_tables.h"
#include "vantor/model/縦断bus.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace 縦断bus;

// Change points at rows 1, 2, 4, ..., 98, 99 and 100; a 10 m curve on each inner one.
void FullProfile() {
    ResetState();
    ketasuu = 2;
    yokodata.Fill(kEmpty);
    sokutensuu = 100;
    for (int r = 1; r <= 100; ++r) {
        tatedata(r, 1) = static_cast<float>(20 * (r - 1));
        tatedata(r, 2) = 10.5f + static_cast<float>(r % 7) * 0.25f;
        const bool change = r == 1 || r % 2 == 0 || r == 99;
        tatedata(r, 3) = change ? (r % 4 == 0 ? 12.0f : 10.0f) : kEmpty;
        tatedata(r, 4) = change && r != 1 && r != 100 ? 10.0f : kEmpty;
    }
    tatedata(99, 3) = 11;
    ipsuu = 3;
    for (int j = 1; j <= 3; ++j) {
        bcsokuten(j) = 300000.0f * j;
        ecsokuten(j) = 300000.0f * j + 120000;
        sayuu(j) = j % 2 ? 1.0f : -1.0f;
        koukaku(j) = 0.4f;
        setsusenchou(j) = 61000;
        kyokusenchou(j) = 120000;
        iphankei(j) = 300000;
    }
}

void BM_FullProfileSheetIntoTheCad(benchmark::State& state) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    FullProfile();
    bench_support::CadBenchChannel channel;
    作図画面& screen = forms::Get<作図画面>();
    screen.SH.SetText("1000");
    screen.SV.SetText("100");
    screen.DL.SetText("0");
    for (auto _ : state) {
        state.PauseTiming();
        channel.Renew();
        state.ResumeTiming();
        screen.作図開始ボタン_Click();
    }
    channel.Report(state);
    state.counters["curves"] = kyokusensuu;
    forms::UnloadAll();
}

} // namespace

BENCHMARK(BM_FullProfileSheetIntoTheCad)->Unit(benchmark::kMillisecond)->UseRealTime();
