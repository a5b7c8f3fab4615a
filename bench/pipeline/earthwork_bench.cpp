// The earthwork stage (the areas of every station computed by 一括計算 and each plotted on the
// screen's picture) alone, on the first 12 and on all 50 stations of the sections document.
// Each iteration starts the program again and opens the document untimed.
#include "pipeline.h"

#include "vantor/model/bus/profile_tables.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using pipeline_bench::Pipeline;

Pipeline& ThePipeline() {
    // Lives until the program ends: the program's screens and workbook outlive the benchmarks.
    static Pipeline* pipeline = new Pipeline(VANTOR_BINARY_DIR "/bench/pipeline/earthwork");
    return *pipeline;
}

void BM_EarthworkAreas(benchmark::State& state) {
    Pipeline& p = ThePipeline();
    const int sections = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        p.Restart();
        p.Run(pipeline_bench::StageIndex("open sections"));
        縦断bus::sokutensuu = sections; // the document's first stations only
        state.ResumeTiming();
        p.Run(pipeline_bench::StageIndex("earthwork areas"));
    }
    state.counters["sections"] = sections;
}

BENCHMARK(BM_EarthworkAreas)
    ->Arg(12)
    ->Arg(pipeline_bench::kSectionStations)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
