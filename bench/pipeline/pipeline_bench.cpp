// The whole pipeline at the largest tables each drawing accepts (see large_document.h): one
// benchmark per stage, timed alone after the stages before it have run untimed, and the whole
// run from a program just started to the DXF on disk. Counters: the sends of the stage (or
// of the whole run) and sends per second, the entities in the CAD and the lines it refused,
// the messages the program showed, and the peak resident memory of the process.
#include "pipeline.h"

#include "platform/forms/script.h"
#include "vantor/model/縦断bus.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <string>

namespace {

using pipeline_bench::Pipeline;

Pipeline& ThePipeline() {
    // Lives until the program ends: the program's screens and workbook outlive the benchmarks.
    static Pipeline* pipeline = new Pipeline(VANTOR_BINARY_DIR "/bench/pipeline/out");
    return *pipeline;
}

void Report(benchmark::State& state, Pipeline& p, long sends) {
    state.counters["sends"] = static_cast<double>(sends);
    state.counters["sends_per_s"] = benchmark::Counter(static_cast<double>(sends), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["entities"] = static_cast<double>(p.CurrentCad().drawing.Entities().size());
    state.counters["rejected"] = static_cast<double>(p.CurrentCad().commandLine.RejectionCount());
    state.counters["messages"] = static_cast<double>(forms::script::Messages().size());
    state.counters["stations"] = 縦断bus::sokutensuu;
    state.counters["peak_MiB"] = pipeline_bench::PeakMemoryMiB();
}

void BM_Stage(benchmark::State& state, std::size_t index) {
    Pipeline& p = ThePipeline();
    long sends = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.Restart();
        for (std::size_t before = 0; before < index; ++before) p.Run(before);
        const long start = p.CurrentCad().sends;
        state.ResumeTiming();
        p.Run(index);
        sends = p.CurrentCad().sends - start;
    }
    Report(state, p, sends);
}

void BM_WholePipeline(benchmark::State& state) {
    Pipeline& p = ThePipeline();
    long sends = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.Restart();
        state.ResumeTiming();
        for (std::size_t index = 0; index < pipeline_bench::Stages().size(); ++index) p.Run(index);
        sends = p.CurrentCad().sends;
    }
    Report(state, p, sends);
    state.counters["dxf_MiB"] = static_cast<double>(std::filesystem::file_size(p.DxfPath())) / (1024 * 1024);
}

const bool registered = [] {
    const auto& stages = pipeline_bench::Stages();
    for (std::size_t index = 0; index < stages.size(); ++index)
        benchmark::RegisterBenchmark(("BM_Stage/" + std::string(stages[index].name)).c_str(),
                                     [index](benchmark::State& state) { BM_Stage(state, index); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark("BM_WholePipeline", BM_WholePipeline)->Unit(benchmark::kMillisecond)->UseRealTime();
    return true;
}();

} // namespace
