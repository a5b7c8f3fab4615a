// The whole pipeline at the largest tables each drawing accepts (see large_document.h): one
// benchmark per stage, timed alone after the stages before it have run untimed, the
// cross-sections alone in an empty drawing, and the whole run from a program just started to
// the DXF on disk. Counters: the sends of the stage (or of the whole run) and sends per second,
// the entities in the CAD and the lines it refused, the messages the program showed. The peak
// memory is that of a process of its own that runs the pipeline once from its start
// (pipeline_probe.cpp): this process, restarting the program again and again, holds more.
#include "pipeline.h"

#include "platform/forms/script.h"
#include "vantor/model/bus/profile_tables.h"

#include "bench/support/probe_process.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <string>

namespace {

using pipeline_bench::Pipeline;

const std::string kFolder = VANTOR_BINARY_DIR "/bench/pipeline/out";

Pipeline& ThePipeline() {
    // Lives until the program ends: the program's screens and workbook outlive the benchmarks.
    static Pipeline* pipeline = new Pipeline(kFolder);
    return *pipeline;
}

void Report(benchmark::State& state, Pipeline& p, long sends) {
    state.counters["sends"] = static_cast<double>(sends);
    state.counters["sends_per_s"] =
        benchmark::Counter(static_cast<double>(sends), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["entities"] = static_cast<double>(p.CurrentCad().drawing.Entities().size());
    state.counters["rejected"] = static_cast<double>(p.CurrentCad().commandLine.RejectionCount());
    state.counters["messages"] = static_cast<double>(forms::script::Messages().size());
    state.counters["stations"] = 縦断bus::sokutensuu;
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

// The cross-sections drawn into an empty drawing: only the sections document opened and its
// areas computed before, so the CAD holds nothing but the sections.
void BM_CrossSectionsIntoEmptyDrawing(benchmark::State& state) {
    Pipeline& p = ThePipeline();
    const std::size_t sections = pipeline_bench::StageIndex("cross-sections");
    long sends = 0;
    for (auto _ : state) {
        state.PauseTiming();
        p.Restart();
        p.Run(pipeline_bench::StageIndex("open sections"));
        p.Run(pipeline_bench::StageIndex("earthwork areas"));
        const long start = p.CurrentCad().sends;
        state.ResumeTiming();
        p.Run(sections);
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

// Runs the probe on the documents in kFolder; returns the peak resident memory [KiB] it
// reports of itself.
long RunProbe() {
    return bench_support::RunProbe(VANTOR_PROBE, kFolder, kFolder + "/probe_peak.txt", "the pipeline probe failed");
}

// The pipeline once in a process of its own, from the program's start to the DXF on disk.
void BM_PipelineInOneProcess(benchmark::State& state) {
    ThePipeline(); // writes the documents
    long peakKiB = 0;
    for (auto _ : state) peakKiB = RunProbe();
    state.counters["peak_MiB"] = static_cast<double>(peakKiB) / 1024;
}

const bool registered = [] {
    const auto& stages = pipeline_bench::Stages();
    for (std::size_t index = 0; index < stages.size(); ++index)
        benchmark::RegisterBenchmark(("BM_Stage/" + std::string(stages[index].name)).c_str(),
                                     [index](benchmark::State& state) { BM_Stage(state, index); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    benchmark::RegisterBenchmark("BM_CrossSectionsIntoEmptyDrawing", BM_CrossSectionsIntoEmptyDrawing)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("BM_WholePipeline", BM_WholePipeline)->Unit(benchmark::kMillisecond)->UseRealTime();
    benchmark::RegisterBenchmark("BM_PipelineInOneProcess", BM_PipelineInOneProcess)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    return true;
}();

} // namespace
